#pragma once

#include "platform/platform.h"

#include <QString>

namespace parkwen {

class CarLibrary;

// The other programs Parkwen starts from its program folder: the setup program (rigwell), the help
// viewer (hovlen) and, where the system has one, the registry editor.

// The path of a program of the program folder.
QString programPath(const Platform& platform, const QString& name);
// "Settings": starts the setup program, then reads the paths again.
void runSetup(CarLibrary& library);
// "Help": starts the help viewer.
void showHelp(Platform& platform);
// "Reset Reg.": resets the game's "Selected Car" number (only where the system has a registry).
void resetSelectedCarNumber(Platform& platform);

} // namespace parkwen
