#pragma once

#include "dialogs.h"
#include "filesystem.h"
#include "pictures.h"
#include "processes.h"
#include "progress.h"

namespace parkwen {

// The platform services a command needs, handed in by the window (or by a test).
struct Platform
{
    FileSystem& fs;
    Pictures& pictures;
    Dialogs& dialogs;
    Processes& processes;
    // The folder of the running program: paths.mdb, the sets folder, blank.pkn, rigwell, hovlen.
    QString programFolder;
    // Optional: where long work reports its progress.
    Progress* progress = nullptr;
};

} // namespace parkwen
