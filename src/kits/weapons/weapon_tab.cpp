#include "app/tform2.h"
#include "config/paths.h"
#include "kits/kit_loading.h"

#include <QListWidget>

namespace zok {

void TForm2::buildWeaponTab()
{
    QWidget *tab = m_frame.TabItem5;
    m_weapon.WeaponKitList = new QListWidget(tab);
    m_weapon.WeaponKitList->setObjectName(QStringLiteral("WeaponKitList"));
    m_weapon.WeaponKitList->setGeometry(240, 54, 257, 147);
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
