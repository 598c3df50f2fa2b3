#pragma once

#include "install/carinstaller.h"
#include "install/tests/archivewriter.h"
#include "tests/support/testlibrary.h"

#include <QDir>
#include <QQueue>

namespace parkwen::test {

// The real disk with a trash of its own inside the test's folder, so no test touches the desktop's.
class TrashFileSystem : public FaultyFileSystem
{
public:
    QString trashFolder;
    bool hasTrash = true;
    QStringList trashed;
    QStringList trashedFrom;

    bool trashAvailable(const QString&) override { return hasTrash; }
    Error moveToTrash(const QString& path, const QString& shownAs = QString()) override
    {
        QDir().mkpath(trashFolder);
        trashed << lastName(path);
        trashedFrom << (shownAs.isEmpty() ? path : shownAs); // where the trash would restore it
        return LocalFileSystem::rename(path, trashFolder + QLatin1Char('/') + lastName(path));
    }
};

// Answers the install's questions from a script and records what was asked.
class ScriptedInstallQuestions : public InstallQuestions
{
public:
    QQueue<ClashAnswer> clashAnswers; // none left: Skip
    QQueue<bool> addAnswers;          // none left: Yes
    QQueue<bool> replaceAnswers;      // none left: No
    QList<CarClash> clashes;
    QStringList offered;      // cars offered files
    QStringList replaceAsked; // "car/file"

    ClashAnswer clash(const CarClash& clash) override
    {
        clashes << clash;
        return clashAnswers.isEmpty() ? ClashAnswer{} : clashAnswers.dequeue();
    }
    bool addFiles(const QString&, const QString& car, bool, const QStringList&, const QStringList&) override
    {
        offered << car;
        return addAnswers.isEmpty() || addAnswers.dequeue();
    }
    bool replaceFile(const QString&, const QString& car, const QString& file) override
    {
        replaceAsked << car + QLatin1Char('/') + file;
        return !replaceAnswers.isEmpty() && replaceAnswers.dequeue();
    }
};

// A car library on disk, a downloads folder for archives, and an installer over them.
struct InstallBench
{
    TestLibrary lib;
    TrashFileSystem fs;
    ScriptedInstallQuestions questions;
    QString downloads = makeFolder(lib.root.path(), QStringLiteral("downloads"));
    InstallLimits limits;
    std::function<bool()> cancel;

    InstallBench() { fs.trashFolder = lib.root.path() + QStringLiteral("/trash"); }

    Platform platform() { return Platform{fs, lib.pictures, lib.dialogs, lib.processes, lib.programFolder}; }

    QString archive(const QString& name, Format format, const QList<Item>& items,
                    const QList<ZeroFile>& zeros = {})
    {
        const QString path = downloads + QLatin1Char('/') + name;
        writeArchive(path, format, items, zeros);
        return path;
    }

    InstallSummary install(const QStringList& sources, bool toGarage = false)
    {
        CarInstaller installer(platform(), lib.carFolder, lib.garageFolder, questions);
        installer.setLimits(limits);
        if (cancel)
            installer.setCancelCheck(cancel);
        return installer.install(sources, toGarage ? CarInstaller::Target::GarageFolder
                                                   : CarInstaller::Target::CarFolder);
    }

    QString car(const QString& name) const { return lib.carFolder + QLatin1Char('/') + name; }
    QString garage(const QString& name) const { return lib.garageFolder + QLatin1Char('/') + name; }
};

} // namespace parkwen::test
