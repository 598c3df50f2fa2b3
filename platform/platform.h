#pragma once

#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/pictures.h"
#include "platform/processes.h"
#include "platform/progress.h"

namespace parkwen {

// The platform services a command needs, handed in by the window (or by a test).
struct Platform
{
    FileSystem& fs;
    Pictures& pictures;
    Dialogs& dialogs;
    Processes& processes;
    // The folder of the programs: rigwell, hovlen (and, unless set apart below, the player's data).
    QString programFolder;
    // Optional: where long work reports its progress.
    Progress* progress = nullptr;
    // Where paths.mdb is kept, and where blank.pkn and the sets folder are; the program folder when
    // empty (a portable program folder).
    QString configFolder = {};
    QString dataFolder = {};

    QString configHome() const { return configFolder.isEmpty() ? programFolder : configFolder; }
    QString dataHome() const { return dataFolder.isEmpty() ? programFolder : dataFolder; }
};

} // namespace parkwen
