#include "app/cli/commands.h"

#include "install/carinstaller.h"

#include <limits>

#include "app/cli/carjson.h"
#include "details/naming.h"
#include "details/paramreader.h"
#include "details/statcaptions.h"
#include "details/textbuffer.h"
#include "library/carlibrary.h"
#include "sets/setfile.h"
#include "sets/setloading.h"
#include "sets/setstore.h"
#include "setup/paths_db.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace parkwen {

namespace {

// Hands the set commands the set named on the command line, as the set chooser would.
class NamedSetChooser : public SetChooser
{
public:
    explicit NamedSetChooser(QString fileName) : m_fileName(std::move(fileName)) {}
    QString choose() override { return m_fileName; }

private:
    QString m_fileName;
};

// A command never starts another program (rigwell would open a window and wait for the user).
class NoProcesses : public Processes
{
public:
    Error start(const QString&, const QStringList&) override { return Error::of(err::FileNotFound); }
    Error startAndWait(const QString&, const QStringList&) override { return Error::of(err::FileNotFound); }
};

} // namespace

void Commands::tell(const QString& text)
{
    m_platform.dialogs.plain(text);
}

int Commands::run(const CommandLine& line)
{
    if (line.mode != CommandLine::Mode::Command)
        return WrongCommandLine;

    NoProcesses noProcesses;
    CarLibrary library(Platform{m_platform.fs, m_platform.pictures, m_platform.dialogs, noProcesses,
                                m_platform.programFolder, nullptr, m_platform.configFolder,
                                m_platform.dataFolder});
    // Everything a command acts on is read under the library lock: shared for a command that only
    // reads, so that it never sees another Parkwen's move half done; exclusive for one that changes
    // the folders, which first finishes what an ended run left. A command that waited for another
    // Parkwen thus reads what that one left, not what was there before.
    if (!isSetUp())
        return Failed;
    const Result<PathsRecord> paths = readPathsRecord(library.platform());
    if (!paths.ok()) {
        tell(paths.error().miscMessage());
        return Failed;
    }
    if (line.command == CommandLine::Command::Packs || line.command == CommandLine::Command::EnablePack ||
        line.command == CommandLine::Command::DisablePack ||
        (line.command == CommandLine::Command::List && line.folder == CommandLine::Folder::Loaded))
        return packCommand(paths.value().carFolder, line);
    const CarFolders folders{paths.value().carFolder, paths.value().garageFolder};
    const bool onlyReads =
        line.command == CommandLine::Command::List || line.command == CommandLine::Command::Check ||
        line.command == CommandLine::Command::Stats || line.command == CommandLine::Command::Play ||
        line.command == CommandLine::Command::Render;
    // A reader waits without a word, and reads the folders as they are if the wait is given up.
    MoveEngine quietDoor(m_platform.fs);
    const MoveEngine::Lock held = onlyReads ? quietDoor.lock({folders.cars, folders.garage}, LockKind::Shared)
                                            : library.door().engine().lock({folders.cars, folders.garage});
    if (!held.held() && !onlyReads) {
        tell(MoveEngine::busyError().description());
        return Failed;
    }
    if (!onlyReads) {
        for (const QString& problem : library.door().engine().recover(folders))
            tell(QCoreApplication::translate("Commands",
                                             "An interrupted move or deletion could not be finished: ") +
                 problem);
    }
    if (line.command == CommandLine::Command::Check ||
        (line.command == CommandLine::Command::List && line.json))
        return survey(library, line);
    library.setThumbnailCache(m_thumbnails);
    // The statistics of one car need no scan (and no picture decoded).
    if (line.command == CommandLine::Command::Stats)
        return startLibrary(library, false) ? stats(library, line.name, line.json) : Failed;
    if (line.command == CommandLine::Command::Render)
        return startLibrary(library, false) ? render(library, line) : Failed;
    // Recovery has run already; the start-up reading only reads.
    library.door().setOnlyReads(true);
    if (!startLibrary(library))
        return Failed;
    library.door().setOnlyReads(onlyReads);

    switch (line.command) {
    case CommandLine::Command::List:
        return list(library, line.folder);
    case CommandLine::Command::LoadSet:
    case CommandLine::Command::OnlySet:
    case CommandLine::Command::RemoveSet:
        return applySet(library, line);
    case CommandLine::Command::Move:
        return move(library, line.name, line.folder);
    case CommandLine::Command::Install:
        return install(library, line);
    case CommandLine::Command::Stats:
        return stats(library, line.name, line.json);
    case CommandLine::Command::Play:
        return play(library, line);
    case CommandLine::Command::Check:
    case CommandLine::Command::Packs:
    case CommandLine::Command::EnablePack:
    case CommandLine::Command::DisablePack:
    case CommandLine::Command::Render:
    case CommandLine::Command::None:
        break;
    }
    return WrongCommandLine;
}

bool Commands::isSetUp()
{
    // Without settings the window would start rigwell; a command only says how to set up, naming the
    // menu entry and the setup program's real path (it is not on PATH once installed).
    const QString paths = joinPath(m_platform.configHome(), QStringLiteral("paths.mdb"));
    if (!m_platform.fs.exists(paths) || PathsDatabase::isUnfinished(paths)) {
        tell(QCoreApplication::translate(
                 "Commands", "Parkwen is not set up yet: %1 holds no settings. Start \"Parkwen Setup\" from "
                             "the menu, or run %2, first.")
                 .arg(paths, joinPath(m_platform.programFolder, QStringLiteral("rigwell"))));
        return false;
    }
    return true;
}

bool Commands::startLibrary(CarLibrary& library, bool scan)
{
    return isSetUp() && (scan ? library.startupReading(QString()) : library.readFolders());
}

int Commands::list(CarLibrary& library, CommandLine::Folder folder)
{
    QStringList names;
    if (folder != CommandLine::Folder::Garage)
        names << library.folder(FolderRole::Cars).list().texts();
    if (folder != CommandLine::Folder::Car)
        names << library.folder(FolderRole::Garage).list().texts();
    for (const QString& name : names)
        m_out << name << '\n';
    m_out.flush();
    return Done;
}

int Commands::applySet(CarLibrary& library, const CommandLine& line)
{
    SetStore store(m_platform.fs, m_platform.dataHome());
    const QString fileName = setFileName(line.name);
    if (fileName.compare(SetStore::BlankSet, Qt::CaseInsensitive) == 0) {
        tell(QCoreApplication::translate("Commands", "The blank set cannot be loaded or removed."));
        return Failed;
    }
    if (!setFileNameProblem(fileName).isEmpty() || !store.exists(fileName)) {
        tell(QCoreApplication::translate("Commands", "There is no set named \"%1\" in %2.")
                 .arg(line.name, store.folder()));
        return Failed;
    }
    Result<QStringList> read = store.read(fileName);
    if (!read.ok()) {
        tell(read.error().miscMessage());
        return Failed;
    }
    const QSet<QString> members(read.value().begin(), read.value().end());
    QSet<QString> inGarage;
    for (const QString& name : library.folder(FolderRole::Garage).list().texts())
        if (members.contains(name))
            inGarage.insert(name);

    NamedSetChooser chooser(fileName);
    Platform platform = library.platform();
    switch (line.command) {
    case CommandLine::Command::LoadSet:
        loadSet(library, platform, chooser);
        break;
    case CommandLine::Command::OnlySet:
        loadSetOnly(library, platform, chooser);
        break;
    default:
        removeSet(library, platform, chooser);
        break;
    }

    // Done when every car asked for stands where the set puts it; a move that failed has said why.
    bool done = true;
    if (line.command != CommandLine::Command::RemoveSet) {
        for (const QString& name : library.folder(FolderRole::Garage).list().texts())
            if (inGarage.contains(name))
                done = false;
    }
    for (const QString& name : library.folder(FolderRole::Cars).list().texts()) {
        const bool member = members.contains(name);
        if ((line.command == CommandLine::Command::OnlySet && !member) ||
            (line.command == CommandLine::Command::RemoveSet && member))
            done = false;
    }
    return done ? Done : Failed;
}

int Commands::move(CarLibrary& library, const QString& name, CommandLine::Folder to)
{
    const bool toGarage = to == CommandLine::Folder::Garage;
    const CarList& source =
        toGarage ? library.folder(FolderRole::Cars).list() : library.folder(FolderRole::Garage).list();
    const CarList& target =
        toGarage ? library.folder(FolderRole::Garage).list() : library.folder(FolderRole::Cars).list();
    const QString targetName = toGarage ? QCoreApplication::translate("Commands", "Garage Folder")
                                        : QCoreApplication::translate("Commands", "Car Folder");
    if (source.rowOfText(name) < 0) {
        if (target.rowOfText(name) >= 0) {
            tell(QCoreApplication::translate("Commands", "%1 is in the %2 already.").arg(name, targetName));
            return Done;
        }
        // The game's own cars are left out of the lists, not missing.
        if (isStockCar(name) &&
            m_platform.fs.isFolder(joinPath(library.folder(FolderRole::Cars).path(), name))) {
            tell(QCoreApplication::translate(
                     "Commands", "\"%1\" is one of the game's own cars: Parkwen leaves it in the Car Folder.")
                     .arg(name));
            return Failed;
        }
        tell(QCoreApplication::translate(
                 "Commands", "There is no car named \"%1\" in the Car Folder or the Garage Folder.")
                 .arg(name));
        return Failed;
    }
    if (toGarage) {
        library.folder(FolderRole::Cars).setChosen(name);
        library.moveChosenFrom(FolderRole::Cars);
    } else {
        library.folder(FolderRole::Garage).setChosen(name);
        library.moveChosenFrom(FolderRole::Garage);
    }
    return source.rowOfText(name) < 0 && target.rowOfText(name) >= 0 ? Done : Failed;
}

int Commands::install(CarLibrary& library, const CommandLine& line)
{
    if (line.folder == CommandLine::Folder::Pack)
        return installIntoPack(library, line);
    // Without a window nothing can be asked, so every question takes its safe answer unless --yes:
    // a clash is skipped, or with --yes the new car replaces the old one (which goes where "Del. Car"
    // sends cars); files for a car already installed are left out, or with --yes added when new.
    FixedInstallAnswers answers(line.yes ? ClashChoice::Replace : ClashChoice::Skip, line.yes);
    CarInstaller installer(library.platform(), library.folder(FolderRole::Cars).path(),
                           library.folder(FolderRole::Garage).path(), answers);
    const bool toGarage = line.folder == CommandLine::Folder::Garage;
    return reportInstall(installer.install(line.files, toGarage ? CarInstaller::Target::GarageFolder
                                                                : CarInstaller::Target::CarFolder));
}

int Commands::reportInstall(const InstallSummary& summary)
{
    for (const InstallSummary::Car& car : summary.installed)
        m_out << car.name << '\n';
    m_out.flush();
    tell(summary.text(std::numeric_limits<int>::max()));
    const bool nothingDone = summary.installed.isEmpty() && summary.additions.isEmpty();
    // An entry refused as unsafe fails the command too, though the rest was installed.
    if (summary.cancelled || !summary.failed.isEmpty() || !summary.skipped.isEmpty() ||
        !summary.refused.isEmpty() || nothingDone)
        return Failed;
    return Done;
}

QString Commands::folderOfCar(const CarLibrary& library, const QString& name, QString& where)
{
    // The scans' rules without the pictures' contents: a sub-folder holding a picture file, the
    // stock cars and the Garage Folder left out. A car whose picture is damaged is found all the same.
    FileSystem& fs = m_platform.fs;
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || !isPlainName(name) || isStockCar(name))
        return {}; // hidden folders are not listed either
    for (const bool garage : {false, true}) {
        const QString path = joinPath(garage ? library.folder(FolderRole::Garage).path()
                                             : library.folder(FolderRole::Cars).path(),
                                      name);
        if (path == library.folder(FolderRole::Garage).path() || !fs.isFolder(path))
            continue;
        if (fs.listFiles(path, QStringLiteral("*.jpg")).isEmpty() &&
            fs.listFiles(path, QStringLiteral("*.bmp")).isEmpty())
            continue;
        where = garage ? QStringLiteral("garage") : QStringLiteral("car");
        return path;
    }
    return {};
}

int Commands::stats(CarLibrary& library, const QString& name, bool json)
{
    QString where;
    const QString carPath = folderOfCar(library, name, where);
    if (carPath.isEmpty()) {
        tell(QCoreApplication::translate(
                 "Commands", "There is no car named \"%1\" in the Car Folder or the Garage Folder.")
                 .arg(name));
        return Failed;
    }
    TextBuffer buffer;
    if (Error e = buffer.load(m_platform.fs, carPath, QStringLiteral("parameters.txt"))) {
        tell(QCoreApplication::translate("Commands", "%1 has no readable parameters.txt: %2")
                 .arg(carPath, e.description()));
        return Failed;
    }
    CarStatistics stats;
    readStatistics(buffer, stats);

    if (json) {
        QJsonObject object = statisticsJson(stats);
        object[QStringLiteral("car")] = name;
        object[QStringLiteral("folder")] = where;
        object[QStringLiteral("path")] = carPath;
        m_out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    } else {
        const StatCaptions shown = captionsOf(stats);
        m_out << QStringLiteral("Car Name: ") << carPath << '\n'
              << shown.speed << '\n'
              << shown.classCaption << '\n'
              << shown.rating << '\n'
              << QStringLiteral("Grip: ") << shown.grip.tooltip << '\n'
              << QStringLiteral("Turn: ") << shown.turn.tooltip << '\n'
              << QStringLiteral("Accel: ") << shown.accel.tooltip << '\n'
              << shown.mass << '\n'
              << shown.transmission << '\n'
              << shown.base << '\n'
              << QStringLiteral("Skin: ") << stats.currentSkin << '\n';
    }
    m_out.flush();
    return Done;
}

} // namespace parkwen
