#include "config/activation.h"

#include "config/textlines.h"

namespace zok {

bool readActivationSwitch(const LineList &lines)
{
    return !contains(lines.line(4), QStringLiteral("\"zok_UseConfig\": 0"));
}

QStringList activationFileLines(bool on)
{
    return {
        QStringLiteral("{"),
        QStringLiteral("    \"zok_ConfigDescription\": \"This section of configs is used to fill smol "
                       "crates and other crates we may add in the future that you place with editor\","),
        QStringLiteral("    \"zok_ConfigDescriptionCont\": \"(or whatever you choose to use). If you are "
                       "already using the smol crates and loading them another way, you can leave\","),
        QStringLiteral("    \"zok_ConfigDescriptionCont2\": \"the setting below to false (0) and it will "
                       "not interfere with your current setup. Set below to true (1) to use configs.\","),
        on ? QStringLiteral("    \"zok_UseConfig\": 1") : QStringLiteral("    \"zok_UseConfig\": 0"),
        QStringLiteral("}"),
    };
}

} // namespace zok
