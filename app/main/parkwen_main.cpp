#include "carlibrary.h"
#include "carnames.h"
#include "castle.h"
#include "qt/localfilesystem.h"
#include "qt/qtdialogs.h"
#include "qt/qtpictures.h"
#include "qt/qtprocesses.h"
#include "qt/qtprogress.h"
#include "setcommands.h"
#include "sett.h"

#include <QApplication>
#include <QStyleFactory>

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

    CarLibrary cars(platform);
    Castle castle(cars);

    // The command line is everything after the program's name.
    const QString commandLine = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
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
            (carList ? cars.CarpList : cars.GargList).picture(carKey(context.selectedEntry));
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
    return QApplication::exec();
}
