#include "app/cli/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace parkwen {

namespace {

// Every option of the command line, one line each: --help, the manual page and the shell completions
// all follow this list (a test holds the manual and the completions to it).
using C = CommandLine::Command;
// clang-format off
const CommandLineOption kOptions[] = {
    {"h,help", "", QT_TRANSLATE_NOOP("CommandLine", "Show this help and end.")},
    {"version", "", QT_TRANSLATE_NOOP("CommandLine", "Show the version and where the settings and sets are kept, and end.")},
    {"list", "car|garage|all|loaded", QT_TRANSLATE_NOOP("CommandLine", "Print the cars of the Car Folder (car), the Garage Folder (garage) or both (all), one name a line; with --json every folder with its statistics and health. loaded: every car the game loads under the packlist, with its pack."), C::List, "car garage all loaded"},
    {"load-set", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Load set: bring the set's cars into the Car Folder."), C::LoadSet, "@sets"},
    {"only-set", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Set only: load the set and send every other car to the Garage Folder."), C::OnlySet, "@sets"},
    {"remove-set", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Rem. Set: send the set's cars to the Garage Folder."), C::RemoveSet, "@sets"},
    {"move", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Move one car; --to says where."), C::Move},
    {"install", "", QT_TRANSLATE_NOOP("CommandLine", "Install the cars of the archives given; --to says where."), C::Install, "@files"},
    {"to", "car|garage|pack:NAME", QT_TRANSLATE_NOOP("CommandLine", "Where --move and --install send cars; --install also into a pack (made and switched on when new)."), C::None, "car garage pack:"},
    {"stats", "CAR", QT_TRANSLATE_NOOP("CommandLine", "Print a car's statistics."), C::Stats},
    {"render", "CAR", QT_TRANSLATE_NOOP("CommandLine", "Write a square PNG picture of the car, drawn from its models, to the file given after it; works without a display."), C::Render},
    {"skin", "FILE", QT_TRANSLATE_NOOP("CommandLine", "The skin --render paints the car with: a file of the car's folder (its current skin when left out)."), C::None, "@files"},
    {"size", "N", QT_TRANSLATE_NOOP("CommandLine", "The side of --render's picture in pixels, 1 to 4096 (256 when left out)."), C::None, "64 128 256 512 1024"},
    {"check", "", QT_TRANSLATE_NOOP("CommandLine", "Look for broken cars in both folders; exit status 1 when any is found."), C::Check},
    {"packs", "", QT_TRANSLATE_NOOP("CommandLine", "Print default and the packs the packlist loads, in its order, with their state and number of cars, then the pack folders it does not load."), C::Packs},
    {"enable-pack", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Switch a pack on in the packlist."), C::EnablePack},
    {"disable-pack", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Switch a pack off in the packlist."), C::DisablePack},
    {"play", "", QT_TRANSLATE_NOOP("CommandLine", "Start the game in its folder, with -packlist when another packlist than default is chosen; over the Max Car Amount only with --yes."), C::Play},
    {"packlist", "NAME", QT_TRANSLATE_NOOP("CommandLine", "The packlist (packs/NAME.txt) that --packs, --enable-pack, --disable-pack, --list loaded and --play read or change; the one chosen in Settings unless given.")},
    {"json", "", QT_TRANSLATE_NOOP("CommandLine", "Print --stats, --list, --check or --packs as JSON.")},
    {"y,yes", "", QT_TRANSLATE_NOOP("CommandLine", "Answer yes to the questions a command meets; without it a command takes the safe answer and never waits.")},
    {"no-cache", "", QT_TRANSLATE_NOOP("CommandLine", "Start, or run a command, without the thumbnail cache: every picture is decoded again, and nothing is kept for the next start.")},
};
// clang-format on

QCommandLineOption toQt(const CommandLineOption& option)
{
    QStringList names = QString::fromLatin1(option.names).split(QLatin1Char(','));
    QCommandLineOption qt(names, QCoreApplication::translate("CommandLine", option.description),
                          QString::fromLatin1(option.valueName));
    return qt;
}

void setUp(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Keeps the Re-Volt cars you do not want loaded in a Garage Folder.\n"
        "Without a command the window opens; /ACC also lists the game's own cars, and archives "
        "named alone are installed from the window.\n"
        "Exit status: 0 when everything asked was done, 1 when part of it failed, "
        "2 for a wrong command line."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CommandLineOption& option : kOptions)
        parser.addOption(toQt(option));
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine", "The archives of --install; the picture of --render."),
        QStringLiteral("[FILE...]"));
}

// Qt's own options for the window (-style fusion, -platform xcb, ...) are taken by the application
// object; they are no wrong command line, and they leave the window to open.
QStringList withoutQtOptions(const QStringList& arguments)
{
    static const QStringList withValue = {
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
        QStringLiteral("style"),           QStringLiteral("stylesheet"),
        QStringLiteral("display"),         QStringLiteral("geometry"),
        QStringLiteral("title"),           QStringLiteral("name"),
        QStringLiteral("visual")};
    static const QStringList alone = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("nograb"), QStringLiteral("dograb"),
                                      QStringLiteral("sync")};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 && argument.startsWith(QLatin1Char('-')) && !argument.startsWith(QLatin1String("--"))) {
            const QString name = argument.mid(1).section(QLatin1Char('='), 0, 0);
            if (alone.contains(name))
                continue;
            if (withValue.contains(name)) {
                if (!argument.contains(QLatin1Char('=')))
                    ++i; // and its value
                continue;
            }
        }
        kept << argument;
    }
    return kept;
}

// An existing file that is an archive of a kind the installer reads, by its name or by its first bytes
// (what a file manager hands over is chosen by content).
bool isArchiveFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    static const QStringList suffixes = {
        QStringLiteral(".zip"),     QStringLiteral(".7z"),  QStringLiteral(".rar"),    QStringLiteral(".tar"),
        QStringLiteral(".tar.gz"),  QStringLiteral(".tgz"), QStringLiteral(".tar.xz"), QStringLiteral(".txz"),
        QStringLiteral(".tar.bz2"), QStringLiteral(".tbz2")};
    for (const QString& suffix : suffixes)
        if (info.fileName().endsWith(suffix, Qt::CaseInsensitive))
            return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(512);
    static const QByteArray magics[] = {QByteArrayLiteral("PK\x03\x04"),
                                        QByteArrayLiteral("7z\xBC\xAF\x27\x1C"),
                                        QByteArrayLiteral("Rar!\x1A\x07"),
                                        QByteArrayLiteral("\x1F\x8B"),
                                        QByteArrayLiteral("\xFD"
                                                          "7zXZ"),
                                        QByteArrayLiteral("BZh")};
    for (const QByteArray& magic : magics)
        if (head.startsWith(magic))
            return true;
    return head.mid(257, 5) == "ustar";
}

CommandLine wrong(const QString& problem)
{
    CommandLine line;
    line.mode = CommandLine::Mode::Wrong;
    line.problem = problem;
    return line;
}

bool readFolder(const QString& text, CommandLine::Folder& folder)
{
    if (text == QLatin1String("car"))
        folder = CommandLine::Folder::Car;
    else if (text == QLatin1String("garage"))
        folder = CommandLine::Folder::Garage;
    else
        return false;
    return true;
}

// The steps below return what is wrong with the command line, for the user; empty when nothing is.

// The one command given, in `line.command`; `given` receives it as the user wrote it ("--move").
QString readCommand(const QCommandLineParser& parser, CommandLine& line, QStringList& given)
{
    for (const CommandLineOption& option : kOptions) {
        const QString name = option.longName();
        if (option.command == CommandLine::Command::None || !parser.isSet(name))
            continue;
        given << QStringLiteral("--") + name;
        line.command = option.command;
        if (parser.values(name).size() > 1)
            return QCoreApplication::translate("CommandLine", "--%1 is given more than once.").arg(name);
    }
    if (given.size() > 1)
        return QCoreApplication::translate("CommandLine", "One command at a time: %1.")
            .arg(given.join(QStringLiteral(", ")));
    return {};
}

// Without a command the window opens. Archives named on the command line (a file manager's "Open
// With") are installed once the window is up; any other text has never had a meaning.
QString readWindowArguments(const QCommandLineParser& parser, const QStringList& positional,
                            CommandLine& line)
{
    for (const char* option : {"to", "json", "yes", "packlist", "skin", "size"})
        if (parser.isSet(QString::fromLatin1(option)))
            return QCoreApplication::translate("CommandLine", "--%1 goes with a command.")
                .arg(QString::fromLatin1(option));
    for (const QString& word : positional)
        if (isArchiveFile(word))
            line.files << QFileInfo(word).absoluteFilePath();
    return {};
}

// The switches and arguments that go with some commands only.
QString checkCompanions(const QCommandLineParser& parser, const QStringList& positional,
                        const CommandLine& line)
{
    const bool takesTo =
        line.command == CommandLine::Command::Move || line.command == CommandLine::Command::Install;
    if (parser.isSet(QStringLiteral("to")) && !takesTo)
        return QCoreApplication::translate("CommandLine", "--to goes with --move or --install.");
    if (line.json && line.command != CommandLine::Command::Stats &&
        line.command != CommandLine::Command::List && line.command != CommandLine::Command::Check &&
        line.command != CommandLine::Command::Packs)
        return QCoreApplication::translate("CommandLine",
                                           "--json goes with --stats, --list, --check or --packs.");
    const bool readsPacks =
        line.command == CommandLine::Command::Packs || line.command == CommandLine::Command::EnablePack ||
        line.command == CommandLine::Command::DisablePack || line.command == CommandLine::Command::Play ||
        (line.command == CommandLine::Command::List &&
         parser.value(QStringLiteral("list")) == QLatin1String("loaded"));
    if (parser.isSet(QStringLiteral("packlist")) && !readsPacks)
        return QCoreApplication::translate("CommandLine",
                                           "--packlist goes with --packs, --enable-pack, --disable-pack, "
                                           "--list loaded or --play.");
    for (const char* option : {"skin", "size"})
        if (parser.isSet(QString::fromLatin1(option)) && line.command != CommandLine::Command::Render)
            return QCoreApplication::translate("CommandLine", "--%1 goes with --render.")
                .arg(QString::fromLatin1(option));
    const qsizetype allowed = line.command == CommandLine::Command::Install  ? positional.size()
                              : line.command == CommandLine::Command::Render ? 1
                                                                             : 0;
    if (positional.size() > allowed)
        return QCoreApplication::translate("CommandLine", "Unexpected argument: %1")
            .arg(positional.at(allowed));
    return {};
}

// --move's car or --install's archives, and where --to sends them.
QString readMoveOrInstall(const QCommandLineParser& parser, const QStringList& positional, CommandLine& line)
{
    if (line.command == CommandLine::Command::Move)
        line.name = parser.value(QStringLiteral("move"));
    else
        line.files = positional;
    if (!parser.isSet(QStringLiteral("to")))
        return QCoreApplication::translate("CommandLine", "--to car or --to garage is missing.");
    const QString to = parser.value(QStringLiteral("to"));
    if (line.command == CommandLine::Command::Install && to.startsWith(QLatin1String("pack:")) &&
        parser.values(QStringLiteral("to")).size() == 1) {
        line.folder = CommandLine::Folder::Pack;
        line.pack = to.mid(5);
    } else if (parser.values(QStringLiteral("to")).size() > 1 || !readFolder(to, line.folder))
        return QCoreApplication::translate("CommandLine", "--to takes car or garage, not \"%1\".")
            .arg(parser.values(QStringLiteral("to")).join(QStringLiteral(" ")));
    if (line.command == CommandLine::Command::Install && line.files.isEmpty())
        return QCoreApplication::translate("CommandLine", "--install needs at least one file.");
    return {};
}

// --render's car, picture file, skin and size.
QString readRender(const QCommandLineParser& parser, const QStringList& positional, CommandLine& line)
{
    line.name = parser.value(QStringLiteral("render"));
    if (positional.isEmpty())
        return QCoreApplication::translate("CommandLine",
                                           "--render needs the PNG file to write after the car.");
    line.picture = QFileInfo(positional.first()).absoluteFilePath();
    line.skin = parser.value(QStringLiteral("skin"));
    if (parser.isSet(QStringLiteral("skin")) && line.skin.isEmpty())
        return QCoreApplication::translate("CommandLine", "--skin needs a file.");
    if (parser.isSet(QStringLiteral("size"))) {
        bool ok = false;
        line.size = parser.value(QStringLiteral("size")).toInt(&ok);
        if (!ok || line.size < 1 || line.size > 4096)
            return QCoreApplication::translate("CommandLine",
                                               "--size takes a number of pixels from 1 to 4096, not \"%1\".")
                .arg(parser.value(QStringLiteral("size")));
    }
    return {};
}

// What the command works on: a folder, a set, a car or archives.
QString readCommandValue(const QCommandLineParser& parser, const QStringList& positional, CommandLine& line)
{
    switch (line.command) {
    case CommandLine::Command::List:
        if (parser.value(QStringLiteral("list")) == QLatin1String("all"))
            line.folder = CommandLine::Folder::All;
        else if (parser.value(QStringLiteral("list")) == QLatin1String("loaded"))
            line.folder = CommandLine::Folder::Loaded;
        else if (!readFolder(parser.value(QStringLiteral("list")), line.folder))
            return QCoreApplication::translate("CommandLine",
                                               "--list takes car, garage, all or loaded, not \"%1\".")
                .arg(parser.value(QStringLiteral("list")));
        break;
    case CommandLine::Command::LoadSet:
        line.name = parser.value(QStringLiteral("load-set"));
        break;
    case CommandLine::Command::OnlySet:
        line.name = parser.value(QStringLiteral("only-set"));
        break;
    case CommandLine::Command::RemoveSet:
        line.name = parser.value(QStringLiteral("remove-set"));
        break;
    case CommandLine::Command::Stats:
        line.name = parser.value(QStringLiteral("stats"));
        break;
    case CommandLine::Command::EnablePack:
        line.name = parser.value(QStringLiteral("enable-pack"));
        break;
    case CommandLine::Command::DisablePack:
        line.name = parser.value(QStringLiteral("disable-pack"));
        break;
    case CommandLine::Command::Packs:
    case CommandLine::Command::Play:
        break;
    case CommandLine::Command::Move:
    case CommandLine::Command::Install:
        return readMoveOrInstall(parser, positional, line);
    case CommandLine::Command::Render:
        return readRender(parser, positional, line);
    case CommandLine::Command::Check:
    case CommandLine::Command::None:
        break;
    }
    return {};
}

} // namespace

CommandLine parseCommandLine(const QStringList& allArguments)
{
    CommandLine line;
    QStringList arguments = withoutQtOptions(allArguments);
    // Taken out first, so that "/ACC --no-cache" still lists the stock cars.
    line.noCache = arguments.removeAll(QStringLiteral("--no-cache")) > 0;
    const QStringList rest = arguments.mid(1);
    if (rest.join(QLatin1Char(' ')).toUpper() == QLatin1String("/ACC")) {
        line.stockMode = true;
        return line;
    }

    QCommandLineParser parser;
    setUp(parser);
    if (!parser.parse(arguments.isEmpty() ? QStringList{QStringLiteral("parkwen")} : arguments))
        return wrong(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        line.mode = CommandLine::Mode::Help;
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.mode = CommandLine::Mode::Version;
        return line;
    }

    QStringList given;
    if (const QString problem = readCommand(parser, line, given); !problem.isEmpty())
        return wrong(problem);
    const QStringList positional = parser.positionalArguments();
    line.json = parser.isSet(QStringLiteral("json"));
    line.yes = parser.isSet(QStringLiteral("yes"));
    if (line.command == CommandLine::Command::None) {
        const QString problem = readWindowArguments(parser, positional, line);
        return problem.isEmpty() ? line : wrong(problem);
    }

    line.mode = CommandLine::Mode::Command;
    if (const QString problem = checkCompanions(parser, positional, line); !problem.isEmpty())
        return wrong(problem);
    if (const QString problem = readCommandValue(parser, positional, line); !problem.isEmpty())
        return wrong(problem);
    line.packlist = parser.value(QStringLiteral("packlist"));
    if (parser.values(QStringLiteral("packlist")).size() > 1)
        return wrong(QCoreApplication::translate("CommandLine", "--%1 is given more than once.")
                         .arg(QStringLiteral("packlist")));
    if (line.command != CommandLine::Command::List && line.command != CommandLine::Command::Install &&
        line.command != CommandLine::Command::Check && line.command != CommandLine::Command::Packs &&
        line.command != CommandLine::Command::Play && line.name.isEmpty())
        return wrong(QCoreApplication::translate("CommandLine", "%1 needs a name.").arg(given.constFirst()));
    return line;
}

QString CommandLineOption::longName() const
{
    return QString::fromLatin1(names).section(QLatin1Char(','), -1);
}

QList<CommandLineOption> commandLineOptions()
{
    return QList<CommandLineOption>(std::begin(kOptions), std::end(kOptions));
}

QString commandLineHelp()
{
    QCommandLineParser parser;
    setUp(parser);
    return parser.helpText();
}

} // namespace parkwen
