#pragma once

#include "platform/dialogs.h"
#include "sets/setstore.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace parkwen {

// What the set window shows: the name box and the list of cars with their ticks.
struct SetForm
{
    bool editMode = false;
    QString name;        // SetFname; locked in edit mode
    QStringList entries; // CarSet, garage cars first, then Car Folder cars
    QList<bool> ticked;  // one per entry

    // The ticked entries in list order.
    QStringList members() const;
    // Ticks, for each member, the first entry whose text equals it exactly. Members that are no car
    // of either folder any more are passed over.
    void tickMembers(const QStringList& memberNames);
};

// A fresh form listing the garage cars, then the Car Folder cars, none ticked.
SetForm newSetForm(const QStringList& garageCars, const QStringList& folderCars);

// The form for editing an existing set: its name, locked, and its members ticked.
Result<SetForm> editSetForm(const QStringList& garageCars, const QStringList& folderCars, SetStore& store,
                            const QString& fileName);

// Asks for a set's name with "My Set's Name Is:" until the answer is a usable name, and returns it
// made into a file name. An empty answer is met with "No Name Specified. Name your Set:" and a name
// that can't be a file name in the sets folder with a message saying why; either way the prompt comes
// again. std::nullopt when the user cancels.
std::optional<QString> askSetName(Dialogs& dialogs);

// The set window's OK: names the set (asking while the name is missing, unusable or taken), sets up
// the sets folder if needed and writes the ticked cars. `form.name` ends as the name box shows it.
// Returns true when the set was written and the window should close; false when the user cancelled
// naming or a failure was reported, leaving the window open with its ticks.
bool saveSet(SetForm& form, SetStore& store, Dialogs& dialogs);

} // namespace parkwen
