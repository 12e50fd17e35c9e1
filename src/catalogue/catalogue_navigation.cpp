#include "app/desktop.h"
#include "app/tform2.h"
#include "app/ui_helpers.h"
#include "catalogue/catalogue_model.h"
#include "config/textlines.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTabWidget>

namespace zok {

void TForm2::SearchBox2Change()
{
    m_catalogue->setFilter(m_cat.SearchBox2->text());
    m_cat.ItemList->selectionModel()->clear();
}

void TForm2::Button19Click()
{
    // Every match is scrolled to in turn, each by the least movement, so
    // with repeats the last one ends in view exactly as the user expects.
    const QString wanted = m_cat.Edit1->text();
    const int rows = m_catalogue->rowCount();
    for (int row = 0; row < rows; ++row)
        if (m_catalogue->shownEntry(row) == wanted)
            m_cat.ItemList->scrollTo(m_catalogue->index(row), QAbstractItemView::EnsureVisible);
}

void TForm2::LoadFileClick()
{
    if (m_catState.importRunning)
        return;
    LoadFileDialogClose(m_desktop.chooseOpenFile(this));
}

void TForm2::LoadFileDialogClose(const QString &chosenFile)
{
    if (chosenFile.isEmpty() || m_catState.importRunning)
        return;
    LineList file;
    file.load(chosenFile);  // a failed load leaves the catalogue as it was
    m_catalogue->setEntries(file.lines());
    m_catState.encoding = file.encoding();
}

void TForm2::ItemListClick()
{
    QListWidget *kits = nullptr;
    QString warning;
    switch (m_frame.TabControl1->currentIndex()) {
    case 0:
        kits = m_clothing.ClothingKitList;
        warning = QStringLiteral("Please Select A ClothingKit Before Selecting An Item");
        break;
    case 1:
        kits = m_weapon.WeaponKitList;
        warning = QStringLiteral("Please Select A WeaponKit Before Selecting An Item");
        break;
    case 2:
        kits = m_general.GeneralKitList;
        warning = QStringLiteral("Please Select A GeneralKit Before Selecting An Item");
        break;
    case 3:
        kits = m_smol.SmolWeaponKitList;
        warning = QStringLiteral("Please Select A Smol Weapon kit Before Selecting An Item");
        break;
    default:
        return;
    }
    // Only a warning: the catalogue keeps the entry the click selected.
    if (kits && selectedListRow(kits) < 0)
        m_desktop.showMessage(this, warning);
}

void TForm2::ItemListChange()
{
    // The kit editors read the selection when they need it; a change of it
    // alone has no effect.
}

} // namespace zok
