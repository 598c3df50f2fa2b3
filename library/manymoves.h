#pragma once

#include "library/carfolder.h"
#include "library/undo.h"

#include <QMetaObject>
#include <QStringList>

#include <functional>

namespace parkwen {

class CarLibrary;

// Commands on several chosen cars at once, and the undo of move commands. Every car goes through
// the same single-car move as ">>" and "<<", so each keeps its rules and messages; a car that
// cannot move is reported by that move and the others go on.
class ManyMoves
{
public:
    explicit ManyMoves(CarLibrary& cars);
    ~ManyMoves();
    ManyMoves(const ManyMoves&) = delete;
    ManyMoves& operator=(const ManyMoves&) = delete;

    // Runs a command and remembers the cars it moved, so that undo() can put them back.
    void record(const std::function<void()>& command);

    // Sends the named cars of one list to the other folder, in the order given, as one command.
    // Names the list no longer holds are passed over, and so are stock cars on their way to the
    // Garage Folder (as "All: Gar." passes them).
    void send(const QStringList& names, FolderRole to);

    // Deletes the named cars of one folder after one question naming how many. Stock cars are kept,
    // as "Del. Car" refuses them. A folder the list does not show (a car without a picture) is
    // deleted the same way.
    void remove(const QStringList& names, FolderRole from);

    // Moves the cars of the last recorded command back; cars no longer where that command left
    // them are passed over.
    void undo();
    bool canUndo() const { return !m_history.isEmpty(); }
    const UndoHistory& history() const { return m_history; }

private:
    void moveOne(const QString& name, FolderRole to);
    bool isStockEntry(const QString& name) const;

    CarLibrary& m_cars;
    UndoHistory m_history;
    bool m_recording = false;
    QMetaObject::Connection m_foldersChanged;
};

} // namespace parkwen
