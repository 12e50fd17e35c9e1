#pragma once

#include "app/info_pages.h"
#include "catalogue/catalogue_panel.h"
#include "kits/clothing/clothing_kit.h"
#include "kits/clothing/clothing_tab.h"
#include "kits/general/general_kit.h"
#include "kits/general/general_tab.h"
#include "kits/smol/smol_tab.h"
#include "kits/weapons/weapon_kit.h"
#include "kits/weapons/weapon_tab.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class QTabWidget;

namespace zok {

class CatalogueModel;
class Desktop;

struct FrameControls {
    QWidget *Rectangle10 = nullptr;
    QTabWidget *Z = nullptr;
    QWidget *TabItem2 = nullptr;   // "Info"
    QTabWidget *TabControl2 = nullptr;
    QWidget *TabItem3 = nullptr;   // "HowTo"
    QWidget *TabItem7 = nullptr;   // "Credits"
    QWidget *TabItem1 = nullptr;   // "Kit Editor"
    QTabWidget *TabControl1 = nullptr;
    QWidget *TabItem4 = nullptr;   // "ClothingKits"
    QWidget *TabItem5 = nullptr;   // "WeaponKits"
    QWidget *TabItem6 = nullptr;   // "GeneralKits"
    QWidget *TabItem8 = nullptr;   // "Smol Crate Kits"
};

// The editor's one window. Its members are defined in the folder of the
// feature they serve.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(Desktop &desktop, QWidget *parent = nullptr);
    ~TForm2() override;

    // Start-up: activation switch, then the weapon, general and clothing
    // kits. Raises on failure; the caller then never shows the window.
    void FormCreate();

    // --- kit arrays: one record per kit, list index = array index ---
    QList<TClothingKit> ClothingKits;
    QList<TWeaponKit> WeaponKits;
    QList<TGeneralKit> GeneralKits;

    // --- loaders and writers ---
    void LoadClothingKits();
    void LoadWeaponKits();
    void LoadGeneralKits();
    void SaveClothingKits(bool leaveOutMarked);
    void SaveWeaponKits(bool leaveOutMarked);
    void SaveGeneralKits(bool leaveOutMarked);

    // --- activation switch ---
    void zok_UseConfigChange();

    // ===== Catalogue (src/catalogue) =====
    CatalogueModel &catalogue() { return *m_catalogue; }
    // Selection index among the shown entries, -1 for none.
    int ItemListSelectedIndex() const;
    // Text of the selected entry; check the index first.
    QString ItemListSelectedEntry() const;
    // For a slot fill: false when no entry is selected, and false after a
    // plain message when the entry cannot be stored in a config file.
    bool takeCatalogueEntry(QString *entry);

    // Handlers of the catalogue panel. The dialogs' close handlers take the
    // chosen file; an empty path is a cancel and does nothing.
    void AddTypesClick();
    void OpenTypesClose(const QString &chosenFile);
    void LoadFileClick();
    void LoadFileDialogClose(const QString &chosenFile);
    void Button19Click();
    void ItemListClick();
    void ItemListChange();
    void SearchBox2Change();
    bool catalogueImportRunning() const { return m_catState.importRunning; }
    TextEncoding catalogueEncoding() const { return m_catState.encoding; }

private:
    void wireCataloguePanel();
    CatalogueState m_catState;

public:
    // ===== end of catalogue =====

    // ===== Clothing kits (src/kits/clothing) =====
    void ClothingKitListChange();
    void zok_TierChange();
    void AddClothingKitClick();
    void Button14Click();  // Save
    void RemoveClothingKitClick();
    // ===== end of clothing kits =====

    // ===== Weapon kits (src/kits/weapons) =====
    void WeaponKitListChange();
    void zok_TierWeaponChange();
    void zok_WeaponCategoryChange();
    void Button15Click();  // Add
    void Button16Click();  // Save
    void Button17Click();  // Remove
    // ===== end of weapon kits =====

    // ===== General kits (src/kits/general) =====
    void GeneralKitListChange();
    void zok_TierGeneralChange();
    void zok_CategoryChange();
    void Button12Click();  // Add
    void Button13Click();  // Save
    void Button18Click();  // Remove
    // ===== end of general kits =====

    // ===== Smol crate kits (src/kits/smol) =====
    // The kits of the colour loaded last; list index = array index.
    QList<TSmolWeaponKit> SmolWeaponKits;
    void LoadSmolYellowWeaponKits();
    void LoadSmolGreenWeaponKits();
    void LoadSmolBlueWeaponKits();
    void LoadSmolPurpleWeaponKits();
    void LoadSmolRedWeaponKits();
    // Rewrites the selected colour's file from the kits and the tab's
    // controls; raises when no colour is selected.
    void SaveSmolWeaponKits(bool leaveOutMarked);
    void SmolWeaponCrateColorChange();
    void SmolWeaponKitListChange();
    void Button1Click();  // Add
    void Button2Click();  // Save
    void Button3Click();  // Remove
    void zok_SpareMagCountChangeTracking();
    void zok_SpareAmmoCountChangeTracking();
    // Row r of the slot table (0 zok_TheSmolChosenOne ... 10 zok_SmolWrap).
    void smolSlotDblClick(int row);
    void smolSlotClearClick(int row);
    // Loot sets 1..4: Add, Remove, fill the clicked entry.
    void lootSetAddClick(int set);
    void lootSetRemoveClick(int set);
    void lootSetItemClick(int set);
    void Button4Click() { lootSetAddClick(1); }
    void Button5Click() { lootSetRemoveClick(1); }
    void Button6Click() { lootSetAddClick(2); }
    void Button7Click() { lootSetRemoveClick(2); }
    void Button8Click() { lootSetAddClick(3); }
    void Button9Click() { lootSetRemoveClick(3); }
    void Button10Click() { lootSetAddClick(4); }
    void Button11Click() { lootSetRemoveClick(4); }
    void zok_SpawnLootSet1ItemsItemClick() { lootSetItemClick(1); }
    void zok_SpawnLootSet2ItemsItemClick() { lootSetItemClick(2); }
    void zok_SpawnLootSet3ItemsItemClick() { lootSetItemClick(3); }
    void zok_SpawnLootSet4ItemsItemClick() { lootSetItemClick(4); }
    // -1 when no smol kit is selected.
    int smolSelectedKit() const;

private:
    void loadSmolCrate(int colourIndex);
    SmolCrate smolCrateFromControls() const;
    void showSmolCrate(const SmolCrate &crate);
    void smolStoreAndReload(bool leaveOutMarked);
    bool smolColourChosen();
    // Set when the colour's file was opened but read only in part: writing
    // the tab back then would drop everything after the failing line.
    bool m_smolReadInPart = false;

public:
    // ===== end of smol crate kits =====

    // ===== Info pages (src/app) =====
    // The two community links of the Credits page.
    void Text7Click();
    void Text1Click();
    const InfoControls &infoControls() const { return m_info; }

private:
    void buildInfoPages();
    InfoControls m_info;

public:
    // ===== end of info pages =====

    const FrameControls &frame() const { return m_frame; }
    const CatalogueControls &catalogueControls() const { return m_cat; }
    const ClothingTabControls &clothingControls() const { return m_clothing; }
    const WeaponTabControls &weaponControls() const { return m_weapon; }
    const GeneralTabControls &generalControls() const { return m_general; }
    const SmolTabControls &smolControls() const { return m_smol; }

private:
    // Runs a handler so that no exception reaches Qt's event loop: the error
    // box shows what went wrong and the program goes on.
    void guarded(const std::function<void()> &handler);
    template <class Sender, class Signal, class Handler>
    void wire(Sender *sender, Signal signal, Handler handler)
    {
        connect(sender, signal, this, [this, handler] { guarded(handler); });
    }

    // A click and a double click on each slot edit fill it from the
    // catalogue, its clear icon empties it (defined in kits/kit_editing.h).
    template <class Kit>
    void wireSlotRows(const QList<SlotRow<Kit>> &rows, const QList<SlotWidgets> &widgets,
                      QList<Kit> &kits, QListWidget *list);

    void buildFrame();
    void buildCataloguePanel();
    void buildClothingTab();
    void buildWeaponTab();
    void buildGeneralTab();
    void buildSmolTab();

    Desktop &m_desktop;
    CatalogueModel *m_catalogue = nullptr;
    FrameControls m_frame;
    CatalogueControls m_cat;
    ClothingTabControls m_clothing;
    WeaponTabControls m_weapon;
    GeneralTabControls m_general;
    SmolTabControls m_smol;
};

// Builds the window and runs start-up; on failure shows the start-up error
// and returns null (the program then ends with exit code 1).
std::unique_ptr<TForm2> createMainWindow(Desktop &desktop);

} // namespace zok
