#include "library/undo.h"

#include "library/carlist.h"

#include <QHash>

namespace parkwen {

MoveCommand movesBack(const MoveCommand& command)
{
    QHash<QString, int> times;
    for (const MovedCar& car : command)
        ++times[car.name];
    MoveCommand back;
    for (const MovedCar& car : command) {
        auto it = times.find(car.name);
        if (it == times.end())
            continue; // already handled at its first move
        // Moves of one car alternate in direction: an odd number leaves it in the other folder.
        if (*it % 2 == 1)
            back.append({car.name, !car.toGarage});
        times.erase(it);
    }
    return back;
}

void UndoHistory::push(MoveCommand command)
{
    if (command.isEmpty())
        return;
    m_commands.append(std::move(command));
    while (m_commands.size() > Limit)
        m_commands.removeFirst();
}

MoveRecorder::MoveRecorder(const CarList& cars, const CarList& garage)
{
    watch(garage, true);
    watch(cars, false);
}

MoveRecorder::~MoveRecorder()
{
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        QObject::disconnect(c);
}

void MoveRecorder::watch(const CarList& list, bool toGarage)
{
    m_connections << QObject::connect(&list, &QAbstractItemModel::rowsInserted,
                                      [this, &list, toGarage](const QModelIndex&, int first, int last) {
                                          for (int row = first; row <= last; ++row)
                                              m_moves.append({list.text(row), toGarage});
                                      });
    m_connections << QObject::connect(&list, &QAbstractItemModel::modelReset, [this] { m_rebuilt = true; });
}

} // namespace parkwen
