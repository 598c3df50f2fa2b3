#include "library/carlibrary.h"
#include "library/carnames.h"
#include "library/carpicture.h"

#include <QCoreApplication>

namespace parkwen {

void CarLibrary::moveChosenFrom(FolderRole from)
{
    CarFolder& source = folder(from);
    // The key X reaches here even while ">>" is disabled for a stock entry.
    if (source.isLoadedByGame() && isProtectedStockEntry(source.chosen())) {
        m_platform.dialogs.beep();
        return;
    }
    moveCarNamed(source.chosen(), otherThan(source).role());
}

bool CarLibrary::isProtectedStockEntry(const QString& name) const
{
    if (!m_options.listsStockCars || name.isEmpty())
        return false;
    return m_cars.isStockAt(m_cars.list().rowOfKey(carKey(name)));
}

std::optional<MoveOutcome> CarLibrary::settledWhileWaiting(const QString& name, const CarList& source,
                                                           const CarList& target)
{
    if (source.rowOfKey(carKey(name)) >= 0)
        return std::nullopt;
    if (target.rowOfKey(carKey(name)) >= 0)
        return MoveOutcome::Moved;
    if (m_door.tellIfGone(name))
        return MoveOutcome::Blocked;
    return std::nullopt;
}

MoveOutcome CarLibrary::moveCarNamed(const QString& carName, FolderRole to)
{
    // A copy: the caller may pass a selection, which the list updates below change.
    const QString name = carName;
    CarFolder& target = folder(to);
    CarFolder& source = otherThan(target);
    Dialogs& dialogs = m_platform.dialogs;

    if (name.isEmpty()) {
        dialogs.inform(QCoreApplication::translate("CarLibrary",
                                                   "Please Select Something to Move. Fix, Think About It"));
        return MoveOutcome::Protected;
    }
    // What the command acts on is read under the lock: after waiting for another Parkwen, a car it
    // already sent where this one goes counts as moved, and a car it took away is named.
    const MoveEngine::Lock held = m_door.lock();
    if (!held.held())
        return MoveOutcome::Blocked;
    if (const std::optional<MoveOutcome> settled = settledWhileWaiting(name, source.list(), target.list()))
        return *settled;
    if (source.isLoadedByGame() && isProtectedStockEntry(name))
        return MoveOutcome::Protected;
    source.setChosen(name);
    const MoveResult moved = m_door.engine().move(
        m_door.folders(), name, to == FolderRole::Garage ? MoveDirection::ToGarage : MoveDirection::ToCars);
    if (!m_door.report(moved))
        return MoveOutcome::Blocked;
    showMoved(name, source, target);
    return MoveOutcome::Moved;
}

void CarLibrary::showMoved(const QString& name, CarFolder& source, CarFolder& target)
{
    CarList& sourceList = source.list();
    PictureStore& sourceStore = source.pictures();
    PictureStore& targetStore = target.pictures();
    Dialogs& dialogs = m_platform.dialogs;
    const QString key = carKey(name);
    const QString targetFolder = joinPath(target.path(), name);

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
    setCount(target.role(), target.count() + 1);
    setCount(source.role(), source.count() - 1);
    m_display.caption = name;

    if (sourceList.isEmpty()) {
        source.setChosen(QString());
        emit changed();
        return;
    }
    if (sourceList.hasSelection()) {
        source.setChosen(sourceList.selectedText());
        m_display.picture = sourceStore.picture(carKey(source.chosen()));
    } else {
        m_display.picture = sourceStore.picture(key);
    }
    if (source.isLoadedByGame())
        showWhatRemains(source);
    emit changed();
}

// After a car left the loaded folder: the next car chosen there may be sent away or deleted unless it
// is one of the game's own; with none chosen, nothing may, and the picture is the other folder's first.
void CarLibrary::showWhatRemains(CarFolder& folder)
{
    const CarList& list = folder.list();
    if (list.hasSelection()) {
        m_display.canSendChosen = !folder.isStockAt(list.selectedRow());
        m_display.canDeleteChosen = m_display.canSendChosen;
        return;
    }
    m_display.canSendChosen = false;
    m_display.canDeleteChosen = false;
    const CarFolder& other = otherThan(folder);
    if (!other.list().isEmpty())
        m_display.picture = other.pictures().picture(other.list().at(0).key);
}

void CarLibrary::moveAllFrom(FolderRole from)
{
    CarFolder& source = folder(from);
    const FolderRole to = otherThan(source).role();
    const MoveEngine::Lock held = m_door.lock();
    if (!held.held())
        return;
    const bool toGarage = source.isLoadedByGame();
    const CarList& list = source.list();
    const int passes = list.count();
    QStringList names;
    for (const QString& name : list.texts())
        if (!isProtectedStockEntry(name) || !toGarage)
            names << name;
    const MoveEngine::Batch batch = m_door.prepareMoves(names, to);
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
        if (moveCarNamed(source.chosen(), to) != MoveOutcome::Moved)
            ++row;
        if (progress)
            progress->step(pass + 1);
    }
    if (progress)
        progress->end();
}

} // namespace parkwen
