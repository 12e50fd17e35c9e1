#include "app/fonts.h"

#include <QFontDatabase>
#include <QtGlobal>

namespace zok {

namespace {
struct BundledFont {
    QString resource;
    QString family;
};

QStringList loadAll()
{
    const BundledFont fonts[] = {
        {QStringLiteral(":/fonts/Roboto.ttf"), QStringLiteral("Roboto")},
        {QStringLiteral(":/fonts/Orbitron.ttf"), QStringLiteral("Orbitron")},
        {QStringLiteral(":/fonts/RussoOne.ttf"), QStringLiteral("Russo One")},
    };
    QStringList loaded;
    for (const BundledFont &font : fonts) {
        const int id = QFontDatabase::addApplicationFont(font.resource);
        if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(font.family))
            loaded << font.family;
        else
            qWarning("Bundled font \"%s\" could not be loaded from %s; a system font stands in.",
                     qPrintable(font.family), qPrintable(font.resource));
    }
    return loaded;
}
} // namespace

QStringList registerBundledFonts()
{
    // Loading twice would add duplicate faces; windows are created more than
    // once in a test run.
    static const QStringList loaded = loadAll();
    return loaded;
}

} // namespace zok
