#pragma once

#include "platform/platform.h"
#include "platform/qt/qtpictures.h"
#include "tests/support/carfolders.h"
#include "tests/support/faultyfilesystem.h"
#include "tests/support/recordingprocesses.h"
#include "tests/support/scripteddialogs.h"

#include <QTemporaryDir>

namespace parkwen::test {

// A temporary program folder with a Car Folder and a Garage Folder beside it, and a platform made
// of the real disk (with injectable faults), real pictures, scripted dialogs and recorded starts.
struct TestLibrary
{
    QTemporaryDir root;
    QString programFolder = makeFolder(root.path(), QStringLiteral("program"));
    QString carFolder = makeFolder(root.path(), QStringLiteral("cars"));
    QString garageFolder = makeFolder(root.path(), QStringLiteral("garage"));
    FaultyFileSystem fs;
    QtPictures pictures;
    ScriptedDialogs dialogs;
    RecordingProcesses processes;

    Platform platform() { return Platform{fs, pictures, dialogs, processes, programFolder}; }

    // Writes paths.mdb into the program folder with the given records.
    void writePaths(const QStringList& records);
    void writePaths(const QString& maxText = QStringLiteral("200"))
    {
        writePaths({carFolder, garageFolder, maxText});
    }
    // An empty file standing in for a program of the program folder (rigwell, hovlen).
    void installProgram(const QString& name);
};

} // namespace parkwen::test
