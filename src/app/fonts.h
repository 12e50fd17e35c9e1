#pragma once

#include <QStringList>

namespace zok {

// The families the window names, shipped as resources so that it looks the
// same on every machine. TrueType, because that is what every platform's
// font engine loads.
inline const QStringList BundledFontFamilies = {
    QStringLiteral("Roboto"), QStringLiteral("Orbitron"), QStringLiteral("Russo One")};

// Adds the bundled fonts to the application's font database, once per
// process; returns the families that loaded. A font that fails to load only
// costs a warning: its labels then get Qt's nearest match.
QStringList registerBundledFonts();

} // namespace zok
