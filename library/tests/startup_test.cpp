#include "library/carlibrary.h"
#include "library/programs.h"
#include "library/ui/warninglight.h"
#include "platform/numbers.h"
#include "tests/support/testlibrary.h"

#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void stockSwitch_anyCaseExactly()
    {
        QVERIFY(isStockSwitch(QStringLiteral("/ACC")));
        QVERIFY(isStockSwitch(QStringLiteral("/acc")));
        QVERIFY(isStockSwitch(QStringLiteral("/aCc")));
        QVERIFY(!isStockSwitch(QStringLiteral("/ACC more")));
        QVERIFY(!isStockSwitch(QStringLiteral("ACC")));
        QVERIFY(!isStockSwitch(QString()));
    }

    void leadingNumber_readsLikeACaption()
    {
        QCOMPARE(leadingNumber(QStringLiteral("25")), 25.0);
        QCOMPARE(leadingNumber(QStringLiteral("25 cars")), 25.0);
        QCOMPARE(leadingNumber(QStringLiteral("  -3.5e1x")), -35.0);
        QCOMPARE(leadingNumber(QStringLiteral("cars")), 0.0);
        QCOMPARE(leadingNumber(QString()), 0.0);
    }

    void startup_readsPathsScansAndShowsFirstPicture()
    {
        TestLibrary lib;
        lib.writePaths(QStringLiteral("25 cars"));
        makeCar(lib.carFolder, QStringLiteral("alpha"), QStringLiteral("car.jpg"), Qt::green);
        makeCar(lib.garageFolder, QStringLiteral("beta"));
        CarLibrary cars(lib.platform());
        QVERIFY(cars.startupReading(QString()));
        QCOMPARE(cars.folder(FolderRole::Cars).path(), lib.carFolder);
        QCOMPARE(cars.folder(FolderRole::Garage).path(), lib.garageFolder);
        QCOMPARE(cars.options().maxCars, qint16(25)); // the leading number at start-up
        QCOMPARE(countText(cars.folder(FolderRole::Cars)), QStringLiteral("1"));
        QCOMPARE(countText(cars.folder(FolderRole::Garage)), QStringLiteral("1"));
        QVERIFY(cars.display().picture.pixelColor(32, 32).green() > 200);
        QCOMPARE(cars.display().caption, QStringLiteral("Picture"));
        QVERIFY(cars.folder(FolderRole::Cars).chosen().isEmpty());
        QCOMPARE(cars.display().lastChosen, FolderRole::Garage);
        QVERIFY(cars.display().canSendChosen && cars.display().canDeleteChosen);
        QVERIFY(lib.dialogs.messages().isEmpty());
    }

    void startup_maxRoundsHalvesToEven_andOverflowEnds()
    {
        for (const auto& [text, expected] : {std::pair{"2.5", 2}, {"3.5", 4}, {"-0.5", 0}}) {
            TestLibrary lib;
            lib.writePaths(QString::fromLatin1(text));
            CarLibrary cars(lib.platform());
            QVERIFY(cars.startupReading(QString()));
            QCOMPARE(int(cars.options().maxCars), expected);
        }
        TestLibrary lib;
        lib.writePaths(QStringLiteral("40000"));
        CarLibrary cars(lib.platform());
        QVERIFY(!cars.startupReading(QString()));
        QCOMPARE(lib.dialogs.messages(), QStringList({"Miscellaneous Error: No. 6 Overflow"}));
    }

    void emptyCarFolder_opensQuietlyWithEmptyPicture()
    {
        TestLibrary lib;
        lib.writePaths();
        CarLibrary cars(lib.platform());
        QVERIFY(cars.startupReading(QString()));
        QVERIFY(cars.display().picture.isNull());
        QVERIFY(lib.dialogs.messages().isEmpty());
    }

    void missingDatabase_waitsForRigwellThenRetriesOnce_data()
    {
        QTest::addColumn<bool>("emptyTable");
        QTest::newRow("no file") << false;
        // A first setup killed before its window closed leaves an empty table: still not set up.
        QTest::newRow("empty table") << true;
    }

    void missingDatabase_waitsForRigwellThenRetriesOnce()
    {
        QFETCH(bool, emptyTable);
        TestLibrary lib;
        if (emptyTable)
            lib.writePaths(QStringList());
        lib.installProgram(QStringLiteral("rigwell"));
        makeCar(lib.carFolder, QStringLiteral("alpha"));
        // The stand-in runs for a while and writes the database as it ends, as the real one does
        // when its window closes; a retry that does not wait finds nothing.
        lib.processes.runMilliseconds = 50;
        lib.processes.onStart = [&](const RecordingProcesses::Started&) { lib.writePaths(); };
        CarLibrary cars(lib.platform());
        QVERIFY(cars.startupReading(QString()));
        QCOMPARE(lib.dialogs.messages(), QStringList({"Rigwell.exe has not been run, running..."}));
        QCOMPARE(lib.dialogs.shown().first().icon, Dialogs::Icon::Information);
        QCOMPARE(lib.processes.started().size(), 1);
        QCOMPARE(lib.processes.started().first().program, lib.programFolder + QStringLiteral("/rigwell"));
        QVERIFY(lib.processes.started().first().waited);
        QCOMPARE(cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha"}));
    }

    void missingDatabase_rigwellMissing_saysSoAndEnds()
    {
        TestLibrary lib;
        CarLibrary cars(lib.platform());
        QVERIFY(!cars.startupReading(QString()));
        const QString rigwell = lib.programFolder + QStringLiteral("/rigwell");
        QCOMPARE(lib.dialogs.messages(),
                 QStringList({"Rigwell.exe has not been run, running...",
                              "Miscellaneous Error: No. 53 File not found: " + rigwell}));
        QVERIFY(lib.processes.started().isEmpty());
    }

    void missingDatabase_failedRetryEndsWithMessage()
    {
        TestLibrary lib;
        lib.installProgram(QStringLiteral("rigwell"));
        CarLibrary cars(lib.platform());
        QVERIFY(!cars.startupReading(QString()));
        const QString db = lib.programFolder + QStringLiteral("/paths.mdb");
        QCOMPARE(lib.dialogs.messages(),
                 QStringList({"Rigwell.exe has not been run, running...",
                              "Miscellaneous Error: No. 3024 Could not find file '" + db + "'."}));
        QCOMPARE(lib.processes.started().size(), 1); // exactly one retry, one start
    }

    void staleCarFolder_endsWith76()
    {
        TestLibrary lib;
        lib.writePaths({lib.root.path() + QStringLiteral("/gone"), lib.garageFolder, QStringLiteral("200")});
        CarLibrary cars(lib.platform());
        QVERIFY(!cars.startupReading(QString()));
        QCOMPARE(lib.dialogs.messages(), QStringList({"Miscellaneous Error: No. 76 Path not found"}));
    }

    void shortTable_endsWithNoCurrentRecord()
    {
        TestLibrary lib;
        lib.writePaths(QStringList{lib.carFolder, lib.garageFolder});
        CarLibrary cars(lib.platform());
        QVERIFY(!cars.startupReading(QString()));
        QCOMPARE(lib.dialogs.messages(), QStringList({"Miscellaneous Error: No. 3021 No current record."}));
    }

    void stockModeWithStockFirst_disablesButtons()
    {
        TestLibrary lib;
        lib.writePaths();
        makeCar(lib.carFolder, QStringLiteral("adeon"));
        makeCar(lib.carFolder, QStringLiteral("zed"));
        CarLibrary cars(lib.platform());
        QVERIFY(cars.startupReading(QStringLiteral("/acc")));
        QVERIFY(cars.options().listsStockCars);
        QVERIFY(!cars.display().canSendChosen && !cars.display().canDeleteChosen);
        QCOMPARE(countText(cars.folder(FolderRole::Cars)), QStringLiteral("-33"));
    }

    void refresh_convertsWholeTextOnly_andKeepsStateOnFailure()
    {
        TestLibrary lib;
        lib.writePaths(QStringLiteral("25"));
        makeCar(lib.carFolder, QStringLiteral("alpha"));
        CarLibrary cars(lib.platform());
        QVERIFY(cars.startupReading(QString()));
        cars.rereadPaths();
        QCOMPARE(cars.options().maxCars, qint16(25));
        QVERIFY(lib.dialogs.messages().isEmpty());

        lib.writePaths(QStringLiteral("25 cars"));
        makeCar(lib.carFolder, QStringLiteral("beta"));
        cars.rereadPaths();
        QCOMPARE(lib.dialogs.messages(), QStringList({"Miscellaneous Error: No. 13 Type mismatch"}));
        QCOMPARE(cars.folder(FolderRole::Cars).list().texts(),
                 QStringList({"alpha"})); // nothing was rescanned
        QCOMPARE(cars.options().maxCars, qint16(25));

        lib.dialogs.clear();
        QFile::remove(lib.programFolder + QStringLiteral("/paths.mdb"));
        cars.rereadPaths();
        QCOMPARE(lib.dialogs.messages().size(), 1);
        QVERIFY(lib.dialogs.messages().first().startsWith(QStringLiteral("Miscellaneous Error: No. 3024")));
        QCOMPARE(cars.folder(FolderRole::Cars).list().texts(), QStringList({"alpha"}));
    }

    void refreshLoweringMax_setsOverLimitAtOnce()
    {
        WarningLight light;
        TestLibrary lib;
        lib.writePaths(QStringLiteral("10"));
        makeCar(lib.carFolder, QStringLiteral("alpha"));
        makeCar(lib.carFolder, QStringLiteral("beta"));
        CarLibrary cars(lib.platform());
        QVERIFY(cars.startupReading(QString()));
        QVERIFY(!cars.display().overLimit);
        lib.writePaths(QStringLiteral("2"));
        cars.rereadPaths();
        QVERIFY(cars.display().overLimit); // count 2 reaches the max of 2
        light.tick(cars.display().overLimit);
        QVERIFY(!light.isLit());
        light.tick(cars.display().overLimit);
        QVERIFY(light.isLit());
        light.tick(cars.display().overLimit);
        QVERIFY(!light.isLit());
        lib.writePaths(QStringLiteral("3"));
        cars.rereadPaths();
        QVERIFY(!cars.display().overLimit);
        light.tick(cars.display().overLimit);
        light.tick(cars.display().overLimit);
        QVERIFY(!light.isLit());
    }

    void settings_startsRigwellThenRereads_missingRigwellReported()
    {
        TestLibrary lib;
        lib.writePaths();
        CarLibrary cars(lib.platform());
        QVERIFY(cars.startupReading(QString()));
        makeCar(lib.carFolder, QStringLiteral("late"));
        runSetup(cars);
        QCOMPARE(lib.dialogs.messages().size(), 1);
        QVERIFY(lib.dialogs.messages().first().contains(QStringLiteral("rigwell")));
        QVERIFY(cars.folder(FolderRole::Cars).list().isEmpty());

        lib.dialogs.clear();
        lib.installProgram(QStringLiteral("rigwell"));
        runSetup(cars);
        QVERIFY(lib.dialogs.messages().isEmpty());
        QCOMPARE(lib.processes.started().size(), 1);
        QCOMPARE(cars.folder(FolderRole::Cars).list().texts(), QStringList({"late"}));
    }

    void chooseAndOpen_followTheLists()
    {
        TestLibrary lib;
        lib.writePaths();
        makeCar(lib.carFolder, QStringLiteral("R5Turbo"));
        makeCar(lib.garageFolder, QStringLiteral("parked"));
        CarLibrary cars(lib.platform());
        QVERIFY(cars.startupReading(QString()));
        QStringList opened;
        QObject::connect(&cars, &CarLibrary::detailsRequested, [&](const QString& path) { opened << path; });

        cars.chooseRow(FolderRole::Garage, 0);
        QCOMPARE(cars.folder(FolderRole::Garage).chosen(), QStringLiteral("parked"));
        QCOMPARE(cars.display().lastChosen, FolderRole::Garage);
        cars.openChosen(FolderRole::Garage);
        QCOMPARE(cars.folder(FolderRole::Garage).chosen(), QStringLiteral("parked"));

        cars.chooseRow(FolderRole::Cars, 0);
        QCOMPARE(cars.display().lastChosen, FolderRole::Cars);
        QCOMPARE(cars.display().caption, QStringLiteral("R5Turbo"));
        cars.openChosen(FolderRole::Cars);
        QCOMPARE(cars.folder(FolderRole::Cars).chosen(), QStringLiteral("R5"));
        QCOMPARE(opened, QStringList({lib.garageFolder + "/parked", lib.carFolder + "/R5Turbo"}));
    }

    void stockMode_choosingEntriesSetsButtons()
    {
        TestLibrary lib;
        lib.writePaths();
        makeCar(lib.carFolder, QStringLiteral("addon"));
        makeCar(lib.carFolder, QStringLiteral("rc"));
        makeCar(lib.garageFolder, QStringLiteral("parked"));
        CarLibrary cars(lib.platform());
        QVERIFY(cars.startupReading(QStringLiteral("/ACC")));
        cars.chooseRow(FolderRole::Cars, 1);
        QVERIFY(!cars.display().canSendChosen && !cars.display().canDeleteChosen);
        cars.chooseRow(FolderRole::Garage, 0);
        QVERIFY(!cars.display().canSendChosen && !cars.display().canDeleteChosen);
        cars.chooseRow(FolderRole::Cars, 0);
        QVERIFY(cars.display().canSendChosen && cars.display().canDeleteChosen);
    }

    void helpAndRegistry_reportWhatCannotStart()
    {
        TestLibrary lib;
        CarLibrary cars(lib.platform());
        showHelp(cars.platform());
        QCOMPARE(lib.dialogs.messages().size(), 1);
        QVERIFY(lib.dialogs.messages().first().contains(lib.programFolder + QStringLiteral("/hovlen")));
        lib.installProgram(QStringLiteral("hovlen"));
        showHelp(cars.platform());
        QCOMPARE(lib.processes.started().size(), 1);
        lib.dialogs.clear();
        resetSelectedCarNumber(cars.platform());
        QCOMPARE(lib.dialogs.messages().size(), 1);
        QCOMPARE(lib.processes.started().size(), 1);
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "startup_test.moc"
