#include "app/info_pages.h"

#include "app/clickable.h"
#include "app/desktop.h"
#include "app/tform2.h"
#include "app/ui_helpers.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QStringList>
#include <QUrl>

namespace zok {

namespace {
const QColor kLimeGreen(0x32, 0xCD, 0x32);
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kBlueViolet(0x8A, 0x2B, 0xE2);
const QColor kCornflowerBlue(0x64, 0x95, 0xED);
const int kPageWidth = 1057;

// A static text: its box at the given place, the text centred in it.
QLabel *staticText(QLabel *label, const QRect &box, const QString &family, int pixelSize,
                   const QColor &colour, bool underline = false)
{
    QFont font = label->font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setUnderline(underline);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(box);
    label->setText(trimAtWordBoundary(label->text(), QFontMetrics(font), box.width()));
    return label;
}

QLabel *howToText(QWidget *page, const QString &name, const QString &text, QPoint at)
{
    return staticText(makeLabel(page, name, text, at), QRect(at, QSize(kPageWidth, 67)),
                      QString(), 20, Qt::white);
}

QLabel *creditsText(QWidget *page, const QString &name, const QString &text, QPoint at,
                    const QColor &colour)
{
    return staticText(makeLabel(page, name, text, at), QRect(at, QSize(kPageWidth, 65)),
                      QStringLiteral("Russo One"), 24, colour);
}

ClickableLabel *linkText(QWidget *page, const QString &name, const QString &text, QPoint at)
{
    auto *link = new ClickableLabel(text, page);
    link->setObjectName(name);
    link->setCursor(Qt::PointingHandCursor);
    staticText(link, QRect(at, QSize(kPageWidth, 40)), QStringLiteral("Russo One"), 26,
               kCornflowerBlue, true);
    return link;
}

// The picture scaled to fit its box, proportions kept, centred. A missing
// resource leaves the box empty rather than stopping the window.
QLabel *picture(QWidget *page, const QString &name, const QString &resource, const QRect &box)
{
    auto *label = new QLabel(page);
    label->setObjectName(name);
    label->setGeometry(box);
    label->setAlignment(Qt::AlignCenter);
    const QPixmap pixmap(resource);
    if (!pixmap.isNull())
        label->setPixmap(pixmap.scaled(box.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return label;
}
} // namespace

QString trimAtWordBoundary(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    QStringList words = text.split(QLatin1Char(' '));
    while (words.size() > 1) {
        words.removeLast();
        const QString shown = words.join(QLatin1Char(' ')).trimmed() + ellipsis;
        if (metrics.horizontalAdvance(shown) <= width)
            return shown;
    }
    // Not even the first word fits: cut it where it must be cut.
    return metrics.elidedText(text, Qt::ElideRight, width);
}

void TForm2::buildInfoPages()
{
    QWidget *howTo = m_frame.TabItem3;
    m_info.Text8 = howToText(howTo, QStringLiteral("Text8"),
                             QStringLiteral("1) Download Your KeyCard Config Folder "), {0, 30});
    m_info.Text9 = howToText(howTo, QStringLiteral("Text9"),
                             QStringLiteral("2) Place Your Config Folder In The Same Directory as "
                                            "The App And Replace Default Folder"),
                             {0, 102});
    m_info.Image1 = picture(howTo, QStringLiteral("Image1"), ConfigRootPicture,
                            QRect(0, 174, kPageWidth, 115));
    m_info.Text10 = howToText(howTo, QStringLiteral("Text10"),
                              QStringLiteral("3) Select Kit (1)  Import Types(2) Select item(3)  "
                                             "Select Placement(4) "),
                              {-8, 302});
    m_info.Image2 = picture(howTo, QStringLiteral("Image2"), StepsPicture,
                            QRect(-8, 374, kPageWidth, 403));

    QWidget *credits = m_frame.TabItem7;
    m_info.Rectangle3 = makeRectangle(credits, QStringLiteral("Rectangle3"), Qt::black,
                                      QRect(0, 0, kPageWidth, 793), false);
    m_info.Credits = creditsText(credits, QStringLiteral("Credits"), QStringLiteral("Credits"),
                                 {0, 24}, kLimeGreen);
    m_info.Text4 = creditsText(credits, QStringLiteral("Text4"), QStringLiteral("Mod Creators"),
                               {0, 88}, kMaroon);
    m_info.Text2 = creditsText(credits, QStringLiteral("Text2"), community::AddonCreator1,
                               {0, 168}, kLimeGreen);
    m_info.Text3 = creditsText(credits, QStringLiteral("Text3"), community::AddonCreator2,
                               {0, 232}, kLimeGreen);
    m_info.Text7 = linkText(credits, QStringLiteral("Text7"),
                            QStringLiteral("ZOK_KeyCards Discord"), {0, 304});
    m_info.Text5 = creditsText(credits, QStringLiteral("Text5"), QStringLiteral("App Creator"),
                               {8, 376}, kMaroon);
    m_info.Text6 = creditsText(credits, QStringLiteral("Text6"), community::EditorMaker,
                               {0, 448}, kBlueViolet);
    m_info.Text1 = linkText(credits, QStringLiteral("Text1"), QStringLiteral("My Discord"),
                            {0, 512});

    wire(m_info.Text7, &ClickableLabel::clicked, [this] { Text7Click(); });
    wire(m_info.Text1, &ClickableLabel::clicked, [this] { Text1Click(); });
}

// Whether the browser opened is not checked: nothing could be done about it.
void TForm2::Text7Click()
{
    m_desktop.openUrl(QUrl(community::AddonCommunityUrl));
}

void TForm2::Text1Click()
{
    m_desktop.openUrl(QUrl(community::EditorCommunityUrl));
}

} // namespace zok
