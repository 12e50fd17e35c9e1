#pragma once

#include <QString>

class QFontMetrics;
class QLabel;
class QWidget;

namespace zok {

class ClickableLabel;

// Who made what and where their communities meet: change them here only.
namespace community {
inline const QString AddonCreator1 = QStringLiteral("Add-on Creator One");
inline const QString AddonCreator2 = QStringLiteral("Add-on Creator Two");
inline const QString EditorMaker = QStringLiteral("Editor Maker");
inline const QString AddonCommunityUrl =
    QStringLiteral("https://example.org/zok-keycards-community");
inline const QString EditorCommunityUrl = QStringLiteral("https://example.org/kit-editor-community");
} // namespace community

// Picture resources of the HowTo page, made by tools/render_pictures.
inline const QString ConfigRootPicture = QStringLiteral(":/pictures/howto_config_root.png");
inline const QString StepsPicture = QStringLiteral(":/pictures/howto_steps.png");

struct InfoControls {
    // HowTo (TabItem3)
    QLabel *Text8 = nullptr;
    QLabel *Text9 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Text10 = nullptr;
    QLabel *Image2 = nullptr;
    // Credits (TabItem7)
    QWidget *Rectangle3 = nullptr;
    QLabel *Credits = nullptr;
    QLabel *Text4 = nullptr;
    QLabel *Text2 = nullptr;
    QLabel *Text3 = nullptr;
    ClickableLabel *Text7 = nullptr;
    QLabel *Text5 = nullptr;
    QLabel *Text6 = nullptr;
    ClickableLabel *Text1 = nullptr;
};

// The text as it fits in the width: whole words from the start, then an
// ellipsis; the text itself when it fits.
QString trimAtWordBoundary(const QString &text, const QFontMetrics &metrics, int width);

} // namespace zok
