#pragma once

#include "config/textlines.h"

#include <QList>
#include <QStringList>
#include <functional>

// The clothing, weapon and general kit files share one shape: an array of
// kit blocks whose first key is the tier. They differ only in this table.
namespace zok {

template <class Kit>
struct KitField {
    QString key;              // JSON key, without quotes
    QString Kit::*field;
    int offset;               // line below the tier line the reader takes it from
    QString endMarker;        // what ends the value on reading
};

template <class Kit>
struct KitFormat {
    QString arrayKey;
    QList<KitField<Kit>> fields;  // file order; the first is zok_Tier at offset 0
};

inline const QString TierMarker = QStringLiteral("\"zok_Tier\": ");

inline QString kitCaption(const QString &tier, qsizetype index)
{
    return tier + QString::number(index);
}

// Appends one record per tier line to kits and reports its caption. A tier
// line too close to the end raises the list-index error with the kits before
// it, and the half-read record, already appended.
template <class Kit>
void readKits(const LineList &lines, const KitFormat<Kit> &format, QList<Kit> &kits,
              const std::function<void(const QString &)> &addCaption)
{
    const qsizetype n = lines.count();
    for (qsizetype i = 0; i < n; ++i) {
        if (!contains(lines.line(i), TierMarker))
            continue;
        kits.append(Kit{});
        for (const KitField<Kit> &f : format.fields) {
            const QString start = QLatin1Char('"') + f.key + QStringLiteral("\": \"");
            kits.last().*(f.field) = ExtractBetween(lines.line(i + f.offset), start, f.endMarker);
        }
        addCaption(kitCaption(kits.last().zok_Tier, kits.size() - 1));
    }
}

template <class Kit>
QStringList writeKits(const QList<Kit> &kits, const KitFormat<Kit> &format, bool leaveOutMarked)
{
    qsizetype last = -1;
    for (qsizetype i = 0; i < kits.size(); ++i)
        if (!(leaveOutMarked && kits[i].Remove))
            last = i;

    const QString eight(8, QLatin1Char(' '));
    const QString twelve(12, QLatin1Char(' '));
    QStringList out;
    out << QStringLiteral("{") << QLatin1Char('"') + format.arrayKey + QStringLiteral("\": [");
    for (qsizetype i = 0; i < kits.size(); ++i) {
        if (leaveOutMarked && kits[i].Remove)
            continue;
        out << eight + QLatin1Char('{');
        for (qsizetype f = 0; f < format.fields.size(); ++f) {
            const KitField<Kit> &field = format.fields[f];
            const bool lastField = f == format.fields.size() - 1;
            out << twelve + QLatin1Char('"') + field.key + QStringLiteral("\": \"")
                    + kits[i].*(field.field) + (lastField ? QStringLiteral("\"") : QStringLiteral("\","));
        }
        out << eight + (i == last ? QStringLiteral("}") : QStringLiteral("},"));
    }
    out << QStringLiteral("   ]") << QStringLiteral("}");
    return out;
}

} // namespace zok
