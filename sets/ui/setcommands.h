#pragma once

#include "platform/platform.h"

class QWidget;

namespace parkwen {

class CarLibrary;

// The set buttons of the main window. Each runs to its end (its windows are modal); `parent` is the
// main window. Cars move only through the library's ">>" and "<<" commands, which report their own
// failures and update the lists and counts.

// "Create Set" (Crete): the set window for a new set.
void createSet(CarLibrary& library, Platform platform, QWidget* parent);
// "Edit Set" (Ed_It): the set chooser, then the set window for the chosen set.
void editSet(CarLibrary& library, Platform platform, QWidget* parent);
// "Load set" (SetLdPlus).
void loadSet(CarLibrary& library, Platform platform, QWidget* parent);
// "Set only" (SetLdOnly).
void loadSetOnly(CarLibrary& library, Platform platform, QWidget* parent);
// "Rem. Set" (SetRemv).
void removeSet(CarLibrary& library, Platform platform, QWidget* parent);
// The car table's "Add to Set": the set chooser, then the named cars added to the chosen set
// (members it has already are not added twice).
void addCarsToSet(Platform platform, QWidget* parent, const QStringList& names);

} // namespace parkwen
