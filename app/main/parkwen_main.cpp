#include "app/cli/commandline.h"
#include "app/cli/commands.h"
#include "app/cli/streamdialogs.h"
#include "details/carrenderer.h"
#include "details/ui/sett.h"
#include "install/ui/installcommand.h"
#include "library/carlibrary.h"
#include "library/carnames.h"
#include "library/carstatscache.h"
#include "library/modelpictures.h"
#include "library/thumbcache.h"
#include "library/ui/cartable.h"
#include "library/ui/castle.h"
#include "library/ui/startupprobe.h"
#include "platform/datalocations.h"
#include "platform/qt/display.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qtpictures.h"
#include "platform/qt/qtprocesses.h"
#include "platform/qt/qtprogress.h"
#include "sets/ui/setcommands.h"
#include "translations/translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStyleFactory>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace parkwen;

namespace {

const QString kVersion = QStringLiteral("1.02");

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Parkwen"));
    QCoreApplication::setApplicationVersion(kVersion);
    QCoreApplication::setOrganizationName(QStringLiteral("Parkwen"));
}

QtMessageHandler g_defaultHandler = nullptr;
bool g_drawing = false; // --render: the platform's notes about drawing without a display are no news

// Real cars carry pictures that Qt's image readers grumble about ("libpng warning: iCCP: known
// incorrect sRGB profile") while decoding them well; a line for each would drown the program's own
// messages on standard error.
void quietImageReaders(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool imageReader = (context.category && qstrncmp(context.category, "qt.gui.imageio", 14) == 0) ||
                             message.startsWith(QLatin1String("libpng warning")) ||
                             message.startsWith(QLatin1String("libpng error"));
    if (imageReader && type != QtFatalMsg)
        return;
    static const char* const drawingNotes[] = {"eglconvenience:", "Cannot find EGLConfig",
                                               "Running on a software rasterizer",
                                               "QStandardPaths: XDG_RUNTIME_DIR"};
    if (g_drawing && type != QtFatalMsg)
        for (const char* note : drawingNotes)
            if (message.startsWith(QLatin1String(note)))
                return;
    g_defaultHandler(type, context, message);
}

Platform platformAt(const DataLocations& at, FileSystem& fs, Pictures& pictures, Dialogs& dialogs,
                    Processes& processes, Progress* progress)
{
    return Platform{fs,       pictures,        dialogs,      processes, at.helperFolder,
                    progress, at.configFolder, at.dataFolder};
}

// The thumbnail cache, unless --no-cache is on the command line or PARKWEN_NO_CACHE is set: the
// window and the commands share it.
std::unique_ptr<ThumbCache> openThumbnails(const CommandLine& line, FileSystem& fs, Pictures& pictures,
                                           bool drawsCars = false)
{
    if (line.noCache || !qEnvironmentVariableIsEmpty("PARKWEN_NO_CACHE"))
        return nullptr;
    ThumbCache::Options options;
    options.fs = &fs;
    options.pictures = &pictures;
    if (drawsCars)
        options.keyOf = &ModelPictures::cacheKey;
    return std::make_unique<ThumbCache>(ThumbCache::defaultFile(), options);
}

// Everything but the window: help, version, a wrong command line and the commands. None of them needs
// a display; --render draws with `renderer`.
int runWithoutWindow(QCoreApplication& app, const CommandLine& line, CarRenderer* renderer = nullptr)
{
    nameApplication();
    installTranslations(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const DataLocations at =
        DataLocations::resolve(QCoreApplication::applicationDirPath(), DataLocations::Asker::Main);

    switch (line.mode) {
    case CommandLine::Mode::Help:
        out << commandLineHelp();
        return Commands::Done;
    case CommandLine::Mode::Version:
        out << QStringLiteral("Parkwen ") << kVersion << '\n';
        for (const QString& text : at.describe())
            out << text << '\n';
        return Commands::Done;
    case CommandLine::Mode::Wrong:
        err << QStringLiteral("parkwen: ") << line.problem << '\n'
            << QCoreApplication::translate("Main", "Try \"parkwen --help\".") << '\n';
        return Commands::WrongCommandLine;
    default:
        break;
    }

    if (Error e = at.prepare()) {
        err << QCoreApplication::translate("Main", "Parkwen cannot create its folders in %1: %2")
                   .arg(at.dataFolder, e.description())
            << '\n';
        return Commands::Failed;
    }
    LocalFileSystem fs;
    QtPictures pictures;
    StreamDialogs dialogs(err, line.yes);
    QtProcesses processes;
    // The statistics of one car read no pictures, a picture of one car no thumbnails: no cache to open.
    const bool onePicture =
        line.command == CommandLine::Command::Stats || line.command == CommandLine::Command::Render;
    const std::unique_ptr<ThumbCache> thumbnails = onePicture ? nullptr : openThumbnails(line, fs, pictures);
    Commands commands(platformAt(at, fs, pictures, dialogs, processes, nullptr), out, thumbnails.get());
    commands.setRenderer(renderer);
    return commands.run(line);
}

// Without a display only the commands work: says so, and which they are.
int refuseWindowWithoutDisplay(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    QStringList commands;
    for (const CommandLineOption& option : commandLineOptions())
        if (option.command != CommandLine::Command::None)
            commands << QStringLiteral("--") + option.longName();
    const QString text =
        QCoreApplication::translate("Main", "parkwen: no display to open a window on; the commands %1 work "
                                            "without one\n")
            .arg(commands.join(QStringLiteral(", ")));
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return 1;
}

void dressApplication(QApplication& app)
{
    nameApplication();
    installTranslations(app);
    // The window belongs to its menu entry. No display name: the window manager would add it to every
    // title ("Parkwen - Car Selection — Parkwen").
    QGuiApplication::setDesktopFileName(QStringLiteral("org.parkwen.Parkwen"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

// The car table's readings are kept beside the thumbnails, under the same switch.
std::unique_ptr<CarStatsCache> openStats(const ThumbCache* thumbnails)
{
    if (thumbnails && !thumbnails->besideFile(CarStatsCache::FileName).isEmpty())
        return std::make_unique<CarStatsCache>(thumbnails->besideFile(CarStatsCache::FileName));
    return nullptr;
}

// The command line the window reads is everything after the program's name (but the cache's switch).
QString windowCommandLine(const QStringList& arguments)
{
    QStringList windowArguments = arguments.mid(1);
    windowArguments.removeAll(QStringLiteral("--no-cache"));
    return windowArguments.join(QLatin1Char(' '));
}

// The details window reads the list the car was chosen in, its selected entry and that entry's
// picture; nothing comes back.
void connectDetails(CarLibrary& cars, Platform& platform, Castle& castle)
{
    QObject::connect(&cars, &CarLibrary::detailsRequested, &castle,
                     [&cars, &platform, &castle](const QString& path) {
                         const CarFolder& chosenIn = cars.folder(cars.display().lastChosen);
                         DetailsContext context;
                         context.carPath = path;
                         context.chosenInGarage = !chosenIn.isLoadedByGame();
                         context.selectedEntry = chosenIn.list().selectedText();
                         context.picture = chosenIn.pictures().picture(carKey(context.selectedEntry));
                         context.carFolder = cars.folder(FolderRole::Cars).path();
                         context.garageFolder = cars.folder(FolderRole::Garage).path();
                         context.door = &cars.door();
                         Sett sett(platform, context, &castle);
                         sett.exec();
                     });
}

void connectSets(CarLibrary& cars, Platform& platform, Castle& castle)
{
    QObject::connect(&castle, &Castle::createSetRequested, [&] { createSet(cars, platform, &castle); });
    QObject::connect(&castle, &Castle::editSetRequested, [&] { editSet(cars, platform, &castle); });
    QObject::connect(&castle, &Castle::loadSetRequested, [&] { loadSet(cars, platform, &castle); });
    QObject::connect(&castle, &Castle::setOnlyRequested, [&] { loadSetOnly(cars, platform, &castle); });
    QObject::connect(&castle, &Castle::removeSetRequested, [&] { removeSet(cars, platform, &castle); });
    QObject::connect(&castle, &Castle::addToSetRequested,
                     [&](const QStringList& names) { addCarsToSet(platform, castle.carTable(), names); });
}

void connectInstall(InstallCommand& install, Castle& castle)
{
    QObject::connect(&castle, &Castle::installRequested, [&install] { install.run(); });
    QObject::connect(&castle, &Castle::installDropped, [&install](const QStringList& paths, bool toGarage) {
        install.install(paths,
                        toGarage ? CarInstaller::Target::GarageFolder : CarInstaller::Target::CarFolder);
    });
}

// The main window over the car library, until it is closed.
int runWindow(int argc, char* argv[], const CommandLine& line, const QStringList& arguments)
{
    QApplication app(argc, argv);
    dressApplication(app);

    LocalFileSystem fs;
    QtPictures pictures;
    QtDialogs dialogs(QStringLiteral("Parkwen"));
    QtProcesses processes;
    QtProgress progress(QStringLiteral("Parkwen"));
    const DataLocations at =
        DataLocations::resolve(QCoreApplication::applicationDirPath(), DataLocations::Asker::Main);
    if (Error e = at.prepare()) {
        dialogs.plain(e.miscMessage());
        return 1;
    }
    // Cars without a picture of their own are shown by a drawing of their models (OpenGL starts with
    // the first such car); the details window shows skins as they are.
    CarRenderer renderer;
    const CarLibrary* library = nullptr;
    ModelPictures carPictures(pictures, fs, renderer, [&library] {
        return library ? library->folder(FolderRole::Cars).path() : QString();
    });
    Platform platform = platformAt(at, fs, carPictures, dialogs, processes, &progress);
    Platform detailsPlatform = platformAt(at, fs, pictures, dialogs, processes, &progress);
    const std::unique_ptr<ThumbCache> thumbnails = openThumbnails(line, fs, carPictures, true);
    const std::unique_ptr<CarStatsCache> stats = openStats(thumbnails.get());

    CarLibrary cars(platform);
    library = &cars;
    cars.setThumbnailCache(thumbnails.get());
    Castle castle(cars);
    castle.statsCache = stats.get();
    if (!cars.startupReading(windowCommandLine(arguments)))
        return 1;

    dialogs.setParent(&castle);
    progress.setParent(&castle);
    connectDetails(cars, detailsPlatform, castle);
    connectSets(cars, platform, castle);
    InstallCommand install(cars, &castle);
    connectInstall(install, castle);
    castle.show();
    castle.raise();
    castle.activateWindow();
    // Archives opened with Parkwen from a file manager: installed once the window is up.
    if (!line.files.isEmpty())
        QTimer::singleShot(0, &castle, [&install, files = line.files] { install.open(files); });
    // Start-up measured from outside (the benchmark).
    if (!qEnvironmentVariableIsEmpty("PARKWEN_STARTUP_PROBE"))
        reportWhenShown(&castle, cars);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    g_defaultHandler = qInstallMessageHandler(quietImageReaders);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    if (line.mode == CommandLine::Mode::Command && line.command == CommandLine::Command::Render) {
        // Drawing needs OpenGL, which Qt offers to a GUI application; with no display, Mesa's.
        CarRenderer::prepareWithoutDisplay();
        g_drawing = true;
        QGuiApplication app(argc, argv);
        CarRenderer renderer;
        return runWithoutWindow(app, line, &renderer);
    }
    if (line.mode != CommandLine::Mode::Window) {
        QCoreApplication app(argc, argv);
        return runWithoutWindow(app, line);
    }
    if (!hasDisplay(argc, argv))
        return refuseWindowWithoutDisplay(argc, argv);
    return runWindow(argc, argv, line, arguments);
}
