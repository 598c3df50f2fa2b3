#include "carlibrary.h"
#include "castle.h"
#include "qt/localfilesystem.h"
#include "qt/qtdialogs.h"
#include "qt/qtpictures.h"
#include "qt/qtprocesses.h"
#include "qt/qtprogress.h"
#include "setcommands.h"
#include "sett.h"
#include "startupprobe.h"
#include "thumbcache.h"

#include <QApplication>
#include <QStyleFactory>

#include <memory>

using namespace parkwen;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parkwen"));
    QApplication::setApplicationDisplayName(QStringLiteral("Parkwen"));
    QApplication::setApplicationVersion(QStringLiteral("1.02"));
    QApplication::setOrganizationName(QStringLiteral("Parkwen"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    LocalFileSystem fs;
    QtPictures pictures;
    QtDialogs dialogs(QStringLiteral("Parkwen"));
    QtProcesses processes;
    QtProgress progress(QStringLiteral("Parkwen"));
    Platform platform{fs, pictures, dialogs, processes, QCoreApplication::applicationDirPath(), &progress};

    // The thumbnail cache: thumbnails are kept between runs, unless --no-cache is on the command line
    // or PARKWEN_NO_CACHE is set.
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool noCache = arguments.removeAll(QStringLiteral("--no-cache")) > 0 ||
                         !qEnvironmentVariableIsEmpty("PARKWEN_NO_CACHE");
    std::unique_ptr<ThumbCache> thumbnails;
    if (!noCache) {
        ThumbCache::Options options;
        options.fs = &fs;
        options.pictures = &pictures;
        thumbnails = std::make_unique<ThumbCache>(ThumbCache::defaultFile(), options);
    }

    CarLibrary cars(platform);
    cars.CarpList.setCache(thumbnails.get());
    cars.GargList.setCache(thumbnails.get());
    Castle castle(cars);

    // The command line is everything after the program's name.
    const QString commandLine = arguments.join(QLatin1Char(' '));
    if (!cars.startupReading(commandLine))
        return 1;

    dialogs.setParent(&castle);
    progress.setParent(&castle);
    // The details window reads the list the car was chosen in, its selected entry and that entry's
    // picture; nothing comes back.
    cars.openDetails = [&](const QString& path) {
        const bool carList = cars.lastSelected == CarLibrary::LastCarList;
        const CarList& list = carList ? cars.Cart3 : cars.Gartery;
        DetailsContext context;
        context.carPath = path;
        context.lastSelectedList = cars.lastSelected;
        context.selectedEntry = list.selectedText();
        context.picture =
            (carList ? cars.CarpList : cars.GargList).picture(context.selectedEntry + QStringLiteral("CAR"));
        context.carFolder = cars.carFolder;
        context.garageFolder = cars.garageFolder;
        Sett sett(platform, context, &castle);
        sett.exec();
    };
    castle.onCrete = [&] { Crete_Click(cars, platform, &castle); };
    castle.onEdIt = [&] { Ed_It_Click(cars, platform, &castle); };
    castle.onSetLdPlus = [&] { SetLdPlus_Click(cars, platform, &castle); };
    castle.onSetLdOnly = [&] { SetLdOnly_Click(cars, platform, &castle); };
    castle.onSetRemv = [&] { SetRemv_Click(cars, platform, &castle); };
    castle.show();
    castle.raise();
    castle.activateWindow();
    // Start-up measured from outside (the benchmark).
    if (!qEnvironmentVariableIsEmpty("PARKWEN_STARTUP_PROBE"))
        reportWhenShown(&castle, cars);
    return QApplication::exec();
}
