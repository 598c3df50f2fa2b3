#include "library/carlibrary.h"
#include "library/carnames.h"

#include <QCoreApplication>

namespace parkwen {

void CarLibrary::deleteChosen(bool ask)
{
    const FolderRole role = m_display.lastChosen;
    CarFolder& source = folder(role);
    const bool fromCars = source.isLoadedByGame();
    CarList& list = source.list();
    Dialogs& dialogs = m_platform.dialogs;

    const QString name = source.chosen();
    if (name.isEmpty()) {
        dialogs.inform(QCoreApplication::translate("CarLibrary",
                                                   "Please Select Something to Delete. Fix, Think About It"));
        return;
    }
    const QString path = joinPath(source.path(), name);
    MoveEngine& engine = m_door.engine();

    // The question says what will happen to the files.
    const MoveEngine::DeleteWay way = engine.deleteWayFor(path);
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
                .arg(engine.linkTargetOf(path));
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

    const MoveEngine::Lock held = m_door.lock();
    if (!held.held() || m_door.tellIfGone(name))
        return;
    const DeleteResult deleted = engine.deleteCar(source.path(), name, way);
    if (!m_door.report(deleted, name))
        return;

    // The entry of the car just deleted leaves its list. A name that has no entry (the folder was
    // never listed) removes nothing and leaves the count alone.
    const int row = list.rowOfKey(carKey(name));
    if (row >= 0) {
        list.removeRow(row);
        setCount(role, source.count() - 1);
    } else {
        dialogs.plain(Error::of(err::IndexOutOfBounds).miscMessage());
    }

    emit focusRequested(role);
    m_display.lastChosen = role;

    if (list.hasSelection()) {
        m_display.caption = list.selectedText();
        source.setChosen(list.selectedText());
    } else {
        dialogs.plain(Error::of(err::IndexOutOfBounds).miscMessage());
    }
    if (fromCars && source.chosen() == QLatin1String("r5"))
        source.setChosen(QStringLiteral("R5Turbo"));
    m_display.picture = source.pictures().picture(carKey(source.chosen()));

    if (fromCars) {
        bool stock = false;
        if (list.hasSelection()) {
            stock = source.isStockAt(list.selectedRow());
        } else {
            dialogs.plain(Error::of(err::IndexOutOfBounds).miscMessage());
            stock = true;
        }
        m_display.canSendChosen = !stock;
        m_display.canDeleteChosen = !stock;
    }
    emit changed();
}

} // namespace parkwen
