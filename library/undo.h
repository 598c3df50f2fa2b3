#pragma once

#include <QList>
#include <QMetaObject>
#include <QString>

namespace parkwen {

class CarList;

struct MovedCar
{
    QString name;
    bool toGarage = false; // true: from the Car Folder to the Garage Folder

    bool operator==(const MovedCar&) const = default;
};

// The cars one command moved, in the order it moved them.
using MoveCommand = QList<MovedCar>;

// The moves that put a command's cars back where they were: one per car that ended up in the
// other folder (a car moved there and back again needs nothing), in the order the command first
// moved them.
MoveCommand movesBack(const MoveCommand& command);

// The move commands of the session, newest last, at most Limit of them.
class UndoHistory
{
public:
    static constexpr int Limit = 50;

    // An empty command (nothing moved) is not kept; past Limit the oldest is forgotten.
    void push(MoveCommand command);
    bool isEmpty() const { return m_commands.isEmpty(); }
    int size() const { return int(m_commands.size()); }
    const MoveCommand& last() const { return m_commands.last(); }
    MoveCommand takeLast() { return m_commands.takeLast(); }
    void clear() { m_commands.clear(); }

private:
    QList<MoveCommand> m_commands;
};

// Notes the cars that arrive in either list while it exists. Moves are the only way an entry
// joins a list outside a scan, so an entry added to the garage list is a car sent to the Garage
// Folder, and the other way round. A scan (a list rebuilt) makes the record worthless.
class MoveRecorder
{
public:
    MoveRecorder(const CarList& cars, const CarList& garage);
    ~MoveRecorder();
    MoveRecorder(const MoveRecorder&) = delete;
    MoveRecorder& operator=(const MoveRecorder&) = delete;

    // What moved; empty when a list was rebuilt meanwhile.
    MoveCommand moves() const { return m_rebuilt ? MoveCommand() : m_moves; }

private:
    void watch(const CarList& list, bool toGarage);

    MoveCommand m_moves;
    bool m_rebuilt = false;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace parkwen
