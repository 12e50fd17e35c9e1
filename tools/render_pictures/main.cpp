// Writes the window's pictures: the window icon, the clear icon and the two
// HowTo pictures, the steps picture grabbed from the real window filled with
// sample kits and catalogue entries.
//
//   render_pictures [RESOURCE_DIR]    (default: the source tree's resources)

#include "app/desktop.h"
#include "app/tform2.h"
#include "catalogue/catalogue_model.h"
#include "config/activation.h"
#include "config/paths.h"
#include "config/textlines.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

using namespace zok;

namespace {

// Nothing here may wait for a person.
class SilentDesktop : public Desktop {
public:
    QString chooseOpenFile(QWidget *) override { return QString(); }
    void showMessage(QWidget *, const QString &text) override { report(text); }
    void showError(QWidget *, const QString &text) override { report(text); }
    void showStartupError(const QString &text) override { report(text); }
    void openUrl(const QUrl &) override {}

private:
    static void report(const QString &text)
    {
        std::fprintf(stderr, "window said: %s\n", qPrintable(text));
    }
};

const QColor kMarker(0xFF, 0xD4, 0x00);
const QColor kFrameRed(0xBB, 0x24, 0x24);
const QColor kPageGreen(0x37, 0xF1, 0x37);

void save(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path, "PNG"))
        qFatal("cannot write %s", qPrintable(path));
    std::printf("%s (%d x %d)\n", qPrintable(path), image.width(), image.height());
}

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A keycard: the frame's red, a green stripe, a gold chip.
QImage windowIcon(int side)
{
    QImage image = blank(QSize(side, side));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 256.0, side / 256.0);
    const QRectF card(16, 48, 224, 160);
    p.setPen(QPen(QColor(0x5A, 0x10, 0x10), 6));
    p.setBrush(kFrameRed);
    p.drawRoundedRect(card, 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(kPageGreen);
    p.drawRect(QRectF(19, 80, 218, 30));
    p.setBrush(QColor(0xE8, 0xC0, 0x4A));
    const QRectF chip(44, 130, 56, 44);
    p.drawRoundedRect(chip, 8, 8);
    p.setPen(QPen(QColor(0x8A, 0x6A, 0x10), 3));
    p.drawLine(QPointF(chip.left(), chip.center().y()), QPointF(chip.right(), chip.center().y()));
    p.drawLine(QPointF(chip.center().x(), chip.top()), QPointF(chip.center().x(), chip.bottom()));
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 140), QPointF(212, 140));
    p.drawLine(QPointF(128, 166), QPointF(188, 166));
    return image;
}

QImage clearIcon()
{
    QImage image = blank(QSize(14, 14));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xE0, 0x1E, 0x1E), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 3), QPointF(11, 11));
    p.drawLine(QPointF(11, 3), QPointF(3, 11));
    return image;
}

void drawFolder(QPainter &p, const QRectF &r)
{
    QPainterPath tab;
    tab.addRoundedRect(QRectF(r.left(), r.top(), r.width() * 0.45, r.height() * 0.4), 2, 2);
    p.setPen(QPen(QColor(0xB8, 0x8A, 0x1E), 1));
    p.setBrush(QColor(0xE9, 0xB3, 0x3A));
    p.drawPath(tab);
    p.setBrush(QColor(0xF8, 0xCF, 0x5C));
    p.drawRoundedRect(QRectF(r.left(), r.top() + r.height() * 0.2, r.width(), r.height() * 0.8),
                      2, 2);
}

// The config root folder lying beside the program's file, as a file
// manager lists them; the folder's row is the one to notice.
QImage configRootPicture(const QImage &programIcon)
{
    QImage image(255, 54, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font(QStringLiteral("Roboto"));
    font.setPixelSize(14);
    p.setFont(font);

    const QRectF folderRow(1, 1, 253, 26);
    p.setPen(QColor(0x99, 0xC9, 0xEF));
    p.setBrush(QColor(0xCC, 0xE8, 0xFF));
    p.drawRect(folderRow);
    drawFolder(p, QRectF(8, 6, 20, 16));
    p.setPen(Qt::black);
    p.drawText(QRectF(36, 1, 210, 26), Qt::AlignVCenter | Qt::AlignLeft,
               paths::ConfigRoot);

    p.drawImage(QRectF(8, 30, 20, 20), programIcon);
    p.drawText(QRectF(36, 27, 210, 26), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("zok-kit-editor"));
    p.setPen(QColor(0xC8, 0xC8, 0xC8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 254, 53));
    return image;
}

// A small config root with three clothing kits, in the current directory.
void writeSampleConfigRoot()
{
    for (const char *dir : {"Clothing", "Weapons", "General", "Other"})
        QDir().mkpath(QStringLiteral("ZOK_Keycards/Loot/") + QLatin1String(dir));
    LineList(activationFileLines(false)).save(paths::ActivationFile);
    LineList({"{", "\"m_ZOKConfig_Clothing\": [", "   ]", "}"}).save(paths::ClothingKitFile);
    LineList({"{", "\"m_ZOKConfig_Weapons\": [", "   ]", "}"}).save(paths::WeaponKitFile);
    LineList({"{", "\"m_ZOKConfig_Loot\": [", "   ]", "}"}).save(paths::GeneralKitFile);
}

struct Target {
    QRect rect;  // in window coordinates
    bool found;
};

QRect inWindow(const QWidget *window, const QWidget *w, const QRect &local)
{
    return QRect(w->mapTo(window, local.topLeft()), local.size());
}

// Where a marker goes: the named control (or its selected row), else the
// control's place in the window's layout.
Target findTarget(const TForm2 &window, const QString &name, QWidget *fallbackHolder,
                  const QRect &fallback)
{
    auto *w = window.findChild<QWidget *>(name);
    if (!w || !w->isVisibleTo(&window))
        return {inWindow(&window, fallbackHolder, fallback), false};
    if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
        const QModelIndex current = view->currentIndex();
        if (current.isValid()) {
            const QRect row = view->visualRect(current).intersected(view->viewport()->rect());
            if (!row.isEmpty())
                return {inWindow(&window, view->viewport(), row), true};
        }
    }
    return {inWindow(&window, w, w->rect()), true};
}

enum class Side { Left, Above };

void drawMarker(QPainter &p, const QRect &target, int number, Side side, const QRect &bounds)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kMarker, 3));
    p.drawRoundedRect(QRectF(target).adjusted(-3, -3, 3, 3), 4, 4);

    const int radius = 13;
    QPoint centre(target.left() - radius - 8, target.center().y());
    if (side == Side::Above)
        centre = QPoint(target.center().x(), target.top() - radius - 6);
    if (centre.x() - radius < bounds.left())
        centre.setX(target.right() + radius + 8);
    if (centre.y() - radius < bounds.top())
        centre.setY(target.bottom() + radius + 6);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(kMarker);
    p.drawPath(disc);
    QFont font(QStringLiteral("Roboto"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               Qt::AlignCenter, QString::number(number));
}

QImage stepsPicture()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    writeSampleConfigRoot();

    SilentDesktop desktop;
    auto window = createMainWindow(desktop);
    if (!window)
        qFatal("the window did not start on the sample config root");

    for (const char *tier : {"green", "blue", "red"}) {
        TClothingKit kit;
        kit.zok_Tier = QLatin1String(tier);
        kit.zok_Shirt = QStringLiteral("TShirt_Black");
        kit.zok_Pants = QStringLiteral("CargoPants_Green");
        window->ClothingKits.append(kit);
    }
    window->SaveClothingKits(false);
    window->ClothingKits.clear();
    window->LoadClothingKits();

    const FrameControls &frame = window->frame();
    frame.Z->setCurrentIndex(1);
    frame.TabControl1->setCurrentIndex(0);
    window->show();
    QCoreApplication::processEvents();

    if (auto *kits = window->findChild<QListWidget *>(QStringLiteral("ClothingKitList")))
        kits->setCurrentRow(1);
    window->catalogue().setEntries({"BallisticHelmet_Black", "BallisticHelmet_Green",
                                    "GorkaHelmet", "MotoHelmet_Red", "PlateCarrierVest",
                                    "TacticalGloves_Black", "NVGoggles", "MilitaryBelt"});
    const CatalogueControls &cat = window->catalogueControls();
    cat.ItemList->setCurrentIndex(window->catalogue().index(2, 0));
    // The slot takes the selected entry the way a click gives it.
    if (auto *helm = window->findChild<QWidget *>(QStringLiteral("zok_Helm")))
        QMetaObject::invokeMethod(helm, "clicked");
    QCoreApplication::processEvents();

    QWidget *tab = frame.TabItem4;
    QWidget *catalogueHolder = frame.TabItem1;
    const Target targets[] = {
        findTarget(*window, QStringLiteral("ClothingKitList"), tab, QRect(240, 54, 257, 147)),
        findTarget(*window, QStringLiteral("AddTypes"), catalogueHolder,
                   QRect(576 + 389, 48, 80, 22)),
        findTarget(*window, QStringLiteral("ItemList"), catalogueHolder,
                   QRect(576, 48 + 62, 473, 20)),
        findTarget(*window, QStringLiteral("zok_Helm"), tab, QRect(240, 310, 200, 22)),
    };
    QRect all;
    for (const Target &t : targets) {
        all |= t.rect.adjusted(-40, -36, 6, 6);
        if (!t.found)
            std::fprintf(stderr, "marker at its layout place: control not found\n");
    }

    const QSize size(896, 418);
    const QImage shot = window->grab().toImage();
    QRect crop(QPoint(0, 0), size);
    crop.moveCenter(all.center());
    crop.moveLeft(qBound(0, crop.left(), shot.width() - size.width()));
    // Start at the kit tabs' strip: the window's outer tabs add nothing.
    const int pageTop = frame.TabItem1->mapTo(window.get(), QPoint(0, 0)).y();
    crop.moveTop(qBound(pageTop, crop.top(), shot.height() - size.height()));

    QImage image = shot.copy(crop).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.translate(-crop.topLeft());
    // The AddTypes button has LoadFile on its left: its number goes above.
    const Side sides[] = {Side::Left, Side::Above, Side::Left, Side::Left};
    for (int i = 0; i < 4; ++i)
        drawMarker(p, targets[i].rect, i + 1, sides[i], crop);
    p.end();

    window.reset();
    QDir::setCurrent(previous);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    // The pictures must not depend on the screen the tool runs on.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QStringLiteral(ZOK_RESOURCE_DIR);

    // The window registers the bundled fonts the pictures use.
    const QImage steps = stepsPicture();
    const QImage icon = windowIcon(256);
    save(icon, out + QStringLiteral("/icons/window_icon.png"));
    save(clearIcon(), out + QStringLiteral("/icons/clear_cross.png"));
    save(configRootPicture(windowIcon(64)), out + QStringLiteral("/pictures/howto_config_root.png"));
    save(steps, out + QStringLiteral("/pictures/howto_steps.png"));
    return 0;
}
