#include "catalogue/catalogue_model.h"

namespace zok {

namespace {
QString filterKeyOf(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin).toLower();
}
} // namespace

int CatalogueModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant CatalogueModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_shown.size()))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_entries[m_shown[index.row()]];
    return {};
}

bool CatalogueModel::passes(qsizetype entry) const
{
    return m_key.isEmpty() || m_lower[entry].contains(m_key);
}

void CatalogueModel::setEntries(const QStringList &entries)
{
    beginResetModel();
    m_entries = entries;
    m_lower.clear();
    m_lower.reserve(entries.size());
    m_shown.clear();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        m_lower.append(m_entries[i].toLower());
        if (passes(i))
            m_shown.push_back(int(i));
    }
    endResetModel();
}

void CatalogueModel::append(const QString &entry)
{
    m_entries.append(entry);
    m_lower.append(entry.toLower());
    const qsizetype i = m_entries.size() - 1;
    if (passes(i)) {
        const int row = int(m_shown.size());
        beginInsertRows(QModelIndex(), row, row);
        m_shown.push_back(int(i));
        endInsertRows();
    }
}

void CatalogueModel::appendMany(const QStringList &entries)
{
    // One insert notification for the whole batch: the view relayouts once.
    const qsizetype first = m_entries.size();
    m_entries.append(entries);
    m_lower.reserve(m_entries.size());
    std::vector<int> rows;
    for (qsizetype i = first; i < m_entries.size(); ++i) {
        m_lower.append(m_entries[i].toLower());
        if (passes(i))
            rows.push_back(int(i));
    }
    if (rows.empty())
        return;
    const int row = int(m_shown.size());
    beginInsertRows(QModelIndex(), row, row + int(rows.size()) - 1);
    m_shown.insert(m_shown.end(), rows.begin(), rows.end());
    endInsertRows();
}

void CatalogueModel::setFilter(const QString &text)
{
    const QString key = filterKeyOf(text);
    // Typing on narrows the key: only the rows shown now can still pass.
    const bool narrowing = !m_key.isEmpty() && key.contains(m_key);
    beginResetModel();
    m_key = key;
    if (narrowing) {
        qsizetype kept = 0;
        for (int entry : m_shown)
            if (passes(entry))
                m_shown[kept++] = entry;
        m_shown.resize(kept);
    } else {
        m_shown.clear();
        for (qsizetype i = 0; i < m_entries.size(); ++i)
            if (passes(i))
                m_shown.push_back(int(i));
    }
    endResetModel();
}

QString CatalogueModel::shownEntry(int row) const
{
    if (row < 0 || row >= int(m_shown.size()))
        return QString();
    return m_entries[m_shown[row]];
}

} // namespace zok
