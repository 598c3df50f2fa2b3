#pragma once

#include <QHash>
#include <QSortFilterProxyModel>

namespace parkwen {

// A name as the filter compares it: letter case and accents do not count ("Éclair" -> "eclair").
QString foldForMatching(const QString& text);

// Shows the entries of a car list whose names contain the filter text, ignoring letter case and
// accents, in the list's own order. The list itself is untouched: commands acting on a list's
// entries see every one of them, whatever is shown.
class CarFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit CarFilterModel(QObject* parent = nullptr);

    void setFilterText(const QString& text);
    const QString& filterText() const { return m_text; }
    bool isFiltering() const { return !m_needle.isEmpty(); }
    int shownCount() const { return rowCount(); }
    int totalCount() const;
    // "12 of 3,041 shown" while a filter is on, else empty.
    QString shownLine() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const QString& folded(const QString& name) const;

    QString m_text;
    QString m_needle;
    // Folding is the costly part of a keystroke; each name is folded once.
    mutable QHash<QString, QString> m_folded;
};

} // namespace parkwen
