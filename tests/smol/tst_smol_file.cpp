#include "config/errors.h"
#include "config/paths.h"
#include "config/textlines.h"
#include "kits/smol/smol_file.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace zok;

namespace {

const QString four(4, ' ');
const QString eight(8, ' ');
const QString twelve(12, ' ');

TSmolWeaponKit kit(const QString &weapon, const QString &spareMags = "2")
{
    TSmolWeaponKit k;
    k.zok_TheChosenOne = weapon;
    k.zok_Magazine = weapon + "_Mag";
    k.zok_SpareMagCount = spareMags;
    k.zok_Ammunition = "Ammo_" + weapon;
    k.zok_SpareAmmoCount = "3";
    k.zok_OpticType = "Optic_" + weapon;
    k.zok_Suppressor = "Supp_" + weapon;
    k.zok_UnderBarrel = "UB_" + weapon;
    k.zok_ButtStock = "BS_" + weapon;
    k.zok_HandGuard = "HG_" + weapon;
    k.zok_Wrap = "Wrap_" + weapon;
    return k;
}

SmolCrate crate(const QString &colour, int kits, const QList<int> &entriesPerSet = {0, 0, 0, 0})
{
    SmolCrate c;
    c.colour = colour;
    for (int i = 0; i < kits; ++i)
        c.kits << kit("Gun" + QString::number(i));
    for (int s = 0; s < 4; ++s)
        for (int j = 0; j < entriesPerSet.value(s); ++j)
            c.lootSets[s].entries << QString("Item%1_%2").arg(s + 1).arg(j);
    return c;
}

LineList lines(const QStringList &l) { return LineList(l); }

// The lines that close kit blocks, in file order.
QStringList kitClosings(const QStringList &file)
{
    QStringList out;
    for (const QString &l : file)
        if (l == eight + "}" || l == eight + "},")
            out << l.trimmed();
    return out;
}

} // namespace

class SmolFileTest : public QObject {
    Q_OBJECT
private slots:
    // ---- writer ----
    void emptyYellowFileByteForByte();
    void colourKeys();
    void kitCommaRules_data();
    void kitCommaRules();
    void entryCommaRules();
    void spareCountsWrittenAsWholeNumbers_data();
    void spareCountsWrittenAsWholeNumbers();
    void writtenFilesParseAsJson_data();
    void writtenFilesParseAsJson();

    // ---- reader ----
    void writtenFileLoadsBack();
    void kitOpeningLines();
    void lootSetEntryRules_data();
    void lootSetEntryRules();
    void switchesNumbersAndTexts_data();
    void switchesNumbersAndTexts();
    void missingKeyKeepsSetting();
    void conversionErrorKeepsWhatWasRead();
    void kitTooCloseToTheEnd();
    void numberBoxValues_data();
    void numberBoxValues();

    // ---- the bundled examples ----
    void examplesRewriteUnchanged_data();
    void examplesRewriteUnchanged();
};

void SmolFileTest::emptyYellowFileByteForByte()
{
    const QStringList expected = {
        "{",
        four + "\"zok_Description\": \"ZOK SMOL CRATE CONFIG (Yellow Tier). Below are settings to spawn "
               "either static or randomized loot. To spawn all items in array, use randomize setting 0,\",",
        four + "\"zok_DescriptionCont\": \"if set to 1, it will use the count setting found just below the "
               "randomize setting. When using randomized loot, the system can and likely WILL\",",
        four + "\"zok_DescriptionCont2\": \"spawn duplicates. I suggest using static and manually adding "
               "desired duplicates. Each loot set, including weapons can be turned off as well.\",",
        four + "\"zok_SpawnMainWeapons\": 0,",
        four + "\"zok_RandomizeWeapons\": 0,",
        four + "\"zok_WeaponCount\": 0,",
        four + "\"weaponTypesYellow\": [",
        four + "],",
        four + "\"zok_SpawnLootSet1\": 0,", four + "\"zok_RandomizeLootSet1\": 0,",
        four + "\"zok_LootSet1Count\": 0,", four + "\"zok_LootSetY1\": [", four + "],",
        four + "\"zok_SpawnLootSet2\": 0,", four + "\"zok_RandomizeLootSet2\": 0,",
        four + "\"zok_LootSet2Count\": 0,", four + "\"zok_LootSetY2\": [", four + "],",
        four + "\"zok_SpawnLootSet3\": 0,", four + "\"zok_RandomizeLootSet3\": 0,",
        four + "\"zok_LootSet3Count\": 0,", four + "\"zok_LootSetY3\": [", four + "],",
        four + "\"zok_SpawnLootSet4\": 0,", four + "\"zok_RandomizeLootSet4\": 0,",
        four + "\"zok_LootSet4Count\": 0,", four + "\"zok_LootSetY4\": [", four + "]",
        "}",
    };
    QCOMPARE(expected.size(), 30);
    QByteArray bytes;
    for (const QString &l : expected)
        bytes += l.toLatin1() + "\r\n";
    QCOMPARE(LineList(writeSmolCrate(crate("Yellow", 0), false)).toBytes(), bytes);
}

void SmolFileTest::colourKeys()
{
    SmolCrate c = crate("Purple", 1, {1, 1, 1, 1});
    c.spawnMainWeapons = true;
    c.weaponCount = "4";
    c.lootSets[2].randomize = true;
    c.lootSets[2].count = "9";
    const QStringList file = writeSmolCrate(c, false);
    QVERIFY(file[1].contains("(Purple Tier)"));
    QCOMPARE(file[4], four + "\"zok_SpawnMainWeapons\": 1,");
    QCOMPARE(file[6], four + "\"zok_WeaponCount\": 4,");
    QCOMPARE(file[7], four + "\"weaponTypesPurple\": [");
    for (int n = 1; n <= 4; ++n)
        QVERIFY(file.contains(four + QString("\"zok_LootSetP%1\": [").arg(n)));
    QVERIFY(file.contains(four + "\"zok_RandomizeLootSet3\": 1,"));
    QVERIFY(file.contains(four + "\"zok_LootSet3Count\": 9,"));
    QCOMPARE(file.filter("zok_LootSetY").size(), 0);
    QCOMPARE(file.size(), 30 + 13 + 4);
}

void SmolFileTest::kitCommaRules_data()
{
    QTest::addColumn<int>("kits");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<bool>("leaveOut");
    QTest::addColumn<QStringList>("closings");
    QTest::addColumn<QStringList>("weapons");

    QTest::newRow("three, none left out") << 3 << QList<int>{} << false
                                          << QStringList{"},", "},", "}"} << QStringList{"Gun0", "Gun1", "Gun2"};
    QTest::newRow("three, one marked, kept") << 3 << QList<int>{1} << false
                                             << QStringList{"},", "},", "}"} << QStringList{"Gun0", "Gun1", "Gun2"};
    QTest::newRow("last marked, left out") << 3 << QList<int>{2} << true
                                           << QStringList{"},", "}"} << QStringList{"Gun0", "Gun1"};
    QTest::newRow("first marked, left out") << 3 << QList<int>{0} << true
                                            << QStringList{"},", "}"} << QStringList{"Gun1", "Gun2"};
    QTest::newRow("only kit left out") << 1 << QList<int>{0} << true << QStringList{} << QStringList{};
    QTest::newRow("two of three left out") << 3 << QList<int>{1, 2} << true
                                           << QStringList{"}"} << QStringList{"Gun0"};
}

void SmolFileTest::kitCommaRules()
{
    QFETCH(int, kits);
    QFETCH(QList<int>, marked);
    QFETCH(bool, leaveOut);
    QFETCH(QStringList, closings);
    QFETCH(QStringList, weapons);

    SmolCrate c = crate("Yellow", kits);
    for (int m : marked)
        c.kits[m].Remove = true;
    const QStringList file = writeSmolCrate(c, leaveOut);
    QCOMPARE(kitClosings(file), closings);
    QCOMPARE(file.size(), 30 + 13 * weapons.size());
    QStringList written;
    for (const QString &l : file.filter("\"zok_TheChosenOne\""))
        written << ExtractBetween(l, "\"zok_TheChosenOne\": \"", "\"");
    QCOMPARE(written, weapons);
    // The weapon array always closes right after the last block (or its key).
    const qsizetype close = file.indexOf(four + "],");
    QCOMPARE(file[close - 1], weapons.isEmpty() ? four + "\"weaponTypesYellow\": [" : eight + "}");
}

void SmolFileTest::entryCommaRules()
{
    SmolCrate c = crate("Yellow", 0);
    c.lootSets[0].entries = {"a", "b", "c"};
    c.lootSets[1].entries = {"only"};
    const QStringList file = writeSmolCrate(c, false);
    const qsizetype y1 = file.indexOf(four + "\"zok_LootSetY1\": [");
    QCOMPARE(file.mid(y1 + 1, 4), (QStringList{eight + "\"a\",", eight + "\"b\",", eight + "\"c\"", four + "],"}));
    const qsizetype y2 = file.indexOf(four + "\"zok_LootSetY2\": [");
    QCOMPARE(file.mid(y2 + 1, 2), (QStringList{eight + "\"only\"", four + "],"}));
    const qsizetype y4 = file.indexOf(four + "\"zok_LootSetY4\": [");
    QCOMPARE(file.mid(y4 + 1), (QStringList{four + "]", "}"}));
    QCOMPARE(file.size(), 30 + 4);
}

void SmolFileTest::spareCountsWrittenAsWholeNumbers_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("written");
    QTest::newRow("empty, as a new kit has") << "" << "0";
    QTest::newRow("letters") << "x" << "0";
    QTest::newRow("sign only") << "-" << "0";
    QTest::newRow("blank inside") << "1 2" << "0";
    QTest::newRow("digits") << "12" << "12";
    QTest::newRow("negative") << "-3" << "-3";
    QTest::newRow("leading zero") << "03" << "3";
    QTest::newRow("negative leading zeros") << "-005" << "-5";
    QTest::newRow("zeros") << "000" << "0";
    QTest::newRow("negative zero") << "-0" << "0";
}

void SmolFileTest::spareCountsWrittenAsWholeNumbers()
{
    QFETCH(QString, count);
    QFETCH(QString, written);
    SmolCrate c = crate("Green", 1);
    c.kits[0].zok_SpareMagCount = count;
    c.kits[0].zok_SpareAmmoCount = count;
    const QStringList file = writeSmolCrate(c, false);
    QVERIFY(file.contains(twelve + "\"zok_SpareMagCount\": " + written + ","));
    QVERIFY(file.contains(twelve + "\"zok_SpareAmmoCount\": " + written + ","));
}

void SmolFileTest::writtenFilesParseAsJson_data()
{
    QTest::addColumn<int>("kits");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<bool>("leaveOut");
    QTest::addColumn<bool>("newKits");
    QTest::newRow("empty") << 0 << QList<int>{} << false << false;
    QTest::newRow("three kits") << 3 << QList<int>{} << false << false;
    QTest::newRow("just added kits") << 2 << QList<int>{} << false << true;
    QTest::newRow("last left out") << 3 << QList<int>{2} << true << false;
    QTest::newRow("first left out") << 3 << QList<int>{0} << true << true;
    QTest::newRow("all left out") << 2 << QList<int>{0, 1} << true << false;
}

void SmolFileTest::writtenFilesParseAsJson()
{
    QFETCH(int, kits);
    QFETCH(QList<int>, marked);
    QFETCH(bool, leaveOut);
    QFETCH(bool, newKits);
    for (const QString &colour : SmolCrateColours) {
        SmolCrate c = crate(colour, kits, {0, 1, 3, 2});
        if (newKits)
            for (TSmolWeaponKit &k : c.kits)
                k = TSmolWeaponKit{};
        for (int m : marked)
            c.kits[m].Remove = true;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(LineList(writeSmolCrate(c, leaveOut)).toBytes(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(colour + ": " + error.errorString()));
        const int expected = leaveOut ? kits - int(marked.size()) : kits;
        QCOMPARE(doc.object().value("weaponTypes" + colour).toArray().size(), expected);
        QCOMPARE(doc.object().value(QString("zok_LootSet%1%2").arg(colour.at(0)).arg(3)).toArray().size(), 3);
    }
}

void SmolFileTest::writtenFileLoadsBack()
{
    SmolCrate c = crate("Blue", 3, {2, 0, 1, 4});
    c.kits[1] = TSmolWeaponKit{};  // empty counts come back as 0
    c.spawnMainWeapons = true;
    c.weaponCount = "5";
    c.lootSets[0].spawn = true;
    c.lootSets[3].randomize = true;
    c.lootSets[3].count = "2";

    SmolCrate back;
    readSmolCrate(lines(writeSmolCrate(c, false)), 'B', back);

    TSmolWeaponKit emptyKit;
    emptyKit.zok_SpareMagCount = "0";
    emptyKit.zok_SpareAmmoCount = "0";
    QCOMPARE(back.kits.size(), 3);
    QVERIFY(back.kits[0] == c.kits[0]);
    QVERIFY(back.kits[1] == emptyKit);
    QVERIFY(back.kits[2] == c.kits[2]);
    QCOMPARE(back.captions, (QStringList{"0", "1", "2"}));
    QCOMPARE(back.spawnMainWeapons, true);
    QCOMPARE(back.randomizeWeapons, false);
    QCOMPARE(back.weaponCount, QString("5"));
    for (int s = 0; s < 4; ++s)
        QVERIFY2(back.lootSets[s] == c.lootSets[s], qPrintable(QString::number(s + 1)));
}

void SmolFileTest::kitOpeningLines()
{
    QStringList file = {"{"};
    // A "{" anywhere below the first line opens a kit; the eleven lines below are its fields.
    file << "  junk {" << "\"zok_TheChosenOne\": \"M4\"," << "\"zok_Magazine\": \"Mag\","
         << "\"zok_SpareMagCount\": 3," << "\"zok_Ammunition\": \"Ammo\"," << "\"zok_SpareAmmoCount\": ,"
         << "nothing here" << "\"zok_Suppressor\": \"Supp" << "" << "" << "" << "\"zok_Wrap\": \"W\"" << "}";
    SmolCrate c;
    readSmolCrate(lines(file), 'Y', c);
    QCOMPARE(c.kits.size(), 1);
    QCOMPARE(c.captions, QStringList{"0"});
    const TSmolWeaponKit &k = c.kits[0];
    QCOMPARE(k.zok_TheChosenOne, QString("M4"));
    QCOMPARE(k.zok_Magazine, QString("Mag"));
    QCOMPARE(k.zok_SpareMagCount, QString("3"));
    QCOMPARE(k.zok_Ammunition, QString("Ammo"));
    QCOMPARE(k.zok_SpareAmmoCount, QString(""));
    QCOMPARE(k.zok_OpticType, QString(""));      // no start marker
    QCOMPARE(k.zok_Suppressor, QString(""));     // no end marker
    QCOMPARE(k.zok_Wrap, QString("W"));
    QVERIFY(!k.Remove);

    // Line 0 is never a kit, even with eleven lines below it.
    SmolCrate none;
    readSmolCrate(lines(QStringList{"{"} + QStringList(12, "x")), 'Y', none);
    QCOMPARE(none.kits.size(), 0);
}

void SmolFileTest::lootSetEntryRules_data()
{
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QStringList>("set1");
    QTest::newRow("entries up to the first ]")
        << QStringList{"{", "\"zok_LootSetY1\": [", "\"a\",", "\"b\"", "],", "\"c\"", "}"} << QStringList{"a", "b"};
    QTest::newRow("[] on the key line")
        << QStringList{"{", "\"zok_LootSetY1\": []", "\"a\",", "],"} << QStringList{};
    QTest::newRow("two names on a line")
        << QStringList{"{", "\"zok_LootSetY1\": [", "\"a\", \"b\",", "]"} << QStringList{"a"};
    QTest::newRow("line without quotes")
        << QStringList{"{", "\"zok_LootSetY1\": [", "plain", "]"} << QStringList{""};
    QTest::newRow("key of another colour ignored")
        << QStringList{"{", "\"zok_LootSetG1\": [", "\"a\"", "]"} << QStringList{};
    QTest::newRow("set 1 marker in the first line ignored")
        << QStringList{"{\"zok_LootSetY1\": [", "\"a\"", "]"} << QStringList{};
    QTest::newRow("no ] up to the end")
        << QStringList{"{", "\"zok_LootSetY1\": [", "\"a\",", "\"b\""} << QStringList{"a", "b"};
}

void SmolFileTest::lootSetEntryRules()
{
    QFETCH(QStringList, file);
    QFETCH(QStringList, set1);
    SmolCrate c;
    readSmolCrate(lines(file), 'Y', c);
    QCOMPARE(c.lootSets[0].entries, set1);
}

void SmolFileTest::switchesNumbersAndTexts_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("weapons");   // zok_SpawnMainWeapons afterwards
    QTest::addColumn<bool>("lootSet");   // zok_SpawnLootSet1 afterwards
    QTest::addColumn<bool>("fails");
    QTest::newRow("1") << "1" << false << true << true << false;
    QTest::newRow("0") << "0" << true << false << false << false;
    QTest::newRow("01 is a number, not the text 1") << "01" << false << true << false << false;
    QTest::newRow("2 leaves both") << "2" << true << true << true << false;
    QTest::newRow("leading blank") << " 1" << false << true << false << false;
    QTest::newRow("x ends the load") << "x" << false << false << false << true;
    QTest::newRow("beyond any whole number ends the load")
        << "99999999999999" << false << false << false << true;
    QTest::newRow("far below ends the load") << "-2147483649" << false << false << false << true;
}

void SmolFileTest::switchesNumbersAndTexts()
{
    QFETCH(QString, value);
    QFETCH(bool, before);
    QFETCH(bool, weapons);
    QFETCH(bool, lootSet);
    QFETCH(bool, fails);
    SmolCrate c;
    c.spawnMainWeapons = before;
    c.lootSets[0].spawn = before;
    // Loot set line first, so a failing weapon switch has it read already.
    const LineList file = lines({"{", "\"zok_SpawnLootSet1\": " + value + ",",
                                 "\"zok_SpawnMainWeapons\": " + value + ",", "\"zok_WeaponCount\": 7,"});
    try {
        readSmolCrate(file, 'Y', c);
        QVERIFY(!fails);
        QCOMPARE(c.weaponCount, QString("7"));
    } catch (const ConversionError &e) {
        QVERIFY(fails);
        QCOMPARE(e.text(), "'" + value + "' is not a valid integer value");
        QCOMPARE(c.weaponCount, QString("0"));  // the rest is not read
    }
    QCOMPARE(c.spawnMainWeapons, weapons);
    QCOMPARE(c.lootSets[0].spawn, lootSet);
}

void SmolFileTest::missingKeyKeepsSetting()
{
    SmolCrate c;
    c.weaponCount = "42";
    c.randomizeWeapons = true;
    c.lootSets[1].count = "8";
    c.lootSets[1].spawn = true;
    QStringList file = writeSmolCrate(crate("Yellow", 1), false);
    file.removeAll(four + "\"zok_WeaponCount\": 0,");
    file.removeAll(four + "\"zok_SpawnLootSet2\": 0,");
    readSmolCrate(lines(file), 'Y', c);
    QCOMPARE(c.weaponCount, QString("42"));
    QCOMPARE(c.randomizeWeapons, false);
    QCOMPARE(c.lootSets[1].count, QString("0"));
    QCOMPARE(c.lootSets[1].spawn, true);
}

void SmolFileTest::conversionErrorKeepsWhatWasRead()
{
    QStringList file = writeSmolCrate(crate("Yellow", 2, {2, 0, 0, 0}), false);
    // A bad switch after the first kit and loot set 1.
    file.insert(file.indexOf(four + "\"zok_SpawnLootSet2\": 0,"), "\"zok_RandomizeWeapons\": yes,");
    SmolCrate c;
    QVERIFY_THROWS_EXCEPTION(ConversionError, readSmolCrate(lines(file), 'Y', c));
    QCOMPARE(c.kits.size(), 2);
    QCOMPARE(c.captions.size(), 2);
    QCOMPARE(c.lootSets[0].entries, (QStringList{"Item1_0", "Item1_1"}));

    SmolCrate early;
    QStringList bad = file;
    bad.insert(9, "\"zok_SpawnMainWeapons\": x,");  // inside the first kit block's lines
    QVERIFY_THROWS_EXCEPTION(ConversionError, readSmolCrate(lines(bad), 'Y', early));
    QCOMPARE(early.kits.size(), 1);  // the kit whose block holds the line was read first
    QVERIFY(early.lootSets[0].entries.isEmpty());
}

void SmolFileTest::kitTooCloseToTheEnd()
{
    QStringList file = writeSmolCrate(crate("Yellow", 1), false).mid(0, 9 + 13);  // up to kit 0's close
    file << eight + "{" << twelve + "\"zok_TheChosenOne\": \"Half\"," << twelve + "\"zok_Magazine\": \"M\",";
    SmolCrate c;
    try {
        readSmolCrate(lines(file), 'Y', c);
        QFAIL("no error");
    } catch (const ListIndexError &e) {
        QCOMPARE(e.text(), QString("List index out of bounds (%1)").arg(file.size()));
    }
    QCOMPARE(c.kits.size(), 2);
    QCOMPARE(c.captions, QStringList{"0"});  // the half-read kit has no caption
    QCOMPARE(c.kits[1].zok_TheChosenOne, QString("Half"));
    QCOMPARE(c.kits[1].zok_Magazine, QString("M"));
}

void SmolFileTest::numberBoxValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("in range") << "37" << 37;
    QTest::newRow("above") << "250" << 100;
    QTest::newRow("below") << "-4" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a number") << "ten" << 0;
    QTest::newRow("fraction") << "2.5" << 0;
    QTest::newRow("huge") << "99999999999999" << 100;
    QTest::newRow("hugely negative") << "-99999999999999" << 0;
}

void SmolFileTest::numberBoxValues()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(numberBoxValue(text), value);
}

void SmolFileTest::examplesRewriteUnchanged_data()
{
    QTest::addColumn<QString>("colour");
    for (const QString &c : SmolCrateColours)
        QTest::newRow(qPrintable(c)) << c;
}

void SmolFileTest::examplesRewriteUnchanged()
{
    QFETCH(QString, colour);
    QString path = QStringLiteral(ZOK_EXAMPLES "/") + paths::smolCrateFile(colour);
    path.replace('\\', '/');
    QFile f(path);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = f.readAll();
    for (char ch : bytes)
        QVERIFY(uchar(ch) < 0x80);
    QVERIFY(bytes.endsWith("}\r\n"));

    LineList file;
    file.load(path);
    SmolCrate c;
    c.colour = colour;
    readSmolCrate(file, colour.at(0), c);
    QVERIFY(c.kits.size() >= 2);
    for (const SmolLootSet &set : c.lootSets)
        QVERIFY(!set.entries.isEmpty());
    QCOMPARE(LineList(writeSmolCrate(c, false)).toBytes(), bytes);
    QCOMPARE(QJsonDocument::fromJson(bytes).isObject(), true);
}

QTEST_GUILESS_MAIN(SmolFileTest)
#include "tst_smol_file.moc"
