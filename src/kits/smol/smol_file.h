#pragma once

#include "config/textlines.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The smol crate file of one crate colour: weapon kits, weapon settings and
// four loot sets. Reader and writer work on plain holders; the tab maps its
// controls to and from them.
namespace zok {

struct TSmolWeaponKit {
    QString zok_Tier;            // never set nor written
    QString zok_WeaponCategory;  // never set nor written
    QString zok_TheChosenOne;
    QString zok_Magazine;
    QString zok_SpareMagCount;   // written bare
    QString zok_Ammunition;
    QString zok_SpareAmmoCount;  // written bare
    QString zok_OpticType;
    QString zok_Suppressor;
    QString zok_UnderBarrel;
    QString zok_ButtStock;
    QString zok_HandGuard;
    QString zok_Wrap;
    QStringList zok_ExtraItems;  // never filled nor written
    bool Remove = false;

    bool operator==(const TSmolWeaponKit &o) const;
    bool operator!=(const TSmolWeaponKit &o) const { return !(*this == o); }
};

// Combo order; the index picks the colour's loader.
inline const QStringList SmolCrateColours = {
    QStringLiteral("Yellow"), QStringLiteral("Green"), QStringLiteral("Blue"),
    QStringLiteral("Purple"), QStringLiteral("Red")};

inline QString smolKitCaption(qsizetype index) { return QString::number(index); }

struct SmolLootSet {
    bool spawn = false;
    bool randomize = false;
    QString count = QStringLiteral("0");
    QStringList entries;

    bool operator==(const SmolLootSet &o) const
    {
        return spawn == o.spawn && randomize == o.randomize && count == o.count
            && entries == o.entries;
    }
};

struct SmolCrate {
    QString colour;  // "Yellow" ... "Red"
    bool spawnMainWeapons = false;
    bool randomizeWeapons = false;
    QString weaponCount = QStringLiteral("0");
    QList<TSmolWeaponKit> kits;
    QStringList captions;  // one per completely read kit; the writer ignores it
    std::array<SmolLootSet, 4> lootSets;
};

// The whole file, line by line (30 + 13 kits + entries lines).
QStringList writeSmolCrate(const SmolCrate &crate, bool leaveOutMarked);

// Adds what the lines hold to the crate: kits, captions and entries are
// appended, settings overwritten only where the file holds their keys.
// Raises the conversion error for a weapon switch that is no number and the
// list-index error for a kit too close to the end; what was read before
// stays in the crate.
void readSmolCrate(const LineList &lines, QChar colourLetter, SmolCrate &crate);

// Decimal whole number with optional leading blanks and sign; raises the
// conversion error otherwise.
int toInteger(const QString &text);

// Spare counts are written bare, so anything but a whole number would break
// the file's JSON: such a count is written as 0.
QString spareCountForFile(const QString &count);

// What a 0..100 number box shows for a loaded text: whole numbers clamped
// into the range, anything else 0.
int numberBoxValue(const QString &text);

} // namespace zok
