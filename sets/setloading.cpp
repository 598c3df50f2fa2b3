#include "sets/setloading.h"

#include "library/carlibrary.h"

#include <QCoreApplication>
#include <QSet>

namespace parkwen {

namespace {

QString NoSets()
{
    return QCoreApplication::translate("SetLoading",
                                       "There is no Set to use yet. Click \"Create Set\" to create one.");
}
QString NoneChosen()
{
    return QCoreApplication::translate("SetLoading", "No Set Selected, there is no Set to use.");
}

std::optional<QStringList> readChosenSet(Platform& platform, SetChooser& chooser)
{
    SetStore store(platform.fs, platform.dataHome());
    const std::optional<QString> chosen = chooseSet(chooser, store, platform.dialogs);
    if (!chosen)
        return std::nullopt;
    Result<QStringList> members = store.read(*chosen);
    if (!members.ok()) {
        platform.dialogs.message(members.error().miscMessage(), Dialogs::Icon::Exclamation);
        return std::nullopt;
    }
    return members.take();
}

// Each member in turn: every garage entry equal to it goes to the Car Folder. After a move the
// entries below move up, so the position stays and the pass counts double; a car that could not
// move was reported by its move and is passed, so it is not tried (and reported) again.
void loadMembers(CarLibrary& library, const QStringList& members)
{
    const CarList& garage = library.folder(FolderRole::Garage).list();
    QStringList arriving;
    for (const QString& member : members)
        if (garage.rowOfText(member) >= 0)
            arriving << member;
    const MoveEngine::Batch batch = library.door().prepareMoves(arriving, FolderRole::Cars);
    for (const QString& member : members) {
        const int passes = garage.count();
        int row = 0;
        for (int pass = 1; pass <= passes; ++pass) {
            if (row >= garage.count())
                break;
            if (garage.text(row) == member &&
                library.moveCarNamed(member, FolderRole::Cars) == MoveOutcome::Moved)
                ++pass;
            else
                ++row;
        }
    }
}

// Sends the car-list entries for which `send` holds to the garage, looking at each position once
// per entry the list had at the start. Stock entries that ">>" may not send, and cars that cannot
// move, keep their place.
template <typename Predicate> void sendCarsToGarage(CarLibrary& library, Predicate send)
{
    const CarList& cars = library.folder(FolderRole::Cars).list();
    QStringList leaving;
    for (const QString& name : cars.texts())
        if (send(name))
            leaving << name;
    const MoveEngine::Batch batch = library.door().prepareMoves(leaving, FolderRole::Garage);
    const int passes = cars.count();
    int row = 0;
    for (int pass = 1; pass <= passes; ++pass) {
        if (row >= cars.count())
            break;
        library.folder(FolderRole::Cars).setChosen(cars.text(row));
        const QString name = library.folder(FolderRole::Cars).chosen();
        if (!send(name) || library.moveCarNamed(name, FolderRole::Garage) != MoveOutcome::Moved)
            ++row;
    }
}

} // namespace

SetSession& setSession()
{
    static SetSession session;
    return session;
}

std::optional<QString> chooseSet(SetChooser& chooser, SetStore& store, Dialogs& dialogs)
{
    QStringList sets = store.list();
    sets.removeAll(SetStore::BlankSet);
    if (sets.isEmpty()) {
        setSession().chosenSetName.clear();
        dialogs.message(NoSets(), Dialogs::Icon::Information);
        return std::nullopt;
    }
    const QString chosen = chooser.choose();
    setSession().chosenSetName = chosen;
    if (chosen.isEmpty()) {
        dialogs.message(NoneChosen(), Dialogs::Icon::Information);
        return std::nullopt;
    }
    return chosen;
}

void loadSet(CarLibrary& library, Platform platform, SetChooser& chooser)
{
    const std::optional<QStringList> members = readChosenSet(platform, chooser);
    if (!members)
        return;
    const MoveEngine::Lock held = library.door().lock();
    if (held.held())
        loadMembers(library, *members);
}

void loadSetOnly(CarLibrary& library, Platform platform, SetChooser& chooser)
{
    const std::optional<QStringList> members = readChosenSet(platform, chooser);
    if (!members)
        return;
    // The folders are read under the lock: another Parkwen's set may have moved cars meanwhile.
    const MoveEngine::Lock held = library.door().lock();
    if (!held.held())
        return;
    loadMembers(library, *members);
    const QSet<QString> memberSet(members->begin(), members->end());
    sendCarsToGarage(library, [&](const QString& name) { return !memberSet.contains(name); });
}

void removeSet(CarLibrary& library, Platform platform, SetChooser& chooser)
{
    const std::optional<QStringList> members = readChosenSet(platform, chooser);
    if (!members)
        return;
    const MoveEngine::Lock held = library.door().lock();
    if (!held.held())
        return;
    const QSet<QString> memberSet(members->begin(), members->end());
    sendCarsToGarage(library, [&](const QString& name) { return memberSet.contains(name); });
}

} // namespace parkwen
