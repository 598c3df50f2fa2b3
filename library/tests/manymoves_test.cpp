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
        cars->folder(FolderRole::Cars).setPath(lib.carFolder);
        cars->folder(FolderRole::Garage).setPath(lib.garageFolder);
        cars->options().maxCars = 200;
        cars->scan(FolderRole::Cars);
        cars->scan(FolderRole::Garage);
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
        f.moves->send({"a", "b", "c"}, FolderRole::Garage);

        QCOMPARE(f.lib.dialogs.messages().size(), 1); // b's own message, once
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"b", "d"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x", "a", "c"}));
        QCOMPARE(f.carsOnDisk(), QStringList({"b", "d"}));
        QVERIFY(QFileInfo::exists(f.lib.garageFolder + QStringLiteral("/c/parameters.txt")));
        QCOMPARE(countText(f.cars->folder(FolderRole::Cars)), QStringLiteral("2"));
        QCOMPARE(countText(f.cars->folder(FolderRole::Garage)), QStringLiteral("3"));
        QCOMPARE(f.progress.log, QStringList({"begin Sending 3 cars to the Garage Folder 3", "end"}));
        QCOMPARE(f.progress.lastStep, 3);
        // Only what moved is undone.
        QCOMPARE(f.moves->history().last(), MoveCommand({{"a", true}, {"c", true}}));
    }

    void send_passesOverNamesNoLongerListed_andStockCars()
    {
        Fixture f({"adeon", "mine"}, {});
        f.cars->options().listsStockCars = true;
        f.cars->scan(FolderRole::Cars);
        f.lib.dialogs.clear();
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"adeon", "mine"}));
        f.moves->send({"adeon", "ghost", "mine"}, FolderRole::Garage);
        QVERIFY(f.lib.dialogs.messages().isEmpty());
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"adeon"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"mine"}));
    }

    void undo_movesTheLastCommandBack_thenTheOneBefore()
    {
        Fixture f({"a", "b", "c"}, {"x", "y"});
        f.moves->send({"a", "b"}, FolderRole::Garage);
        f.moves->record([&] { f.cars->moveAllFrom(FolderRole::Garage); }); // "All: Car": x, y, a, b
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"c", "x", "y", "a", "b"}));
        QCOMPARE(f.moves->history().size(), 2);

        f.moves->undo();
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x", "y", "a", "b"}));
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"c"}));
        QCOMPARE(f.progress.log.mid(f.progress.log.size() - 2),
                 QStringList({"begin Moving 4 cars back 4", "end"}));

        f.moves->undo();
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"c", "a", "b"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"x", "y"}));
        QCOMPARE(f.carsOnDisk(), QStringList({"a", "b", "c"}));
        QCOMPARE(f.garageOnDisk(), QStringList({"x", "y"}));
        QVERIFY(!f.moves->canUndo());
        f.moves->undo(); // nothing left: nothing happens
        QVERIFY(f.lib.dialogs.messages().isEmpty());
    }

    void undo_passesOverCarsMovedOrDeletedSince_andReportsBlockedOnes()
    {
        Fixture f({"a", "b", "c"}, {});
        f.moves->send({"a", "b", "c"}, FolderRole::Garage);
        // Since then: a came back by hand (not undoable on its own), b was deleted, and a folder
        // named c appeared in the Car Folder.
        f.cars->folder(FolderRole::Garage).setChosen(QStringLiteral("a"));
        f.cars->moveChosenFrom(FolderRole::Garage);
        f.cars->chooseRow(FolderRole::Garage,
                          f.cars->folder(FolderRole::Garage).list().rowOfText(QStringLiteral("b")));
        f.cars->deleteChosen();
        makeFolder(f.lib.carFolder, QStringLiteral("c"));
        f.lib.dialogs.clear();

        f.moves->undo();
        QCOMPARE(f.lib.dialogs.messages().size(), 1); // c's own message
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"a"}));
        QCOMPARE(f.cars->folder(FolderRole::Garage).list().texts(), QStringList({"c"}));
        QVERIFY(!f.moves->canUndo());
    }

    void record_keepsNothingForACommandThatMovedNothing()
    {
        Fixture f({"a"}, {});
        f.moves->record([&] { f.cars->moveChosenFrom(FolderRole::Cars); }); // nothing chosen
        QVERIFY(!f.moves->canUndo());
        f.cars->chooseRow(FolderRole::Cars, 0);
        f.moves->record([&] { f.cars->moveChosenFrom(FolderRole::Cars); });
        QCOMPARE(f.moves->history().size(), 1);
    }

    void remove_asksOnceNamingHowMany_defaultNo()
    {
        Fixture f({"a", "b", "c"}, {"x", "y"});
        f.lib.dialogs.queueAnswer(Dialogs::Answer::No);
        f.moves->remove({"a", "c"}, FolderRole::Cars);
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        // The end says whether they go to the trash, which depends on the disk the test runs on.
        QVERIFY(f.lib.dialogs.messages().first().startsWith(
            QStringLiteral("Are you sure you want to delete the 2 chosen cars from your Car Folder (")));
        QCOMPARE(f.lib.dialogs.shown().first().buttons, Dialogs::Buttons::YesNoDefaultNo);
        QCOMPARE(f.lib.dialogs.shown().first().icon, Dialogs::Icon::Question);
        QCOMPARE(f.carsOnDisk(), QStringList({"a", "b", "c"}));

        f.lib.dialogs.clear();
        f.moves->remove({"a", "c"}, FolderRole::Cars);
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QCOMPARE(f.carsOnDisk(), QStringList({"b"}));
        QCOMPARE(f.cars->folder(FolderRole::Cars).list().texts(), QStringList({"b"}));
        QCOMPARE(countText(f.cars->folder(FolderRole::Cars)), QStringLiteral("1"));
        QCOMPARE(f.cars->display().lastChosen, FolderRole::Cars);
        QVERIFY(!f.moves->canUndo()); // deleting is not a move

        f.lib.dialogs.clear();
        f.moves->remove({"x"}, FolderRole::Garage);
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QVERIFY(f.lib.dialogs.messages().first().startsWith(
            QStringLiteral("Are you sure you want to delete the 1 chosen car from your Garage Folder (it ")));
        QCOMPARE(f.garageOnDisk(), QStringList({"y"}));
    }
};

QTEST_MAIN(ManyMovesTest)
#include "manymoves_test.moc"
