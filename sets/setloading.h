#pragma once

#include "platform/platform.h"
#include "sets/setstore.h"

#include <QString>

#include <optional>

namespace parkwen {

class CarLibrary;

// Values the set window, the set chooser and the set commands share for the whole run.
struct SetSession
{
    bool editMode = false; // "Create Set" sets it to no, "Edit Set" to yes
    QString chosenSetName; // the file name the set chooser returned last (empty for none)
};
SetSession& setSession();

// The set chooser: asks the user for one set of the sets folder and returns its file name, or an empty
// text when none was selected. The window never returns the blank set.
class SetChooser
{
public:
    virtual ~SetChooser() = default;
    virtual QString choose() = 0;
};

// Shows the chooser and returns the chosen set, remembering it in the session. When there is no set
// to choose from, or none was chosen, the user is told there is no set to use and std::nullopt comes
// back.
std::optional<QString> chooseSet(SetChooser& chooser, SetStore& store, Dialogs& dialogs);

// "Load set": brings every member of the chosen set that is in the garage list into the Car Folder,
// in file order, one "<<" at a time.
void loadSet(CarLibrary& library, Platform platform, SetChooser& chooser);
// "Set only": loads the set, then sends every car of the car list that is no member to the garage.
void loadSetOnly(CarLibrary& library, Platform platform, SetChooser& chooser);
// "Rem. Set": sends every car of the car list that is a member of the chosen set to the garage.
void removeSet(CarLibrary& library, Platform platform, SetChooser& chooser);

} // namespace parkwen
