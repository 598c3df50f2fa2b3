#include "commandline.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

namespace parkwen {

namespace {

struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and end.")};
    QCommandLineOption version{
        QStringLiteral("version"),
        QStringLiteral("Show the version and where the settings and sets are kept, and end.")};
    QCommandLineOption list{
        QStringLiteral("list"),
        QStringLiteral("Print the cars of the Car Folder (car) or the Garage Folder (garage), "
                       "one name a line."),
        QStringLiteral("car|garage")};
    QCommandLineOption loadSet{QStringLiteral("load-set"),
                               QStringLiteral("Load set: bring the set's cars into the Car Folder."),
                               QStringLiteral("NAME")};
    QCommandLineOption onlySet{
        QStringLiteral("only-set"),
        QStringLiteral("Set only: load the set and send every other car to the Garage Folder."),
        QStringLiteral("NAME")};
    QCommandLineOption removeSet{QStringLiteral("remove-set"),
                                 QStringLiteral("Rem. Set: send the set's cars to the Garage Folder."),
                                 QStringLiteral("NAME")};
    QCommandLineOption move{QStringLiteral("move"), QStringLiteral("Move one car; --to says where."),
                            QStringLiteral("NAME")};
    QCommandLineOption install{QStringLiteral("install"),
                               QStringLiteral("Install the cars of the archives given; --to says where.")};
    QCommandLineOption to{QStringLiteral("to"), QStringLiteral("Where --move and --install send cars."),
                          QStringLiteral("car|garage")};
    QCommandLineOption stats{QStringLiteral("stats"), QStringLiteral("Print a car's statistics."),
                             QStringLiteral("CAR")};
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("Print --stats as JSON.")};
    QCommandLineOption yes{{QStringLiteral("y"), QStringLiteral("yes")},
                           QStringLiteral("Answer yes to the questions a command meets; without it a command "
                                          "takes the safe answer and never waits.")};
    // Switches that change how the window works belong here too, beside the commands.
    QCommandLineOption noCache{QStringLiteral("no-cache"),
                               QStringLiteral("Start without the thumbnail cache: every picture is decoded "
                                              "again, and nothing is kept for the next start.")};

    void addTo(QCommandLineParser& parser) const
    {
        parser.setApplicationDescription(
            QStringLiteral("Keeps the Re-Volt cars you do not want loaded in a Garage Folder.\n"
                           "Without a command the window opens; /ACC also lists the game's own cars.\n"
                           "Exit status: 0 when everything asked was done, 1 when part of it failed, "
                           "2 for a wrong command line."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions(
            {help, version, list, loadSet, onlySet, removeSet, move, install, to, stats, json, yes, noCache});
        parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The archives of --install."),
                                     QStringLiteral("[FILE...]"));
    }
};

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
        QStringLiteral(".zip"),    QStringLiteral(".7z"),      QStringLiteral(".rar"),     QStringLiteral(".tar"),
        QStringLiteral(".tar.gz"), QStringLiteral(".tgz"),     QStringLiteral(".tar.xz"),  QStringLiteral(".txz"),
        QStringLiteral(".tar.bz2"), QStringLiteral(".tbz2")};
    for (const QString& suffix : suffixes)
        if (info.fileName().endsWith(suffix, Qt::CaseInsensitive))
            return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(512);
    static const QByteArray magics[] = {QByteArrayLiteral("PK\x03\x04"), QByteArrayLiteral("7z\xBC\xAF\x27\x1C"),
                                        QByteArrayLiteral("Rar!\x1A\x07"), QByteArrayLiteral("\x1F\x8B"),
                                        QByteArrayLiteral("\xFD" "7zXZ"), QByteArrayLiteral("BZh")};
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

    Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    if (!parser.parse(arguments.isEmpty() ? QStringList{QStringLiteral("parkwen")} : arguments))
        return wrong(parser.errorText());
    if (parser.isSet(options.help)) {
        line.mode = CommandLine::Mode::Help;
        return line;
    }
    if (parser.isSet(options.version)) {
        line.mode = CommandLine::Mode::Version;
        return line;
    }

    struct Named
    {
        const QCommandLineOption* option;
        CommandLine::Command command;
    };
    const Named commands[] = {{&options.list, CommandLine::Command::List},
                              {&options.loadSet, CommandLine::Command::LoadSet},
                              {&options.onlySet, CommandLine::Command::OnlySet},
                              {&options.removeSet, CommandLine::Command::RemoveSet},
                              {&options.move, CommandLine::Command::Move},
                              {&options.install, CommandLine::Command::Install},
                              {&options.stats, CommandLine::Command::Stats}};
    QStringList given;
    for (const Named& named : commands) {
        if (!parser.isSet(*named.option))
            continue;
        given << QStringLiteral("--") + named.option->names().constLast();
        line.command = named.command;
        if (parser.values(*named.option).size() > 1)
            return wrong(
                QStringLiteral("--%1 is given more than once.").arg(named.option->names().constLast()));
    }
    if (given.size() > 1)
        return wrong(QStringLiteral("One command at a time: %1.").arg(given.join(QStringLiteral(", "))));

    const QStringList positional = parser.positionalArguments();
    line.json = parser.isSet(options.json);
    line.yes = parser.isSet(options.yes);
    if (line.command == CommandLine::Command::None) {
        for (const QCommandLineOption* option : {&options.to, &options.json, &options.yes})
            if (parser.isSet(*option))
                return wrong(QStringLiteral("--%1 goes with a command.").arg(option->names().constLast()));
        // Archives named on the command line (a file manager's "Open With") are installed once the
        // window is up; any other text has never had a meaning: the window opens.
        for (const QString& word : positional)
            if (isArchiveFile(word))
                line.files << QFileInfo(word).absoluteFilePath();
        return line;
    }

    line.mode = CommandLine::Mode::Command;
    const bool takesTo =
        line.command == CommandLine::Command::Move || line.command == CommandLine::Command::Install;
    if (parser.isSet(options.to) && !takesTo)
        return wrong(QStringLiteral("--to goes with --move or --install."));
    if (line.json && line.command != CommandLine::Command::Stats)
        return wrong(QStringLiteral("--json goes with --stats."));
    if (!positional.isEmpty() && line.command != CommandLine::Command::Install)
        return wrong(QStringLiteral("Unexpected argument: %1").arg(positional.first()));

    switch (line.command) {
    case CommandLine::Command::List:
        if (!readFolder(parser.value(options.list), line.folder))
            return wrong(
                QStringLiteral("--list takes car or garage, not \"%1\".").arg(parser.value(options.list)));
        break;
    case CommandLine::Command::LoadSet:
        line.name = parser.value(options.loadSet);
        break;
    case CommandLine::Command::OnlySet:
        line.name = parser.value(options.onlySet);
        break;
    case CommandLine::Command::RemoveSet:
        line.name = parser.value(options.removeSet);
        break;
    case CommandLine::Command::Stats:
        line.name = parser.value(options.stats);
        break;
    case CommandLine::Command::Move:
    case CommandLine::Command::Install:
        if (line.command == CommandLine::Command::Move)
            line.name = parser.value(options.move);
        else
            line.files = positional;
        if (!parser.isSet(options.to))
            return wrong(QStringLiteral("--to car or --to garage is missing."));
        if (parser.values(options.to).size() > 1 || !readFolder(parser.value(options.to), line.folder))
            return wrong(QStringLiteral("--to takes car or garage, not \"%1\".")
                             .arg(parser.values(options.to).join(QStringLiteral(" "))));
        if (line.command == CommandLine::Command::Install && line.files.isEmpty())
            return wrong(QStringLiteral("--install needs at least one file."));
        break;
    case CommandLine::Command::None:
        break;
    }
    if (line.command != CommandLine::Command::List && line.command != CommandLine::Command::Install &&
        line.name.isEmpty())
        return wrong(QStringLiteral("%1 needs a name.").arg(given.constFirst()));
    return line;
}

QString commandLineHelp()
{
    Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    return parser.helpText();
}

} // namespace parkwen
