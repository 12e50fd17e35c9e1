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

const QList<SlotRow<TGeneralKit>> &generalSlotRows()
{
    using K = TGeneralKit;
    static const QList<SlotRow<K>> rows{
        {QStringLiteral("zok_Type"), QStringLiteral("zok_Type :"), &K::zok_Type, QStringLiteral("Image24")},
    };
    return rows;
}

// The last item is a prompt, yet choosing it stores its text like any other.
const QStringList GeneralCategories = {
    QStringLiteral("proprietary"), QStringLiteral("medical"), QStringLiteral("food"),
    QStringLiteral("drink"), QStringLiteral("tools"), QStringLiteral("material"),
    QStringLiteral("valuable"), QStringLiteral("misc"), QStringLiteral("****Select_Category****"),
};
constexpr int SelectCategoryIndex = 8;

KitStore generalStore(TForm2 &form)
{
    return {[&form](bool leaveOutMarked) { form.SaveGeneralKits(leaveOutMarked); },
            [&form] { form.LoadGeneralKits(); }};
}

} // namespace

void TForm2::buildGeneralTab()
{
    QWidget *tab = m_frame.TabItem6;
    m_general.Label531 = makeHeading(tab, QStringLiteral("Label531"),
                                     QStringLiteral("General Kit List"), QPoint(240, 30));

    QListWidget *list = new QListWidget(tab);
    m_general.GeneralKitList = list;
    list->setObjectName(QStringLiteral("GeneralKitList"));
    list->setGeometry(240, 54, 257, 147);
    wire(list, &QListWidget::itemSelectionChanged, [this] { GeneralKitListChange(); });

    m_general.Button12 = makeKitButton(tab, QStringLiteral("Button12"), QStringLiteral("Add"), 240);
    m_general.Button13 = makeKitButton(tab, QStringLiteral("Button13"), QStringLiteral("Save"), 328);
    m_general.Button18 =
        makeKitButton(tab, QStringLiteral("Button18"), QStringLiteral("Remove"), 416);
    wire(m_general.Button12, &QPushButton::clicked, [this] { Button12Click(); });
    wire(m_general.Button13, &QPushButton::clicked, [this] { Button13Click(); });
    wire(m_general.Button18, &QPushButton::clicked, [this] { Button18Click(); });

    m_general.Label527 = makeHeading(tab, QStringLiteral("Label527"),
                                     QStringLiteral("Selected Kit Contents"), QPoint(240, 238));
    m_general.Label527->resize(257, 17);

    m_general.zok_TierGeneral =
        makeKitCombo(tab, QStringLiteral("zok_TierGeneral"), TierWords, 270, StartTierIndex);
    wire(m_general.zok_TierGeneral, &QComboBox::currentIndexChanged,
         [this] { zok_TierGeneralChange(); });
    m_general.Label557 = makeFieldLabel(tab, QStringLiteral("Label557"),
                                        QStringLiteral("zok_Tier :"), QPoint(144, 270));

    m_general.zok_Category =
        makeKitCombo(tab, QStringLiteral("zok_Category"), GeneralCategories, 310, -1);
    wire(m_general.zok_Category, &QComboBox::currentIndexChanged,
         [this] { zok_CategoryChange(); });
    m_general.Label556 = makeFieldLabel(tab, QStringLiteral("Label556"),
                                        QStringLiteral("zok_Category :"), QPoint(104, 310));

    const auto &rows = generalSlotRows();
    m_general.slotRows = makeSlotRows(tab, rows, QPoint(240, 350));
    const SlotWidgets &w = m_general.slotRows.first();
    m_general.zok_Type = w.edit;
    m_general.Image24 = w.clear;
    m_general.Label530 = w.label;
    m_general.Label530->setObjectName(QStringLiteral("Label530"));
    m_general.Label530->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_general.Label530->move(136, 350);
    wireSlotRows(rows, m_general.slotRows, GeneralKits, m_general.GeneralKitList);
}

void TForm2::GeneralKitListChange()
{
    const int selected = selectedKit(m_general.GeneralKitList, GeneralKits);
    if (selected < 0)
        return;
    // A copy: the combos' change handlers write into the record meanwhile.
    const TGeneralKit kit = GeneralKits[selected];
    selectMatching(m_general.zok_TierGeneral, TierWords, kit.zok_Tier);
    // Only the eight real categories are matched; an empty one selects the
    // prompt, whose change handler then stores the prompt in the kit.
    if (kit.zok_Category.isEmpty())
        m_general.zok_Category->setCurrentIndex(SelectCategoryIndex);
    else
        selectMatching(m_general.zok_Category, GeneralCategories.mid(0, SelectCategoryIndex),
                       kit.zok_Category);
    showSlots(kit, generalSlotRows(), m_general.slotRows);
}

void TForm2::zok_TierGeneralChange()
{
    const int selected = selectedKit(m_general.GeneralKitList, GeneralKits);
    if (selected < 0 || m_general.zok_TierGeneral->currentIndex() < 0)
        return;
    GeneralKits[selected].zok_Tier = m_general.zok_TierGeneral->currentText();
}

void TForm2::zok_CategoryChange()
{
    const int selected = selectedKit(m_general.GeneralKitList, GeneralKits);
    if (selected < 0 || m_general.zok_Category->currentIndex() < 0)
        return;
    GeneralKits[selected].zok_Category = m_general.zok_Category->currentText();
}

void TForm2::Button12Click()
{
    // Tier, category and type as the tab shows them. With no category chosen
    // yet the kit is written with an empty one, so the kit the list shows is
    // the kit in the file.
    TGeneralKit kit;
    kit.zok_Tier = m_general.zok_TierGeneral->currentText();
    kit.zok_Category = m_general.zok_Category->currentText();
    kit.zok_Type = m_general.zok_Type->text();
    // The new kit ends showing the prompt, and holds it in memory.
    addAndReload(GeneralKits, m_general.GeneralKitList, generalStore(*this), kit, [this] {
        selectLastKit(m_general.GeneralKitList);
        m_general.zok_Category->setCurrentIndex(SelectCategoryIndex);
    });
}

void TForm2::Button13Click()
{
    storeAndReload(GeneralKits, m_general.GeneralKitList, generalStore(*this), true);
}

void TForm2::Button18Click()
{
    removeAndReload(GeneralKits, m_general.GeneralKitList, generalStore(*this));
}

void TForm2::LoadGeneralKits()
{
    loadKitsIntoList(m_general.GeneralKitList, paths::GeneralKitFile, generalKitFormat(), GeneralKits);
}

void TForm2::SaveGeneralKits(bool leaveOutMarked)
{
    saveKitsToFile(paths::GeneralKitFile, generalKitFormat(), GeneralKits, leaveOutMarked);
}

} // namespace zok
