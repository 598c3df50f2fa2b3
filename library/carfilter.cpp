#include "carfilter.h"

#include <QLocale>

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

CarFilterModel::CarFilterModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    connect(this, &QAbstractProxyModel::sourceModelChanged, this, [this] { m_folded.clear(); });
}

void CarFilterModel::setFilterText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    const QString needle = foldForMatching(text);
    if (needle == m_needle)
        return;
    m_needle = needle;
    // The cache holds the names of one library; a rescan may bring others, so it is dropped when it
    // has grown well past what the list holds.
    if (m_folded.size() > 2 * totalCount() + 1024)
        m_folded.clear();
    invalidateFilter();
}

int CarFilterModel::totalCount() const
{
    return sourceModel() ? sourceModel()->rowCount() : 0;
}

QString CarFilterModel::shownLine() const
{
    if (!isFiltering())
        return {};
    const QLocale english(QLocale::English);
    return english.toString(shownCount()) + QStringLiteral(" of ") + english.toString(totalCount()) +
           QStringLiteral(" shown");
}

const QString& CarFilterModel::folded(const QString& name) const
{
    auto it = m_folded.constFind(name);
    if (it == m_folded.constEnd())
        it = m_folded.insert(name, foldForMatching(name));
    return *it;
}

bool CarFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_needle.isEmpty())
        return true;
    const QString name = sourceModel()->index(sourceRow, 0, sourceParent).data(Qt::DisplayRole).toString();
    return folded(name).contains(m_needle);
}

} // namespace parkwen
