#include "catalogue/import_scanner.h"
#include "config/errors.h"
#include "config/textlines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <QtTest>

using namespace zok;

Q_DECLARE_METATYPE(zok::ImportKind)

namespace {

QStringList scan(const QStringList &lines)
{
    QStringList entries;
    scanImport(lines, classifyImport(lines), [](qsizetype) {},
               [&entries](const QString &e) { entries << e; });
    return entries;
}

QStringList heading(const QString &name)
{
    return {SeparatorLine, name, QStringLiteral("----- Attachments For ") + name + "--------"};
}

QStringList fixtureLines(const QString &name)
{
    LineList lines;
    lines.load(QStringLiteral(ZOK_FIXTURES "/economy/") + name);
    return lines.lines();
}

QByteArray fixtureBytes(const QString &name)
{
    QFile f(QStringLiteral(ZOK_FIXTURES "/economy/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return f.readAll();
}

} // namespace

class ImportScannerTest : public QObject {
    Q_OBJECT
private slots:
    void classification_data();
    void classification();
    void entries_data();
    void entries();
    void lineCallbackPrecedesEachLinesEntries();
    void nextLineReadPastTheEnd_data();
    void nextLineReadPastTheEnd();
    void realTypesFile();
    void realSpawnableTypesFile();
    void realWeaponAttachmentsFile();
};

void ImportScannerTest::classification_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<ImportKind>("kind");
    QTest::newRow("empty file") << QStringList() << ImportKind::None;
    QTest::newRow("neither word") << QStringList{"<types>", "<type name=\"A\">", "</types>"}
                                  << ImportKind::Types;
    QTest::newRow("one empty line") << QStringList{""} << ImportKind::Types;
    QTest::newRow("attachments decides first")
        << QStringList{"<types>", "<!-- no attachments here -->", "\"package\": \"QernikWeapons\""}
        << ImportKind::SpawnableTypes;
    QTest::newRow("QernikWeapons decides first")
        << QStringList{"{", "\"package\": \"QernikWeapons\",", "\"attachments\": ["}
        << ImportKind::WeaponAttachments;
    QTest::newRow("QernikWeapons wins within a line")
        << QStringList{"x", "attachments of QernikWeapons"} << ImportKind::WeaponAttachments;
    QTest::newRow("exact case") << QStringList{"Attachments", "qernikweapons"}
                                << ImportKind::Types;
}

void ImportScannerTest::classification()
{
    QFETCH(QStringList, lines);
    QFETCH(ImportKind, kind);
    QCOMPARE(classifyImport(lines), kind);
}

void ImportScannerTest::entries_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("types: worked example")
        << QStringList{"<types>", "    <type name=\"Apple\">", "        <nominal>10</nominal>",
                       "    </type>", "    <type name=\"Pear\">", "    </type>", "</types>"}
        << QStringList{"Apple", "Pear"};
    QTest::newRow("types: no closing quote and bracket gives an empty entry")
        << QStringList{"<type name=\"Apple\">", "<type name=\"Broken", "<type name=\"Pear\">"}
        << QStringList{"Apple", "", "Pear"};
    QTest::newRow("types: a word in a comment makes it spawnable-types")
        << QStringList{"<!-- attachments -->", "<type name=\"Apple\">", "</type>"}
        << QStringList{SeparatorLine};

    QTest::newRow("spawnable-types: worked example")
        << QStringList{"<spawnabletypes>",
                       "\t<type name=\"Rifle1\">",
                       "\t\t<attachments chance=\"1.00\">",
                       "\t\t\t<item name=\"Part1\" chance=\"1.00\" />",
                       "\t\t</attachments>",
                       "\t\t<cargo chance=\"0.50\">",
                       "\t\t\t<item name=\"Mag1\" chance=\"0.30\" />",
                       "\t\t</cargo>",
                       "\t</type>",
                       "</spawnabletypes>"}
        << heading("Rifle1") + QStringList{"Part1", "Mag1", SeparatorLine};
    QTest::newRow("spawnable-types: first inner line not attachments")
        << QStringList{"<type name=\"Rifle1\">", "<cargo chance=\"1\">",
                       "<item name=\"Mag1\" chance=\"1\" />", "</cargo>",
                       "<attachments chance=\"1\">", "<item name=\"Part1\" chance=\"1\" />",
                       "</attachments>", "</type>"}
        << QStringList{"Mag1", "Part1", SeparatorLine};

    QTest::newRow("weapons: worked example")
        << QStringList{"{", "    \"package\": \"QernikWeapons\",", "    \"weapons\": [",
                       "        {",
                       "            \"name\": \"Rifle1\",",
                       "            \"attachments\": [",
                       "                \"Part1\",",
                       "                \"Part2\"",
                       "            ],",
                       "            \"bullets\": [",
                       "                \"Ammo1\"",
                       "            ],",
                       "            \"magazines\": [",
                       "                \"Mag1\"",
                       "            ]",
                       "        },",
                       "    ]", "}"}
        << heading("Rifle1") + QStringList{"Part1", "Part2", "Ammo1", "Mag1", SeparatorLine};
    QTest::newRow("weapons: bullets first, no attachment list")
        << QStringList{"QernikWeapons", "\"name\": \"Pistol\",", "\"bullets\": [", "\"Ammo1\"",
                       "]", "},"}
        << heading("Pistol") + QStringList{SeparatorLine};
    QTest::newRow("weapons: last weapon runs to the end of the file")
        << QStringList{"QernikWeapons", "\"name\": \"Last\",", "\"attachments\": [",
                       "\"Part1\" \"Other\"", "],", "\"magazines\": [", "\"Mag1\"", "]", "}",
                       "]", "}"}
        << heading("Last") + QStringList{"Part1", "Mag1"};
}

void ImportScannerTest::entries()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    QCOMPARE(scan(lines), expected);
}

void ImportScannerTest::lineCallbackPrecedesEachLinesEntries()
{
    const QStringList lines{"<types>", "<type name=\"Apple\">", "</type>", "<type name=\"Pear\">"};
    QStringList log;
    scanImport(lines, ImportKind::Types, [&log](qsizetype i) { log << QString::number(i); },
               [&log](const QString &e) { log << e; });
    QCOMPARE(log, (QStringList{"0", "1", "Apple", "2", "3", "Pear"}));
}

void ImportScannerTest::nextLineReadPastTheEnd_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("before");
    QTest::newRow("type line last")
        << QStringList{"<type name=\"A\">", "<attachments chance=\"1\">",
                       "<item name=\"P\" chance=\"1\" />", "</attachments>", "</type>",
                       "<type name=\"Last\">"}
        << heading("A") + QStringList{"P", SeparatorLine};
    QTest::newRow("weapon line last")
        << QStringList{"QernikWeapons", "\"name\": \"W1\",", "\"bullets\": [", "\"B1\"", "]",
                       "},", "\"name\": \"W2\","}
        << heading("W1") + QStringList{SeparatorLine};
}

void ImportScannerTest::nextLineReadPastTheEnd()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, before);
    QStringList entries;
    try {
        scanImport(lines, classifyImport(lines), [](qsizetype) {},
                   [&entries](const QString &e) { entries << e; });
        QFAIL("no error raised");
    } catch (const ListIndexError &e) {
        QCOMPARE(e.text(), QStringLiteral("List index out of bounds (%1)").arg(lines.size()));
    }
    QCOMPARE(entries, before);
}

// The real files are checked against what a real XML or JSON reader finds in
// them, not against a stored output.
void ImportScannerTest::realTypesFile()
{
    QXmlStreamReader xml(fixtureBytes("types.xml"));
    QStringList names;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("type"))
            names << xml.attributes().value("name").toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(names.size() > 1000);

    const QStringList lines = fixtureLines("types.xml");
    QCOMPARE(classifyImport(lines), ImportKind::Types);
    QCOMPARE(scan(lines), names);
}

// The file puts one element per line; an item is listed by the text between
// its name and a chance attribute written right after it. Blocks commented
// out are lines like any other, so their elements count too.
static void expectSpawnable(const QByteArray &xmlText, QStringList &expected, int &headings)
{
    QXmlStreamReader xml(xmlText);
    QString typeWithoutChild;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isComment()) {
            expectSpawnable("<c>" + xml.text().toUtf8() + "</c>", expected, headings);
        } else if (xml.isStartElement()) {
            const auto attributes = xml.attributes();
            if (!typeWithoutChild.isEmpty()) {
                if (xml.name() == QLatin1String("attachments") && !attributes.isEmpty()
                    && attributes.first().name() == QLatin1String("chance")) {
                    expected << heading(typeWithoutChild);
                    ++headings;
                }
                typeWithoutChild.clear();
            }
            if (xml.name() == QLatin1String("type")) {
                typeWithoutChild = attributes.value("name").toString();
            } else if (xml.name() == QLatin1String("item")) {
                const bool chanceFollows = attributes.size() > 1
                    && attributes[0].name() == QLatin1String("name")
                    && attributes[1].name() == QLatin1String("chance");
                expected << (chanceFollows ? attributes[0].value().toString() : QString());
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("type")) {
            typeWithoutChild.clear();
            expected << SeparatorLine;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void ImportScannerTest::realSpawnableTypesFile()
{
    QStringList expected;
    int headings = 0;
    expectSpawnable(fixtureBytes("cfgspawnabletypes.xml"), expected, headings);
    QVERIFY(headings > 50);

    const QStringList lines = fixtureLines("cfgspawnabletypes.xml");
    QCOMPARE(classifyImport(lines), ImportKind::SpawnableTypes);
    QCOMPARE(scan(lines), expected);
}

void ImportScannerTest::realWeaponAttachmentsFile()
{
    // The file writes each weapon's keys as name, attachments, bullets,
    // magazines; the attachment list runs on to the object's end, and the
    // last object has no comma after its brace.
    const QJsonDocument doc = QJsonDocument::fromJson(fixtureBytes("weapons_attachments.json"));
    const QJsonArray weapons = doc.object().value("weapons").toArray();
    QVERIFY(weapons.size() > 10);
    QStringList expected;
    for (qsizetype k = 0; k < weapons.size(); ++k) {
        const QJsonObject w = weapons[k].toObject();
        expected << heading(w.value("name").toString());
        if (w.contains("attachments"))
            for (const char *list : {"attachments", "bullets", "magazines"})
                for (const QJsonValue &v : w.value(list).toArray())
                    expected << v.toString();
        if (k + 1 < weapons.size())
            expected << SeparatorLine;
    }

    const QStringList lines = fixtureLines("weapons_attachments.json");
    QCOMPARE(classifyImport(lines), ImportKind::WeaponAttachments);
    QCOMPARE(scan(lines), expected);
}

QTEST_GUILESS_MAIN(ImportScannerTest)
#include "tst_import_scanner.moc"
