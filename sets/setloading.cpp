#include "setloading.h"

#include "carlibrary.h"

#include <QSet>

namespace parkwen {

namespace {

const QString NoSets = QStringLiteral("There is no Set to use yet. Click \"Create Set\" to create one.");
const QString NoneChosen = QStringLiteral("No Set Selected, there is no Set to use.");

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

// Each member in turn: every garage entry equal to it goes to the Car Folder through "<<". After a move
// the entries below move up, so the position stays and the pass counts double; a car that could not be
// moved is looked at again on the next pass.
void loadMembers(CarLibrary& library, const QStringList& members)
{
    CarList& garage = library.Gartery;
    for (const QString& member : members) {
        const int passes = garage.count();
        int row = 0;
        for (int pass = 1; pass <= passes; ++pass) {
            if (row >= garage.count())
                break;
            if (garage.text(row) == member) {
                library.garageSelection = garage.text(row);
                library.Carter_Click();
                ++pass;
            } else {
                ++row;
            }
        }
    }
}

// Sends the car-list entries for which `send` holds to the garage through ">>", looking at each
// position once per entry the list had at the start.
template <typename Predicate> void sendCarsToGarage(CarLibrary& library, Predicate send)
{
    CarList& cars = library.Cart3;
    const int passes = cars.count();
    int row = 0;
    for (int pass = 1; pass <= passes; ++pass) {
        if (row >= cars.count())
            break;
        library.carSelection = cars.text(row);
        if (send(library.carSelection))
            library.Garter_Click();
        else
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
        dialogs.message(NoSets, Dialogs::Icon::Information);
        return std::nullopt;
    }
    const QString chosen = chooser.choose();
    setSession().chosenSetName = chosen;
    if (chosen.isEmpty()) {
        dialogs.message(NoneChosen, Dialogs::Icon::Information);
        return std::nullopt;
    }
    return chosen;
}

void loadSet(CarLibrary& library, Platform platform, SetChooser& chooser)
{
    if (const std::optional<QStringList> members = readChosenSet(platform, chooser))
        loadMembers(library, *members);
}

void loadSetOnly(CarLibrary& library, Platform platform, SetChooser& chooser)
{
    const std::optional<QStringList> members = readChosenSet(platform, chooser);
    if (!members)
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
    const QSet<QString> memberSet(members->begin(), members->end());
    sendCarsToGarage(library, [&](const QString& name) { return memberSet.contains(name); });
}

} // namespace parkwen
