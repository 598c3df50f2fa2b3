#include "library/carlibrary.h"
#include "library/carnames.h"
#include "library/carpicture.h"

#include <QCoreApplication>

namespace parkwen {

namespace {

QString accessErrorMessage()
{
    return QStringLiteral(
        "Path\\File Access Error. Most Likely: Caused by Hidden\\Read-Only\\System Files in "
        "Directory Or Folder Already Exists. Fix Manually.");
}

} // namespace

void CarLibrary::sendChosenToGarage()
{
    // The key X reaches here even while ">>" is disabled for a stock entry.
    if (isProtectedStockEntry(m_cars.chosen())) {
        m_platform.dialogs.beep();
        return;
    }
    moveCarNamed(m_cars.chosen(), true);
}

void CarLibrary::bringChosenToCarFolder()
{
    moveCarNamed(m_garage.chosen(), false);
}

bool CarLibrary::isProtectedStockEntry(const QString& name) const
{
    if (!m_listsStockCars || name.isEmpty())
        return false;
    return m_cars.isStockAt(m_cars.list().rowOfKey(carKey(name)));
}

bool CarLibrary::reportMove(const MoveResult& moved)
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
        if (moved.error.number() != err::PathFileAccess)
            dialogs.plain(moved.error.description());
        else if (moved.error == Error::of(err::PathFileAccess))
            dialogs.plain(accessErrorMessage());
        else
            dialogs.plain(accessErrorMessage() + QStringLiteral("\n\n") + moved.error.description());
        return false;
    }
    return false;
}

std::optional<MoveOutcome> CarLibrary::settledWhileWaiting(const QString& name, const CarList& source,
                                                           const CarList& target)
{
    if (source.rowOfKey(carKey(name)) >= 0)
        return std::nullopt;
    if (target.rowOfKey(carKey(name)) >= 0)
        return MoveOutcome::Moved;
    if (tellIfGoneWhileWaiting(name))
        return MoveOutcome::Blocked;
    return std::nullopt;
}

MoveOutcome CarLibrary::moveUnlistedCar(const QString& name, bool toGarage)
{
    if (name.isEmpty() || (toGarage && m_listsStockCars && isStockCar(name)))
        return MoveOutcome::Protected;
    const MoveResult moved = m_engine.move(CarFolders{m_cars.path(), m_garage.path()}, name,
                                           toGarage ? MoveDirection::ToGarage : MoveDirection::ToCars);
    return reportMove(moved) ? MoveOutcome::Moved : MoveOutcome::Blocked;
}

MoveOutcome CarLibrary::moveCarNamed(const QString& carName, bool toGarage)
{
    // A copy: the caller may pass a selection, which the list updates below change.
    const QString name = carName;
    CarFolder& source = toGarage ? m_cars : m_garage;
    CarFolder& target = otherThan(source);
    CarList& sourceList = source.list();
    PictureStore& sourceStore = source.pictures();
    PictureStore& targetStore = target.pictures();
    Dialogs& dialogs = m_platform.dialogs;

    if (name.isEmpty()) {
        dialogs.inform(QCoreApplication::translate("CarLibrary",
                                                   "Please Select Something to Move. Fix, Think About It"));
        return MoveOutcome::Protected;
    }
    // What the command acts on is read under the lock: after waiting for another Parkwen, a car it
    // already sent where this one goes counts as moved, and a car it took away is named.
    const MoveEngine::Lock held = lockForChange();
    if (!held.held())
        return MoveOutcome::Blocked;
    if (const std::optional<MoveOutcome> settled = settledWhileWaiting(name, sourceList, target.list()))
        return *settled;
    if (toGarage && isProtectedStockEntry(name))
        return MoveOutcome::Protected;
    source.setChosen(name);
    const QString key = carKey(name);
    const QString targetFolder = joinPath(target.path(), name);

    const MoveResult moved = m_engine.move(CarFolders{m_cars.path(), m_garage.path()}, name,
                                           toGarage ? MoveDirection::ToGarage : MoveDirection::ToCars);
    if (!reportMove(moved))
        return MoveOutcome::Blocked;

    // The car has moved on the disk; bring the lists up to date entry by entry.
    const int row = sourceList.rowOfKey(key);
    if (row >= 0) {
        sourceList.removeRow(row);
    } else {
        dialogs.plain(QCoreApplication::translate("CarLibrary", "Element not found"));
    }

    if (!targetStore.contains(key)) {
        const QString file = carPictureFile(m_platform.fs, targetFolder);
        // The target folder holds the files the source list's thumbnail was read from: while the
        // picture file is there, that thumbnail is shared instead of decoded again.
        if (!file.isEmpty() && sourceStore.contains(key)) {
            targetStore.add(key, sourceStore.picture(key));
        } else {
            auto loaded =
                m_platform.pictures.load(file.isEmpty() ? targetFolder : joinPath(targetFolder, file),
                                         QSize(PictureStore::Size, PictureStore::Size));
            if (loaded.ok())
                targetStore.add(key, loaded.take()); // a key registered before keeps its old picture
            else
                dialogs.plain(loaded.error().description());
        }
    }
    // A car that arrives is never one of the game's own in the list it joins.
    target.list().appendMany({{key, name, false}});

    // The count of the folder it reached first, as the two counts have always changed.
    setCount(target, target.count() + 1);
    setCount(source, source.count() - 1);
    m_pictureCaption = name;

    if (sourceList.isEmpty()) {
        source.setChosen(QString());
        emit changed();
        return MoveOutcome::Moved;
    }
    if (sourceList.hasSelection()) {
        source.setChosen(sourceList.selectedText());
        m_shownPicture = sourceStore.picture(carKey(source.chosen()));
    } else {
        m_shownPicture = sourceStore.picture(key);
    }
    if (source.isLoadedByGame())
        showWhatRemains(source);
    emit changed();
    return MoveOutcome::Moved;
}

// After a car left the loaded folder: the next car chosen there may be sent away or deleted unless it
// is one of the game's own; with none chosen, nothing may, and the picture is the other folder's first.
void CarLibrary::showWhatRemains(CarFolder& folder)
{
    const CarList& list = folder.list();
    if (list.hasSelection()) {
        m_canSendChosen = !folder.isStockAt(list.selectedRow());
        m_canDeleteChosen = m_canSendChosen;
        return;
    }
    m_canSendChosen = false;
    m_canDeleteChosen = false;
    const CarFolder& other = otherThan(folder);
    if (!other.list().isEmpty())
        m_shownPicture = other.pictures().picture(other.list().at(0).key);
}

void CarLibrary::recoverInterruptedMoves()
{
    if (m_cars.path().isEmpty() || m_garage.path().isEmpty() || m_onlyReads)
        return;
    for (const QString& problem : m_engine.recover(CarFolders{m_cars.path(), m_garage.path()}))
        m_platform.dialogs.plain(
            QCoreApplication::translate("CarLibrary",
                                        "An interrupted move or deletion could not be finished: ") +
            problem);
}

MoveEngine::Batch CarLibrary::prepareMoves(const QStringList& names, bool toGarage)
{
    // A progress of its own, shown only once there is something to copy.
    Progress* progress = m_platform.progress;
    bool begun = false;
    MoveEngine::Batch batch = m_engine.prepareBatch(
        CarFolders{m_cars.path(), m_garage.path()}, names,
        toGarage ? MoveDirection::ToGarage : MoveDirection::ToCars, [&](int done) {
            if (!progress)
                return;
            if (!begun)
                progress->begin(QCoreApplication::translate("CarLibrary", "Copying the cars"),
                                int(names.size()));
            begun = true;
            progress->step(done);
        });
    if (begun)
        progress->end();
    return batch;
}

void CarLibrary::bringAllToCarFolder()
{
    moveAll(m_garage);
}

void CarLibrary::sendAllToGarage()
{
    moveAll(m_cars);
}

void CarLibrary::moveAll(CarFolder& source)
{
    const MoveEngine::Lock held = lockForChange();
    if (!held.held())
        return;
    const bool toGarage = source.isLoadedByGame();
    const CarList& list = source.list();
    const int passes = list.count();
    QStringList names;
    for (const QString& name : list.texts())
        if (!isProtectedStockEntry(name) || !toGarage)
            names << name;
    const MoveEngine::Batch batch = prepareMoves(names, toGarage);
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(
            toGarage ? QCoreApplication::translate("CarLibrary", "Sending all cars to the Garage Folder")
                     : QCoreApplication::translate("CarLibrary", "Sending all cars to the Car Folder"),
            passes);
    int row = 0;
    for (int pass = 0; pass < passes && row < list.count(); ++pass) {
        source.setChosen(list.text(row));
        // The entries after a moved car move up, so the position stays; stock entries and cars that
        // cannot move (reported by their move) keep their places and the others go on.
        if (moveCarNamed(source.chosen(), toGarage) != MoveOutcome::Moved)
            ++row;
        if (progress)
            progress->step(pass + 1);
    }
    if (progress)
        progress->end();
}

} // namespace parkwen
