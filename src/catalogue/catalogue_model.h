#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

namespace zok {

// The item catalogue: a flat list of entries with a lower-case copy for the
// filter and the rows that pass it. One pass per filter change; appends keep
// the current filter without re-running it.
class CatalogueModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // All entries, shown or not, in catalogue order.
    const QStringList &entries() const { return m_entries; }
    void setEntries(const QStringList &entries);
    void append(const QString &entry);
    void appendMany(const QStringList &entries);

    // The text as typed; trimmed and lower-cased here.
    void setFilter(const QString &text);
    const QString &filterKey() const { return m_key; }

    // Entry shown at a row of the view (the filtered positions).
    QString shownEntry(int row) const;

private:
    bool passes(qsizetype entry) const;

    QStringList m_entries;
    QStringList m_lower;
    std::vector<int> m_shown;  // entry index per shown row
    QString m_key;
};

} // namespace zok
