// The clothing, weapon and general kit tabs, driven through the real window:
// controls found by objectName, clicked, and the kit files checked byte for
// byte. Cases the three tabs share run once per tab.
#include "app/tform2.h"
#include "catalogue/catalogue_model.h"
#include "config/paths.h"
#include "config/textlines.h"
#include "fake_desktop.h"
#include "kits/slot_table.h"
#include "workdir.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace zok;

namespace {

using Kit = QStringList;  // values in file order, the tier first

struct Tab {
    int index;  // page of TabControl1
    QString file;
    QString arrayKey;
    QString list, add, save, remove, tierCombo, categoryCombo;
    QStringList keys;  // file order
    int firstSlotKey;  // keys[firstSlotKey..] are the slot edits
    QStringList clearIcons;
    QStringList categories;  // two the category combo offers

    bool hasCategory() const { return !categoryCombo.isEmpty(); }
    QStringList slotEdits() const { return keys.mid(firstSlotKey); }
};

const Tab &tab(int which)
{
    static const QList<Tab> tabs{
        {0, paths::ClothingKitFile, "m_ZOKConfig_Clothing", "ClothingKitList", "AddClothingKit",
         "Button14", "RemoveClothingKit", "zok_Tier", "",
         {"zok_Tier", "zok_Helm", "zok_Shirt", "zok_Vest", "zok_Pants", "zok_Shoes",
          "zok_Backpack", "zok_Gloves", "zok_Belt", "zok_Facewear", "zok_Eyewear", "zok_Armband",
          "zok_NVG"},
         1,
         {"Image3", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9", "Image10",
          "Image11", "Image12", "Image13", "Image14"},
         {"", ""}},
        {1, paths::WeaponKitFile, "m_ZOKConfig_Weapons", "WeaponKitList", "Button15", "Button16",
         "Button17", "zok_TierWeapon", "zok_WeaponCategory",
         {"zok_Tier", "zok_WeaponCategory", "zok_TheChosenOne", "zok_Magazine", "zok_Ammunition",
          "zok_OpticType", "zok_Suppressor", "zok_UnderBarrel", "zok_ButtStock", "zok_HandGuard",
          "zok_Wrap"},
         2,
         {"Image15", "Image16", "Image17", "Image18", "Image19", "Image20", "Image21", "Image22",
          "Image23"},
         {"main", "side"}},
        {2, paths::GeneralKitFile, "m_ZOKConfig_Loot", "GeneralKitList", "Button12", "Button13",
         "Button18", "zok_TierGeneral", "zok_Category", {"zok_Tier", "zok_Category", "zok_Type"},
         2, {"Image24"}, {"food", "drink"}},
    };
    return tabs[which];
}

const QString Prompt = QStringLiteral("****Select_Category****");

// A kit of the tab with every slot named after its kit and key.
// category picks one of the two the tab offers.
Kit kit(const Tab &t, const QString &tier, int category, const QString &name)
{
    Kit k{tier};
    if (t.hasCategory())
        k << t.categories[category];
    for (const QString &key : t.slotEdits())
        k << (name.isEmpty() ? QString() : name + QLatin1Char('_') + key);
    return k;
}

// The kit file as the game server's template has it.
QByteArray kitFile(const Tab &t, const QList<Kit> &kits)
{
    QStringList lines{"{", '"' + t.arrayKey + "\": ["};
    for (qsizetype i = 0; i < kits.size(); ++i) {
        lines << "        {";
        for (qsizetype k = 0; k < t.keys.size(); ++k)
            lines << "            \"" + t.keys[k] + "\": \"" + kits[i][k]
                    + (k + 1 < t.keys.size() ? "\"," : "\"");
        lines << (i + 1 < kits.size() ? "        }," : "        }");
    }
    lines << "   ]" << "}";
    return crlf(lines);
}

template <class K>
QList<Kit> valuesOf(const QList<K> &kits, const KitFormat<K> &format)
{
    QList<Kit> out;
    for (const K &k : kits) {
        Kit values;
        for (const auto &f : format.fields)
            values << k.*(f.field);
        out << values;
    }
    return out;
}

template <class K>
QList<bool> marksOf(const QList<K> &kits)
{
    QList<bool> out;
    for (const K &k : kits)
        out << k.Remove;
    return out;
}

// The window on a config root whose kit file for the tab holds the kits.
class Editor {
public:
    Editor(const Tab &t, const QList<Kit> &kits, const QByteArray &fileBytes = QByteArray())
        : t(t)
    {
        dir.writeEmptyConfigRoot();
        dir.write(t.file, fileBytes.isNull() ? kitFile(t, kits) : fileBytes);
        form = createMainWindow(desktop);
        if (!form)
            qFatal("start-up failed: %s", qPrintable(desktop.startupErrors.join('\n')));
        form->frame().TabControl1->setCurrentIndex(t.index);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not exposed");
    }

    template <class W>
    W *find(const QString &name) const
    {
        W *w = form->findChild<W *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QListWidget *list() const { return find<QListWidget>(t.list); }
    QComboBox *tier() const { return find<QComboBox>(t.tierCombo); }
    QComboBox *category() const { return find<QComboBox>(t.categoryCombo); }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }

    void clickKit(int row) const
    {
        QListWidget *l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }
    void press(const QString &button) const { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void clickWidget(const QString &name) const { QTest::mouseClick(find<QWidget>(name), Qt::LeftButton); }
    // Selects the entry as a click would, but without a click in ItemList,
    // so the catalogue's no-kit warning stays out of these tests.
    void chooseEntry(int row) const
    {
        QListView *items = find<QListView>("ItemList");
        items->selectionModel()->setCurrentIndex(items->model()->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect);
    }

    QList<Kit> kits() const
    {
        switch (t.index) {
        case 0: return valuesOf(form->ClothingKits, clothingKitFormat());
        case 1: return valuesOf(form->WeaponKits, weaponKitFormat());
        default: return valuesOf(form->GeneralKits, generalKitFormat());
        }
    }
    QList<bool> marks() const
    {
        switch (t.index) {
        case 0: return marksOf(form->ClothingKits);
        case 1: return marksOf(form->WeaponKits);
        default: return marksOf(form->GeneralKits);
        }
    }
    QStringList captions() const
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }
    // What the edits, and the combos, show, in the file's key order.
    Kit shown() const
    {
        Kit k{tier()->currentText()};
        if (t.hasCategory())
            k << category()->currentText();
        for (const QString &name : t.slotEdits())
            k << edit(name)->text();
        return k;
    }
    QByteArray file() const { return dir.read(t.file); }
    QString folder() const { return QFileInfo(dir.file(t.file)).path(); }

    const Tab &t;
    WorkDir dir;
    FakeDesktop desktop;
    std::unique_ptr<TForm2> form;
};

void addTabRows(const char *suffix = "")
{
    QTest::addRow("clothing%s", suffix) << 0;
    QTest::addRow("weapon%s", suffix) << 1;
    QTest::addRow("general%s", suffix) << 2;
}

} // namespace

class KitEditorsTest : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void showKit_data();
    void showKit();
    void generalCategoryPrompt_data();
    void generalCategoryPrompt();
    void fillSlots_data();
    void fillSlots();
    void fillRefused_data();
    void fillRefused();
    void clearSlots_data();
    void clearSlots();
    void tierAndCategoryChange_data();
    void tierAndCategoryChange();
    void add_data();
    void add();
    void removeMiddleKit_data();
    void removeMiddleKit();
    void removeOnlyKit_data();
    void removeOnlyKit();
    void removeWithoutSelection_data();
    void removeWithoutSelection();
    void rowCurrentButNotSelected_data();
    void rowCurrentButNotSelected();
    void failedWrite_data();
    void failedWrite();
    void failedAdd_data();
    void failedAdd();
};

// Every control of the tab at its place with its text.
void KitEditorsTest::layout_data()
{
    QTest::addColumn<int>("which");
    addTabRows();
}

void KitEditorsTest::layout()
{
    QFETCH(int, which);
    const Tab &t = tab(which);
    Editor e(t, {});
    QCOMPARE(e.list()->geometry(), QRect(240, 54, 257, 147));
    const QStringList texts{"Add", "Save", "Remove"};
    const QStringList buttons{t.add, t.save, t.remove};
    for (int b = 0; b < 3; ++b) {
        QPushButton *button = e.find<QPushButton>(buttons[b]);
        QCOMPARE(button->text(), texts[b]);
        QCOMPARE(button->pos(), QPoint(240 + 88 * b, 206));
    }
    QCOMPARE(e.tier()->geometry(), QRect(240, 270, 201, 22));
    QCOMPARE(e.tier()->count(), 5);
    QCOMPARE(e.tier()->currentText(), QStringLiteral("green"));
    if (t.hasCategory()) {
        QCOMPARE(e.category()->geometry(), QRect(240, 310, 201, 22));
        QCOMPARE(e.category()->currentIndex(), -1);
    }
    const int firstY = t.index == 0 ? 310 : 350;
    const QStringList edits = t.slotEdits();
    for (int r = 0; r < edits.size(); ++r) {
        QLineEdit *slot = e.edit(edits[r]);
        QCOMPARE(slot->geometry(), QRect(240, firstY + 40 * r, 200, 22));
        QVERIFY(slot->isReadOnly());
        QVERIFY(slot->text().isEmpty());
        auto *clear = e.find<QLabel>(t.clearIcons[r]);
        QCOMPARE(clear->geometry(), QRect(448, firstY + 8 + 40 * r, 14, 14));
        QVERIFY(!clear->pixmap().isNull());
    }
}

// Combos follow exact, case-sensitive matches only; the edits always follow
// the kit; and showing changes no record.
void KitEditorsTest::showKit_data()
{
    QTest::addColumn<int>("which");
    addTabRows();
}

void KitEditorsTest::showKit()
{
    QFETCH(int, which);
    const Tab &t = tab(which);
    const QString category = t.categories[1];
    Kit differentCase = kit(t, "Red", 1, "k1");
    if (t.hasCategory())
        differentCase[1][0] = differentCase[1][0].toUpper();
    const QList<Kit> kits{kit(t, "red", 1, "k0"), differentCase};
    Editor e(t, kits);

    e.clickKit(1);
    Kit shown = kits[1];
    shown[0] = "green";
    if (t.hasCategory())
        shown[1] = "";
    QCOMPARE(e.shown(), shown);

    e.clickKit(0);
    QCOMPARE(e.shown(), kits[0]);

    e.clickKit(1);
    shown = kits[1];
    shown[0] = "red";
    if (t.hasCategory())
        shown[1] = category;
    QCOMPARE(e.shown(), shown);

    QCOMPARE(e.kits(), kits);
    e.press(t.save);
    QCOMPARE(e.file(), kitFile(t, kits));
    QVERIFY(e.desktop.errors.isEmpty());
}

// An empty category selects the prompt, which the prompt's change stores;
// the prompt's own text is no match and leaves the combo.
void KitEditorsTest::generalCategoryPrompt_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("comboShows");
    QTest::addColumn<QString>("kitHolds");
    QTest::newRow("empty after food") << "food" << "" << Prompt << Prompt;
    QTest::newRow("prompt after drink") << "drink" << Prompt << "drink" << Prompt;
    QTest::newRow("empty after empty") << "" << "" << Prompt << "";
}

void KitEditorsTest::generalCategoryPrompt()
{
    QFETCH(QString, before);
    QFETCH(QString, category);
    QFETCH(QString, comboShows);
    QFETCH(QString, kitHolds);
    const Tab &t = tab(2);
    Editor e(t, {{"green", before, "a"}, {"blue", category, "b"}});
    e.clickKit(0);
    // Once the combo shows the prompt, a second empty kit raises no change.
    const QString firstHolds = before.isEmpty() ? Prompt : before;
    e.clickKit(1);
    QCOMPARE(e.category()->currentText(), comboShows);
    const QList<Kit> held{{"green", firstHolds, "a"}, {"blue", kitHolds, "b"}};
    QCOMPARE(e.kits(), held);
    e.press(t.save);
    QCOMPARE(e.file(), kitFile(t, held));
}

// A click and a double click each copy the chosen entry into the edit and
// the selected kit, in every slot of the table.
void KitEditorsTest::fillSlots_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("doubleClick");
    for (int which = 0; which < 3; ++which) {
        const char *name[] = {"clothing", "weapon", "general"};
        QTest::addRow("%s click", name[which]) << which << false;
        QTest::addRow("%s double click", name[which]) << which << true;
    }
}

void KitEditorsTest::fillSlots()
{
    QFETCH(int, which);
    QFETCH(bool, doubleClick);
    const Tab &t = tab(which);
    const QList<Kit> kits{kit(t, "green", 0, "k0"), kit(t, "blue", 1, "k1")};
    Editor e(t, kits);
    const QStringList edits = t.slotEdits();
    QStringList entries;
    for (const QString &name : edits)
        entries << "Item_" + name;
    e.form->catalogue().setEntries(entries);

    e.clickKit(1);
    for (int r = 0; r < edits.size(); ++r) {
        e.chooseEntry(r);
        if (doubleClick)
            QTest::mouseDClick(e.edit(edits[r]), Qt::LeftButton);
        else
            QTest::mouseClick(e.edit(edits[r]), Qt::LeftButton);
        QCOMPARE(e.edit(edits[r])->text(), entries[r]);
    }
    Kit filled = kits[1].mid(0, t.firstSlotKey) + entries;
    QCOMPARE(e.kits(), QList<Kit>({kits[0], filled}));
    e.press(t.save);
    QCOMPARE(e.file(), kitFile(t, {kits[0], filled}));
    QVERIFY(e.desktop.messages.isEmpty());
}

// No kit, no entry, or an entry the file cannot hold: nothing changes.
void KitEditorsTest::fillRefused_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("kitSelected");
    QTest::addColumn<QString>("entry");  // null: no entry chosen
    QTest::addColumn<bool>("message");
    for (int which = 0; which < 3; ++which) {
        const char *name[] = {"clothing", "weapon", "general"};
        QTest::addRow("%s no kit", name[which]) << which << false << "Item_A" << false;
        QTest::addRow("%s no kit, unstorable", name[which]) << which << false << "a\"b" << false;
        QTest::addRow("%s no entry", name[which]) << which << true << QString() << false;
        QTest::addRow("%s quote", name[which]) << which << true << "Item\"A" << true;
        QTest::addRow("%s backslash", name[which]) << which << true << "Item\\A" << true;
        QTest::addRow("%s control char", name[which]) << which << true << "Item\tA" << true;
        QTest::addRow("%s bracket", name[which]) << which << true << "Item]A" << true;
        QTest::addRow("%s brace", name[which]) << which << true << "{Item" << true;
    }
}

void KitEditorsTest::fillRefused()
{
    QFETCH(int, which);
    QFETCH(bool, kitSelected);
    QFETCH(QString, entry);
    QFETCH(bool, message);
    const Tab &t = tab(which);
    const QList<Kit> kits{kit(t, "green", 0, "k0")};
    Editor e(t, kits);
    e.form->catalogue().setEntries({"Other", entry});
    if (!entry.isNull())
        e.chooseEntry(1);
    if (kitSelected)
        e.clickKit(0);
    const Kit shownBefore = e.shown();

    const QString slot = t.slotEdits().first();
    QTest::mouseClick(e.edit(slot), Qt::LeftButton);
    QCOMPARE(e.shown(), shownBefore);
    QCOMPARE(e.kits(), kits);
    QCOMPARE(e.desktop.messages,
             message ? QStringList{UnstorableItemMessage} : QStringList());
    QCOMPARE(e.file(), kitFile(t, kits));
}

// A clear icon empties its edit and its field; Save writes the empty value.
void KitEditorsTest::clearSlots_data()
{
    QTest::addColumn<int>("which");
    addTabRows();
}

void KitEditorsTest::clearSlots()
{
    QFETCH(int, which);
    const Tab &t = tab(which);
    const QList<Kit> kits{kit(t, "green", 0, "k0"), kit(t, "red", 1, "k1")};
    Editor e(t, kits);
    e.clickKit(0);
    const QStringList edits = t.slotEdits();
    Kit cleared = kits[0];
    for (int r = 0; r < edits.size(); ++r) {
        e.clickWidget(t.clearIcons[r]);
        QVERIFY(e.edit(edits[r])->text().isEmpty());
        cleared[t.firstSlotKey + r].clear();
        QCOMPARE(e.kits()[0], cleared);
    }
    e.press(t.save);
    QCOMPARE(e.file(), kitFile(t, {cleared, kits[1]}));
}

// The combos write into the selected kit at once, not into the caption;
// with no kit selected they store nothing. Save then lists the new tier and
// selects and shows the last kit.
void KitEditorsTest::tierAndCategoryChange_data()
{
    QTest::addColumn<int>("which");
    addTabRows();
}

void KitEditorsTest::tierAndCategoryChange()
{
    QFETCH(int, which);
    const Tab &t = tab(which);
    QList<Kit> kits{kit(t, "yellow", 0, "k0"), kit(t, "yellow", 0, "k1"),
                    kit(t, "yellow", 0, "k2")};
    Editor e(t, kits);
    e.tier()->setCurrentIndex(2);  // blue, with no kit selected
    if (t.hasCategory())
        e.category()->setCurrentIndex(1);
    QCOMPARE(e.kits(), kits);

    e.clickKit(1);
    QCOMPARE(e.tier()->currentText(), QStringLiteral("yellow"));
    e.tier()->setCurrentIndex(4);
    kits[1][0] = "red";
    if (t.hasCategory()) {
        e.category()->setCurrentIndex(3 % e.category()->count());
        kits[1][1] = e.category()->currentText();
    }
    QCOMPARE(e.kits(), kits);
    QCOMPARE(e.captions(), QStringList({"yellow0", "yellow1", "yellow2"}));

    e.press(t.save);
    QCOMPARE(e.file(), kitFile(t, kits));
    QCOMPARE(e.captions(), QStringList({"yellow0", "red1", "yellow2"}));
    QCOMPARE(e.list()->currentRow(), 2);
    QCOMPARE(e.shown(), kits[2]);
}

// Each tab's Add: the clothing Add copies what the tab shows, the weapon Add
// takes tier and category, the general Add tier, category and type and ends
// on the prompt. Right after start nothing was shown; a missing category is
// written empty rather than the write being skipped.
void KitEditorsTest::add_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("selectKit1");
    QTest::addColumn<Kit>("written");
    QTest::addColumn<Kit>("held");  // the new kit in memory afterwards
    const Tab &c = tab(0), &w = tab(1);
    Kit weaponAtStart = kit(w, "green", 0, "");
    weaponAtStart[1] = "";
    QTest::newRow("clothing kit 1") << 0 << true << kit(c, "red", 1, "k1") << kit(c, "red", 1, "k1");
    QTest::newRow("clothing at start") << 0 << false << kit(c, "green", 0, "") << kit(c, "green", 0, "");
    QTest::newRow("weapon kit 1") << 1 << true << kit(w, "red", 1, "") << kit(w, "red", 1, "");
    QTest::newRow("weapon at start") << 1 << false << weaponAtStart << weaponAtStart;
    QTest::newRow("general kit 1") << 2 << true << Kit{"red", "drink", "k1_zok_Type"}
                                   << Kit{"red", Prompt, "k1_zok_Type"};
    QTest::newRow("general at start") << 2 << false << Kit{"green", "", ""} << Kit{"green", Prompt, ""};
}

void KitEditorsTest::add()
{
    QFETCH(int, which);
    QFETCH(bool, selectKit1);
    QFETCH(Kit, written);
    QFETCH(Kit, held);
    const Tab &t = tab(which);
    const QList<Kit> kits{kit(t, "blue", 0, "k0"), kit(t, "red", 1, "k1")};
    Editor e(t, kits);
    if (selectKit1)
        e.clickKit(1);

    e.press(t.add);
    QVERIFY(e.desktop.errors.isEmpty());
    QCOMPARE(e.file(), kitFile(t, kits + QList<Kit>{written}));
    QCOMPARE(e.kits(), kits + QList<Kit>{held});
    QCOMPARE(e.captions().last(), held[0] + "2");
    QCOMPARE(e.list()->currentRow(), 2);
    QCOMPARE(e.shown(), held);

    // What memory holds is what the next Save writes.
    e.press(t.save);
    QCOMPARE(e.file(), kitFile(t, kits + QList<Kit>{held}));
}

// Remove writes every other kit, renumbers and selects the last one.
void KitEditorsTest::removeMiddleKit_data()
{
    QTest::addColumn<int>("which");
    addTabRows();
}

void KitEditorsTest::removeMiddleKit()
{
    QFETCH(int, which);
    const Tab &t = tab(which);
    const QList<Kit> kits{kit(t, "yellow", 0, "k0"), kit(t, "green", 1, "k1"),
                          kit(t, "red", 0, "k2")};
    Editor e(t, kits);
    e.clickKit(1);
    e.press(t.remove);
    QCOMPARE(e.file(), kitFile(t, {kits[0], kits[2]}));
    QCOMPARE(e.kits(), QList<Kit>({kits[0], kits[2]}));
    QCOMPARE(e.marks(), QList<bool>({false, false}));
    QCOMPARE(e.captions(), QStringList({"yellow0", "red1"}));
    QCOMPARE(e.list()->currentRow(), 1);
    QCOMPARE(e.shown(), kits[2]);
}

// The only kit gone: the four-line file, an empty list, and the controls
// still showing the removed kit, which slot and clear clicks no longer touch.
void KitEditorsTest::removeOnlyKit_data()
{
    QTest::addColumn<int>("which");
    addTabRows();
}

void KitEditorsTest::removeOnlyKit()
{
    QFETCH(int, which);
    const Tab &t = tab(which);
    const Kit only = kit(t, "purple", 1, "k0");
    Editor e(t, {only});
    e.clickKit(0);
    e.press(t.remove);
    QCOMPARE(e.file(), QByteArray("{\r\n\"" + t.arrayKey.toLatin1() + "\": [\r\n   ]\r\n}\r\n"));
    QCOMPARE(e.list()->count(), 0);
    QVERIFY(e.kits().isEmpty());
    QCOMPARE(e.shown(), only);

    e.form->catalogue().setEntries({"Item_A"});
    e.chooseEntry(0);
    QTest::mouseClick(e.edit(t.slotEdits().first()), Qt::LeftButton);
    e.clickWidget(t.clearIcons.first());
    QCOMPARE(e.shown(), only);
    QVERIFY(e.desktop.errors.isEmpty());
}

// With no kit selected Remove has nothing to drop: the file is not even
// rewritten (this one is not in the writer's form, so a rewrite would show).
void KitEditorsTest::removeWithoutSelection_data()
{
    QTest::addColumn<int>("which");
    addTabRows();
}

void KitEditorsTest::removeWithoutSelection()
{
    QFETCH(int, which);
    const Tab &t = tab(which);
    const QList<Kit> kits{kit(t, "green", 0, "k0"), kit(t, "red", 1, "k1")};
    QByteArray handWritten = kitFile(t, kits);
    handWritten.replace("\r\n", "\n");
    Editor e(t, kits, handWritten);
    QCOMPARE(e.kits(), kits);

    e.press(t.remove);
    QCOMPARE(e.file(), handWritten);
    QCOMPARE(e.kits(), kits);
    QCOMPARE(e.marks(), QList<bool>({false, false}));
    QCOMPARE(e.list()->count(), 2);
    QVERIFY(e.desktop.errors.isEmpty());
    QVERIFY(e.desktop.messages.isEmpty());
}

// A failed Remove or Save shows the error and keeps the kit marked and
// listed; a later Save leaves it out, a later Add writes it back.
// Qt can leave a row current that no longer looks selected; such a kit
// counts as not selected: no fill, no clear, no Remove.
void KitEditorsTest::rowCurrentButNotSelected_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("how");
    const char *name[] = {"clothing", "weapon", "general"};
    for (int which = 0; which < 3; ++which)
        for (const char *how : {"click below the entries", "ctrl click", "current only"})
            QTest::addRow("%s, %s", name[which], how) << which << QString(how);
}

void KitEditorsTest::rowCurrentButNotSelected()
{
    QFETCH(int, which);
    QFETCH(QString, how);
    const Tab &t = tab(which);
    const QList<Kit> kits{kit(t, "green", 0, "k0"), kit(t, "red", 1, "k1"), kit(t, "blue", 0, "k2")};
    Editor e(t, kits);
    const QByteArray before = e.file();
    e.form->catalogue().setEntries({"Item_New"});
    QListWidget *list = e.list();
    if (how == "current only") {
        list->selectionModel()->setCurrentIndex(list->model()->index(1, 0),
                                                QItemSelectionModel::NoUpdate);
    } else {
        e.clickKit(1);
        if (how == "ctrl click")
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualItemRect(list->item(1)).center());
        else
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              QPoint(20, list->viewport()->height() - 5));
    }
    QVERIFY(list->currentRow() >= 0);
    QVERIFY(list->selectedItems().isEmpty());

    e.chooseEntry(0);
    const QString slot = t.slotEdits().first();
    QTest::mouseClick(e.edit(slot), Qt::LeftButton);
    e.press(t.remove);
    QCOMPARE(e.file(), before);
    QCOMPARE(e.kits(), kits);
    QVERIFY(e.desktop.errors.isEmpty());
}

void KitEditorsTest::failedWrite_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("thenAdd");
    for (int which = 0; which < 3; ++which) {
        const char *name[] = {"clothing", "weapon", "general"};
        QTest::addRow("%s then Save", name[which]) << which << false;
        QTest::addRow("%s then Add", name[which]) << which << true;
    }
}

void KitEditorsTest::failedWrite()
{
    QFETCH(int, which);
    QFETCH(bool, thenAdd);
    const Tab &t = tab(which);
    const QList<Kit> kits{kit(t, "yellow", 0, "k0"), kit(t, "green", 1, "k1"),
                          kit(t, "red", 0, "k2")};
    Editor e(t, kits);
    // A missing folder makes the write fail, even for root.
    QVERIFY(QDir(e.folder()).removeRecursively());

    e.clickKit(1);
    e.press(t.remove);
    e.press(t.save);
    const QString prefix = "Cannot create file \"" + fullPath(t.file) + "\". ";
    QCOMPARE(e.desktop.errors.size(), 2);
    for (const QString &error : e.desktop.errors) {
        QVERIFY2(error.startsWith(prefix) && error.endsWith('.'), qPrintable(error));
    }
    QCOMPARE(e.kits(), kits);
    QCOMPARE(e.marks(), QList<bool>({false, true, false}));
    QCOMPARE(e.captions(), QStringList({"yellow0", "green1", "red2"}));
    QCOMPARE(e.list()->currentRow(), 1);

    QVERIFY(QDir().mkpath(e.folder()));
    if (thenAdd) {
        e.press(t.add);
        // The new kit is what each tab's Add takes from kit 1, still shown.
        const Kit written = which == 1 ? kit(t, "green", 1, "") : kits[1];
        QCOMPARE(e.file(), kitFile(t, kits + QList<Kit>{written}));
        QCOMPARE(e.kits().size(), 4);
        QCOMPARE(e.marks(), QList<bool>({false, false, false, false}));
    } else {
        e.press(t.save);
        QCOMPARE(e.file(), kitFile(t, {kits[0], kits[2]}));
        QCOMPARE(e.captions(), QStringList({"yellow0", "red1"}));
    }
    QCOMPARE(e.desktop.errors.size(), 2);
}

// A failed Add is not silent: the error box shows it, and the new kit stays
// listed, selected and in memory (the general one holding the prompt), so a
// later Save writes it.
void KitEditorsTest::failedAdd_data()
{
    QTest::addColumn<int>("which");
    addTabRows();
}

void KitEditorsTest::failedAdd()
{
    QFETCH(int, which);
    const Tab &t = tab(which);
    const QList<Kit> kits{kit(t, "blue", 0, "k0")};
    Editor e(t, kits);
    e.clickKit(0);
    e.tier()->setCurrentIndex(4);
    QVERIFY(QDir(e.folder()).removeRecursively());

    e.press(t.add);
    QCOMPARE(e.desktop.errors.size(), 1);
    QVERIFY(e.desktop.errors.first().startsWith("Cannot create file \"" + fullPath(t.file) + "\". "));
    QCOMPARE(e.captions(), QStringList({"blue0", "red1"}));
    QCOMPARE(e.list()->currentRow(), 1);
    Kit added = kit(t, "red", 0, which == 0 ? "k0" : "");
    if (which == 2)
        added = {"red", Prompt, "k0_zok_Type"};
    Kit edited = kits[0];
    edited[0] = "red";
    QCOMPARE(e.kits(), QList<Kit>({edited, added}));
    QCOMPARE(e.shown(), added);

    QVERIFY(QDir().mkpath(e.folder()));
    e.press(t.save);
    QCOMPARE(e.file(), kitFile(t, {edited, added}));
}

QTEST_MAIN(KitEditorsTest)
#include "tst_kit_editors.moc"
