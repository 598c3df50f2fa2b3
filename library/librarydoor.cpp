#include "library/librarydoor.h"

#include <QCoreApplication>

namespace parkwen {

namespace {

QString accessErrorMessage()
{
    return QStringLiteral(
        "Path\\File Access Error. Most Likely: Caused by Hidden\\Read-Only\\System Files in "
        "Directory Or Folder Already Exists. Fix Manually.");
}

MoveDirection directionTo(FolderRole to)
{
    return to == FolderRole::Garage ? MoveDirection::ToGarage : MoveDirection::ToCars;
}

} // namespace

LibraryDoor::LibraryDoor(Platform& platform, const CarFolder& cars, const CarFolder& garage)
    : m_platform(platform), m_cars(cars), m_garage(garage)
{
    m_engine.setAfterWait([this] { rereadAfterWait(); });
}

CarDoor::Pass LibraryDoor::enter()
{
    // The same lock as every change of the folders, told of the same way when it cannot be had.
    auto held = std::make_shared<MoveEngine::Lock>(lock());
    if (!held->held())
        return nullptr;
    return held;
}

MoveEngine::Lock LibraryDoor::lock()
{
    MoveEngine::Lock held = m_engine.lock({m_cars.path(), m_garage.path()});
    if (!held.held())
        m_platform.dialogs.plain(MoveEngine::busyError().description());
    return held;
}

MoveEngine::Lock LibraryDoor::readLock()
{
    return m_engine.lock({m_cars.path(), m_garage.path()}, LockKind::Shared);
}

void LibraryDoor::rereadAfterWait()
{
    if ((m_cars.path().isEmpty() && m_garage.path().isEmpty()) || !m_reread)
        return; // no folders read yet, so nothing stale
    QSet<QString> before;
    for (const CarFolder* folder : {&m_cars, &m_garage})
        for (const QString& name : folder->list().texts())
            before.insert(name);
    m_reread();
    for (const CarFolder* folder : {&m_cars, &m_garage})
        for (const QString& name : folder->list().texts())
            before.remove(name);
    m_goneWhileWaiting = before;
}

bool LibraryDoor::tellIfGone(const QString& name)
{
    if (!m_goneWhileWaiting.contains(name))
        return false;
    m_platform.dialogs.plain(
        QCoreApplication::translate("CarLibrary",
                                    "%1 is no longer in the Car Folder or the Garage Folder: another Parkwen "
                                    "moved or deleted it.")
            .arg(name));
    return true;
}

MoveEngine::Batch LibraryDoor::prepareMoves(const QStringList& names, FolderRole to)
{
    // A progress of its own, shown only once there is something to copy.
    Progress* progress = m_platform.progress;
    bool begun = false;
    MoveEngine::Batch batch = m_engine.prepareBatch(folders(), names, directionTo(to), [&](int done) {
        if (!progress)
            return;
        if (!begun)
            progress->begin(QCoreApplication::translate("CarLibrary", "Copying the cars"), int(names.size()));
        begun = true;
        progress->step(done);
    });
    if (begun)
        progress->end();
    return batch;
}

void LibraryDoor::recover()
{
    if (m_cars.path().isEmpty() || m_garage.path().isEmpty() || m_onlyReads)
        return;
    for (const QString& problem : m_engine.recover(folders()))
        m_platform.dialogs.plain(
            QCoreApplication::translate("CarLibrary",
                                        "An interrupted move or deletion could not be finished: ") +
            problem);
}

MoveOutcome LibraryDoor::moveUnlisted(const QString& name, FolderRole to)
{
    if (name.isEmpty())
        return MoveOutcome::Protected;
    return report(m_engine.move(folders(), name, directionTo(to))) ? MoveOutcome::Moved
                                                                   : MoveOutcome::Blocked;
}

bool LibraryDoor::deleteUnlisted(const QString& name, FolderRole from)
{
    const QString& folder = pathOf(from);
    if (name.isEmpty() || !m_platform.fs.isFolder(joinPath(folder, name)))
        return false;
    const DeleteResult deleted =
        m_engine.deleteCar(folder, name, m_engine.deleteWayFor(joinPath(folder, name)));
    return report(deleted, name) && deleted.status == DeleteResult::Status::Deleted;
}

bool LibraryDoor::report(const MoveResult& moved)
{
    Dialogs& dialogs = m_platform.dialogs;
    switch (moved.status) {
    case MoveResult::Status::Moved:
        // Moved; only tidying up the hidden source failed, which the next start finishes.
        if (moved.error)
            dialogs.plain(moved.error.description());
        return true;
    case MoveResult::Status::TargetTaken:
    case MoveResult::Status::ReadOnly:
        dialogs.plain(accessErrorMessage());
        return false;
    case MoveResult::Status::SourceMissing:
    case MoveResult::Status::Failed:
        // The access message covers read-only parts and taken names; any other reason the system
        // gave (a link loop, say) is named after it rather than hidden behind it.
        if (moved.error.fault() != err::PathFileAccess)
            dialogs.plain(moved.error.description());
        else if (moved.error == Error::of(err::PathFileAccess))
            dialogs.plain(accessErrorMessage());
        else
            dialogs.plain(accessErrorMessage() + QStringLiteral("\n\n") + moved.error.description());
        return false;
    }
    return false;
}

bool LibraryDoor::report(const DeleteResult& deleted, const QString& name)
{
    Dialogs& dialogs = m_platform.dialogs;
    switch (deleted.status) {
    case DeleteResult::Status::Deleted:
        break;
    case DeleteResult::Status::Kept:
        // Nothing was deleted: the car stays whole and listed, unless it was not there at all.
        dialogs.plain(deleted.error.miscMessage());
        if (deleted.error.fault() != err::PathNotFound)
            return false;
        break;
    case DeleteResult::Status::KeptHidden:
        dialogs.plain(deleted.error.miscMessage());
        dialogs.plain(
            QCoreApplication::translate(
                "CarLibrary",
                "The car %1 could not be deleted completely. What is left of it is kept, hidden, in %2")
                .arg(name, deleted.hiddenPath));
        break;
    }
    return true;
}

} // namespace parkwen
