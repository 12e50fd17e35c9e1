#include "app/tform2.h"
#include "config/paths.h"
#include "kits/kit_editing.h"
#include "kits/kit_loading.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace zok {

namespace {

const QList<SlotRow<TWeaponKit>> &weaponSlotRows()
{
    using K = TWeaponKit;
    static const QList<SlotRow<K>> rows{
        {QStringLiteral("zok_TheChosenOne"), QStringLiteral("zok_TheChosenOne :"), &K::zok_TheChosenOne, QStringLiteral("Image15")},
        {QStringLiteral("zok_Magazine"), QStringLiteral("zok_Magazine :"), &K::zok_Magazine, QStringLiteral("Image16")},
        {QStringLiteral("zok_Ammunition"), QStringLiteral("zok_Ammunition :"), &K::zok_Ammunition, QStringLiteral("Image17")},
        {QStringLiteral("zok_OpticType"), QStringLiteral("zok_OpticType :"), &K::zok_OpticType, QStringLiteral("Image18")},
        {QStringLiteral("zok_Suppressor"), QStringLiteral("zok_Suppressor :"), &K::zok_Suppressor, QStringLiteral("Image19")},
        {QStringLiteral("zok_UnderBarrel"), QStringLiteral("zok_UnderBarrel :"), &K::zok_UnderBarrel, QStringLiteral("Image20")},
        {QStringLiteral("zok_ButtStock"), QStringLiteral("zok_ButtStock :"), &K::zok_ButtStock, QStringLiteral("Image21")},
        {QStringLiteral("zok_HandGuard"), QStringLiteral("zok_HandGuard :"), &K::zok_HandGuard, QStringLiteral("Image22")},
        {QStringLiteral("zok_Wrap"), QStringLiteral("zok_Wrap :"), &K::zok_Wrap, QStringLiteral("Image23")},
    };
    return rows;
}

const QStringList WeaponCategories = {QStringLiteral("main"), QStringLiteral("side")};

KitStore weaponStore(TForm2 &form)
{
    return {[&form](bool leaveOutMarked) { form.SaveWeaponKits(leaveOutMarked); },
            [&form] { form.LoadWeaponKits(); }};
}

} // namespace

void TForm2::buildWeaponTab()
{
    QWidget *tab = m_frame.TabItem5;
    m_weapon.Label528 = makeHeading(tab, QStringLiteral("Label528"),
                                    QStringLiteral("Weapon Kit List"), QPoint(240, 30));

    QListWidget *list = new QListWidget(tab);
    m_weapon.WeaponKitList = list;
    list->setObjectName(QStringLiteral("WeaponKitList"));
    list->setGeometry(240, 54, 257, 147);
    wire(list, &QListWidget::itemSelectionChanged, [this] { WeaponKitListChange(); });

    m_weapon.Button15 = makeKitButton(tab, QStringLiteral("Button15"), QStringLiteral("Add"), 240);
    m_weapon.Button16 = makeKitButton(tab, QStringLiteral("Button16"), QStringLiteral("Save"), 328);
    m_weapon.Button17 =
        makeKitButton(tab, QStringLiteral("Button17"), QStringLiteral("Remove"), 416);
    wire(m_weapon.Button15, &QPushButton::clicked, [this] { Button15Click(); });
    wire(m_weapon.Button16, &QPushButton::clicked, [this] { Button16Click(); });
    wire(m_weapon.Button17, &QPushButton::clicked, [this] { Button17Click(); });

    m_weapon.Label529 = makeHeading(tab, QStringLiteral("Label529"),
                                    QStringLiteral("Selected Kit Contents"), QPoint(240, 238));
    m_weapon.Label529->resize(257, 17);

    m_weapon.zok_TierWeapon =
        makeKitCombo(tab, QStringLiteral("zok_TierWeapon"), TierWords, 270, StartTierIndex);
    wire(m_weapon.zok_TierWeapon, &QComboBox::currentIndexChanged,
         [this] { zok_TierWeaponChange(); });
    m_weapon.Label547 = makeFieldLabel(tab, QStringLiteral("Label547"),
                                       QStringLiteral("zok_Tier :"), QPoint(144, 270));

    m_weapon.zok_WeaponCategory =
        makeKitCombo(tab, QStringLiteral("zok_WeaponCategory"), WeaponCategories, 310, -1);
    wire(m_weapon.zok_WeaponCategory, &QComboBox::currentIndexChanged,
         [this] { zok_WeaponCategoryChange(); });
    m_weapon.Label546 = makeFieldLabel(tab, QStringLiteral("Label546"),
                                       QStringLiteral("zok_WeaponCategory :"), QPoint(40, 310));

    const auto &rows = weaponSlotRows();
    m_weapon.slotRows = makeSlotRows(tab, rows, QPoint(240, 350));
    wireSlotRows(rows, m_weapon.slotRows, WeaponKits, m_weapon.WeaponKitList);
}

void TForm2::WeaponKitListChange()
{
    const int selected = selectedKit(m_weapon.WeaponKitList, WeaponKits);
    if (selected < 0)
        return;
    // A copy: the combos' change handlers write into the record meanwhile.
    const TWeaponKit kit = WeaponKits[selected];
    selectMatching(m_weapon.zok_TierWeapon, TierWords, kit.zok_Tier);
    selectMatching(m_weapon.zok_WeaponCategory, WeaponCategories, kit.zok_WeaponCategory);
    showSlots(kit, weaponSlotRows(), m_weapon.slotRows);
}

void TForm2::zok_TierWeaponChange()
{
    const int selected = selectedKit(m_weapon.WeaponKitList, WeaponKits);
    if (selected < 0 || m_weapon.zok_TierWeapon->currentIndex() < 0)
        return;
    WeaponKits[selected].zok_Tier = m_weapon.zok_TierWeapon->currentText();
}

void TForm2::zok_WeaponCategoryChange()
{
    const int selected = selectedKit(m_weapon.WeaponKitList, WeaponKits);
    if (selected < 0 || m_weapon.zok_WeaponCategory->currentIndex() < 0)
        return;
    WeaponKits[selected].zok_WeaponCategory = m_weapon.zok_WeaponCategory->currentText();
}

void TForm2::Button15Click()
{
    // Tier and category only: a new weapon kit starts with empty slots. With
    // no category chosen yet it is written with an empty one, so the kit the
    // list shows is the kit in the file.
    TWeaponKit kit;
    kit.zok_Tier = m_weapon.zok_TierWeapon->currentText();
    kit.zok_WeaponCategory = m_weapon.zok_WeaponCategory->currentText();
    addAndReload(WeaponKits, m_weapon.WeaponKitList, weaponStore(*this), kit,
                 [this] { selectLastKit(m_weapon.WeaponKitList); });
}

void TForm2::Button16Click()
{
    storeAndReload(WeaponKits, m_weapon.WeaponKitList, weaponStore(*this), true);
}

void TForm2::Button17Click()
{
    removeAndReload(WeaponKits, m_weapon.WeaponKitList, weaponStore(*this));
}

void TForm2::LoadWeaponKits()
{
    loadKitsIntoList(m_weapon.WeaponKitList, paths::WeaponKitFile, weaponKitFormat(), WeaponKits);
}

void TForm2::SaveWeaponKits(bool leaveOutMarked)
{
    saveKitsToFile(paths::WeaponKitFile, weaponKitFormat(), WeaponKits, leaveOutMarked);
}

} // namespace zok
