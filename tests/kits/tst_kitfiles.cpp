#include "config/errors.h"
#include "kits/clothing/clothing_kit.h"
#include "kits/general/general_kit.h"
#include "kits/weapons/weapon_kit.h"

#include <QtTest>

using namespace zok;

namespace {

// Gives every text field of a kit a distinct value, so a field read from the
// wrong line shows.
template <class Kit>
Kit sampleKit(const KitFormat<Kit> &format, const QString &tier, int n)
{
    Kit kit;
    for (const auto &f : format.fields)
        kit.*(f.field) = f.key.mid(4) + QString::number(n);
    kit.zok_Tier = tier;
    return kit;
}

template <class Kit>
QList<Kit> readAll(const QStringList &lines, const KitFormat<Kit> &format, QStringList *captions)
{
    QList<Kit> kits;
    readKits(LineList(lines), format, kits, [captions](const QString &c) { *captions << c; });
    return kits;
}

template <class Kit>
bool sameKits(const QList<Kit> &a, const QList<Kit> &b, const KitFormat<Kit> &format)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].Remove != b[i].Remove)
            return false;
        for (const auto &f : format.fields)
            if (a[i].*(f.field) != b[i].*(f.field))
                return false;
    }
    return true;
}

template <class Kit>
Kit kitOf(const KitFormat<Kit> &);

// Runs one check against the kind named in the data row.
template <class F>
void forKind(const QString &kind, F &&check)
{
    if (kind == "clothing")
        check(clothingKitFormat(), 15);
    else if (kind == "weapon")
        check(weaponKitFormat(), 13);
    else
        check(generalKitFormat(), 5);
}

void addKindRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("clothing") << "clothing";
    QTest::newRow("weapon") << "weapon";
    QTest::newRow("general") << "general";
}

} // namespace

class KitFilesTest : public QObject {
    Q_OBJECT
private slots:
    void emptyFileIsFourLines_data() { addKindRows(); }
    void emptyFileIsFourLines();
    void clothingTemplate();
    void weaponTemplate();
    void generalTemplate();
    void lastWrittenKitClosesWithoutComma_data();
    void lastWrittenKitClosesWithoutComma();
    void writtenFileReadsBack_data() { addKindRows(); }
    void writtenFileReadsBack();
    void captionsAreTierAndIndex_data() { addKindRows(); }
    void captionsAreTierAndIndex();
    void markerNeedsItsBlankAndCase_data() { addKindRows(); }
    void markerNeedsItsBlankAndCase();
    void markerTooCloseToTheEndKeepsEarlierKits_data() { addKindRows(); }
    void markerTooCloseToTheEndKeepsEarlierKits();
    void slotsComeFromFixedOffsets();
    void generalTierAndCategoryEndAtQuoteComma();
    void valueWithQuoteIsCutOnReading();
};


void KitFilesTest::emptyFileIsFourLines()
{
    QFETCH(QString, kind);
    forKind(kind, [](const auto &format, int) {
        using Kit = decltype(kitOf(format));
        const QStringList expected{"{", "\"" + format.arrayKey + "\": [", "   ]", "}"};
        QCOMPARE(writeKits(QList<Kit>(), format, false), expected);
        Kit marked = sampleKit(format, "red", 0);
        marked.Remove = true;
        QCOMPARE(writeKits(QList<Kit>{marked, marked}, format, true), expected);
        QStringList captions;
        QVERIFY(readAll(expected, format, &captions).isEmpty());
        QVERIFY(captions.isEmpty());
    });
}

void KitFilesTest::clothingTemplate()
{
    TClothingKit kit = sampleKit(clothingKitFormat(), "green", 1);
    kit.zok_NVG.clear();
    const QStringList expected{
        "{",
        "\"m_ZOKConfig_Clothing\": [",
        "        {",
        "            \"zok_Tier\": \"green\",",
        "            \"zok_Helm\": \"Helm1\",",
        "            \"zok_Shirt\": \"Shirt1\",",
        "            \"zok_Vest\": \"Vest1\",",
        "            \"zok_Pants\": \"Pants1\",",
        "            \"zok_Shoes\": \"Shoes1\",",
        "            \"zok_Backpack\": \"Backpack1\",",
        "            \"zok_Gloves\": \"Gloves1\",",
        "            \"zok_Belt\": \"Belt1\",",
        "            \"zok_Facewear\": \"Facewear1\",",
        "            \"zok_Eyewear\": \"Eyewear1\",",
        "            \"zok_Armband\": \"Armband1\",",
        "            \"zok_NVG\": \"\"",
        "        }",
        "   ]",
        "}",
    };
    QCOMPARE(writeKits(QList<TClothingKit>{kit}, clothingKitFormat(), false), expected);
}

void KitFilesTest::weaponTemplate()
{
    TWeaponKit kit;
    kit.zok_Tier = "green";
    kit.zok_WeaponCategory = "main";
    const QStringList expected{
        "{",
        "\"m_ZOKConfig_Weapons\": [",
        "        {",
        "            \"zok_Tier\": \"green\",",
        "            \"zok_WeaponCategory\": \"main\",",
        "            \"zok_TheChosenOne\": \"\",",
        "            \"zok_Magazine\": \"\",",
        "            \"zok_Ammunition\": \"\",",
        "            \"zok_OpticType\": \"\",",
        "            \"zok_Suppressor\": \"\",",
        "            \"zok_UnderBarrel\": \"\",",
        "            \"zok_ButtStock\": \"\",",
        "            \"zok_HandGuard\": \"\",",
        "            \"zok_Wrap\": \"\"",
        "        }",
        "   ]",
        "}",
    };
    QCOMPARE(writeKits(QList<TWeaponKit>{kit}, weaponKitFormat(), false), expected);
}

void KitFilesTest::generalTemplate()
{
    TGeneralKit a{"yellow", "food", "", false};
    TGeneralKit b{"red", "medical", "", false};
    const QStringList expected{
        "{",
        "\"m_ZOKConfig_Loot\": [",
        "        {",
        "            \"zok_Tier\": \"yellow\",",
        "            \"zok_Category\": \"food\",",
        "            \"zok_Type\": \"\"",
        "        },",
        "        {",
        "            \"zok_Tier\": \"red\",",
        "            \"zok_Category\": \"medical\",",
        "            \"zok_Type\": \"\"",
        "        }",
        "   ]",
        "}",
    };
    QCOMPARE(writeKits(QList<TGeneralKit>{a, b}, generalKitFormat(), false), expected);
}

void KitFilesTest::lastWrittenKitClosesWithoutComma_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<bool>>("marks");
    QTest::addColumn<bool>("leaveOut");
    QTest::addColumn<QList<int>>("written");
    for (const char *kind : {"clothing", "weapon", "general"}) {
        QTest::addRow("%s, last marked", kind)
            << kind << QList<bool>{false, false, true} << true << QList<int>{0, 1};
        QTest::addRow("%s, two trailing marked", kind)
            << kind << QList<bool>{false, true, true} << true << QList<int>{0};
        QTest::addRow("%s, middle marked", kind)
            << kind << QList<bool>{false, true, false} << true << QList<int>{0, 2};
        QTest::addRow("%s, marks kept when not leaving out", kind)
            << kind << QList<bool>{false, true, true} << false << QList<int>{0, 1, 2};
    }
}

void KitFilesTest::lastWrittenKitClosesWithoutComma()
{
    QFETCH(QString, kind);
    QFETCH(QList<bool>, marks);
    QFETCH(bool, leaveOut);
    QFETCH(QList<int>, written);
    forKind(kind, [&](const auto &format, int perKit) {
        using Kit = decltype(kitOf(format));
        QList<Kit> kits;
        for (int i = 0; i < marks.size(); ++i) {
            kits << sampleKit(format, "blue", i);
            kits.last().Remove = marks[i];
        }
        const QStringList lines = writeKits(kits, format, leaveOut);
        QCOMPARE(lines.size(), 4 + perKit * written.size());
        QCOMPARE(lines[lines.size() - 2], QStringLiteral("   ]"));
        for (int w = 0; w < written.size(); ++w) {
            const int closing = 2 + perKit * (w + 1) - 1;
            const bool lastOne = w == written.size() - 1;
            QCOMPARE(lines[closing], lastOne ? QStringLiteral("        }") : QStringLiteral("        },"));
            // Each block holds the kit it should.
            QVERIFY(lines[4 + perKit * w].endsWith(format.fields[1].key.mid(4)
                                                   + QString::number(written[w]) + "\","));
        }
    });
}

void KitFilesTest::writtenFileReadsBack()
{
    QFETCH(QString, kind);
    forKind(kind, [](const auto &format, int) {
        using Kit = decltype(kitOf(format));
        QList<Kit> kits{sampleKit(format, "yellow", 0), sampleKit(format, "", 1), Kit{}};
        QStringList captions;
        const QList<Kit> back = readAll(writeKits(kits, format, false), format, &captions);
        QVERIFY(sameKits(back, kits, format));
        QCOMPARE(captions, (QStringList{"yellow0", "1", "2"}));
    });
}

void KitFilesTest::captionsAreTierAndIndex()
{
    QFETCH(QString, kind);
    forKind(kind, [](const auto &format, int) {
        using Kit = decltype(kitOf(format));
        QList<Kit> kits{sampleKit(format, "yellow", 0), sampleKit(format, "green", 1),
                        sampleKit(format, "red", 2), sampleKit(format, "Mauve", 3)};
        QStringList captions;
        readAll(writeKits(kits, format, false), format, &captions);
        QCOMPARE(captions, (QStringList{"yellow0", "green1", "red2", "Mauve3"}));
    });
}

void KitFilesTest::markerNeedsItsBlankAndCase()
{
    QFETCH(QString, kind);
    forKind(kind, [](const auto &format, int) {
        using Kit = decltype(kitOf(format));
        QList<Kit> kits{sampleKit(format, "green", 0), sampleKit(format, "red", 1),
                        sampleKit(format, "blue", 2)};
        QStringList lines = writeKits(kits, format, false);
        const int perKit = int(format.fields.size()) + 2;
        lines[3] = "            \"zok_Tier\":\"green\",";            // no blank
        lines[3 + perKit] = "            \"ZOK_Tier\": \"red\",";   // other case
        // Indentation plays no part.
        lines[3 + 2 * perKit] = lines[3 + 2 * perKit].trimmed();
        QStringList captions;
        const QList<Kit> back = readAll(lines, format, &captions);
        QCOMPARE(captions, QStringList{"blue0"});
        QVERIFY(sameKits(back, QList<Kit>{kits[2]}, format));
    });
}

void KitFilesTest::markerTooCloseToTheEndKeepsEarlierKits()
{
    QFETCH(QString, kind);
    forKind(kind, [](const auto &format, int) {
        using Kit = decltype(kitOf(format));
        const int below = int(format.fields.last().offset);
        QStringList lines = writeKits(QList<Kit>{sampleKit(format, "green", 0)}, format, false);
        lines << "\"zok_Tier\": \"red\",";
        for (int i = 0; i < below - 1; ++i)
            lines << QString();
        QList<Kit> kits;
        QStringList captions;
        try {
            readKits(LineList(lines), format, kits, [&](const QString &c) { captions << c; });
            QFAIL("a cut-off kit must raise the index error");
        } catch (const ListIndexError &e) {
            QCOMPARE(e.text(), QStringLiteral("List index out of bounds (%1)").arg(lines.size()));
        }
        QCOMPARE(captions, QStringList{"green0"});
        QCOMPARE(kits.size(), 2);  // the half-read kit stays, without a caption
        QCOMPARE(kits[1].zok_Tier, QStringLiteral("red"));
    });
}

void KitFilesTest::slotsComeFromFixedOffsets()
{
    QStringList lines = writeKits(QList<TClothingKit>{sampleKit(clothingKitFormat(), "red", 0)},
                                  clothingKitFormat(), false);
    lines.swapItemsAt(4, 5);  // helm and shirt in the other order
    QStringList captions;
    const QList<TClothingKit> back = readAll(lines, clothingKitFormat(), &captions);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back[0].zok_Tier, QStringLiteral("red"));
    QCOMPARE(back[0].zok_Helm, QString());
    QCOMPARE(back[0].zok_Shirt, QString());
    QCOMPARE(back[0].zok_Vest, QStringLiteral("Vest0"));
}

void KitFilesTest::generalTierAndCategoryEndAtQuoteComma()
{
    const QStringList lines{"\"zok_Tier\": \"green\"", "\"zok_Category\": \"food\",",
                            "\"zok_Type\": \"Apple\""};
    QStringList captions;
    const QList<TGeneralKit> back = readAll(lines, generalKitFormat(), &captions);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back[0].zok_Tier, QString());  // no comma after the value
    QCOMPARE(back[0].zok_Category, QStringLiteral("food"));
    QCOMPARE(back[0].zok_Type, QStringLiteral("Apple"));
    QCOMPARE(captions, QStringList{"0"});

    TGeneralKit prompt{"red", "****Select_Category****", "", false};
    const QList<TGeneralKit> again =
        readAll(writeKits(QList<TGeneralKit>{prompt}, generalKitFormat(), false), generalKitFormat(),
                &captions);
    QCOMPARE(again[0].zok_Category, QStringLiteral("****Select_Category****"));
}

void KitFilesTest::valueWithQuoteIsCutOnReading()
{
    TWeaponKit kit;
    kit.zok_Tier = "red";
    kit.zok_TheChosenOne = "AK\"M";
    const QStringList lines = writeKits(QList<TWeaponKit>{kit}, weaponKitFormat(), false);
    QCOMPARE(lines[5], QStringLiteral("            \"zok_TheChosenOne\": \"AK\"M\","));
    QStringList captions;
    QCOMPARE(readAll(lines, weaponKitFormat(), &captions)[0].zok_TheChosenOne, QStringLiteral("AK"));
}

QTEST_GUILESS_MAIN(KitFilesTest)
#include "tst_kitfiles.moc"
