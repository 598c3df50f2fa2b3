#include "carlist.h"

namespace parkwen {

Error PictureStore::add(const QString& key, QImage picture)
{
    if (m_index.contains(key))
        return Error::of(err::KeyNotUnique);
    m_index.insert(key, int(m_pictures.size()));
    m_pictures.push_back(std::move(picture));
    return {};
}

void PictureStore::replace(const QString& key, QImage picture)
{
    const auto it = m_index.constFind(key);
    if (it == m_index.constEnd())
        add(key, std::move(picture));
    else
        m_pictures[size_t(*it)] = std::move(picture);
}

QImage PictureStore::picture(const QString& key) const
{
    const auto it = m_index.constFind(key);
    return it == m_index.constEnd() ? QImage() : m_pictures[size_t(*it)];
}

Result<QImage> PictureStore::first() const
{
    if (m_pictures.empty())
        return Error::of(err::IndexOutOfBounds);
    return m_pictures.front();
}

void PictureStore::clear()
{
    m_pictures.clear();
    m_pictures.shrink_to_fit();
    m_index.clear();
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
