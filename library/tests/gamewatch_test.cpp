#include "library/tests/libraryfixture.h"
#include "setup/gamesettings.h"

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
        f.cars.setMaxCars(4);
        f.scan();

        f.cars.readGame(); // no packlist: the Car Folder's two cars
        QVERIFY(!f.cars.game().active());
        QVERIFY(!f.cars.isOverLimit());

        writeBytes(packs + QStringLiteral("/default.txt"), "default\nrva\n");
        f.cars.readGame();
        QVERIFY(f.cars.game().active());
        QCOMPARE(f.cars.game().loadedCount(f.cars.carList()), 4);
        QVERIFY(f.cars.isOverLimit());

        f.lib.dialogs.queueAnswer(Dialogs::Answer::No);
        f.cars.playGame();
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QVERIFY(f.lib.processes.started().isEmpty());

        // Sent to the Garage, a car no longer counts; another packlist is started by name.
        f.cars.setChosenCar(QStringLiteral("A"));
        f.cars.sendChosenToGarage();
        QVERIFY(!f.cars.isOverLimit());
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
        QCOMPARE(f.cars.game().loadedCount(f.cars.carList()), 2);
    }
};

QTEST_MAIN(GameWatchTest)
#include "gamewatch_test.moc"
