#include "catalogue/import_scanner.h"

#include "config/errors.h"
#include "config/textlines.h"

namespace zok {

namespace {

const QString kQernikWeapons = QStringLiteral("QernikWeapons");
const QString kAttachmentsWord = QStringLiteral("attachments");

const QString kTypeName = QStringLiteral("<type name=\"");
const QString kTypeNameEnd = QStringLiteral("\">");
const QString kAttachmentsChance = QStringLiteral("<attachments chance=\"");
const QString kItemName = QStringLiteral("<item name=\"");
const QString kItemNameEnd = QStringLiteral("\" chance=\"");
const QString kTypeEnd = QStringLiteral("</type>");

const QString kWeaponName = QStringLiteral("\"name\": \"");
const QString kQuote = QStringLiteral("\"");
const QString kAttachmentsKey = QStringLiteral("\"attachments\":");
const QString kBulletsKey = QStringLiteral("\"bullets\":");
const QString kMagazinesKey = QStringLiteral("\"magazines\":");
const QString kAttachmentList = QStringLiteral("\"attachments\": [");
const QString kOpenBracket = QStringLiteral("[");
const QString kObjectEnd = QStringLiteral("},");

const QString &lineAt(const QStringList &lines, qsizetype i)
{
    if (i < 0 || i >= lines.size())
        throw ListIndexError(i);
    return lines[i];
}

void addListingHead(const QString &name, const EntrySink &add)
{
    add(SeparatorLine);
    add(name);
    add(attachmentHeading(name));
}

void scanTypes(const QStringList &lines, const LineCallback &onLine, const EntrySink &add)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        onLine(i);
        if (contains(lines[i], kTypeName))
            add(ExtractBetween(lines[i], kTypeName, kTypeNameEnd));
    }
}

void scanSpawnableTypes(const QStringList &lines, const LineCallback &onLine,
                        const EntrySink &add)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        onLine(i);
        const QString &line = lines[i];
        if (contains(line, kTypeName) && contains(lineAt(lines, i + 1), kAttachmentsChance))
            addListingHead(ExtractBetween(line, kTypeName, kTypeNameEnd), add);
        if (contains(line, kItemName))
            add(ExtractBetween(line, kItemName, kItemNameEnd));
        if (contains(line, kTypeEnd))
            add(SeparatorLine);
    }
}

void scanWeaponAttachments(const QStringList &lines, const LineCallback &onLine,
                           const EntrySink &add)
{
    const qsizetype n = lines.size();
    for (qsizetype i = 0; i < n; ++i) {
        onLine(i);
        const QString &line = lines[i];
        if (contains(line, kWeaponName)) {
            const QString &next = lineAt(lines, i + 1);
            if (contains(next, kAttachmentsKey) || contains(next, kBulletsKey)
                || contains(next, kMagazinesKey))
                addListingHead(ExtractBetween(line, kWeaponName, kQuote), add);
        }
        if (contains(line, kAttachmentList)) {
            // Runs on to the object's closing brace, so the bullet and
            // magazine lists are listed too; their opening lines hold '['.
            for (qsizetype j = i + 1; j < n; ++j) {
                if (contains(lines[j], kQuote) && !contains(lines[j], kOpenBracket))
                    add(ExtractBetween(lines[j], kQuote, kQuote));
                if (contains(lines[j], kObjectEnd))
                    break;
            }
        }
        if (contains(line, kObjectEnd))
            add(SeparatorLine);
    }
}

} // namespace

ImportKind classifyImport(const QStringList &lines)
{
    ImportKind kind = ImportKind::None;
    for (const QString &line : lines) {
        if (contains(line, kQernikWeapons))
            return ImportKind::WeaponAttachments;
        if (contains(line, kAttachmentsWord))
            return ImportKind::SpawnableTypes;
        kind = ImportKind::Types;
    }
    return kind;
}

QString attachmentHeading(const QString &weaponName)
{
    return QStringLiteral("----- Attachments For ") + weaponName + QStringLiteral("--------");
}

void scanImport(const QStringList &lines, ImportKind kind, const LineCallback &onLine,
                const EntrySink &add)
{
    switch (kind) {
    case ImportKind::Types:
        scanTypes(lines, onLine, add);
        break;
    case ImportKind::SpawnableTypes:
        scanSpawnableTypes(lines, onLine, add);
        break;
    case ImportKind::WeaponAttachments:
        scanWeaponAttachments(lines, onLine, add);
        break;
    case ImportKind::None:
        break;
    }
}

} // namespace zok
