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
#include <iterator>

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
    // Per kit tab, by index: its kit list and the warning shown without a kit.
    const struct {
        QListWidget *kits;
        const char *warning;
    } tabs[] = {
        {m_clothing.ClothingKitList, "Please Select A ClothingKit Before Selecting An Item"},
        {m_weapon.WeaponKitList, "Please Select A WeaponKit Before Selecting An Item"},
        {m_general.GeneralKitList, "Please Select A GeneralKit Before Selecting An Item"},
        {m_smol.SmolWeaponKitList, "Please Select A Smol Weapon kit Before Selecting An Item"},
    };
    const int tab = m_frame.TabControl1->currentIndex();
    if (tab < 0 || tab >= int(std::size(tabs)))
        return;
    // Only a warning: the catalogue keeps the entry the click selected.
    if (selectedListRow(tabs[tab].kits) < 0)
        m_desktop.showMessage(this, QString::fromLatin1(tabs[tab].warning));
}

void TForm2::ItemListChange()
{
    // The kit editors read the selection when they need it; a change of it
    // alone has no effect.
}

} // namespace zok
