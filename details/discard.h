#pragma once

#include "platform/dialogs.h"
#include "platform/filesystem.h"

#include <QString>

namespace parkwen {

// Asks before a file of a car's folder is deleted: a Yes/No question with No as the default,
// naming the file and saying whether it goes to the desktop's trash or is deleted for good.
// True when the user answered Yes.
bool confirmDiscard(FileSystem& fs, Dialogs& dialogs, const QString& path);
// Moves the file to the desktop's trash when one serves its disk, otherwise deletes it. A read-only
// file stays where it is (75) either way.
Error discardFile(FileSystem& fs, const QString& path);

// Asks before an existing file is replaced: a Yes/No question with No as the default, naming the
// file. True when nothing of that name is there or the user answered Yes.
bool confirmReplace(FileSystem& fs, Dialogs& dialogs, const QString& path);

} // namespace parkwen
