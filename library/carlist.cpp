#include "library/carlist.h"

namespace parkwen {

Error PictureStore::add(const QString& key, QImage picture)
{
    if (m_cache) {
        const PictureId id = ThumbCache::idOf(picture);
        if (id.isValid())
            return addCached(key, id, std::move(picture));
    }
    if (m_index.contains(key))
        return Error::of(err::KeyNotUnique);
    m_index.insert(key, int(m_slots.size()));
    m_slots.push_back({PictureId(), std::move(picture)});
    return {};
}

Error PictureStore::addCached(const QString& key, const PictureId& id, QImage thumbnail)
{
    if (!m_cache || !id.isValid())
        return add(key, std::move(thumbnail));
    if (m_index.contains(key))
        return Error::of(err::KeyNotUnique);
    const int index = int(m_slots.size());
    m_index.insert(key, index);
    m_slots.push_back({id, QImage()});
    if (!thumbnail.isNull()) {
        ThumbCache::tag(thumbnail, id);
        m_resident.insert(index, new QImage(std::move(thumbnail)));
    }
    return {};
}

void PictureStore::replace(const QString& key, QImage picture)
{
    const auto it = m_index.constFind(key);
    if (it == m_index.constEnd())
        add(key, std::move(picture));
    else
        setSlot(*it, std::move(picture));
}

void PictureStore::setSlot(int index, QImage picture)
{
    Slot& slot = m_slots[size_t(index)];
    m_resident.remove(index);
    slot.id = m_cache ? ThumbCache::idOf(picture) : PictureId();
    if (slot.id.isValid()) {
        slot.image = QImage();
        m_resident.insert(index, new QImage(std::move(picture)));
    } else {
        slot.image = std::move(picture);
    }
}

QImage PictureStore::picture(const QString& key) const
{
    const auto it = m_index.constFind(key);
    return it == m_index.constEnd() ? QImage() : pictureAt(*it);
}

QImage PictureStore::pictureAt(int index) const
{
    const Slot& slot = m_slots[size_t(index)];
    if (!slot.id.isValid())
        return slot.image;
    if (const QImage* held = m_resident.object(index))
        return *held;
    QImage fetched = m_cache->thumbnail(slot.id);
    if (!fetched.isNull())
        m_resident.insert(index, new QImage(fetched));
    return fetched;
}

Result<QImage> PictureStore::first() const
{
    if (m_slots.empty())
        return Error::of(err::IndexOutOfBounds);
    return pictureAt(0);
}

void PictureStore::clear()
{
    m_slots.clear();
    m_slots.shrink_to_fit();
    m_index.clear();
    m_resident.clear();
}

void PictureStore::setCache(ThumbCache* cache, int resident)
{
    clear();
    m_cache = cache;
    m_resident.setMaxCost(qMax(1, resident));
}

int CarList::rowOfKey(const QString& key) const
{
    // A plain scan: lists hold thousands of entries at most, and the moved car is usually near the front.
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].key == key)
            return int(i);
    return -1;
}

QStringList CarList::texts() const
{
    QStringList out;
    out.reserve(qsizetype(m_entries.size()));
    for (const CarEntry& e : m_entries)
        out << e.text;
    return out;
}

void CarList::append(const QString& key, const QString& text)
{
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.push_back({key, text});
    endInsertRows();
}

void CarList::appendMany(std::vector<CarEntry> entries)
{
    if (entries.empty())
        return;
    const int first = count();
    beginInsertRows(QModelIndex(), first, first + int(entries.size()) - 1);
    for (CarEntry& e : entries)
        m_entries.push_back(std::move(e));
    endInsertRows();
}

void CarList::removeRow(int row)
{
    if (row < 0 || row >= count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_entries.erase(m_entries.begin() + row);
    endRemoveRows();
    int selected = m_selected;
    if (selected > row)
        --selected;
    else if (selected == row && selected >= count())
        selected = count() - 1;
    if (selected != m_selected || selected == row) {
        m_selected = selected;
        emit selectedRowChanged(m_selected);
    }
}

void CarList::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
    if (m_selected != -1) {
        m_selected = -1;
        emit selectedRowChanged(-1);
    }
}

void CarList::setSelectedRow(int row)
{
    if (row < -1 || row >= count())
        row = -1;
    if (row == m_selected)
        return;
    m_selected = row;
    emit selectedRowChanged(row);
}

int CarList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant CarList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const CarEntry& e = m_entries[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return e.text;
    case Qt::DecorationRole:
        return m_pictures.picture(e.key);
    default:
        return {};
    }
}

} // namespace parkwen
