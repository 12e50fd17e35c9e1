#include "app/tform2.h"
#include "app/ui_helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>

namespace zok {

void TForm2::buildSmolTab()
{
    QWidget *tab = m_frame.TabItem8;
    m_smol.Label16 = new QLabel(QStringLiteral("Activate Smol Crate Config?"), tab);
    m_smol.Label16->setObjectName(QStringLiteral("Label16"));
    m_smol.Label16->setGeometry(32, 6, 192, 17);
    QPalette labelPalette = m_smol.Label16->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    m_smol.Label16->setPalette(labelPalette);

    m_smol.zok_UseConfig = new QCheckBox(QStringLiteral("zok_UseConfig"), tab);
    m_smol.zok_UseConfig->setObjectName(QStringLiteral("zok_UseConfig"));
    m_smol.zok_UseConfig->move(240, 6);
    m_smol.zok_UseConfig->adjustSize();
    QPalette boxPalette = m_smol.zok_UseConfig->palette();
    boxPalette.setColor(QPalette::WindowText, QColor(0xFF, 0xE4, 0xC4));  // bisque
    m_smol.zok_UseConfig->setPalette(boxPalette);
    wire(m_smol.zok_UseConfig, &QCheckBox::toggled, [this] { zok_UseConfigChange(); });

    m_smol.SmolWeaponKitList = new QListWidget(tab);
    m_smol.SmolWeaponKitList->setObjectName(QStringLiteral("SmolWeaponKitList"));
    m_smol.SmolWeaponKitList->setGeometry(240, 120, 257, 81);
}

} // namespace zok
