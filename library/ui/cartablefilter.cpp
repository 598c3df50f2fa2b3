#include "library/ui/cartable.h"

namespace parkwen {

// One layout change for the whole table: letting the proxy remove and insert thousands of row
// ranges one by one costs the view far more than laying out again once.
void CarTableFilter::invalidateAll()
{
    invalidate();
}

void CarTableFilter::setText(const QString& text)
{
    m_text = text.trimmed();
    invalidateAll();
}

void CarTableFilter::setClass(const QString& value)
{
    m_class = value;
    invalidateAll();
}

void CarTableFilter::setRating(const QString& value)
{
    m_rating = value;
    invalidateAll();
}

void CarTableFilter::setPlace(Place place)
{
    m_place = place;
    invalidateAll();
}

void CarTableFilter::setProblemsOnly(bool on)
{
    m_problemsOnly = on;
    invalidateAll();
}

bool CarTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* model = static_cast<const CarTableModel*>(sourceModel());
    const CarRecord& car = model->car(sourceRow);
    if (m_problemsOnly && car.healthy())
        return false;
    if (m_place != Place::Both && car.inGarage != (m_place == Place::GarageFolder))
        return false;
    if (!m_class.isEmpty() && model->classOf(sourceRow) != m_class)
        return false;
    if (!m_rating.isEmpty() && model->ratingOf(sourceRow) != m_rating)
        return false;
    if (!m_text.isEmpty() && !car.folderName.contains(m_text, Qt::CaseInsensitive) &&
        !car.nameInParameters.contains(m_text, Qt::CaseInsensitive))
        return false;
    return true;
}

bool CarTableFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return static_cast<const CarTableModel*>(sourceModel())->lessThan(left.row(), right.row(), left.column());
}

} // namespace parkwen
