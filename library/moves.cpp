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
    if (isProtectedStockEntry(m_chosenCar)) {
        m_platform.dialogs.beep();
        return;
    }
    moveCarNamed(m_chosenCar, true);
}

void CarLibrary::bringChosenToCarFolder()
{
    moveCarNamed(m_chosenGarageCar, false);
}

bool CarLibrary::isProtectedStockEntry(const QString& name) const
{
    if (!m_listsStockCars || name.isEmpty())
        return false;
    const int position = m_carList.rowOfKey(carKey(name)) + 1;
    return position >= 1 && position < StockFlagCount && m_stockFlags[size_t(position)] == -1;
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
    const MoveResult moved = m_engine.move(CarFolders{m_carFolder, m_garageFolder}, name,
                                           toGarage ? MoveDirection::ToGarage : MoveDirection::ToCars);
    return reportMove(moved) ? MoveOutcome::Moved : MoveOutcome::Blocked;
}

MoveOutcome CarLibrary::moveCarNamed(const QString& carName, bool toGarage)
{
    // A copy: the caller may pass a selection, which the list updates below change.
    const QString name = carName;
    CarList& sourceList = toGarage ? m_carList : m_garageList;
    CarList& targetList = toGarage ? m_garageList : m_carList;
    PictureStore& sourceStore = toGarage ? m_carPictures : m_garagePictures;
    PictureStore& targetStore = toGarage ? m_garagePictures : m_carPictures;
    QString& selection = toGarage ? m_chosenCar : m_chosenGarageCar;
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
    if (const std::optional<MoveOutcome> settled = settledWhileWaiting(name, sourceList, targetList))
        return *settled;
    if (toGarage && isProtectedStockEntry(name))
        return MoveOutcome::Protected;
    selection = name;
    const QString key = carKey(name);
    const QString targetFolder = joinPath(toGarage ? m_garageFolder : m_carFolder, name);

    const MoveResult moved = m_engine.move(CarFolders{m_carFolder, m_garageFolder}, name,
                                           toGarage ? MoveDirection::ToGarage : MoveDirection::ToCars);
    if (!reportMove(moved))
        return MoveOutcome::Blocked;

    // The car has moved on the disk; bring the lists up to date entry by entry.
    const int row = sourceList.rowOfKey(key);
    if (row >= 0) {
        sourceList.removeRow(row);
        if (toGarage && m_listsStockCars)
            shiftStockFlagsDown(row + 1);
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
    targetList.append(key, name);

    if (toGarage) {
        addToGarageCount(1);
        addToCarCount(-1);
    } else {
        addToCarCount(1);
        addToGarageCount(-1);
    }
    m_pictureCaption = name;

    if (sourceList.isEmpty()) {
        selection.clear();
        emit changed();
        return MoveOutcome::Moved;
    }
    if (sourceList.hasSelection()) {
        selection = sourceList.selectedText();
        m_shownPicture = sourceStore.picture(carKey(selection));
    } else {
        m_shownPicture = sourceStore.picture(key);
    }

    if (toGarage) {
        if (m_carList.hasSelection()) {
            const int position = m_carList.selectedRow() + 1;
            const bool stock = position < StockFlagCount && m_stockFlags[size_t(position)] == -1;
            m_canSendChosen = !stock;
            m_canDeleteChosen = !stock;
        } else {
            m_canSendChosen = false;
            m_canDeleteChosen = false;
            if (!m_garageList.isEmpty())
                m_shownPicture = m_garagePictures.picture(m_garageList.at(0).key);
        }
    }
    emit changed();
    return MoveOutcome::Moved;
}

void CarLibrary::recoverInterruptedMoves()
{
    if (m_carFolder.isEmpty() || m_garageFolder.isEmpty() || m_onlyReads)
        return;
    for (const QString& problem : m_engine.recover(CarFolders{m_carFolder, m_garageFolder}))
        m_platform.dialogs.plain(
            QCoreApplication::translate("CarLibrary",
                                        "An interrupted move or deletion could not be finished: ") +
            problem);
}

void CarLibrary::shiftStockFlagsDown(int position)
{
    if (position < 1)
        return;
    for (int p = position; p < StockFlagCount - 1; ++p)
        m_stockFlags[size_t(p)] = m_stockFlags[size_t(p + 1)];
}

MoveEngine::Batch CarLibrary::prepareMoves(const QStringList& names, bool toGarage)
{
    // A progress of its own, shown only once there is something to copy.
    Progress* progress = m_platform.progress;
    bool begun = false;
    MoveEngine::Batch batch = m_engine.prepareBatch(
        CarFolders{m_carFolder, m_garageFolder}, names,
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
    const MoveEngine::Lock held = lockForChange();
    if (!held.held())
        return;
    const int passes = m_garageList.count();
    const MoveEngine::Batch batch = prepareMoves(m_garageList.texts(), false);
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(QCoreApplication::translate("CarLibrary", "Sending all cars to the Car Folder"),
                        passes);
    // A car that cannot move was reported by its move; it keeps its place and the others go on.
    int row = 0;
    for (int pass = 0; pass < passes && row < m_garageList.count(); ++pass) {
        if (moveCarNamed(m_garageList.text(row), false) != MoveOutcome::Moved)
            ++row;
        if (progress)
            progress->step(pass + 1);
    }
    if (progress)
        progress->end();
}

void CarLibrary::sendAllToGarage()
{
    const MoveEngine::Lock held = lockForChange();
    if (!held.held())
        return;
    const int passes = m_carList.count();
    QStringList names;
    for (const QString& name : m_carList.texts())
        if (!isProtectedStockEntry(name))
            names << name;
    const MoveEngine::Batch batch = prepareMoves(names, true);
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(QCoreApplication::translate("CarLibrary", "Sending all cars to the Garage Folder"),
                        passes);
    int row = 0;
    for (int pass = 0; pass < passes && row < m_carList.count(); ++pass) {
        m_chosenCar = m_carList.text(row);
        // The entries after a moved car move up, so the position stays; stock entries and cars that
        // cannot move are passed.
        if (moveCarNamed(m_chosenCar, true) != MoveOutcome::Moved)
            ++row;
        if (progress)
            progress->step(pass + 1);
    }
    if (progress)
        progress->end();
}

} // namespace parkwen
