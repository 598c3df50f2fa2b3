#include "library/carlibrary.h"
#include "library/carnames.h"

#include <QCoreApplication>

namespace parkwen {

void CarLibrary::deleteChosen()
{
    deleteChosenCar(true);
}

void CarLibrary::deleteChosenCar(bool ask)
{
    const bool fromCars = m_lastChosenList == LastCarList;
    const int listValue = fromCars ? LastCarList : LastGarageList;
    CarList& list = fromCars ? m_carList : m_garageList;
    PictureStore& store = fromCars ? m_carPictures : m_garagePictures;
    QString& selection = fromCars ? m_chosenCar : m_chosenGarageCar;
    Dialogs& dialogs = m_platform.dialogs;

    const QString name = selection;
    if (name.isEmpty()) {
        dialogs.inform(QCoreApplication::translate("CarLibrary",
                                                   "Please Select Something to Delete. Fix, Think About It"));
        return;
    }
    const QString folder = fromCars ? m_carFolder : m_garageFolder;
    const QString path = joinPath(folder, name);

    // The question says what will happen to the files.
    const MoveEngine::DeleteWay way = m_engine.deleteWayFor(path);
    QString question =
        (fromCars ? QCoreApplication::translate(
                        "CarLibrary", "Are you sure you want to delete the car %1 from your Car Folder")
                  : QCoreApplication::translate(
                        "CarLibrary", "Are you sure you want to delete the car %1 from your Garage Folder"))
            .arg(name);
    switch (way) {
    case MoveEngine::DeleteWay::RemoveLink:
        question +=
            QCoreApplication::translate(
                "CarLibrary", " (it is a link: only the link is removed; the linked folder %1 is kept)")
                .arg(m_engine.linkTargetOf(path));
        break;
    case MoveEngine::DeleteWay::Trash:
        question += QCoreApplication::translate("CarLibrary", " (it goes to the trash)");
        break;
    case MoveEngine::DeleteWay::ForGood:
        question += QCoreApplication::translate("CarLibrary", " (it is deleted for good)");
        break;
    }
    if (ask && dialogs.message(question, Dialogs::Icon::Question, Dialogs::Buttons::YesNoDefaultNo) !=
                   Dialogs::Answer::Yes)
        return;

    const MoveEngine::Lock held = lockForChange();
    if (!held.held() || tellIfGoneWhileWaiting(name))
        return;
    const DeleteResult deleted = m_engine.deleteCar(folder, name, way);
    if (!reportDeletion(deleted, name))
        return;

    // The entry of the car just deleted leaves its list. A name that has no entry (the folder was
    // never listed) removes nothing and leaves the count alone.
    const int row = list.rowOfKey(carKey(name));
    if (row >= 0) {
        list.removeRow(row);
        if (fromCars && m_listsStockCars)
            shiftStockFlagsDown(row + 1);
        if (fromCars)
            addToCarCount(-1);
        else
            addToGarageCount(-1);
    } else {
        dialogs.plain(Error::of(err::IndexOutOfBounds).miscMessage());
    }

    emit focusRequested(listValue);
    m_lastChosenList = listValue;

    if (list.hasSelection()) {
        m_pictureCaption = list.selectedText();
        selection = list.selectedText();
    } else {
        dialogs.plain(Error::of(err::IndexOutOfBounds).miscMessage());
    }
    if (fromCars && m_chosenCar == QLatin1String("r5"))
        m_chosenCar = QStringLiteral("R5Turbo");
    m_shownPicture = store.picture(carKey(selection));

    if (fromCars) {
        bool stock = false;
        if (m_carList.hasSelection()) {
            const int position = m_carList.selectedRow() + 1;
            stock = position < StockFlagCount && m_stockFlags[size_t(position)] == -1;
        } else {
            dialogs.plain(Error::of(err::IndexOutOfBounds).miscMessage());
            stock = true;
        }
        m_canSendChosen = !stock;
        m_canDeleteChosen = !stock;
    }
    emit changed();
}

bool CarLibrary::reportDeletion(const DeleteResult& deleted, const QString& name)
{
    Dialogs& dialogs = m_platform.dialogs;
    switch (deleted.status) {
    case DeleteResult::Status::Deleted:
        break;
    case DeleteResult::Status::Kept:
        // Nothing was deleted: the car stays whole and listed, unless it was not there at all.
        dialogs.plain(deleted.error.miscMessage());
        if (deleted.error.number() != err::PathNotFound)
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

bool CarLibrary::deleteUnlistedCar(const QString& name, bool fromCars)
{
    const QString folder = fromCars ? m_carFolder : m_garageFolder;
    if (name.isEmpty() || !m_platform.fs.isFolder(joinPath(folder, name)))
        return false;
    const DeleteResult deleted =
        m_engine.deleteCar(folder, name, m_engine.deleteWayFor(joinPath(folder, name)));
    return reportDeletion(deleted, name) && deleted.status == DeleteResult::Status::Deleted;
}

} // namespace parkwen
