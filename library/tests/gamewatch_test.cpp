#include "library/tests/libraryfixture.h"
#include "library/ui/castle.h"
#include "setup/gamesettings.h"

#include <QApplication>
#include <QDialog>
#include <QTreeWidget>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

// The window's light and Play with today's game: a packlist makes every car the game loads count.
class GameWatchTest : public QObject
{
    Q_OBJECT

private slots:
    void light_countsEveryCarTheGameLoads_andPlayAsksOverTheLimit()
    {
        LibraryFixture f;
        for (const char* name : {"A", "B"})
            makeCar(f.lib.carFolder, QString::fromLatin1(name));
        const QString game = f.lib.root.path();
        const QString packs = makeFolder(game, QStringLiteral("packs"));
        for (const char* name : {"C", "D", "adeon"}) // the game's own cars never count
            writeBytes(makeFolder(packs, QStringLiteral("rva/cars/") + QString::fromLatin1(name)) +
                           QStringLiteral("/parameters.txt"),
                       "x");
        writeBytes(game + QStringLiteral("/rvgl"), "#!/bin/sh\n");
        f.cars.options().maxCars = 4;
        f.scan();

        f.cars.readGame(); // no packlist: the Car Folder's two cars
        QVERIFY(!f.cars.game().active());
        QVERIFY(!f.cars.display().overLimit);

        writeBytes(packs + QStringLiteral("/default.txt"), "default\nrva\n");
        f.cars.readGame();
        QVERIFY(f.cars.game().active());
        QCOMPARE(f.cars.game().loadedCount(f.cars.folder(FolderRole::Cars).list()), 4);
        QVERIFY(f.cars.display().overLimit);

        f.lib.dialogs.queueAnswer(Dialogs::Answer::No);
        f.cars.playGame();
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QVERIFY(f.lib.processes.started().isEmpty());

        // Sent to the Garage, a car no longer counts; another packlist is started by name.
        f.cars.folder(FolderRole::Cars).setChosen(QStringLiteral("A"));
        f.cars.moveChosenFrom(FolderRole::Cars);
        QVERIFY(!f.cars.display().overLimit);
        writeBytes(packs + QStringLiteral("/race.txt"), "default\nrva\n");
        GameSettings(f.lib.programFolder).setPacklist(QStringLiteral("race"));
        f.cars.playGame();
        QCOMPARE(f.lib.processes.started().size(), 1);
        QCOMPARE(f.lib.processes.started().first().program, game + QStringLiteral("/rvgl"));
        QCOMPARE(f.lib.processes.started().first().arguments, (QStringList{"-packlist", "race"}));
        QCOMPARE(f.lib.processes.started().first().folder, game);

        // A packlist that leaves out the Car Folder is told of; its cars do not count.
        writeBytes(packs + QStringLiteral("/race.txt"), ";default\nrva\n");
        f.lib.dialogs.clear();
        f.cars.readGame();
        QVERIFY(!f.cars.game().loadsCarFolder());
        QCOMPARE(f.cars.game().loadedCount(f.cars.folder(FolderRole::Cars).list()), 2);
    }

    // A packlist change made in the Packs window is taken back by the main window's Ctrl+Z after
    // the window is closed, as the newest command; then Ctrl+Z undoes moves again.
    void mainWindowUndo_takesBackTheLastPacklistChange()
    {
        LibraryFixture f;
        makeCar(f.lib.carFolder, QStringLiteral("A"));
        const QString packs = makeFolder(f.lib.root.path(), QStringLiteral("packs"));
        makeFolder(packs, QStringLiteral("rva/cars"));
        const QByteArray before("default\r\nrva\r\n");
        writeBytes(packs + QStringLiteral("/default.txt"), before);
        f.scan();
        Castle castle(f.cars);
        castle.show();
        QTimer::singleShot(0, [] {
            QWidget* window = QApplication::activeModalWidget();
            auto* list = window->findChild<QTreeWidget*>(QStringLiteral("packList"));
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                if (list->topLevelItem(i)->data(0, Qt::UserRole).toString() == QLatin1String("rva"))
                    list->topLevelItem(i)->setCheckState(1, Qt::Unchecked);
            // After the change the tick queued.
            QTimer::singleShot(0, window, [window] { qobject_cast<QDialog*>(window)->accept(); });
        });
        castle.actions().action(CastleActions::Packs)->trigger();
        QCOMPARE(f.lib.fs.readFile(packs + QStringLiteral("/default.txt")).value(),
                 QByteArray("default\r\n;rva\r\n"));
        castle.actions().action(CastleActions::Undo)->trigger();
        QCOMPARE(f.lib.fs.readFile(packs + QStringLiteral("/default.txt")).value(), before);
    }
};

QTEST_MAIN(GameWatchTest)
#include "gamewatch_test.moc"
