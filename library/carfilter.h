#pragma once

#include <QAbstractProxyModel>

#include <vector>

namespace parkwen {

// A name as the filter compares it: letter case and accents do not count ("Éclair" -> "eclair").
QString foldForMatching(const QString& text);

// Shows the entries of a flat list whose names contain the filter text, ignoring letter case and
// accents, in the list's own order. The list itself is untouched: commands acting on a list's
// entries see every one of them, whatever is shown.
//
// Built for ten thousand entries and a keystroke at a time: every name is folded once, when it
// joins the list; typing on (the new text containing the old) looks only at the entries shown;
// and a change of the filter text is one reset of the shown rows rather than a signal per gap.
// Entries coming and going while a filter is on are announced row by row, as the list does.
class CarFilterModel : public QAbstractProxyModel
{
    Q_OBJECT
public:
    explicit CarFilterModel(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;
    void setFilterText(const QString& text);
    const QString& filterText() const { return m_text; }
    bool isFiltering() const { return !m_needle.isEmpty(); }
    int shownCount() const { return int(m_shown.size()); }
    int totalCount() const { return int(m_folded.size()); }
    // "12 of 3,041 shown" while a filter is on, else empty.
    QString shownLine() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;

private:
    bool matches(int sourceRow) const
    {
        return m_needle.isEmpty() || m_folded[size_t(sourceRow)].contains(m_needle);
    }
    QString foldedName(int sourceRow) const;
    void rebuild();
    // The first shown position whose source row is at least `sourceRow`.
    int lowerBound(int sourceRow) const;
    void sourceRowsInserted(int first, int last);
    void sourceRowsAboutToBeRemoved(int first, int last);
    void sourceRowsRemoved(int first, int last);
    void sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles);

    QString m_text;
    QString m_needle;
    std::vector<QString> m_folded; // per source row
    std::vector<int> m_shown;      // source rows shown, ascending
    QList<QMetaObject::Connection> m_connections;
};

} // namespace parkwen
