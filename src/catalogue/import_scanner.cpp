#include "catalogue/import_scanner.h"

#include "config/errors.h"
#include "config/textlines.h"

#include <QStringMatcher>

namespace zok {

namespace {

// The same exact test as contains(), with each marker's search table built
// once instead of on every line: a types file is read whole by the
// classification alone.
class Marker {
public:
    explicit Marker(const QString &text) : m_text(text), m_matcher(text) {}
    bool in(const QString &line) const { return m_matcher.indexIn(line) >= 0; }
    const QString &text() const { return m_text; }

private:
    QString m_text;
    QStringMatcher m_matcher;
};

const Marker kQernikWeapons(QStringLiteral("QernikWeapons"));
const Marker kAttachmentsWord(QStringLiteral("attachments"));

const Marker kTypeName(QStringLiteral("<type name=\""));
const Marker kTypeNameEnd(QStringLiteral("\">"));
const Marker kAttachmentsChance(QStringLiteral("<attachments chance=\""));
const Marker kItemName(QStringLiteral("<item name=\""));
const Marker kItemNameEnd(QStringLiteral("\" chance=\""));
const Marker kTypeEnd(QStringLiteral("</type>"));

const Marker kWeaponName(QStringLiteral("\"name\": \""));
const Marker kQuote(QStringLiteral("\""));
const Marker kAttachmentsKey(QStringLiteral("\"attachments\":"));
const Marker kBulletsKey(QStringLiteral("\"bullets\":"));
const Marker kMagazinesKey(QStringLiteral("\"magazines\":"));
const Marker kAttachmentList(QStringLiteral("\"attachments\": ["));
const Marker kOpenBracket(QStringLiteral("["));
const Marker kObjectEnd(QStringLiteral("},"));

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
        if (kTypeName.in(lines[i]))
            add(ExtractBetween(lines[i], kTypeName.text(), kTypeNameEnd.text()));
    }
}

void scanSpawnableTypes(const QStringList &lines, const LineCallback &onLine,
                        const EntrySink &add)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        onLine(i);
        const QString &line = lines[i];
        if (kTypeName.in(line) && kAttachmentsChance.in(lineAt(lines, i + 1)))
            addListingHead(ExtractBetween(line, kTypeName.text(), kTypeNameEnd.text()), add);
        if (kItemName.in(line))
            add(ExtractBetween(line, kItemName.text(), kItemNameEnd.text()));
        if (kTypeEnd.in(line))
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
        if (kWeaponName.in(line)) {
            const QString &next = lineAt(lines, i + 1);
            if (kAttachmentsKey.in(next) || kBulletsKey.in(next)
                || kMagazinesKey.in(next))
                addListingHead(ExtractBetween(line, kWeaponName.text(), kQuote.text()), add);
        }
        if (kAttachmentList.in(line)) {
            // Runs on to the object's closing brace, so the bullet and
            // magazine lists are listed too; their opening lines hold '['.
            for (qsizetype j = i + 1; j < n; ++j) {
                if (kQuote.in(lines[j]) && !kOpenBracket.in(lines[j]))
                    add(ExtractBetween(lines[j], kQuote.text(), kQuote.text()));
                if (kObjectEnd.in(lines[j]))
                    break;
            }
        }
        if (kObjectEnd.in(line))
            add(SeparatorLine);
    }
}

} // namespace

ImportKind classifyImport(const QStringList &lines)
{
    ImportKind kind = ImportKind::None;
    for (const QString &line : lines) {
        if (kQernikWeapons.in(line))
            return ImportKind::WeaponAttachments;
        if (kAttachmentsWord.in(line))
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
