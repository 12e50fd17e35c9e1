#pragma once

#include <QStringList>

namespace zok {

// True when the fifth line does not hold the "off" text: anything else,
// even a malformed switch, counts as on.
bool readActivationSwitch(const class LineList &lines);
QStringList activationFileLines(bool on);

} // namespace zok
