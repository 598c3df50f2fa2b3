#include "library/carfilter.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace parkwen {

QString foldForMatching(const QString& text)
{
    bool ascii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return text.toLower();
    // Compatibility decomposition splits letters from their accents (and "ﬁ" into "fi"); the accents
    // are then dropped.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        out += c;
    }
    return out.toCaseFolded();
}

CarFilterModel::CarFilterModel(QObject* parent) : QAbstractProxyModel(parent) {}

void CarFilterModel::setSourceModel(QAbstractItemModel* source)
{
    beginResetModel();
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    QAbstractProxyModel::setSourceModel(source);
    if (source) {
        m_connections << connect(
            source, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { sourceRowsInserted(first, last); });
        m_connections << connect(
            source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { sourceRowsAboutToBeRemoved(first, last); });
        m_connections << connect(
            source, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { sourceRowsRemoved(first, last); });
        m_connections << connect(source, &QAbstractItemModel::dataChanged, this,
                                 &CarFilterModel::sourceDataChanged);
        // A list rebuilt or rearranged as a whole: shown afresh.
        m_connections << connect(source, &QAbstractItemModel::modelAboutToBeReset, this,
                                 [this] { beginResetModel(); });
        m_connections << connect(source, &QAbstractItemModel::modelReset, this, [this] {
            rebuild();
            endResetModel();
        });
        m_connections << connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this,
                                 [this] { beginResetModel(); });
        m_connections << connect(source, &QAbstractItemModel::layoutChanged, this, [this] {
            rebuild();
            endResetModel();
        });
    }
    rebuild();
    endResetModel();
}

QString CarFilterModel::foldedName(int sourceRow) const
{
    return foldForMatching(sourceModel()->index(sourceRow, 0).data(Qt::DisplayRole).toString());
}

void CarFilterModel::rebuild()
{
    m_folded.clear();
    m_shown.clear();
    const int rows = sourceModel() ? sourceModel()->rowCount() : 0;
    m_folded.reserve(size_t(rows));
    for (int row = 0; row < rows; ++row) {
        m_folded.push_back(foldedName(row));
        if (matches(row))
            m_shown.push_back(row);
    }
}

void CarFilterModel::setFilterText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    const QString needle = foldForMatching(text);
    if (needle == m_needle)
        return;
    // Typing on can only narrow what is shown.
    const bool narrowing = !m_needle.isEmpty() && needle.contains(m_needle);
    m_needle = needle;
    std::vector<int> shown;
    if (narrowing) {
        for (int row : m_shown)
            if (matches(row))
                shown.push_back(row);
    } else {
        for (int row = 0; row < int(m_folded.size()); ++row)
            if (matches(row))
                shown.push_back(row);
    }
    if (shown == m_shown)
        return;
    beginResetModel();
    m_shown = std::move(shown);
    endResetModel();
}

QString CarFilterModel::shownLine() const
{
    if (!isFiltering())
        return {};
    //: The language whose digit grouping the counts use ("3,041")
    const QLocale numbers(QCoreApplication::translate("CarFilterModel", "en_US"));
    return QCoreApplication::translate("CarFilterModel", "%1 of %2 shown")
        .arg(numbers.toString(shownCount()), numbers.toString(totalCount()));
}

int CarFilterModel::lowerBound(int sourceRow) const
{
    return int(std::lower_bound(m_shown.begin(), m_shown.end(), sourceRow) - m_shown.begin());
}

void CarFilterModel::sourceRowsInserted(int first, int last)
{
    const int count = last - first + 1;
    const int at = lowerBound(first);
    for (size_t i = size_t(at); i < m_shown.size(); ++i)
        m_shown[i] += count;
    std::vector<QString> folded;
    std::vector<int> shown;
    for (int row = first; row <= last; ++row)
        folded.push_back(foldedName(row));
    m_folded.insert(m_folded.begin() + first, folded.begin(), folded.end());
    for (int row = first; row <= last; ++row)
        if (matches(row))
            shown.push_back(row);
    if (shown.empty())
        return;
    beginInsertRows(QModelIndex(), at, at + int(shown.size()) - 1);
    m_shown.insert(m_shown.begin() + at, shown.begin(), shown.end());
    endInsertRows();
}

void CarFilterModel::sourceRowsAboutToBeRemoved(int first, int last)
{
    const int from = lowerBound(first);
    const int to = lowerBound(last + 1);
    if (from == to)
        return;
    beginRemoveRows(QModelIndex(), from, to - 1);
    m_shown.erase(m_shown.begin() + from, m_shown.begin() + to);
    endRemoveRows();
}

void CarFilterModel::sourceRowsRemoved(int first, int last)
{
    const int count = last - first + 1;
    m_folded.erase(m_folded.begin() + first, m_folded.begin() + last + 1);
    for (size_t i = size_t(lowerBound(first)); i < m_shown.size(); ++i)
        m_shown[i] -= count;
}

void CarFilterModel::sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                       const QList<int>& roles)
{
    // Pictures change in place; names hardly ever (a renamed car is another entry), but when one
    // does and so comes into view or leaves it, the rows are shown afresh.
    if (roles.isEmpty() || roles.contains(Qt::DisplayRole)) {
        bool shownChanged = false;
        for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
            const bool before = matches(row);
            m_folded[size_t(row)] = foldedName(row);
            shownChanged |= before != matches(row);
        }
        if (shownChanged) {
            beginResetModel();
            m_shown.clear();
            for (int row = 0; row < int(m_folded.size()); ++row)
                if (matches(row))
                    m_shown.push_back(row);
            endResetModel();
            return;
        }
    }
    const int from = lowerBound(topLeft.row());
    const int to = lowerBound(bottomRight.row() + 1);
    if (from < to)
        emit dataChanged(index(from, 0), index(to - 1, 0), roles);
}

QModelIndex CarFilterModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= shownCount() || column != 0)
        return {};
    return createIndex(row, column);
}

QModelIndex CarFilterModel::parent(const QModelIndex&) const
{
    return {};
}

int CarFilterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownCount();
}

int CarFilterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

bool CarFilterModel::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_shown.empty();
}

QModelIndex CarFilterModel::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || !sourceModel() || proxyIndex.row() >= shownCount())
        return {};
    return sourceModel()->index(m_shown[size_t(proxyIndex.row())], proxyIndex.column());
}

QModelIndex CarFilterModel::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    const int at = lowerBound(sourceIndex.row());
    if (at >= shownCount() || m_shown[size_t(at)] != sourceIndex.row())
        return {};
    return createIndex(at, sourceIndex.column());
}

} // namespace parkwen
