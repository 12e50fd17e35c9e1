#pragma once

#include <QString>

// Every config path, relative to the working directory, written as the
// game server's admins see them; fullPath() turns them into native paths.
namespace zok::paths {

inline const QString ConfigRoot = QStringLiteral("ZOK_Keycards");
inline const QString ClothingKitFile =
    QStringLiteral("ZOK_Keycards\\Loot\\Clothing\\KeyCard_Clothing_Config.JSON");
inline const QString WeaponKitFile =
    QStringLiteral("ZOK_Keycards\\Loot\\Weapons\\KeyCard_Weapons_Config.JSON");
inline const QString GeneralKitFile =
    QStringLiteral("ZOK_Keycards\\Loot\\General\\KeyCard_General_Config.JSON");
inline const QString ActivationFile =
    QStringLiteral("ZOK_Keycards\\Loot\\Other\\@Config_Description_and_Activation.JSON");
inline const QString AttachmentListing = QStringLiteral("spawnabletypes.txt");

// The smol crate writer builds its path from the crate colour text.
inline QString smolCrateFile(const QString &crateColour)
{
    return QStringLiteral("ZOK_Keycards\\Loot\\Other\\Smol_") + crateColour
        + QStringLiteral("_Config.JSON");
}

} // namespace zok::paths
