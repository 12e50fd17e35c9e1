#include "kits/smol/smol_file.h"

#include "config/errors.h"

#include <algorithm>
#include <limits>

namespace zok {

namespace {

struct SmolKitField {
    QString key;
    QString TSmolWeaponKit::*field;
    bool quoted;
};

// File order of the eleven field lines below a kit's opening brace.
const QList<SmolKitField> &smolKitFields()
{
    static const QList<SmolKitField> fields = {
        {QStringLiteral("zok_TheChosenOne"), &TSmolWeaponKit::zok_TheChosenOne, true},
        {QStringLiteral("zok_Magazine"), &TSmolWeaponKit::zok_Magazine, true},
        {QStringLiteral("zok_SpareMagCount"), &TSmolWeaponKit::zok_SpareMagCount, false},
        {QStringLiteral("zok_Ammunition"), &TSmolWeaponKit::zok_Ammunition, true},
        {QStringLiteral("zok_SpareAmmoCount"), &TSmolWeaponKit::zok_SpareAmmoCount, false},
        {QStringLiteral("zok_OpticType"), &TSmolWeaponKit::zok_OpticType, true},
        {QStringLiteral("zok_Suppressor"), &TSmolWeaponKit::zok_Suppressor, true},
        {QStringLiteral("zok_UnderBarrel"), &TSmolWeaponKit::zok_UnderBarrel, true},
        {QStringLiteral("zok_ButtStock"), &TSmolWeaponKit::zok_ButtStock, true},
        {QStringLiteral("zok_HandGuard"), &TSmolWeaponKit::zok_HandGuard, true},
        {QStringLiteral("zok_Wrap"), &TSmolWeaponKit::zok_Wrap, true},
    };
    return fields;
}

QString startMarker(const SmolKitField &f)
{
    return QLatin1Char('"') + f.key + (f.quoted ? QStringLiteral("\": \"") : QStringLiteral("\": "));
}

QString switchText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

QString settingMarker(const QString &key) { return QLatin1Char('"') + key + QStringLiteral("\": "); }

QString lootSetKey(QChar colourLetter, int set)
{
    return QStringLiteral("zok_LootSet") + colourLetter + QString::number(set);
}

bool isWholeNumber(const QString &text, qint64 *value)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return false;
    qint64 v = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        // Saturates past the int range, so conversions still refuse such a
        // value while a number box can clamp it.
        v = std::min(v * 10 + (c - u'0'), qint64(std::numeric_limits<int>::max()) + 2);
    }
    *value = negative ? -v : v;
    return true;
}

} // namespace

bool TSmolWeaponKit::operator==(const TSmolWeaponKit &o) const
{
    for (const SmolKitField &f : smolKitFields())
        if (this->*(f.field) != o.*(f.field))
            return false;
    return zok_Tier == o.zok_Tier && zok_WeaponCategory == o.zok_WeaponCategory
        && zok_ExtraItems == o.zok_ExtraItems && Remove == o.Remove;
}

int toInteger(const QString &text)
{
    qint64 v = 0;
    if (!isWholeNumber(text, &v) || v < std::numeric_limits<int>::min()
        || v > std::numeric_limits<int>::max())
        throw ConversionError(text);
    return int(v);
}

QString spareCountForFile(const QString &count)
{
    const bool negative = count.startsWith(QLatin1Char('-'));
    qsizetype i = negative ? 1 : 0;
    if (i == count.size())
        return QStringLiteral("0");
    for (qsizetype j = i; j < count.size(); ++j)
        if (count.at(j) < QLatin1Char('0') || count.at(j) > QLatin1Char('9'))
            return QStringLiteral("0");
    // JSON allows no leading zeros: "03" typed after the 0 a new kit shows
    // is written as 3.
    while (i < count.size() - 1 && count.at(i) == QLatin1Char('0'))
        ++i;
    const QString digits = count.mid(i);
    if (digits == QLatin1String("0"))
        return digits;
    return negative ? QLatin1Char('-') + digits : digits;
}

int numberBoxValue(const QString &text)
{
    qint64 v = 0;
    if (!isWholeNumber(text, &v))
        return 0;
    return int(std::clamp<qint64>(v, 0, 100));
}

QStringList writeSmolCrate(const SmolCrate &crate, bool leaveOutMarked)
{
    const QString four(4, QLatin1Char(' '));
    const QString eight(8, QLatin1Char(' '));
    const QString twelve(12, QLatin1Char(' '));
    const QChar letter = crate.colour.isEmpty() ? QChar() : crate.colour.at(0);

    QStringList out;
    out << QStringLiteral("{");
    out << four + QStringLiteral("\"zok_Description\": \"ZOK SMOL CRATE CONFIG (") + crate.colour
            + QStringLiteral(" Tier). Below are settings to spawn either static or randomized loot. "
                             "To spawn all items in array, use randomize setting 0,\",");
    out << four + QStringLiteral(
               "\"zok_DescriptionCont\": \"if set to 1, it will use the count setting found just "
               "below the randomize setting. When using randomized loot, the system can and "
               "likely WILL\",");
    out << four + QStringLiteral(
               "\"zok_DescriptionCont2\": \"spawn duplicates. I suggest using static and manually "
               "adding desired duplicates. Each loot set, including weapons can be turned off as "
               "well.\",");
    out << four + settingMarker(QStringLiteral("zok_SpawnMainWeapons"))
            + switchText(crate.spawnMainWeapons) + QLatin1Char(',');
    out << four + settingMarker(QStringLiteral("zok_RandomizeWeapons"))
            + switchText(crate.randomizeWeapons) + QLatin1Char(',');
    out << four + settingMarker(QStringLiteral("zok_WeaponCount")) + crate.weaponCount
            + QLatin1Char(',');
    out << four + QStringLiteral("\"weaponTypes") + crate.colour + QStringLiteral("\": [");

    const QList<SmolKitField> &fields = smolKitFields();
    for (qsizetype i = 0; i < crate.kits.size(); ++i) {
        const TSmolWeaponKit &kit = crate.kits[i];
        if (leaveOutMarked && kit.Remove)
            continue;
        out << eight + QLatin1Char('{');
        for (qsizetype f = 0; f < fields.size(); ++f) {
            const SmolKitField &field = fields[f];
            const bool last = f == fields.size() - 1;
            QString value = kit.*(field.field);
            if (!field.quoted)
                value = spareCountForFile(value);
            out << twelve + startMarker(field) + value
                    + (field.quoted ? (last ? QStringLiteral("\"") : QStringLiteral("\","))
                                    : QStringLiteral(","));
        }
        out << eight + (i < crate.kits.size() - 1 ? QStringLiteral("},") : QStringLiteral("}"));
    }
    // A left-out last kit leaves the block before it open with "},".
    if (leaveOutMarked && out.last().contains(QLatin1Char(',')))
        out.last() = eight + QLatin1Char('}');
    out << four + QStringLiteral("],");

    for (int n = 1; n <= 4; ++n) {
        const SmolLootSet &set = crate.lootSets[n - 1];
        const QString num = QString::number(n);
        out << four + settingMarker(QStringLiteral("zok_SpawnLootSet") + num) + switchText(set.spawn)
                + QLatin1Char(',');
        out << four + settingMarker(QStringLiteral("zok_RandomizeLootSet") + num)
                + switchText(set.randomize) + QLatin1Char(',');
        out << four + settingMarker(QStringLiteral("zok_LootSet") + num + QStringLiteral("Count"))
                + set.count + QLatin1Char(',');
        out << four + QLatin1Char('"') + lootSetKey(letter, n) + QStringLiteral("\": [");
        for (qsizetype j = 0; j < set.entries.size(); ++j)
            out << eight + QLatin1Char('"') + set.entries[j]
                    + (j < set.entries.size() - 1 ? QStringLiteral("\",") : QStringLiteral("\""));
        out << four + (n < 4 ? QStringLiteral("],") : QStringLiteral("]"));
    }
    out << QStringLiteral("}");
    return out;
}

void readSmolCrate(const LineList &lines, QChar colourLetter, SmolCrate &crate)
{
    const QString comma = QStringLiteral(",");
    const QString quote = QStringLiteral("\"");
    const QString bracket = QStringLiteral("]");
    const QString spawnMain = settingMarker(QStringLiteral("zok_SpawnMainWeapons"));
    const QString randomizeMain = settingMarker(QStringLiteral("zok_RandomizeWeapons"));
    const QString weaponCount = settingMarker(QStringLiteral("zok_WeaponCount"));

    struct SetMarkers {
        QString spawn, randomize, count, key;
    };
    std::array<SetMarkers, 4> sets;
    for (int n = 1; n <= 4; ++n) {
        const QString num = QString::number(n);
        sets[n - 1] = {settingMarker(QStringLiteral("zok_SpawnLootSet") + num),
                       settingMarker(QStringLiteral("zok_RandomizeLootSet") + num),
                       settingMarker(QStringLiteral("zok_LootSet") + num + QStringLiteral("Count")),
                       QLatin1Char('"') + lootSetKey(colourLetter, n) + QStringLiteral("\": [")};
    }

    // The weapon switches are numbers, the loot set switches texts.
    auto setNumericSwitch = [](const QString &value, bool &target) {
        const int v = toInteger(value);
        if (v == 0)
            target = false;
        else if (v == 1)
            target = true;
    };
    auto setTextSwitch = [](const QString &value, bool &target) {
        if (value == QLatin1String("1"))
            target = true;
        else if (value == QLatin1String("0"))
            target = false;
    };

    const qsizetype n = lines.count();
    for (qsizetype i = 1; i < n; ++i) {
        const QString &line = lines.line(i);
        if (contains(line, spawnMain))
            setNumericSwitch(ExtractBetween(line, spawnMain, comma), crate.spawnMainWeapons);
        if (contains(line, randomizeMain))
            setNumericSwitch(ExtractBetween(line, randomizeMain, comma), crate.randomizeWeapons);
        if (contains(line, weaponCount))
            crate.weaponCount = ExtractBetween(line, weaponCount, comma);
        if (contains(line, QStringLiteral("{"))) {
            crate.kits.append(TSmolWeaponKit{});
            const QList<SmolKitField> &fields = smolKitFields();
            for (qsizetype f = 0; f < fields.size(); ++f) {
                const SmolKitField &field = fields[f];
                crate.kits.last().*(field.field) = ExtractBetween(
                    lines.line(i + 1 + f), startMarker(field), field.quoted ? quote : comma);
            }
            crate.captions << smolKitCaption(crate.kits.size() - 1);
        }
        for (int s = 0; s < 4; ++s) {
            const SetMarkers &m = sets[s];
            SmolLootSet &set = crate.lootSets[s];
            if (contains(line, m.spawn))
                setTextSwitch(ExtractBetween(line, m.spawn, comma), set.spawn);
            if (contains(line, m.randomize))
                setTextSwitch(ExtractBetween(line, m.randomize, comma), set.randomize);
            if (contains(line, m.count))
                set.count = ExtractBetween(line, m.count, comma);
            if (contains(line, m.key) && !contains(line, bracket)) {
                for (qsizetype j = i + 1; j < n; ++j) {
                    const QString &entry = lines.line(j);
                    if (contains(entry, bracket))
                        break;
                    set.entries << ExtractBetween(entry, quote, quote);
                }
            }
        }
    }
}

} // namespace zok
