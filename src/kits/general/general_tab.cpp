#include "app/tform2.h"
#include "config/paths.h"
#include "kits/kit_loading.h"

#include <QListWidget>

namespace zok {

void TForm2::buildGeneralTab()
{
    QWidget *tab = m_frame.TabItem6;
    m_general.GeneralKitList = new QListWidget(tab);
    m_general.GeneralKitList->setObjectName(QStringLiteral("GeneralKitList"));
    m_general.GeneralKitList->setGeometry(240, 54, 257, 147);
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
