#include "library/bothfolders.h"

#include "library/carlist.h"

#include <QCoreApplication>

namespace parkwen {

BothFolders::BothFolders(const CarList& cars, const CarList& garage, QObject* parent)
    : QObject(parent), m_cars{&cars, {}}, m_garage{&garage, {}}
{
    rebuild(m_cars);
    rebuild(m_garage);
    watch(true);
    watch(false);
}

void BothFolders::watch(bool carList)
{
    Side& side = carList ? m_cars : m_garage;
    const CarList* list = side.list;
    // Entries are read while they are still there (before removal) or once they are (after insertion).
    connect(list, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this, &side, carList](const QModelIndex&, int first, int last) {
                bool changed = false;
                for (int row = first; row <= last; ++row) {
                    auto it = side.names.find(keyOf(side.list->text(row)));
                    if (it != side.names.end() && --*it == 0) {
                        side.names.erase(it);
                        changed = true;
                    }
                }
                if (changed)
                    emit marksChanged(!carList);
            });
    connect(list, &QAbstractItemModel::rowsInserted, this,
            [this, &side, carList](const QModelIndex&, int first, int last) {
                bool changed = false;
                for (int row = first; row <= last; ++row)
                    changed |= side.names[keyOf(side.list->text(row))]++ == 0;
                if (changed)
                    emit marksChanged(!carList);
            });
    connect(list, &QAbstractItemModel::modelReset, this, [this, &side, carList] {
        rebuild(side);
        emit marksChanged(!carList);
    });
}

void BothFolders::rebuild(Side& side)
{
    side.names.clear();
    for (int row = 0; row < side.list->count(); ++row)
        ++side.names[keyOf(side.list->text(row))];
}

bool BothFolders::inOther(bool carList, const QString& name) const
{
    return (carList ? m_garage : m_cars).names.contains(keyOf(name));
}

CarMarksModel::CarMarksModel(const BothFolders& marks, bool carList, QObject* parent)
    : QIdentityProxyModel(parent), m_marks(marks), m_carList(carList)
{
    connect(&marks, &BothFolders::marksChanged, this, [this](bool list) {
        if (list != m_carList || rowCount() == 0)
            return;
        // The view repaints only the entries on screen, so one signal for all of them is cheap.
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {AlsoInOtherRole, Qt::ToolTipRole});
    });
}

QString CarMarksModel::markText() const
{
    return m_carList ? QCoreApplication::translate("CarLibrary", "Also in the Garage Folder")
                     : QCoreApplication::translate("CarLibrary", "Also in the Car Folder");
}

Qt::ItemFlags CarMarksModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QIdentityProxyModel::flags(index);
    if (index.isValid())
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QVariant CarMarksModel::data(const QModelIndex& index, int role) const
{
    if (role == AlsoInOtherRole || role == Qt::ToolTipRole) {
        const bool marked =
            index.isValid() &&
            m_marks.inOther(m_carList, QIdentityProxyModel::data(index, Qt::DisplayRole).toString());
        if (role == AlsoInOtherRole)
            return marked;
        if (marked)
            return markText();
    }
    return QIdentityProxyModel::data(index, role);
}

} // namespace parkwen
