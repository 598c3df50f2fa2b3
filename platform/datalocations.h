#pragma once

#include "platform/error.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace parkwen {

// Where the programs and the player's data are. Parkwen and rigwell resolve this the same way from
// wherever each of them runs, so they always read and write the same paths.mdb.
//
// Portable: paths.mdb, blank.pkn and the sets folder beside the programs, as in the build folder.
// Installed: paths.mdb in the user's configuration folder and blank.pkn and the sets folder in the
// user's data folder (both ".../parkwen"), because the programs' folder belongs to the system.
struct DataLocations
{
    // Which program asks: the main program lives in bin/, the setup program and the help viewer in
    // the helper folder (libexec/parkwen) once installed.
    enum class Asker { Main, Helper };

    // What the resolver needs from the machine; tests hand in their own.
    struct Environment
    {
        QString configHome; // the user's configuration folder (XDG_CONFIG_HOME)
        QString dataHome;   // the user's data folder (XDG_DATA_HOME)
        std::function<bool(const QString& folder)> writable;
        // The machine's own folders (QStandardPaths) and write permission.
        static Environment system();
    };

    static constexpr const char* PortableMarker = "portable";
    static constexpr const char* FolderName = "parkwen";

    bool portable = true;
    bool installedLayout = false;
    QString mainFolder;     // the folder that holds parkwen
    QString helperFolder;   // the folder that holds rigwell and hovlen
    QString configFolder;   // paths.mdb
    QString dataFolder;     // blank.pkn and the sets folder
    QString deliveredBlank; // the blank set shipped with the programs

    QString pathsFile() const;
    QString setsFolder() const;

    // Resolves the locations for a program running from `executableFolder`.
    static DataLocations resolve(const QString& executableFolder, Asker asker, const Environment& env);
    static DataLocations resolve(const QString& executableFolder, Asker asker);

    // Makes the data folders ready on first use: in installed mode the configuration and data folders
    // are created and the data folder gets its copy of the blank set. Portable mode needs nothing.
    Error prepare() const;

    // Lines that tell the user where the data lives (for --version).
    QStringList describe() const;
};

} // namespace parkwen
