#include "castle.h"
#include "carlibrary.h"
#include "qt/localfilesystem.h"
#include "qt/qtdialogs.h"
#include "qt/qtpictures.h"
#include "qt/qtprocesses.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QStyleFactory>
#include <QVBoxLayout>

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
    Platform platform{fs, pictures, dialogs, processes, QCoreApplication::applicationDirPath()};

    CarLibrary cars(platform);
    Castle castle(cars);

    // The command line is everything after the program's name.
    const QString commandLine = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    if (!cars.startupReading(commandLine))
        return 1;

    dialogs.setParent(&castle);
    cars.openDetails = [&](const QString& path) {
        QDialog sett(&castle);
        sett.setObjectName(QStringLiteral("Sett"));
        sett.setWindowTitle(QStringLiteral("Parkwen Car Settings"));
        auto* layout = new QVBoxLayout(&sett);
        layout->addWidget(new QLabel(path, &sett));
        sett.exec();
    };
    castle.show();
    castle.raise();
    castle.activateWindow();
    return QApplication::exec();
}
