#include "app/tform2.h"
#include "config/paths.h"
#include "kits/kit_loading.h"

#include <QListWidget>

namespace zok {

void TForm2::buildClothingTab()
{
    QWidget *tab = m_frame.TabItem4;
    m_clothing.ClothingKitList = new QListWidget(tab);
    m_clothing.ClothingKitList->setObjectName(QStringLiteral("ClothingKitList"));
    m_clothing.ClothingKitList->setGeometry(240, 54, 257, 147);
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
