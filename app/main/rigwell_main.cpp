// rigwell: asks where the Car Folder and the Garage Folder are and the Max Car Amount, and keeps them
// in paths.mdb for Parkwen to read. Beyond --help and --version it takes no command line.

#include "platform/datalocations.h"
#include "platform/qt/display.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtdialogs.h"
#include "setup/ui/form1.h"
#include "translations/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>

using parkwen::DataLocations;

namespace {

// --help or --version: answered on standard output without a window (nor a display).
int answerWithoutWindow(int argc, char* argv[], bool help)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rigwell"));
    parkwen::installTranslations(app);
    QTextStream out(stdout);
    if (help) {
        out << QCoreApplication::translate(
            "Main", "Usage: rigwell\n"
                    "Parkwen Setup: choose the Car Folder, the Garage Folder and the Max Car Amount "
                    "for Parkwen.\n\n"
                    "  -h, --help  Show this help and end.\n"
                    "  --version   Show the version and where the settings are kept, and end.\n");
        return 0;
    }
    out << parkwen::rigwellInfo::title << ' ' << parkwen::rigwellInfo::version << '\n';
    const DataLocations at =
        DataLocations::resolve(QCoreApplication::applicationDirPath(), DataLocations::Asker::Helper);
    for (const QString& text : at.describe())
        out << text << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    parser.addOptions({help, version});
    // Other text has no meaning here, as before: the window opens.
    parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(version))
        return answerWithoutWindow(argc, argv, parser.isSet(help));
    if (!parkwen::hasDisplay(argc, argv)) {
        QCoreApplication app(argc, argv);
        parkwen::installTranslations(app);
        std::fputs(QCoreApplication::translate(
                       "Main", "rigwell: no display to open a window on; Parkwen Setup runs on a desktop\n")
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(parkwen::rigwellInfo::productName);
    QApplication::setApplicationVersion(parkwen::rigwellInfo::version);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.parkwen.Parkwen.Setup"));
    parkwen::installTranslations(app);
    // The file description and the comments have no place among Qt's application details; they stay in
    // rigwellInfo for a platform's version resource.

    parkwen::LocalFileSystem fs;
    parkwen::QtDialogs dialogs(parkwen::rigwellInfo::title);
    const DataLocations at =
        DataLocations::resolve(QCoreApplication::applicationDirPath(), DataLocations::Asker::Helper);
    if (parkwen::Error e = at.prepare()) {
        dialogs.plain(QCoreApplication::translate("Main", "Miscellaneous Error: ") +
                      QString::number(e.number()) + QLatin1Char(' ') + e.description());
        return 1;
    }
    parkwen::Form1 window(at.pathsFile(), QDir::currentPath(), fs, dialogs);
    // A failure while the window opens is told before the window is ever shown, in a box of its own.
    if (!window.Form_Load())
        return 1;
    dialogs.setParent(&window);
    window.show();
    const int code = app.exec();
    return code != 0 ? code : (window.stored() ? 0 : 1);
}
