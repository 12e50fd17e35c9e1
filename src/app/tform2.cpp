#include "app/tform2.h"

#include "app/desktop.h"
#include "app/fonts.h"
#include "app/resources.h"
#include "app/ui_helpers.h"
#include "catalogue/catalogue_model.h"
#include "config/activation.h"
#include "config/errors.h"
#include "config/paths.h"
#include "config/textlines.h"

#include <QCheckBox>
#include <QIcon>
#include <QTabWidget>

namespace zok {

namespace {
const QColor kFrameRed(0xBB, 0x24, 0x24);
const QColor kPageGreen(0x37, 0xF1, 0x37);
} // namespace

TForm2::TForm2(Desktop &desktop, QWidget *parent) : QWidget(parent), m_desktop(desktop)
{
    initResources();
    registerBundledFonts();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ZOK Keycards Loot-Kit Editor"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/window_icon.png")));
    setFixedSize(1073, 862);
    buildFrame();
    buildInfoPages();
    buildCataloguePanel();
    buildClothingTab();
    buildWeaponTab();
    buildGeneralTab();
    buildSmolTab();
}

TForm2::~TForm2() = default;

void TForm2::buildFrame()
{
    m_frame.Rectangle10 = makeRectangle(this, QStringLiteral("Rectangle10"), kFrameRed,
                                        QRect(0, 0, 1073, 862), false);
    m_frame.Z = makeTabControl(this, QStringLiteral("Z"), QRect(0, 0, 1073, 862));

    m_frame.TabItem2 = addTabPage(m_frame.Z, QStringLiteral("TabItem2"), QStringLiteral("Info"));
    makeRectangle(m_frame.TabItem2, QStringLiteral("Rectangle1"), kPageGreen,
                  QRect(0, 0, 1073, 836), true);
    m_frame.TabControl2 =
        makeTabControl(m_frame.TabItem2, QStringLiteral("TabControl2"), QRect(8, 6, 1057, 819));
    m_frame.TabItem3 =
        addTabPage(m_frame.TabControl2, QStringLiteral("TabItem3"), QStringLiteral("HowTo"));
    m_frame.TabItem7 =
        addTabPage(m_frame.TabControl2, QStringLiteral("TabItem7"), QStringLiteral("Credits"));

    m_frame.TabItem1 =
        addTabPage(m_frame.Z, QStringLiteral("TabItem1"), QStringLiteral("Kit Editor"));
    makeRectangle(m_frame.TabItem1, QStringLiteral("Rectangle11"), kPageGreen,
                  QRect(0, 0, 1073, 836), true);
    m_frame.TabControl1 =
        makeTabControl(m_frame.TabItem1, QStringLiteral("TabControl1"), QRect(8, 6, 1057, 819));
    m_frame.TabItem4 = addTabPage(m_frame.TabControl1, QStringLiteral("TabItem4"),
                                  QStringLiteral("ClothingKits"));
    m_frame.TabItem5 =
        addTabPage(m_frame.TabControl1, QStringLiteral("TabItem5"), QStringLiteral("WeaponKits"));
    m_frame.TabItem6 = addTabPage(m_frame.TabControl1, QStringLiteral("TabItem6"),
                                  QStringLiteral("GeneralKits"));
    m_frame.TabItem8 = addTabPage(m_frame.TabControl1, QStringLiteral("TabItem8"),
                                  QStringLiteral("Smol Crate Kits"));
    const QRect page(0, 0, 1057, 793);
    makeRectangle(m_frame.TabItem4, QStringLiteral("Rectangle12"), Qt::black, page, true);
    makeRectangle(m_frame.TabItem5, QStringLiteral("Rectangle13"), Qt::black, page, true);
    makeRectangle(m_frame.TabItem6, QStringLiteral("Rectangle14"), Qt::black, page, true);
    makeRectangle(m_frame.TabItem8, QStringLiteral("Rectangle4"), Qt::black, page, true);
    makeRectangle(m_frame.TabItem3, QStringLiteral("Rectangle2"), Qt::black, page, false);

    m_frame.Z->setCurrentIndex(1);
    m_frame.TabControl2->setCurrentIndex(0);
    m_frame.TabControl1->setCurrentIndex(2);
}

void TForm2::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const Error &e) {
        m_desktop.showError(this, withFullStop(e.text()));
    } catch (const std::exception &e) {
        m_desktop.showError(this, withFullStop(QString::fromUtf8(e.what())));
    }
}

void TForm2::FormCreate()
{
    LineList activation;
    activation.load(paths::ActivationFile);
    // Checking the box is a change of state, so its handler rewrites the
    // activation file here, before any kit file is read. An error in that
    // rewrite must end start-up, so it is not caught by the guard here.
    if (readActivationSwitch(activation)) {
        const QSignalBlocker block(m_smol.zok_UseConfig);
        m_smol.zok_UseConfig->setChecked(true);
        zok_UseConfigChange();
    }
    LoadWeaponKits();
    LoadGeneralKits();
    LoadClothingKits();
}

void TForm2::zok_UseConfigChange()
{
    LineList lines(activationFileLines(m_smol.zok_UseConfig->isChecked()));
    lines.save(paths::ActivationFile);
}

std::unique_ptr<TForm2> createMainWindow(Desktop &desktop)
{
    auto window = std::make_unique<TForm2>(desktop);
    try {
        window->FormCreate();
    } catch (const Error &e) {
        desktop.showStartupError(e.text());
        return nullptr;
    } catch (const std::exception &e) {
        desktop.showStartupError(QString::fromUtf8(e.what()));
        return nullptr;
    }
    return window;
}

} // namespace zok
