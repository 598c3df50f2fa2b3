#include "library/carlibrary.h"
#include "library/manymoves.h"
#include "tests/support/testlibrary.h"

#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// Remembers the progress reports: one line per begin and end, the last step reached.
class RecordingProgress : public Progress
{
public:
    QStringList log;
    int lastStep = 0;
    void begin(const QString& label, int total) override
    {
        log << QStringLiteral("begin %1 %2").arg(label).arg(total);
    }
    void step(int done) override { lastStep = done; }
    void end() override { log << QStringLiteral("end"); }
};

struct Fixture
{
    TestLibrary lib;
    RecordingProgress progress;
    std::unique_ptr<CarLibrary> cars;
    std::unique_ptr<ManyMoves> moves;

    Fixture(const QStringList& carNames, const QStringList& garageNames)
    {
        for (const QString& n : carNames)
            makeCar(lib.carFolder, n);
        for (const QString& n : garageNames)
            makeCar(lib.garageFolder, n);
        Platform platform = lib.platform();
        platform.progress = &progress;
        cars = std::make_unique<CarLibrary>(platform);
        cars->setCarFolder(lib.carFolder);
        cars->setGarageFolder(lib.garageFolder);
        cars->setMaxCars(200);
        cars->scanCarFolder();
        cars->scanGarageFolder();
        lib.dialogs.clear();
        progress.log.clear();
        moves = std::make_unique<ManyMoves>(*cars);
    }
    QStringList carsOnDisk() const { return entries(lib.carFolder); }
    QStringList garageOnDisk() const { return entries(lib.garageFolder); }
};

} // namespace

class ManyMovesTest : public QObject
{
    Q_OBJECT

private slots:
    void send_movesEveryCarInOrder_pastABlockedOne_underOneProgress()
    {
        Fixture f({"a", "b", "c", "d"}, {"x"});
        makeFolder(f.lib.garageFolder, QStringLiteral("b")); // b cannot go: its name is taken there
        f.moves->send({"a", "b", "c"}, true);

        QCOMPARE(f.lib.dialogs.messages().size(), 1); // b's own message, once
        QCOMPARE(f.cars->carList().texts(), QStringList({"b", "d"}));
        QCOMPARE(f.cars->garageList().texts(), QStringList({"x", "a", "c"}));
        QCOMPARE(f.carsOnDisk(), QStringList({"b", "d"}));
        QVERIFY(QFileInfo::exists(f.lib.garageFolder + QStringLiteral("/c/parameters.txt")));
        QCOMPARE(f.cars->carCountText(), QStringLiteral("2"));
        QCOMPARE(f.cars->garageCountText(), QStringLiteral("3"));
        QCOMPARE(f.progress.log, QStringList({"begin Sending 3 cars to the Garage Folder 3", "end"}));
        QCOMPARE(f.progress.lastStep, 3);
        // Only what moved is undone.
        QCOMPARE(f.moves->history().last(), MoveCommand({{"a", true}, {"c", true}}));
    }

    void send_passesOverNamesNoLongerListed_andStockCars()
    {
        Fixture f({"adeon", "mine"}, {});
        f.cars->setListsStockCars(true);
        f.cars->scanCarFolder();
        f.lib.dialogs.clear();
        QCOMPARE(f.cars->carList().texts(), QStringList({"adeon", "mine"}));
        f.moves->send({"adeon", "ghost", "mine"}, true);
        QVERIFY(f.lib.dialogs.messages().isEmpty());
        QCOMPARE(f.cars->carList().texts(), QStringList({"adeon"}));
        QCOMPARE(f.cars->garageList().texts(), QStringList({"mine"}));
    }

    void undo_movesTheLastCommandBack_thenTheOneBefore()
    {
        Fixture f({"a", "b", "c"}, {"x", "y"});
        f.moves->send({"a", "b"}, true);
        f.moves->record([&] { f.cars->bringAllToCarFolder(); }); // "All: Car": x, y, a, b
        QCOMPARE(f.cars->carList().texts(), QStringList({"c", "x", "y", "a", "b"}));
        QCOMPARE(f.moves->history().size(), 2);

        f.moves->undo();
        QCOMPARE(f.cars->garageList().texts(), QStringList({"x", "y", "a", "b"}));
        QCOMPARE(f.cars->carList().texts(), QStringList({"c"}));
        QCOMPARE(f.progress.log.mid(f.progress.log.size() - 2),
                 QStringList({"begin Moving 4 cars back 4", "end"}));

        f.moves->undo();
        QCOMPARE(f.cars->carList().texts(), QStringList({"c", "a", "b"}));
        QCOMPARE(f.cars->garageList().texts(), QStringList({"x", "y"}));
        QCOMPARE(f.carsOnDisk(), QStringList({"a", "b", "c"}));
        QCOMPARE(f.garageOnDisk(), QStringList({"x", "y"}));
        QVERIFY(!f.moves->canUndo());
        f.moves->undo(); // nothing left: nothing happens
        QVERIFY(f.lib.dialogs.messages().isEmpty());
    }

    void undo_passesOverCarsMovedOrDeletedSince_andReportsBlockedOnes()
    {
        Fixture f({"a", "b", "c"}, {});
        f.moves->send({"a", "b", "c"}, true);
        // Since then: a came back by hand (not undoable on its own), b was deleted, and a folder
        // named c appeared in the Car Folder.
        f.cars->setChosenGarageCar(QStringLiteral("a"));
        f.cars->bringChosenToCarFolder();
        f.cars->setLastChosenList(CarLibrary::LastGarageList);
        f.cars->setChosenGarageCar(QStringLiteral("b"));
        f.cars->deleteChosen();
        makeFolder(f.lib.carFolder, QStringLiteral("c"));
        f.lib.dialogs.clear();

        f.moves->undo();
        QCOMPARE(f.lib.dialogs.messages().size(), 1); // c's own message
        QCOMPARE(f.cars->carList().texts(), QStringList({"a"}));
        QCOMPARE(f.cars->garageList().texts(), QStringList({"c"}));
        QVERIFY(!f.moves->canUndo());
    }

    void record_keepsNothingForACommandThatMovedNothing()
    {
        Fixture f({"a"}, {});
        f.moves->record([&] { f.cars->sendChosenToGarage(); }); // nothing chosen
        QVERIFY(!f.moves->canUndo());
        f.cars->chooseCarRow(0);
        f.moves->record([&] { f.cars->sendChosenToGarage(); });
        QCOMPARE(f.moves->history().size(), 1);
    }

    void remove_asksOnceNamingHowMany_defaultNo()
    {
        Fixture f({"a", "b", "c"}, {"x", "y"});
        f.lib.dialogs.queueAnswer(Dialogs::Answer::No);
        f.moves->remove({"a", "c"}, true);
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        // The end says whether they go to the trash, which depends on the disk the test runs on.
        QVERIFY(f.lib.dialogs.messages().first().startsWith(
            QStringLiteral("Are you sure you want to delete the 2 chosen cars from your Car Folder (")));
        QCOMPARE(f.lib.dialogs.shown().first().buttons, Dialogs::Buttons::YesNoDefaultNo);
        QCOMPARE(f.lib.dialogs.shown().first().icon, Dialogs::Icon::Question);
        QCOMPARE(f.carsOnDisk(), QStringList({"a", "b", "c"}));

        f.lib.dialogs.clear();
        f.moves->remove({"a", "c"}, true);
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QCOMPARE(f.carsOnDisk(), QStringList({"b"}));
        QCOMPARE(f.cars->carList().texts(), QStringList({"b"}));
        QCOMPARE(f.cars->carCountText(), QStringLiteral("1"));
        QCOMPARE(f.cars->lastChosenList(), CarLibrary::LastCarList);
        QVERIFY(!f.moves->canUndo()); // deleting is not a move

        f.lib.dialogs.clear();
        f.moves->remove({"x"}, false);
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QVERIFY(f.lib.dialogs.messages().first().startsWith(
            QStringLiteral("Are you sure you want to delete the 1 chosen car from your Garage Folder (it ")));
        QCOMPARE(f.garageOnDisk(), QStringList({"y"}));
    }
};

QTEST_MAIN(ManyMovesTest)
#include "manymoves_test.moc"
