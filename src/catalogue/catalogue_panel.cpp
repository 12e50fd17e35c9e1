#include "app/desktop.h"
#include "app/tform2.h"
#include "kits/slot_table.h"
#include "app/ui_helpers.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/catalogue_view.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace zok {

namespace {
const QSize kButtonSize(80, 22);
const QSize kEditSize(100, 22);
} // namespace

void TForm2::buildCataloguePanel()
{
    auto *list = new CatalogueView(m_frame.TabItem1);
    list->setObjectName(QStringLiteral("ItemList"));
    list->setGeometry(576, 48, 473, 761);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_catalogue = new CatalogueModel(this);
    list->setModel(m_catalogue);
    m_cat.ItemList = list;

    m_cat.ListBoxHeader2 = new QWidget(list);
    m_cat.ListBoxHeader2->setObjectName(QStringLiteral("ListBoxHeader2"));
    m_cat.ListBoxHeader2->setGeometry(list->frameWidth(), list->frameWidth(),
                                      473 - 2 * list->frameWidth(), CatalogueView::HeaderHeight);
    m_cat.ListBoxHeader2->setAutoFillBackground(true);
    m_cat.Label524 = new QLabel(QStringLiteral("Item List"), m_cat.ListBoxHeader2);
    m_cat.Label524->setObjectName(QStringLiteral("Label524"));
    m_cat.Label524->setGeometry(200, 8, 65, 17);
    m_cat.LoadFile = new QPushButton(QStringLiteral("LoadFile"), m_cat.ListBoxHeader2);
    m_cat.LoadFile->setObjectName(QStringLiteral("LoadFile"));
    m_cat.LoadFile->setGeometry(QRect(QPoint(304, 0), kButtonSize));
    m_cat.AddTypes = new QPushButton(QStringLiteral("AddTypes"), m_cat.ListBoxHeader2);
    m_cat.AddTypes->setObjectName(QStringLiteral("AddTypes"));
    m_cat.AddTypes->setGeometry(QRect(QPoint(389, 0), kButtonSize));

    m_cat.SearchBox2 = new QLineEdit(list);
    m_cat.SearchBox2->setObjectName(QStringLiteral("SearchBox2"));
    m_cat.SearchBox2->setPlaceholderText(QStringLiteral("Filter"));
    m_cat.SearchBox2->setGeometry(list->frameWidth(),
                                  list->frameWidth() + CatalogueView::HeaderHeight,
                                  473 - 2 * list->frameWidth(), CatalogueView::SearchHeight);
    QPalette searchPalette = m_cat.SearchBox2->palette();
    searchPalette.setColor(QPalette::Text, QColor(0xDC, 0x14, 0x3C));  // crimson
    m_cat.SearchBox2->setPalette(searchPalette);

    m_cat.ProgressBar1 = new QProgressBar(list);
    m_cat.ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_cat.ProgressBar1->setOrientation(Qt::Horizontal);
    m_cat.ProgressBar1->setGeometry(32, 192, 337, 20);
    m_cat.ProgressBar1->setTextVisible(false);
    m_cat.ProgressBar1->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_cat.ProgressBar1->hide();

    m_cat.Button19 = new QPushButton(QStringLiteral("GoTo Item"), m_frame.TabItem1);
    m_cat.Button19->setObjectName(QStringLiteral("Button19"));
    m_cat.Button19->setGeometry(QRect(QPoint(576, 54), kButtonSize));
    m_cat.Edit1 = new QLineEdit(m_frame.TabItem1);
    m_cat.Edit1->setObjectName(QStringLiteral("Edit1"));
    m_cat.Edit1->setGeometry(QRect(QPoint(664, 54), kEditSize));

    wireCataloguePanel();
}

void TForm2::wireCataloguePanel()
{
    auto *list = static_cast<CatalogueView *>(m_cat.ItemList);
    wire(m_cat.AddTypes, &QPushButton::clicked, [this] { AddTypesClick(); });
    wire(m_cat.LoadFile, &QPushButton::clicked, [this] { LoadFileClick(); });
    wire(m_cat.Button19, &QPushButton::clicked, [this] { Button19Click(); });
    wire(m_cat.SearchBox2, &QLineEdit::textChanged, [this] { SearchBox2Change(); });
    wire(list, &CatalogueView::areaClicked, [this] { ItemListClick(); });
    wire(list->selectionModel(), &QItemSelectionModel::selectionChanged,
         [this] { ItemListChange(); });
}

int TForm2::ItemListSelectedIndex() const
{
    const QModelIndex current = m_cat.ItemList->currentIndex();
    if (!current.isValid() || !m_cat.ItemList->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

QString TForm2::ItemListSelectedEntry() const
{
    return m_catalogue->shownEntry(ItemListSelectedIndex());
}

bool TForm2::takeCatalogueEntry(QString *entry)
{
    if (ItemListSelectedIndex() < 0)
        return false;
    const QString text = ItemListSelectedEntry();
    if (!isStorableItemName(text)) {
        m_desktop.showMessage(this, UnstorableItemMessage);
        return false;
    }
    *entry = text;
    return true;
}

} // namespace zok
