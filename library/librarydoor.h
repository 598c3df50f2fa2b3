#pragma once

#include "details/cardoor.h"
#include "library/carfolder.h"
#include "library/moveengine.h"
#include "platform/platform.h"

#include <QSet>

#include <functional>

namespace parkwen {

// The door every change to the library's folders goes through: the lock on both folders (a second
// Parkwen waits for it, and this one for a second), the move engine that changes them, and the
// finishing of what a stopped run left. Writes inside a car (parameter files, skins, "Fix paths")
// enter by the same lock. After waiting for another Parkwen, the library reads its lists again;
// the door remembers which cars left both folders meanwhile, so a command can say so by name.
class LibraryDoor : public CarDoor
{
public:
    LibraryDoor(Platform& platform, const CarFolder& cars, const CarFolder& garage);

    Pass enter() override;

    // The lock for a change to the folders; a lock not held has been reported.
    MoveEngine::Lock lock();
    // The lock of a reader, shared with other readers: what it reads is never a change half done.
    MoveEngine::Lock readLock();
    // Called after this door got the lock by waiting, to read the lists again.
    void setAfterWait(std::function<void()> reread) { m_reread = std::move(reread); }
    // A car that left both folders while the door last waited for another Parkwen is told of by
    // name; true when `name` was such a car.
    bool tellIfGone(const QString& name);

    MoveEngine& engine() { return m_engine; }
    CarFolders folders() const { return CarFolders{m_cars.path(), m_garage.path()}; }
    // Copies ahead, with one flush, the named cars a command is about to move between file systems
    // to `to` (see MoveEngine::prepareBatch); keep the result alive while the command moves them.
    MoveEngine::Batch prepareMoves(const QStringList& names, FolderRole to);

    // Finishes what an earlier run left unfinished; never in a run that only reads.
    void recover();
    // A run that only reads (a listing, statistics): nothing on the disk changes, not even
    // recovery.
    void setOnlyReads(bool onlyReads) { m_onlyReads = onlyReads; }

    // Moves or deletes a car folder the lists do not show (it has no picture), with the messages of
    // the list commands; the lists do not change.
    MoveOutcome moveUnlisted(const QString& name, FolderRole to);
    bool deleteUnlisted(const QString& name, FolderRole from);

    // Tells the user what a move or deletion that did not go through means; false when nothing
    // moved or was deleted.
    bool report(const MoveResult& moved);
    bool report(const DeleteResult& deleted, const QString& name);

private:
    void rereadAfterWait();
    const QString& pathOf(FolderRole role) const
    {
        return role == FolderRole::Cars ? m_cars.path() : m_garage.path();
    }

    Platform& m_platform;
    const CarFolder& m_cars;
    const CarFolder& m_garage;
    MoveEngine m_engine{m_platform.fs, &m_platform.dialogs};
    std::function<void()> m_reread;
    bool m_onlyReads = false;
    // The cars that left both lists while this door last waited for another Parkwen.
    QSet<QString> m_goneWhileWaiting;
};

} // namespace parkwen
