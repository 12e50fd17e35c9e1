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

const QList<SlotRow<TClothingKit>> &clothingSlotRows()
{
    using K = TClothingKit;
    static const QList<SlotRow<K>> rows{
        {QStringLiteral("zok_Helm"), QStringLiteral("zok_Helm :"), &K::zok_Helm, QStringLiteral("Image3")},
        {QStringLiteral("zok_Shirt"), QStringLiteral("zok_Shirt :"), &K::zok_Shirt, QStringLiteral("Image4")},
        {QStringLiteral("zok_Vest"), QStringLiteral("zok_Vest :"), &K::zok_Vest, QStringLiteral("Image5")},
        {QStringLiteral("zok_Pants"), QStringLiteral("zok_Pants :"), &K::zok_Pants, QStringLiteral("Image6")},
        {QStringLiteral("zok_Shoes"), QStringLiteral("zok_Shoes :"), &K::zok_Shoes, QStringLiteral("Image7")},
        {QStringLiteral("zok_Backpack"), QStringLiteral("zok_Backpack :"), &K::zok_Backpack, QStringLiteral("Image8")},
        {QStringLiteral("zok_Gloves"), QStringLiteral("zok_Gloves :"), &K::zok_Gloves, QStringLiteral("Image9")},
        {QStringLiteral("zok_Belt"), QStringLiteral("zok_Belt :"), &K::zok_Belt, QStringLiteral("Image10")},
        {QStringLiteral("zok_Facewear"), QStringLiteral("zok_Facewear :"), &K::zok_Facewear, QStringLiteral("Image11")},
        {QStringLiteral("zok_Eyewear"), QStringLiteral("zok_Eyewear :"), &K::zok_Eyewear, QStringLiteral("Image12")},
        {QStringLiteral("zok_Armband"), QStringLiteral("zok_Armband :"), &K::zok_Armband, QStringLiteral("Image13")},
        {QStringLiteral("zok_NVG"), QStringLiteral("zok_NVG :"), &K::zok_NVG, QStringLiteral("Image14")},
    };
    return rows;
}

KitStore clothingStore(TForm2 &form)
{
    return {[&form](bool leaveOutMarked) { form.SaveClothingKits(leaveOutMarked); },
            [&form] { form.LoadClothingKits(); }};
}

} // namespace

void TForm2::buildClothingTab()
{
    QWidget *tab = m_frame.TabItem4;
    m_clothing.ClothingKitListHeading =
        makeHeading(tab, QStringLiteral("ClothingKitListHeading"),
                    QStringLiteral("Clothing Kit List"), QPoint(240, 30));

    QListWidget *list = new QListWidget(tab);
    m_clothing.ClothingKitList = list;
    list->setObjectName(QStringLiteral("ClothingKitList"));
    list->setGeometry(240, 54, 257, 147);
    wire(list, &QListWidget::itemSelectionChanged, [this] { ClothingKitListChange(); });

    m_clothing.AddClothingKit =
        makeKitButton(tab, QStringLiteral("AddClothingKit"), QStringLiteral("Add"), 240);
    m_clothing.Button14 = makeKitButton(tab, QStringLiteral("Button14"), QStringLiteral("Save"), 328);
    m_clothing.RemoveClothingKit =
        makeKitButton(tab, QStringLiteral("RemoveClothingKit"), QStringLiteral("Remove"), 416);
    wire(m_clothing.AddClothingKit, &QPushButton::clicked, [this] { AddClothingKitClick(); });
    wire(m_clothing.Button14, &QPushButton::clicked, [this] { Button14Click(); });
    wire(m_clothing.RemoveClothingKit, &QPushButton::clicked, [this] { RemoveClothingKitClick(); });

    m_clothing.ClothingKitContentsHeading =
        makeHeading(tab, QStringLiteral("ClothingKitContentsHeading"),
                    QStringLiteral("Selected Kit Contents"), QPoint(240, 238));
    m_clothing.ClothingKitContentsHeading->resize(257, 17);

    m_clothing.zok_Tier =
        makeKitCombo(tab, QStringLiteral("zok_Tier"), TierWords, 270, StartTierIndex);
    wire(m_clothing.zok_Tier, &QComboBox::currentIndexChanged, [this] { zok_TierChange(); });
    // Where the other kit tabs put their tier label.
    m_clothing.zok_TierLabel = makeFieldLabel(tab, QStringLiteral("zok_TierLabel"),
                                              QStringLiteral("zok_Tier :"), QPoint(144, 270));

    const auto &rows = clothingSlotRows();
    m_clothing.slotRows = makeSlotRows(tab, rows, QPoint(240, 310));
    wireSlotRows(rows, m_clothing.slotRows, ClothingKits, m_clothing.ClothingKitList);
}

void TForm2::ClothingKitListChange()
{
    const int selected = selectedKit(m_clothing.ClothingKitList, ClothingKits);
    if (selected < 0)
        return;
    // A copy: the combo's change handler writes into the record meanwhile.
    const TClothingKit kit = ClothingKits[selected];
    selectMatching(m_clothing.zok_Tier, TierWords, kit.zok_Tier);
    showSlots(kit, clothingSlotRows(), m_clothing.slotRows);
}

void TForm2::zok_TierChange()
{
    const int selected = selectedKit(m_clothing.ClothingKitList, ClothingKits);
    if (selected < 0 || m_clothing.zok_Tier->currentIndex() < 0)
        return;
    ClothingKits[selected].zok_Tier = m_clothing.zok_Tier->currentText();
}

void TForm2::AddClothingKitClick()
{
    // A copy of what the tab shows: the combo's tier and every slot edit.
    TClothingKit kit;
    kit.zok_Tier = m_clothing.zok_Tier->currentText();
    const auto &rows = clothingSlotRows();
    for (qsizetype r = 0; r < rows.size(); ++r)
        kit.*(rows[r].field) = m_clothing.slotRows[r].edit->text();
    addAndReload(ClothingKits, m_clothing.ClothingKitList, clothingStore(*this), kit,
                 [this] { selectLastKit(m_clothing.ClothingKitList); });
}

void TForm2::Button14Click()
{
    storeAndReload(ClothingKits, m_clothing.ClothingKitList, clothingStore(*this), true);
}

void TForm2::RemoveClothingKitClick()
{
    removeAndReload(ClothingKits, m_clothing.ClothingKitList, clothingStore(*this));
}

void TForm2::LoadClothingKits()
{
    loadKitsIntoList(m_clothing.ClothingKitList, paths::ClothingKitFile, clothingKitFormat(), ClothingKits);
}

void TForm2::SaveClothingKits(bool leaveOutMarked)
{
    saveKitsToFile(paths::ClothingKitFile, clothingKitFormat(), ClothingKits, leaveOutMarked);
}

} // namespace zok
