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

void CarLibrary::Garter_Click()
{
    // The key X reaches here even while ">>" is disabled for a stock entry.
    if (isProtectedStockEntry(carSelection)) {
        m_platform.dialogs.beep();
        return;
    }
    moveCarNamed(carSelection, true);
}

void CarLibrary::Carter_Click()
{
    moveCarNamed(garageSelection, false);
}

bool CarLibrary::isProtectedStockEntry(const QString& name) const
{
    if (!stockMode || name.isEmpty())
        return false;
    const int position = Cart3.rowOfKey(carKey(name)) + 1;
    return position >= 1 && position < StockFlagCount && stockFlags[size_t(position)] == -1;
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

MoveOutcome CarLibrary::moveUnlistedCar(const QString& name, bool toGarage)
{
    if (name.isEmpty() || (toGarage && stockMode && isStockCar(name)))
        return MoveOutcome::Protected;
    const MoveResult moved = m_engine.move(CarFolders{carFolder, garageFolder}, name,
                                           toGarage ? MoveDirection::ToGarage : MoveDirection::ToCars);
    return reportMove(moved) ? MoveOutcome::Moved : MoveOutcome::Blocked;
}

MoveOutcome CarLibrary::moveCarNamed(const QString& carName, bool toGarage)
{
    // A copy: the caller may pass a selection, which the list updates below change.
    const QString name = carName;
    CarList& sourceList = toGarage ? Cart3 : Gartery;
    CarList& targetList = toGarage ? Gartery : Cart3;
    PictureStore& sourceStore = toGarage ? CarpList : GargList;
    PictureStore& targetStore = toGarage ? GargList : CarpList;
    QString& selection = toGarage ? carSelection : garageSelection;
    Dialogs& dialogs = m_platform.dialogs;

    if (name.isEmpty()) {
        dialogs.inform(QCoreApplication::translate("CarLibrary",
                                                   "Please Select Something to Move. Fix, Think About It"));
        return MoveOutcome::Protected;
    }
    if (toGarage && isProtectedStockEntry(name))
        return MoveOutcome::Protected;
    selection = name;
    const QString key = carKey(name);
    const QString targetFolder = joinPath(toGarage ? garageFolder : carFolder, name);

    const MoveResult moved = m_engine.move(CarFolders{carFolder, garageFolder}, name,
                                           toGarage ? MoveDirection::ToGarage : MoveDirection::ToCars);
    if (!reportMove(moved))
        return MoveOutcome::Blocked;

    // The car has moved on the disk; bring the lists up to date entry by entry.
    const int row = sourceList.rowOfKey(key);
    if (row >= 0) {
        sourceList.removeRow(row);
        if (toGarage && stockMode)
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
        addToGam(1);
        addToCam(-1);
    } else {
        addToCam(1);
        addToGam(-1);
    }
    frameCaption = name;

    if (sourceList.isEmpty()) {
        selection.clear();
        emit changed();
        return MoveOutcome::Moved;
    }
    if (sourceList.hasSelection()) {
        selection = sourceList.selectedText();
        picture = sourceStore.picture(carKey(selection));
    } else {
        picture = sourceStore.picture(key);
    }

    if (toGarage) {
        if (Cart3.hasSelection()) {
            const int position = Cart3.selectedRow() + 1;
            const bool stock = position < StockFlagCount && stockFlags[size_t(position)] == -1;
            garterEnabled = !stock;
            delEnabled = !stock;
        } else {
            garterEnabled = false;
            delEnabled = false;
            if (!Gartery.isEmpty())
                picture = GargList.picture(Gartery.at(0).key);
        }
    }
    emit changed();
    return MoveOutcome::Moved;
}

void CarLibrary::recoverInterruptedMoves()
{
    if (carFolder.isEmpty() || garageFolder.isEmpty() || m_onlyReads)
        return;
    for (const QString& problem : m_engine.recover(CarFolders{carFolder, garageFolder}))
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
        stockFlags[size_t(p)] = stockFlags[size_t(p + 1)];
}

MoveEngine::Batch CarLibrary::prepareMoves(const QStringList& names, bool toGarage)
{
    // A progress of its own, shown only once there is something to copy.
    Progress* progress = m_platform.progress;
    bool begun = false;
    MoveEngine::Batch batch = m_engine.prepareBatch(
        CarFolders{carFolder, garageFolder}, names,
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

void CarLibrary::CopAll_Click()
{
    const int passes = Gartery.count();
    const MoveEngine::Batch batch = prepareMoves(Gartery.texts(), false);
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(QCoreApplication::translate("CarLibrary", "Sending all cars to the Car Folder"),
                        passes);
    // A car that cannot move was reported by its move; it keeps its place and the others go on.
    int row = 0;
    for (int pass = 0; pass < passes && row < Gartery.count(); ++pass) {
        if (moveCarNamed(Gartery.text(row), false) != MoveOutcome::Moved)
            ++row;
        if (progress)
            progress->step(pass + 1);
    }
    if (progress)
        progress->end();
}

void CarLibrary::DelAll_Click()
{
    const int passes = Cart3.count();
    QStringList names;
    for (const QString& name : Cart3.texts())
        if (!isProtectedStockEntry(name))
            names << name;
    const MoveEngine::Batch batch = prepareMoves(names, true);
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(QCoreApplication::translate("CarLibrary", "Sending all cars to the Garage Folder"),
                        passes);
    int row = 0;
    for (int pass = 0; pass < passes && row < Cart3.count(); ++pass) {
        carSelection = Cart3.text(row);
        // The entries after a moved car move up, so the position stays; stock entries and cars that
        // cannot move are passed.
        if (moveCarNamed(carSelection, true) != MoveOutcome::Moved)
            ++row;
        if (progress)
            progress->step(pass + 1);
    }
    if (progress)
        progress->end();
}

} // namespace parkwen
