#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The catalogue import: a game server file's lines in, catalogue entries
// out. No widgets here; the window supplies the callbacks.
namespace zok {

enum class ImportKind {
    None,               // empty file
    Types,              // economy types file
    SpawnableTypes,     // spawnable-types file
    WeaponAttachments,  // weapons attachment JSON of the outside weapons package
};

// The first line that holds "QernikWeapons" or "attachments" decides, the
// former winning within a line; a file with neither is a types file.
ImportKind classifyImport(const QStringList &lines);

// The two attachment kinds end by writing the listing file.
inline bool writesAttachmentListing(ImportKind kind)
{
    return kind == ImportKind::SpawnableTypes || kind == ImportKind::WeaponAttachments;
}

inline const QString SeparatorLine = QStringLiteral("-------------------------------------");
QString attachmentHeading(const QString &weaponName);

using LineCallback = std::function<void(qsizetype line)>;
using EntrySink = std::function<void(const QString &entry)>;

// Scans the lines as the given kind. onLine(i) runs before line i is looked
// at, for every line in order; add() receives each entry as it is found, so
// whatever was found before an error has already been delivered. A type or
// weapon line that is the last line raises ListIndexError (the next line is
// read to decide on its heading).
void scanImport(const QStringList &lines, ImportKind kind, const LineCallback &onLine,
                const EntrySink &add);

} // namespace zok
