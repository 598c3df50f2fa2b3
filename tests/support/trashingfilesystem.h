#pragma once

#include "tests/support/faultyfilesystem.h"

#include <QDir>

namespace parkwen::test {

// The real disk with a trash the test controls: with `trashFolder` set, whatever goes to the trash
// lands in that folder; with it empty, no trash serves the disk.
class TrashingFileSystem : public FaultyFileSystem
{
public:
    QString trashFolder;

    bool trashAvailable(const QString&) override { return !trashFolder.isEmpty(); }
    Error moveToTrash(const QString& path, const QString& = QString()) override
    {
        if (trashFolder.isEmpty())
            return Error::of(err::PermissionDenied);
        QDir().mkpath(trashFolder);
        return rename(path, joinPath(trashFolder, lastName(path)));
    }
};

} // namespace parkwen::test
