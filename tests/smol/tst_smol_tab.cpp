#include "app/tform2.h"
#include "catalogue/catalogue_model.h"
#include "config/paths.h"
#include "config/textlines.h"
#include "fake_desktop.h"
#include "kits/smol/smol_file.h"
#include "workdir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

using namespace zok;

namespace {

const QString eight(8, ' ');
const QString twelve(12, ' ');

TSmolWeaponKit kit(const QString &weapon)
{
    TSmolWeaponKit k;
    k.zok_TheChosenOne = weapon;
    k.zok_Magazine = "Mag_" + weapon;
    k.zok_SpareMagCount = "2";
    k.zok_Ammunition = "Ammo_" + weapon;
    k.zok_SpareAmmoCount = "1";
    k.zok_OpticType = "Optic_" + weapon;
    k.zok_Wrap = "Wrap_" + weapon;
    return k;
}

SmolCrate yellow(int kits)
{
    SmolCrate c;
    c.colour = "Yellow";
    c.spawnMainWeapons = true;
    c.weaponCount = "3";
    for (int i = 0; i < kits; ++i)
        c.kits << kit("Gun" + QString::number(i));
    c.lootSets[0].entries = {"a", "b"};
    c.lootSets[0].spawn = true;
    c.lootSets[0].count = "2";
    c.lootSets[2].entries = {"c"};
    return c;
}

void writeCrate(const SmolCrate &c)
{
    LineList(writeSmolCrate(c, false)).save(paths::smolCrateFile(c.colour));
}

// One window on the smol tab, over a config root of its own.
struct Fixture {
    WorkDir dir;
    FakeDesktop desktop;
    std::unique_ptr<TForm2> form;

    Fixture()
    {
        dir.writeEmptyConfigRoot();
        form = std::make_unique<TForm2>(desktop);
        form->frame().Z->setCurrentIndex(1);
        form->frame().TabControl1->setCurrentIndex(3);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not exposed");
    }
    template <class T>
    T *get(const QString &name) const
    {
        T *w = form->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QComboBox *colour() const { return get<QComboBox>("SmolWeaponCrateColor"); }
    QListWidget *kits() const { return get<QListWidget>("SmolWeaponKitList"); }
    QLineEdit *edit(const QString &name) const { return get<QLineEdit>(name); }
    QListWidget *lootSet(int n) const { return get<QListWidget>(QString("zok_SpawnLootSet%1Items").arg(n)); }
    void click(const QString &name) const { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
    void selectCatalogue(const QStringList &entries, int row) const
    {
        form->catalogue().setEntries(entries);
        QListView *list = form->catalogueControls().ItemList;
        list->setCurrentIndex(list->model()->index(row, 0));
    }
    void clickEntry(int set, int row) const
    {
        form->smolControls().SpawnLootSetTab->setCurrentIndex(set - 1);
        QListWidget *list = lootSet(set);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    QStringList file(const QString &colour = "Yellow") const
    {
        QStringList l = QString::fromUtf8(dir.read(paths::smolCrateFile(colour))).split("\r\n");
        l.removeLast();
        return l;
    }
    SmolCrate fileCrate(const QString &colour = "Yellow") const
    {
        SmolCrate c;
        readSmolCrate(LineList(file(colour)), colour.at(0), c);
        return c;
    }
    QStringList captions() const
    {
        QStringList out;
        for (int i = 0; i < kits()->count(); ++i)
            out << kits()->item(i)->text();
        return out;
    }
    QStringList entries(int set) const
    {
        QStringList out;
        for (int i = 0; i < lootSet(set)->count(); ++i)
            out << lootSet(set)->item(i)->text();
        return out;
    }
};

QStringList writtenWeapons(const QStringList &file)
{
    QStringList out;
    for (const QString &l : file.filter("\"zok_TheChosenOne\""))
        out << ExtractBetween(l, "\"zok_TheChosenOne\": \"", "\"");
    return out;
}

} // namespace

class SmolTabTest : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void colourPickLoadsTheFile();
    void colourPickErrors_data();
    void colourPickErrors();
    void kitShownOnSelection();
    void fillByDoubleClickOnly();
    void unstorableEntryRefused();
    void clearIcons();
    void spareCountTypingStoredAndSaved();
    void ammunitionTypingNotStored();
    void addOnEmptyFile();
    void removeLastOfThree();
    void removeOnlyKit();
    void removeWithoutSelectionWritesNothing();
    void noColourRefused_data();
    void noColourRefused();
    void failedWriteShowsErrorAndKeepsMemory();
    void lootSetEditsReachTheFile();
    void lootSetRemoveNeedsSelection();
    void settingsControlsReachTheFile();
    void colourSwitchDropsChanges();
};

void SmolTabTest::startState()
{
    Fixture f;
    QCOMPARE(f.colour()->currentIndex(), -1);
    QCOMPARE(f.colour()->count(), 5);
    QCOMPARE(f.colour()->itemText(3), QString("Purple"));
    QCOMPARE(f.kits()->count(), 0);
    QCOMPARE(f.get<QSpinBox>("zok_WeaponCount")->value(), 0);
    QCOMPARE(f.get<QSpinBox>("zok_WeaponCount")->maximum(), 100);
    QVERIFY(!f.get<QCheckBox>("zok_SpawnMainWeapons")->isChecked());
    QCOMPARE(f.get<QPushButton>("Button3")->text(), QString("Remove"));
    const QStringList readOnly = {"zok_TheSmolChosenOne", "zok_SmolMagazine", "zok_SmolOpticType",
                                  "zok_SmolSuppressor", "zok_SmolUnderBarrel", "zok_SmolButtStock",
                                  "zok_SmolHandGuard", "zok_SmolWrap"};
    for (const QString &name : readOnly)
        QVERIFY2(f.edit(name)->isReadOnly() && f.edit(name)->text().isEmpty(), qPrintable(name));
    for (const QString &name : {"zok_SmolAmmunition", "zok_SpareMagCount", "zok_SpareAmmoCount"})
        QVERIFY(!f.edit(name)->isReadOnly());
    for (int i = 25; i <= 33; ++i)
        f.get<QLabel>(QString("Image%1").arg(i));
    QTabWidget *sets = f.get<QTabWidget>("SpawnLootSetTab");
    QCOMPARE(sets->currentIndex(), 0);
    QCOMPARE(sets->count(), 4);
    QCOMPARE(sets->tabText(3), QString("SpawnLootSet4"));
    QCOMPARE(sets->widget(2)->objectName(), QString("TabItem11"));
    QCOMPARE(f.get<QLabel>("Label18")->text(), QString("zok_LootSet4Count :"));
    QCOMPARE(f.get<QPushButton>("Button11")->parentWidget(), sets->widget(3));
    QCOMPARE(f.get<QSpinBox>("zok_LootSet4Count")->parentWidget(), sets->widget(3));
}

void SmolTabTest::colourPickLoadsTheFile()
{
    Fixture f;
    writeCrate(yellow(3));
    f.colour()->setCurrentIndex(0);
    QVERIFY(f.desktop.errors.isEmpty());
    QCOMPARE(f.captions(), (QStringList{"0", "1", "2"}));
    QCOMPARE(f.kits()->currentRow(), -1);
    QCOMPARE(f.form->SmolWeaponKits.size(), 3);
    QCOMPARE(f.form->SmolWeaponKits[2].zok_TheChosenOne, QString("Gun2"));
    QVERIFY(f.get<QCheckBox>("zok_SpawnMainWeapons")->isChecked());
    QCOMPARE(f.get<QSpinBox>("zok_WeaponCount")->value(), 3);
    QVERIFY(f.get<QCheckBox>("zok_SpawnLootSet1")->isChecked());
    QCOMPARE(f.get<QSpinBox>("zok_LootSet1Count")->value(), 2);
    QCOMPARE(f.entries(1), (QStringList{"a", "b"}));
    QCOMPARE(f.entries(3), QStringList{"c"});

    // Picking the colour already selected does not reload.
    writeCrate(yellow(1));
    f.colour()->setCurrentIndex(0);
    QCOMPARE(f.kits()->count(), 3);
}

void SmolTabTest::colourPickErrors_data()
{
    QTest::addColumn<QStringList>("file");  // empty: no file
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("set1");
    SmolCrate green = yellow(2);
    green.colour = "Green";
    QStringList good = writeSmolCrate(green, false);
    QStringList badSwitch = good;
    badSwitch.insert(good.indexOf("    \"zok_SpawnLootSet2\": 0,"), "\"zok_SpawnMainWeapons\": x,");
    QTest::newRow("missing file") << QStringList{} << "Cannot open file" << QStringList{} << QStringList{};
    QTest::newRow("switch no number") << badSwitch << "'x' is not a valid integer value."
                                      << QStringList{"0", "1"} << QStringList{"a", "b"};
    QTest::newRow("kit too close to the end") << (good.mid(0, 8) + QStringList{eight + "{"})
                                              << "List index out of bounds (9)" << QStringList{} << QStringList{};
}

void SmolTabTest::colourPickErrors()
{
    QFETCH(QStringList, file);
    QFETCH(QString, error);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, set1);
    Fixture f;
    writeCrate(yellow(1));
    f.colour()->setCurrentIndex(0);
    f.get<QSpinBox>("zok_LootSet2Count")->setValue(9);
    if (!file.isEmpty())
        LineList(file).save(paths::smolCrateFile("Green"));
    f.colour()->setCurrentIndex(1);
    QCOMPARE(f.desktop.errors.size(), 1);
    QVERIFY2(f.desktop.errors[0].startsWith(error), qPrintable(f.desktop.errors[0]));
    QCOMPARE(f.captions(), captions);
    QCOMPARE(f.entries(1), set1);
    QVERIFY(f.entries(3).isEmpty());
    QCOMPARE(f.get<QSpinBox>("zok_LootSet2Count")->value(), 9);  // never reached in the file

    // A file read only in part is not written back over; a missing one may be made.
    const QByteArray before = f.dir.read(paths::smolCrateFile("Green"));
    f.click("Button2");
    if (file.isEmpty()) {
        QVERIFY(f.desktop.messages.isEmpty());
        QVERIFY(!f.dir.read(paths::smolCrateFile("Green")).isEmpty());
    } else {
        QCOMPARE(f.desktop.messages, QStringList{SmolReadInPartMessage});
        QCOMPARE(f.dir.read(paths::smolCrateFile("Green")), before);
        f.click("Button1");
        QCOMPARE(f.dir.read(paths::smolCrateFile("Green")), before);
        QCOMPARE(f.captions(), captions);
    }
}

void SmolTabTest::kitShownOnSelection()
{
    Fixture f;
    writeCrate(yellow(2));
    f.colour()->setCurrentIndex(0);
    f.kits()->setCurrentRow(1);
    QCOMPARE(f.edit("zok_TheSmolChosenOne")->text(), QString("Gun1"));
    QCOMPARE(f.edit("zok_SmolMagazine")->text(), QString("Mag_Gun1"));
    QCOMPARE(f.edit("zok_SpareMagCount")->text(), QString("2"));
    QCOMPARE(f.edit("zok_SmolAmmunition")->text(), QString("Ammo_Gun1"));
    QCOMPARE(f.edit("zok_SpareAmmoCount")->text(), QString("1"));
    QCOMPARE(f.edit("zok_SmolOpticType")->text(), QString("Optic_Gun1"));
    QCOMPARE(f.edit("zok_SmolSuppressor")->text(), QString(""));
    QCOMPARE(f.edit("zok_SmolWrap")->text(), QString("Wrap_Gun1"));
    // A reload leaves the edits showing the last kit shown.
    writeCrate(yellow(0));
    f.colour()->setCurrentIndex(2);
    f.colour()->setCurrentIndex(0);
    QCOMPARE(f.edit("zok_TheSmolChosenOne")->text(), QString("Gun1"));
}

void SmolTabTest::fillByDoubleClickOnly()
{
    Fixture f;
    writeCrate(yellow(2));
    f.colour()->setCurrentIndex(0);
    f.kits()->setCurrentRow(0);

    // Without a catalogue selection a double click changes nothing.
    f.form->catalogue().setEntries({"ACOGOptic", "M4_Suppressor"});
    QTest::mouseDClick(f.edit("zok_SmolOpticType"), Qt::LeftButton);
    QCOMPARE(f.form->SmolWeaponKits[0].zok_OpticType, QString("Optic_Gun0"));

    f.selectCatalogue({"ACOGOptic", "M4_Suppressor"}, 1);
    QTest::mouseClick(f.edit("zok_SmolSuppressor"), Qt::LeftButton);
    QCOMPARE(f.edit("zok_SmolSuppressor")->text(), QString(""));
    QCOMPARE(f.form->SmolWeaponKits[0].zok_Suppressor, QString(""));
    QTest::mouseDClick(f.edit("zok_SmolSuppressor"), Qt::LeftButton);
    QCOMPARE(f.edit("zok_SmolSuppressor")->text(), QString("M4_Suppressor"));
    QCOMPARE(f.form->SmolWeaponKits[0].zok_Suppressor, QString("M4_Suppressor"));
    QTest::mouseDClick(f.edit("zok_SmolAmmunition"), Qt::LeftButton);
    QCOMPARE(f.form->SmolWeaponKits[0].zok_Ammunition, QString("M4_Suppressor"));
    QVERIFY(f.form->SmolWeaponKits[1] == kit("Gun1"));

    f.click("Button2");
    const SmolCrate saved = f.fileCrate();
    QCOMPARE(saved.kits[0].zok_Suppressor, QString("M4_Suppressor"));
    QCOMPARE(saved.kits[0].zok_Ammunition, QString("M4_Suppressor"));
    QVERIFY(f.desktop.errors.isEmpty() && f.desktop.messages.isEmpty());
}

void SmolTabTest::unstorableEntryRefused()
{
    Fixture f;
    writeCrate(yellow(1));
    f.colour()->setCurrentIndex(0);
    f.kits()->setCurrentRow(0);
    f.selectCatalogue({"Bad\"Name"}, 0);
    QTest::mouseDClick(f.edit("zok_SmolWrap"), Qt::LeftButton);
    QCOMPARE(f.form->SmolWeaponKits[0].zok_Wrap, QString("Wrap_Gun0"));
    QCOMPARE(f.edit("zok_SmolWrap")->text(), QString("Wrap_Gun0"));
    f.clickEntry(1, 0);
    QCOMPARE(f.entries(1), (QStringList{"a", "b"}));
    QCOMPARE(f.desktop.messages, QStringList(2, UnstorableItemMessage));
}

void SmolTabTest::clearIcons()
{
    Fixture f;
    writeCrate(yellow(2));
    f.colour()->setCurrentIndex(0);
    f.click("Image26");  // no kit selected: nothing
    QVERIFY(f.form->SmolWeaponKits[0] == kit("Gun0"));
    f.kits()->setCurrentRow(1);
    f.click("Image26");
    f.click("Image33");
    QCOMPARE(f.edit("zok_SmolMagazine")->text(), QString(""));
    QCOMPARE(f.form->SmolWeaponKits[1].zok_Magazine, QString(""));
    QCOMPARE(f.form->SmolWeaponKits[1].zok_Wrap, QString(""));
    QCOMPARE(f.form->SmolWeaponKits[1].zok_OpticType, QString("Optic_Gun1"));
}

void SmolTabTest::spareCountTypingStoredAndSaved()
{
    Fixture f;
    writeCrate(yellow(2));
    f.colour()->setCurrentIndex(0);
    QLineEdit *mags = f.edit("zok_SpareMagCount");
    QTest::keyClicks(mags, "5");  // no kit selected: no record changes
    QVERIFY(f.form->SmolWeaponKits[0] == kit("Gun0") && f.form->SmolWeaponKits[1] == kit("Gun1"));
    f.kits()->setCurrentRow(0);
    mags->selectAll();
    QTest::keyClicks(mags, "1a2-");
    QCOMPARE(mags->text(), QString("12"));
    QCOMPARE(f.form->SmolWeaponKits[0].zok_SpareMagCount, QString("12"));
    QLineEdit *ammo = f.edit("zok_SpareAmmoCount");
    ammo->selectAll();
    QTest::keyClick(ammo, Qt::Key_Backspace);  // empty: written as 0
    QCOMPARE(f.form->SmolWeaponKits[0].zok_SpareAmmoCount, QString(""));
    f.click("Button2");
    const QStringList file = f.file();
    const qsizetype block = file.indexOf(twelve + "\"zok_TheChosenOne\": \"Gun0\",");
    QCOMPARE(file[block + 2], twelve + "\"zok_SpareMagCount\": 12,");
    QCOMPARE(file[block + 4], twelve + "\"zok_SpareAmmoCount\": 0,");
    QCOMPARE(f.kits()->currentRow(), 1);
    f.kits()->setCurrentRow(0);
    QCOMPARE(f.edit("zok_SpareAmmoCount")->text(), QString("0"));
}

void SmolTabTest::ammunitionTypingNotStored()
{
    Fixture f;
    writeCrate(yellow(1));
    f.colour()->setCurrentIndex(0);
    f.kits()->setCurrentRow(0);
    QTest::keyClicks(f.edit("zok_SmolAmmunition"), "Typed");
    QCOMPARE(f.edit("zok_SmolAmmunition")->text(), QString("Ammo_Gun0Typed"));
    f.click("Button2");
    QCOMPARE(f.fileCrate().kits[0].zok_Ammunition, QString("Ammo_Gun0"));
    QCOMPARE(f.edit("zok_SmolAmmunition")->text(), QString("Ammo_Gun0"));  // the reload shows the kit
}

void SmolTabTest::addOnEmptyFile()
{
    Fixture f;
    writeCrate(yellow(0));
    f.colour()->setCurrentIndex(0);
    f.click("Button1");
    QVERIFY(f.desktop.errors.isEmpty());
    QCOMPARE(f.captions(), QStringList{"0"});
    QCOMPARE(f.kits()->currentRow(), 0);
    const QStringList file = f.file();
    QCOMPARE(file.size(), 30 + 13 + 3);
    QCOMPARE(file.mid(7, 15), (QStringList{
        "    \"weaponTypesYellow\": [", eight + "{", twelve + "\"zok_TheChosenOne\": \"\",",
        twelve + "\"zok_Magazine\": \"\",", twelve + "\"zok_SpareMagCount\": 0,", twelve + "\"zok_Ammunition\": \"\",",
        twelve + "\"zok_SpareAmmoCount\": 0,", twelve + "\"zok_OpticType\": \"\",", twelve + "\"zok_Suppressor\": \"\",",
        twelve + "\"zok_UnderBarrel\": \"\",", twelve + "\"zok_ButtStock\": \"\",", twelve + "\"zok_HandGuard\": \"\",",
        twelve + "\"zok_Wrap\": \"\"", eight + "}", "    ],"}));
    QCOMPARE(f.edit("zok_TheSmolChosenOne")->text(), QString(""));
    QCOMPARE(f.edit("zok_SpareMagCount")->text(), QString("0"));
    QCOMPARE(f.entries(1), (QStringList{"a", "b"}));  // the loot sets are written back too
}

void SmolTabTest::removeLastOfThree()
{
    Fixture f;
    writeCrate(yellow(3));
    f.colour()->setCurrentIndex(0);
    f.kits()->setCurrentRow(2);
    f.click("Button3");
    const QStringList file = f.file();
    QCOMPARE(writtenWeapons(file), (QStringList{"Gun0", "Gun1"}));
    QCOMPARE(file.filter(QRegularExpression("^        \\},?$")), (QStringList{eight + "},", eight + "}"}));
    QCOMPARE(f.captions(), (QStringList{"0", "1"}));
    QCOMPARE(f.kits()->currentRow(), 1);
    QCOMPARE(f.edit("zok_TheSmolChosenOne")->text(), QString("Gun1"));
    QCOMPARE(f.fileCrate().lootSets[0].entries, (QStringList{"a", "b"}));
}

void SmolTabTest::removeOnlyKit()
{
    Fixture f;
    writeCrate(yellow(1));
    f.colour()->setCurrentIndex(0);
    f.kits()->setCurrentRow(0);
    f.click("Button3");
    const QStringList file = f.file();
    QCOMPARE(file[7], QString("    \"weaponTypesYellow\": ["));
    QCOMPARE(file[8], QString("    ],"));
    QCOMPARE(f.kits()->count(), 0);
    QVERIFY(f.form->SmolWeaponKits.isEmpty());
    QCOMPARE(f.edit("zok_TheSmolChosenOne")->text(), QString("Gun0"));
}

void SmolTabTest::removeWithoutSelectionWritesNothing()
{
    Fixture f;
    writeCrate(yellow(2));
    const QByteArray before = f.dir.read(paths::smolCrateFile("Yellow"));
    f.colour()->setCurrentIndex(0);
    f.click("Button3");
    QCOMPARE(f.dir.read(paths::smolCrateFile("Yellow")), before);
    QCOMPARE(f.captions(), (QStringList{"0", "1"}));
    QVERIFY(!f.form->SmolWeaponKits[0].Remove && !f.form->SmolWeaponKits[1].Remove);
    QVERIFY(f.desktop.messages.isEmpty() && f.desktop.errors.isEmpty());
}

void SmolTabTest::noColourRefused_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Add") << "Button1";
    QTest::newRow("Save") << "Button2";
    QTest::newRow("Remove") << "Button3";
}

void SmolTabTest::noColourRefused()
{
    QFETCH(QString, button);
    Fixture f;
    f.click(button);
    QCOMPARE(f.desktop.messages, QStringList{SmolColourFirstMessage});
    QVERIFY(f.desktop.errors.isEmpty());
    QCOMPARE(f.kits()->count(), 0);
    QVERIFY(f.form->SmolWeaponKits.isEmpty());
    for (const QString &c : SmolCrateColours)
        QVERIFY(!f.dir.exists(paths::smolCrateFile(c)));
}

void SmolTabTest::failedWriteShowsErrorAndKeepsMemory()
{
    Fixture f;
    writeCrate(yellow(2));
    const QByteArray before = f.dir.read(paths::smolCrateFile("Yellow"));
    f.colour()->setCurrentIndex(0);
    testing::setInterruptSave([](const QString &) { return true; });
    f.click("Button1");
    f.kits()->setCurrentRow(0);
    f.click("Button3");
    testing::setInterruptSave(nullptr);

    QCOMPARE(f.desktop.errors.size(), 2);
    QVERIFY(f.desktop.errors[0].startsWith("Cannot create file"));
    QCOMPARE(f.dir.read(paths::smolCrateFile("Yellow")), before);
    // Add's kit stays listed and selected; Remove's kit stays marked and listed.
    QCOMPARE(f.captions(), (QStringList{"0", "1", "2"}));
    QCOMPARE(f.kits()->currentRow(), 2);
    QVERIFY(f.form->SmolWeaponKits[0].Remove);
    // Save writes every kit and its reload clears the mark.
    f.click("Button2");
    QCOMPARE(writtenWeapons(f.file()), (QStringList{"Gun0", "Gun1", ""}));
    QVERIFY(!f.form->SmolWeaponKits[0].Remove);
}

void SmolTabTest::lootSetEditsReachTheFile()
{
    Fixture f;
    writeCrate(yellow(1));
    f.colour()->setCurrentIndex(0);
    f.click("Button6");
    f.click("Button6");
    f.click("Button4");
    QCOMPARE(f.entries(2), (QStringList{"PlaceHolder", "PlaceHolder"}));
    QCOMPARE(f.entries(1), (QStringList{"PlaceHolder", "a", "b"}));

    // A click with no catalogue entry only selects; with one it fills.
    f.clickEntry(2, 1);
    QCOMPARE(f.entries(2), (QStringList{"PlaceHolder", "PlaceHolder"}));
    f.selectCatalogue({"Rag", "Apple"}, 1);
    f.clickEntry(2, 1);
    f.clickEntry(1, 2);
    QCOMPARE(f.entries(2), (QStringList{"PlaceHolder", "Apple"}));
    QCOMPARE(f.entries(1), (QStringList{"PlaceHolder", "a", "Apple"}));
    QCOMPARE(f.form->ItemListSelectedEntry(), QString("Apple"));

    // A Ctrl+click that deselects the entry leaves it as it is.
    QListWidget *set1 = f.get<QListWidget>("zok_SpawnLootSet1Items");
    f.selectCatalogue({"Rag", "Apple"}, 0);
    QTest::mouseClick(set1->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      set1->visualItemRect(set1->item(2)).center());
    QVERIFY(set1->selectedItems().isEmpty());
    QCOMPARE(f.entries(1), (QStringList{"PlaceHolder", "a", "Apple"}));
    f.selectCatalogue({"Rag", "Apple"}, 1);

    f.clickEntry(3, 0);  // selects and fills "c"
    f.click("Button9");
    QVERIFY(f.entries(3).isEmpty());
    f.click("Button2");
    const QStringList file = f.file();
    const qsizetype y2 = file.indexOf("    \"zok_LootSetY2\": [");
    QCOMPARE(file.mid(y2 + 1, 3), (QStringList{eight + "\"PlaceHolder\",", eight + "\"Apple\"", "    ],"}));
    const qsizetype y3 = file.indexOf("    \"zok_LootSetY3\": [");
    QCOMPARE(file[y3 + 1], QString("    ],"));
    QCOMPARE(f.fileCrate().lootSets[0].entries, (QStringList{"PlaceHolder", "a", "Apple"}));
}

void SmolTabTest::lootSetRemoveNeedsSelection()
{
    Fixture f;
    writeCrate(yellow(0));
    f.colour()->setCurrentIndex(0);
    f.click("Button5");
    QCOMPARE(f.entries(1), (QStringList{"a", "b"}));
    f.clickEntry(1, 0);
    f.click("Button5");
    f.click("Button5");  // nothing is selected after a Remove
    QCOMPARE(f.entries(1), QStringList{"b"});
    f.click("Button4");
    f.click("Button5");  // Add selects the new entry
    QCOMPARE(f.entries(1), QStringList{"b"});
}

void SmolTabTest::settingsControlsReachTheFile()
{
    Fixture f;
    writeCrate(yellow(1));
    f.colour()->setCurrentIndex(0);
    f.get<QCheckBox>("zok_RandomizeWeapons")->setChecked(true);
    f.get<QSpinBox>("zok_WeaponCount")->setValue(7);
    f.get<QCheckBox>("zok_RandomizeLootSet4")->setChecked(true);
    f.get<QSpinBox>("zok_LootSet4Count")->setValue(100);
    f.get<QCheckBox>("zok_SpawnLootSet1")->setChecked(false);
    f.click("Button2");
    const QStringList file = f.file();
    QVERIFY(file.contains("    \"zok_RandomizeWeapons\": 1,"));
    QVERIFY(file.contains("    \"zok_WeaponCount\": 7,"));
    QVERIFY(file.contains("    \"zok_RandomizeLootSet4\": 1,"));
    QVERIFY(file.contains("    \"zok_LootSet4Count\": 100,"));
    QVERIFY(file.contains("    \"zok_SpawnLootSet1\": 0,"));

    // A count the box cannot show is loaded as the nearest whole number in range, or 0.
    QStringList edited = file;
    edited.replaceInStrings("\"zok_WeaponCount\": 7,", "\"zok_WeaponCount\": 250,");
    edited.replaceInStrings("\"zok_LootSet4Count\": 100,", "\"zok_LootSet4Count\": many,");
    LineList(edited).save(paths::smolCrateFile("Yellow"));
    f.colour()->setCurrentIndex(1);
    f.colour()->setCurrentIndex(0);
    QCOMPARE(f.get<QSpinBox>("zok_WeaponCount")->value(), 100);
    QCOMPARE(f.get<QSpinBox>("zok_LootSet4Count")->value(), 0);
}

void SmolTabTest::colourSwitchDropsChanges()
{
    Fixture f;
    writeCrate(yellow(2));
    SmolCrate green = yellow(1);
    green.colour = "Green";
    green.weaponCount = "9";
    writeCrate(green);
    // A yellow file without a weapon count keeps what green set.
    QStringList noCount = writeSmolCrate(yellow(2), false);
    noCount.removeAll("    \"zok_WeaponCount\": 3,");
    LineList(noCount).save(paths::smolCrateFile("Yellow"));

    f.colour()->setCurrentIndex(0);
    f.kits()->setCurrentRow(0);
    f.click("Image25");
    f.click("Button4");
    f.colour()->setCurrentIndex(1);
    QCOMPARE(f.captions(), QStringList{"0"});
    QCOMPARE(f.get<QSpinBox>("zok_WeaponCount")->value(), 9);
    f.colour()->setCurrentIndex(0);
    QCOMPARE(f.form->SmolWeaponKits[0].zok_TheChosenOne, QString("Gun0"));
    QCOMPARE(f.entries(1), (QStringList{"a", "b"}));
    QCOMPARE(f.get<QSpinBox>("zok_WeaponCount")->value(), 9);
    QVERIFY(f.desktop.errors.isEmpty());
}

QTEST_MAIN(SmolTabTest)
#include "tst_smol_tab.moc"
