#include "app/desktop.h"
#include "app/tform2.h"
#include "app/ui_helpers.h"
#include "config/errors.h"
#include "config/paths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

namespace zok {

namespace {

const QColor kBisque(0xFF, 0xE4, 0xC4);

enum class SlotTyping { ReadOnly, Free, Digits };

struct SmolSlot {
    SlotRow<TSmolWeaponKit> row;
    int width;
    SlotTyping typing;
};

const std::array<SmolSlot, 11> &smolSlots()
{
    using K = TSmolWeaponKit;
    static const std::array<SmolSlot, 11> table = {{
        {{"zok_TheSmolChosenOne", "zok_TheChosenOne :", &K::zok_TheChosenOne, "Image25"}, 200, SlotTyping::ReadOnly},
        {{"zok_SmolMagazine", "zok_Magazine :", &K::zok_Magazine, "Image26"}, 200, SlotTyping::ReadOnly},
        {{"zok_SpareMagCount", "zok_SpareMagCount :", &K::zok_SpareMagCount, ""}, 33, SlotTyping::Digits},
        // Typing is accepted here but nothing stores it.
        {{"zok_SmolAmmunition", "zok_Ammunition :", &K::zok_Ammunition, "Image27"}, 201, SlotTyping::Free},
        {{"zok_SpareAmmoCount", "zok_SpareAmmoCount :", &K::zok_SpareAmmoCount, ""}, 33, SlotTyping::Digits},
        {{"zok_SmolOpticType", "zok_OpticType :", &K::zok_OpticType, "Image28"}, 200, SlotTyping::ReadOnly},
        {{"zok_SmolSuppressor", "zok_Suppressor :", &K::zok_Suppressor, "Image29"}, 200, SlotTyping::ReadOnly},
        {{"zok_SmolUnderBarrel", "zok_UnderBarrel :", &K::zok_UnderBarrel, "Image30"}, 200, SlotTyping::ReadOnly},
        {{"zok_SmolButtStock", "zok_ButtStock :", &K::zok_ButtStock, "Image31"}, 200, SlotTyping::ReadOnly},
        {{"zok_SmolHandGuard", "zok_HandGuard :", &K::zok_HandGuard, "Image32"}, 200, SlotTyping::ReadOnly},
        {{"zok_SmolWrap", "zok_Wrap :", &K::zok_Wrap, "Image33"}, 200, SlotTyping::ReadOnly},
    }};
    return table;
}
constexpr int kSpareMagRow = 2;
constexpr int kSpareAmmoRow = 4;

// Each colour loader reads its own fixed file.
const std::array<QString, 5> kSmolLoaderFiles = {
    QStringLiteral("ZOK_Keycards\\Loot\\Other\\Smol_Yellow_Config.JSON"),
    QStringLiteral("ZOK_Keycards\\Loot\\Other\\Smol_Green_Config.JSON"),
    QStringLiteral("ZOK_Keycards\\Loot\\Other\\Smol_Blue_Config.JSON"),
    QStringLiteral("ZOK_Keycards\\Loot\\Other\\Smol_Purple_Config.JSON"),
    QStringLiteral("ZOK_Keycards\\Loot\\Other\\Smol_Red_Config.JSON"),
};

struct LootSetPage {
    const char *page, *text, *countLabel, *add, *remove;
};
const std::array<LootSetPage, 4> kLootSetPages = {{
    {"TabItem9", "SpawnLootSet1", "Label14", "Button4", "Button5"},
    {"TabItem10", "SpawnLootSet2", "Label15", "Button6", "Button7"},
    {"TabItem11", "SpawnLootSet3", "Label17", "Button8", "Button9"},
    {"TabItem12", "SpawnLootSet4", "Label18", "Button10", "Button11"},
}};

QCheckBox *makeBisqueCheckBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QCheckBox(name, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    QPalette pal = box->palette();
    pal.setColor(QPalette::WindowText, kBisque);
    box->setPalette(pal);
    return box;
}

// Whole numbers 0 to 100; a 25 px box has no room for arrows.
QSpinBox *makeNumberBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setRange(0, 100);
    box->setValue(0);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return box;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, QPoint at)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(QRect(at, QSize(80, 22)));
    return button;
}

QString numberBoxText(const QSpinBox *box) { return QString::number(box->value()); }
void setNumberBoxText(QSpinBox *box, const QString &text) { box->setValue(numberBoxValue(text)); }

} // namespace

void TForm2::buildSmolTab()
{
    QWidget *tab = m_frame.TabItem8;
    m_smol.Label16 = new QLabel(QStringLiteral("Activate Smol Crate Config?"), tab);
    m_smol.Label16->setObjectName(QStringLiteral("Label16"));
    m_smol.Label16->setGeometry(32, 6, 192, 17);
    QPalette labelPalette = m_smol.Label16->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    m_smol.Label16->setPalette(labelPalette);

    m_smol.zok_UseConfig = new QCheckBox(QStringLiteral("zok_UseConfig"), tab);
    m_smol.zok_UseConfig->setObjectName(QStringLiteral("zok_UseConfig"));
    m_smol.zok_UseConfig->move(240, 6);
    m_smol.zok_UseConfig->adjustSize();
    QPalette boxPalette = m_smol.zok_UseConfig->palette();
    boxPalette.setColor(QPalette::WindowText, QColor(0xFF, 0xE4, 0xC4));  // bisque
    m_smol.zok_UseConfig->setPalette(boxPalette);
    wire(m_smol.zok_UseConfig, &QCheckBox::toggled, [this] { zok_UseConfigChange(); });

    m_smol.SmolWeaponKitList = new QListWidget(tab);
    m_smol.SmolWeaponKitList->setObjectName(QStringLiteral("SmolWeaponKitList"));
    m_smol.SmolWeaponKitList->setGeometry(240, 120, 257, 81);

    const QString roboto = QStringLiteral("Roboto");
    m_smol.Label1 = makeLabel(tab, QStringLiteral("Label1"), QStringLiteral("Smol Weapon Kit Color :"),
                              QPoint(72, 30), roboto, 14);
    // Without Roboto the fallback font runs wider: keep the text whole and
    // clear of the combo.
    const int label1Width = qMax(152, m_smol.Label1->sizeHint().width());
    m_smol.Label1->setGeometry(qMin(72, 232 - label1Width), 30, label1Width, 17);

    m_smol.SmolWeaponCrateColor = new QComboBox(tab);
    m_smol.SmolWeaponCrateColor->setObjectName(QStringLiteral("SmolWeaponCrateColor"));
    m_smol.SmolWeaponCrateColor->addItems(SmolCrateColours);
    m_smol.SmolWeaponCrateColor->setCurrentIndex(-1);
    m_smol.SmolWeaponCrateColor->setGeometry(240, 30, 100, 22);
    m_smol.SmolWeaponCrateColor->raise();

    m_smol.zok_SpawnMainWeapons = makeBisqueCheckBox(tab, QStringLiteral("zok_SpawnMainWeapons"),
                                                     QRect(240, 54, 177, 19));
    m_smol.zok_RandomizeWeapons = makeBisqueCheckBox(tab, QStringLiteral("zok_RandomizeWeapons"),
                                                     QRect(240, 70, 169, 19));
    m_smol.zok_WeaponCount = makeNumberBox(tab, QStringLiteral("zok_WeaponCount"), QRect(240, 94, 25, 22));

    m_smol.Button1 = makeButton(tab, QStringLiteral("Button1"), QStringLiteral("Add"), QPoint(240, 206));
    m_smol.Button2 = makeButton(tab, QStringLiteral("Button2"), QStringLiteral("Save"), QPoint(328, 206));
    m_smol.Button3 = makeButton(tab, QStringLiteral("Button3"), QStringLiteral("Remove"), QPoint(416, 206));

    m_smol.Label2 = makeLabel(tab, QStringLiteral("Label2"), QStringLiteral("Selected Kit Contents"),
                              QPoint(240, 238), roboto, 14);
    m_smol.Label2->setGeometry(240, 238, 257, 17);

    const QPixmap clearIcon(QStringLiteral(":/icons/clear.png"));
    for (int r = 0; r < int(smolSlots().size()); ++r) {
        const SmolSlot &slot = smolSlots()[r];
        SlotWidgets w = makeSlotRow(tab, slot.row.editName, slot.row.labelText,
                                    slot.row.clearIconName, QPoint(240, 262 + 24 * r), slot.width);
        m_smol.slotRows[r] = w;
        switch (slot.typing) {
        case SlotTyping::ReadOnly:
            w.edit->setReadOnly(true);
            break;
        case SlotTyping::Free:
            break;
        case SlotTyping::Digits:
            w.edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), w.edit));
            break;
        }
        if (slot.typing == SlotTyping::Digits) {
            if (r == kSpareMagRow)
                wire(w.edit, &QLineEdit::textEdited, [this] { zok_SpareMagCountChangeTracking(); });
            else
                wire(w.edit, &QLineEdit::textEdited, [this] { zok_SpareAmmoCountChangeTracking(); });
        } else {
            wire(w.edit, &ClickableEdit::doubleClicked, [this, r] { smolSlotDblClick(r); });
        }
        if (w.clear) {
            if (!clearIcon.isNull())
                w.clear->setPixmap(clearIcon.scaled(14, 14, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            wire(w.clear, &ClickableLabel::clicked, [this, r] { smolSlotClearClick(r); });
        }
    }

    m_smol.SpawnLootSetTab = makeTabControl(tab, QStringLiteral("SpawnLootSetTab"), QRect(48, 528, 505, 249));
    for (int s = 0; s < 4; ++s) {
        const LootSetPage &names = kLootSetPages[s];
        const QString n = QString::number(s + 1);
        SmolLootSetControls &c = m_smol.lootSets[s];
        c.page = addTabPage(m_smol.SpawnLootSetTab, QString::fromLatin1(names.page),
                            QString::fromLatin1(names.text));
        c.items = new QListWidget(c.page);
        c.items->setObjectName(QStringLiteral("zok_SpawnLootSet") + n + QStringLiteral("Items"));
        c.items->setGeometry(8, 6, 200, 187);
        c.spawn = makeBisqueCheckBox(c.page, QStringLiteral("zok_SpawnLootSet") + n, QRect(216, 30, 153, 19));
        c.randomize = makeBisqueCheckBox(c.page, QStringLiteral("zok_RandomizeLootSet") + n,
                                         QRect(216, 54, 168, 19));
        c.countLabel = makeLabel(c.page, QString::fromLatin1(names.countLabel),
                                 QStringLiteral("zok_LootSet") + n + QStringLiteral("Count :"), QPoint(216, 78));
        QFont countFont = c.countLabel->font();
        countFont.setPixelSize(11);  // the box stands 120 px to the right
        c.countLabel->setFont(countFont);
        c.countLabel->setGeometry(216, 78, 121, 17);
        c.count = makeNumberBox(c.page, QStringLiteral("zok_LootSet") + n + QStringLiteral("Count"),
                                QRect(336, 78, 25, 22));
        c.add = makeButton(c.page, QString::fromLatin1(names.add), QStringLiteral("Add"), QPoint(8, 198));
        c.remove = makeButton(c.page, QString::fromLatin1(names.remove), QStringLiteral("Remove"), QPoint(128, 198));
        const int set = s + 1;
        wire(c.add, &QPushButton::clicked, [this, set] { lootSetAddClick(set); });
        wire(c.remove, &QPushButton::clicked, [this, set] { lootSetRemoveClick(set); });
        wire(c.items, &QListWidget::itemClicked, [this, set] { lootSetItemClick(set); });
    }
    m_smol.SpawnLootSetTab->setCurrentIndex(0);

    wire(m_smol.SmolWeaponCrateColor, &QComboBox::currentIndexChanged,
         [this] { SmolWeaponCrateColorChange(); });
    wire(m_smol.SmolWeaponKitList, &QListWidget::itemSelectionChanged, [this] { SmolWeaponKitListChange(); });
    wire(m_smol.Button1, &QPushButton::clicked, [this] { Button1Click(); });
    wire(m_smol.Button2, &QPushButton::clicked, [this] { Button2Click(); });
    wire(m_smol.Button3, &QPushButton::clicked, [this] { Button3Click(); });
}

// ---- colour selection and loading ----

void TForm2::LoadSmolYellowWeaponKits() { loadSmolCrate(0); }
void TForm2::LoadSmolGreenWeaponKits() { loadSmolCrate(1); }
void TForm2::LoadSmolBlueWeaponKits() { loadSmolCrate(2); }
void TForm2::LoadSmolPurpleWeaponKits() { loadSmolCrate(3); }
void TForm2::LoadSmolRedWeaponKits() { loadSmolCrate(4); }

void TForm2::SmolWeaponCrateColorChange()
{
    switch (m_smol.SmolWeaponCrateColor->currentIndex()) {
    case 0: LoadSmolYellowWeaponKits(); break;
    case 1: LoadSmolGreenWeaponKits(); break;
    case 2: LoadSmolBlueWeaponKits(); break;
    case 3: LoadSmolPurpleWeaponKits(); break;
    case 4: LoadSmolRedWeaponKits(); break;
    default: break;
    }
}

void TForm2::loadSmolCrate(int colourIndex)
{
    SmolWeaponKits.clear();
    {
        const QSignalBlocker block(m_smol.SmolWeaponKitList);
        m_smol.SmolWeaponKitList->clear();
    }
    for (SmolLootSetControls &c : m_smol.lootSets)
        c.items->clear();

    // Settings start from the controls: a key the file lacks keeps its value.
    SmolCrate crate = smolCrateFromControls();
    crate.kits.clear();
    for (SmolLootSet &set : crate.lootSets)
        set.entries.clear();

    m_smolReadInPart = false;
    LineList lines;
    lines.load(kSmolLoaderFiles[colourIndex]);
    try {
        readSmolCrate(lines, SmolCrateColours[colourIndex].at(0), crate);
    } catch (...) {
        m_smolReadInPart = true;
        showSmolCrate(crate);  // what was read before the failure stays
        throw;
    }
    showSmolCrate(crate);
}

SmolCrate TForm2::smolCrateFromControls() const
{
    SmolCrate crate;
    crate.colour = m_smol.SmolWeaponCrateColor->currentText();
    crate.spawnMainWeapons = m_smol.zok_SpawnMainWeapons->isChecked();
    crate.randomizeWeapons = m_smol.zok_RandomizeWeapons->isChecked();
    crate.weaponCount = numberBoxText(m_smol.zok_WeaponCount);
    crate.kits = SmolWeaponKits;
    for (int s = 0; s < 4; ++s) {
        const SmolLootSetControls &c = m_smol.lootSets[s];
        SmolLootSet &set = crate.lootSets[s];
        set.spawn = c.spawn->isChecked();
        set.randomize = c.randomize->isChecked();
        set.count = numberBoxText(c.count);
        for (int i = 0; i < c.items->count(); ++i)
            set.entries << c.items->item(i)->text();
    }
    return crate;
}

void TForm2::showSmolCrate(const SmolCrate &crate)
{
    SmolWeaponKits = crate.kits;
    {
        const QSignalBlocker block(m_smol.SmolWeaponKitList);
        m_smol.SmolWeaponKitList->clear();
        m_smol.SmolWeaponKitList->addItems(crate.captions);
        m_smol.SmolWeaponKitList->setCurrentRow(-1);
    }
    m_smol.zok_SpawnMainWeapons->setChecked(crate.spawnMainWeapons);
    m_smol.zok_RandomizeWeapons->setChecked(crate.randomizeWeapons);
    setNumberBoxText(m_smol.zok_WeaponCount, crate.weaponCount);
    for (int s = 0; s < 4; ++s) {
        SmolLootSetControls &c = m_smol.lootSets[s];
        const SmolLootSet &set = crate.lootSets[s];
        c.spawn->setChecked(set.spawn);
        c.randomize->setChecked(set.randomize);
        setNumberBoxText(c.count, set.count);
        c.items->clear();
        c.items->addItems(set.entries);
    }
}

void TForm2::SmolWeaponKitListChange()
{
    const int selected = smolSelectedKit();
    if (selected < 0)
        return;
    const TSmolWeaponKit &kit = SmolWeaponKits[selected];
    for (int r = 0; r < int(smolSlots().size()); ++r)
        m_smol.slotRows[r].edit->setText(kit.*(smolSlots()[r].row.field));
}

int TForm2::smolSelectedKit() const
{
    const int row = selectedListRow(m_smol.SmolWeaponKitList);
    return row >= 0 && row < SmolWeaponKits.size() ? row : -1;
}

// ---- writing ----

void TForm2::SaveSmolWeaponKits(bool leaveOutMarked)
{
    if (m_smol.SmolWeaponCrateColor->currentIndex() < 0)
        throw Error(SmolColourFirstMessage);
    const SmolCrate crate = smolCrateFromControls();
    LineList(writeSmolCrate(crate, leaveOutMarked)).save(paths::smolCrateFile(crate.colour));
}

bool TForm2::smolColourChosen()
{
    if (m_smol.SmolWeaponCrateColor->currentIndex() < 0) {
        m_desktop.showMessage(this, SmolColourFirstMessage);
        return false;
    }
    if (m_smolReadInPart) {
        m_desktop.showMessage(this, SmolReadInPartMessage);
        return false;
    }
    return true;
}

void TForm2::smolStoreAndReload(bool leaveOutMarked)
{
    // The last kit is selected also when the write or the reload failed.
    auto selectLast = [this] {
        m_smol.SmolWeaponKitList->setCurrentRow(m_smol.SmolWeaponKitList->count() - 1);
    };
    try {
        SaveSmolWeaponKits(leaveOutMarked);
        SmolWeaponCrateColorChange();
    } catch (...) {
        selectLast();
        throw;
    }
    selectLast();
}

void TForm2::Button1Click()
{
    if (!smolColourChosen())
        return;
    SmolWeaponKits.append(TSmolWeaponKit{});
    m_smol.SmolWeaponKitList->addItem(smolKitCaption(m_smol.SmolWeaponKitList->count()));
    smolStoreAndReload(false);
}

void TForm2::Button2Click()
{
    if (!smolColourChosen())
        return;
    smolStoreAndReload(false);
}

void TForm2::Button3Click()
{
    if (!smolColourChosen())
        return;
    const int selected = smolSelectedKit();
    if (selected < 0)
        return;
    SmolWeaponKits[selected].Remove = true;
    smolStoreAndReload(true);
}

// ---- slots ----

void TForm2::smolSlotDblClick(int row)
{
    const int selected = smolSelectedKit();
    if (selected < 0)
        return;
    QString entry;
    if (!takeCatalogueEntry(&entry))
        return;
    storeSlot(SmolWeaponKits, selected, m_smol.slotRows[row].edit, smolSlots()[row].row.field, entry);
}

void TForm2::smolSlotClearClick(int row)
{
    storeSlot(SmolWeaponKits, smolSelectedKit(), m_smol.slotRows[row].edit,
              smolSlots()[row].row.field, QString());
}

void TForm2::zok_SpareMagCountChangeTracking()
{
    const int selected = smolSelectedKit();
    if (selected >= 0)
        SmolWeaponKits[selected].zok_SpareMagCount = m_smol.slotRows[kSpareMagRow].edit->text();
}

void TForm2::zok_SpareAmmoCountChangeTracking()
{
    const int selected = smolSelectedKit();
    if (selected >= 0)
        SmolWeaponKits[selected].zok_SpareAmmoCount = m_smol.slotRows[kSpareAmmoRow].edit->text();
}

// ---- loot sets ----

void TForm2::lootSetAddClick(int set)
{
    QListWidget *items = m_smol.lootSets[set - 1].items;
    items->insertItem(0, QStringLiteral("PlaceHolder"));
    items->setCurrentRow(0);
}

void TForm2::lootSetRemoveClick(int set)
{
    QListWidget *items = m_smol.lootSets[set - 1].items;
    const QList<QListWidgetItem *> selected = items->selectedItems();
    if (selected.isEmpty())
        return;
    delete items->takeItem(items->row(selected.first()));
    // No entry stays selected, so a second click cannot delete a neighbour.
    items->setCurrentRow(-1);
    items->clearSelection();
}

void TForm2::lootSetItemClick(int set)
{
    // The clicked entry, when the click left it selected (a Ctrl+click
    // deselects it, and then there is nothing to fill).
    QListWidget *items = m_smol.lootSets[set - 1].items;
    QListWidgetItem *item = items->currentItem();
    if (!item || !item->isSelected())
        return;
    QString entry;
    if (!takeCatalogueEntry(&entry))
        return;
    item->setText(entry);
}

} // namespace zok
