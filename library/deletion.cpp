#include "carlibrary.h"

#include <QSet>

namespace parkwen {

namespace {
const QString kCarSuffix = QStringLiteral("CAR");
}

void CarLibrary::Del_Click()
{
    deleteChosenCar(true);
}

void CarLibrary::deleteChosenCar(bool ask)
{
    const bool fromCars = lastSelected == LastCarList;
    const int listValue = fromCars ? LastCarList : LastGarageList;
    CarList& list = fromCars ? Cart3 : Gartery;
    PictureStore& store = fromCars ? CarpList : GargList;
    QString& selection = fromCars ? carSelection : garageSelection;
    FileSystem& fs = m_platform.fs;
    Dialogs& dialogs = m_platform.dialogs;

    const QString name = selection;
    if (name.isEmpty()) {
        dialogs.inform(QStringLiteral("Please Select Something to Delete. Fix, Think About It"));
        return;
    }
    const QString question =
        QStringLiteral("Are you sure you want to delete the car ") + name +
        (fromCars ? QStringLiteral(" from your Car Folder") : QStringLiteral(" from your Garage Folder"));
    if (ask &&
        dialogs.message(question, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;

    const QString folder = joinPath(fromCars ? carFolder : garageFolder, name);

    // Delete the files directly inside the folder. A file that can't be deleted is reported once and
    // passed over, so the loop always ends.
    QSet<QString> kept;
    for (;;) {
        QString file;
        for (const QString& listed : fs.listFiles(folder)) {
            if (!kept.contains(listed)) {
                file = listed;
                break;
            }
        }
        if (file.isEmpty())
            break;
        if (Error e = fs.deleteFile(joinPath(folder, file))) {
            dialogs.plain(e.miscMessage());
            kept.insert(file);
        }
    }
    if (Error e = fs.removeFolder(folder))
        dialogs.plain(e.miscMessage());

    // The entry of the car just deleted leaves its list. A name that has no entry (the folder was
    // never listed) removes nothing and leaves the count alone.
    const int row = list.rowOfKey(name + kCarSuffix);
    if (row >= 0) {
        list.removeRow(row);
        if (fromCars && stockMode)
            shiftStockFlagsDown(row + 1);
        if (fromCars)
            addToCam(-1);
        else
            addToGam(-1);
    } else {
        dialogs.plain(Error::of(err::IndexOutOfBounds).miscMessage());
    }

    emit focusRequested(listValue);
    lastSelected = listValue;

    if (list.hasSelection()) {
        frameCaption = list.selectedText();
        selection = list.selectedText();
    } else {
        dialogs.plain(Error::of(err::IndexOutOfBounds).miscMessage());
    }
    if (fromCars && carSelection == QLatin1String("r5"))
        carSelection = QStringLiteral("R5Turbo");
    picture = store.picture(selection + kCarSuffix);

    if (fromCars) {
        bool stock = false;
        if (Cart3.hasSelection()) {
            const int position = Cart3.selectedRow() + 1;
            stock = position < StockFlagCount && stockFlags[size_t(position)] == -1;
        } else {
            dialogs.plain(Error::of(err::IndexOutOfBounds).miscMessage());
            stock = true;
        }
        garterEnabled = !stock;
        delEnabled = !stock;
    }
    emit changed();
}

} // namespace parkwen
