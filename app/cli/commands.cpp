#include "commands.h"

#include "carinstaller.h"

#include <limits>

#include "carlibrary.h"
#include "paramreader.h"
#include "paths_db.h"
#include "setfile.h"
#include "setloading.h"
#include "setstore.h"
#include "textbuffer.h"

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

// The value of a caption after its label ("Class: Glow" gives "Glow"); empty when it has none.
QString captionValue(const QString& caption)
{
    const qsizetype colon = caption.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : caption.mid(colon + 1).trimmed();
}

QJsonValue numberOrNull(const QString& text, const QString& unit)
{
    if (text.isEmpty())
        return QJsonValue();
    bool ok = false;
    const double value = QString(text).remove(unit).toDouble(&ok);
    return ok ? QJsonValue(value) : QJsonValue();
}

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonValue percentOf(const StatBar& bar)
{
    if (!bar.known)
        return QJsonValue();
    return QString(bar.tooltip).remove(QLatin1Char('%')).toInt();
}

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
    // A listing and statistics only read; everything else changes the folders, and holds the
    // library lock from before it finishes what an ended run left until it is done.
    const bool onlyReads =
        line.command == CommandLine::Command::List || line.command == CommandLine::Command::Stats;
    library.setOnlyReads(true);
    if (!startLibrary(library))
        return Failed;
    MoveEngine::Lock held;
    if (!onlyReads) {
        held = library.moveEngine().lock({library.carFolder, library.garageFolder});
        if (!held.held()) {
            tell(MoveEngine::busyError().description());
            return Failed;
        }
        library.setOnlyReads(false);
        bool changed = false;
        for (const QString& problem :
             library.moveEngine().recover(CarFolders{library.carFolder, library.garageFolder}, &changed))
            tell(QStringLiteral("An interrupted move or deletion could not be finished: ") + problem);
        if (changed) {
            library.LoadCard();
            library.LoadGuard();
        }
    }

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
    case CommandLine::Command::None:
        break;
    }
    return WrongCommandLine;
}

bool Commands::startLibrary(CarLibrary& library)
{
    // Without settings the window would start rigwell; a command only says how to set up, naming the
    // menu entry and the setup program's real path (it is not on PATH once installed).
    const QString paths = joinPath(m_platform.configHome(), QStringLiteral("paths.mdb"));
    if (!m_platform.fs.exists(paths) || PathsDatabase::isUnfinished(paths)) {
        tell(QStringLiteral("Parkwen is not set up yet: %1 holds no settings. Start \"Parkwen Setup\" from "
                            "the menu, or run %2, first.")
                 .arg(paths, joinPath(m_platform.programFolder, QStringLiteral("rigwell"))));
        return false;
    }
    return library.startupReading(QString());
}

int Commands::list(CarLibrary& library, CommandLine::Folder folder)
{
    const CarList& cars = folder == CommandLine::Folder::Car ? library.Cart3 : library.Gartery;
    for (const QString& name : cars.texts())
        m_out << name << '\n';
    m_out.flush();
    return Done;
}

int Commands::applySet(CarLibrary& library, const CommandLine& line)
{
    SetStore store(m_platform.fs, m_platform.dataHome());
    const QString fileName = setFileName(line.name);
    if (fileName.compare(SetStore::BlankSet, Qt::CaseInsensitive) == 0) {
        tell(QStringLiteral("The blank set cannot be loaded or removed."));
        return Failed;
    }
    if (!setFileNameProblem(fileName).isEmpty() || !store.exists(fileName)) {
        tell(QStringLiteral("There is no set named \"%1\" in %2.").arg(line.name, store.folder()));
        return Failed;
    }
    Result<QStringList> read = store.read(fileName);
    if (!read.ok()) {
        tell(read.error().miscMessage());
        return Failed;
    }
    const QSet<QString> members(read.value().begin(), read.value().end());
    QSet<QString> inGarage;
    for (const QString& name : library.Gartery.texts())
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
        for (const QString& name : library.Gartery.texts())
            if (inGarage.contains(name))
                done = false;
    }
    for (const QString& name : library.Cart3.texts()) {
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
    CarList& source = toGarage ? library.Cart3 : library.Gartery;
    CarList& target = toGarage ? library.Gartery : library.Cart3;
    const QString targetName = toGarage ? QStringLiteral("Garage Folder") : QStringLiteral("Car Folder");
    if (source.rowOfText(name) < 0) {
        if (target.rowOfText(name) >= 0) {
            tell(QStringLiteral("%1 is in the %2 already.").arg(name, targetName));
            return Done;
        }
        // The game's own cars are left out of the lists, not missing.
        if (isStockCar(name) && m_platform.fs.isFolder(joinPath(library.carFolder, name))) {
            tell(QStringLiteral("\"%1\" is one of the game's own cars: Parkwen leaves it in the Car Folder.")
                     .arg(name));
            return Failed;
        }
        tell(
            QStringLiteral("There is no car named \"%1\" in the Car Folder or the Garage Folder.").arg(name));
        return Failed;
    }
    if (toGarage) {
        library.carSelection = name;
        library.Garter_Click();
    } else {
        library.garageSelection = name;
        library.Carter_Click();
    }
    return source.rowOfText(name) < 0 && target.rowOfText(name) >= 0 ? Done : Failed;
}

int Commands::install(CarLibrary& library, const CommandLine& line)
{
    // Without a window nothing can be asked: a clash is skipped unless --yes lets the new car
    // replace the old one (which goes where "Del. Car" sends cars); files of a car already
    // installed are added only when new.
    FixedInstallAnswers answers(line.yes ? ClashChoice::Replace : ClashChoice::Skip, true);
    CarInstaller installer(library.platform(), library.carFolder, library.garageFolder, answers);
    const bool toGarage = line.folder == CommandLine::Folder::Garage;
    const InstallSummary summary = installer.install(line.files, toGarage ? CarInstaller::Target::GarageFolder
                                                                          : CarInstaller::Target::CarFolder);
    for (const InstallSummary::Car& car : summary.installed)
        m_out << car.name << '\n';
    m_out.flush();
    tell(summary.text(std::numeric_limits<int>::max()));
    const bool nothingDone = summary.installed.isEmpty() && summary.additions.isEmpty();
    if (summary.cancelled || !summary.failed.isEmpty() || !summary.skipped.isEmpty() || nothingDone)
        return Failed;
    return Done;
}

int Commands::stats(CarLibrary& library, const QString& name, bool json)
{
    QString folder;
    QString where;
    if (library.Cart3.rowOfText(name) >= 0) {
        folder = library.carFolder;
        where = QStringLiteral("car");
    } else if (library.Gartery.rowOfText(name) >= 0) {
        folder = library.garageFolder;
        where = QStringLiteral("garage");
    } else {
        tell(
            QStringLiteral("There is no car named \"%1\" in the Car Folder or the Garage Folder.").arg(name));
        return Failed;
    }
    const QString carPath = joinPath(folder, name);
    TextBuffer buffer;
    if (Error e = buffer.load(m_platform.fs, carPath, QStringLiteral("parameters.txt"))) {
        tell(QStringLiteral("%1 has no readable parameters.txt: %2").arg(carPath, e.description()));
        return Failed;
    }
    CarStatistics stats;
    loadparams(buffer, stats);

    if (json) {
        QJsonObject object;
        object[QStringLiteral("car")] = name;
        object[QStringLiteral("folder")] = where;
        object[QStringLiteral("path")] = carPath;
        object[QStringLiteral("speed")] = numberOrNull(captionValue(stats.speed), QStringLiteral("mph"));
        object[QStringLiteral("class")] = textOrNull(captionValue(stats.classCaption));
        object[QStringLiteral("rating")] = textOrNull(captionValue(stats.rating));
        object[QStringLiteral("grip")] = percentOf(stats.grip);
        object[QStringLiteral("turn")] = percentOf(stats.turn);
        object[QStringLiteral("acceleration")] = percentOf(stats.accel);
        object[QStringLiteral("mass")] = numberOrNull(captionValue(stats.mass), QStringLiteral("kg"));
        object[QStringLiteral("transmission")] = textOrNull(captionValue(stats.transmission));
        object[QStringLiteral("base")] = textOrNull(captionValue(stats.base));
        object[QStringLiteral("skin")] = textOrNull(stats.currentSkin);
        m_out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    } else {
        m_out << QStringLiteral("Car Name: ") << carPath << '\n'
              << stats.speed << '\n'
              << stats.classCaption << '\n'
              << stats.rating << '\n'
              << QStringLiteral("Grip: ") << stats.grip.tooltip << '\n'
              << QStringLiteral("Turn: ") << stats.turn.tooltip << '\n'
              << QStringLiteral("Accel: ") << stats.accel.tooltip << '\n'
              << stats.mass << '\n'
              << stats.transmission << '\n'
              << stats.base << '\n'
              << QStringLiteral("Skin: ") << stats.currentSkin << '\n';
    }
    m_out.flush();
    return Done;
}

} // namespace parkwen
