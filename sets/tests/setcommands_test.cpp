#include "library/carlibrary.h"
#include "sets/setloading.h"
#include "tests/support/testlibrary.h"

#include <QDir>
#include <QQueue>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// Answers the set chooser from a script.
struct ScriptedChooser : SetChooser
{
    QQueue<QString> answers;
    int asked = 0;
    QString choose() override
    {
        ++asked;
        return answers.isEmpty() ? QString() : answers.dequeue();
    }
};

struct Fixture
{
    TestLibrary lib;
    CarLibrary cars{lib.platform()};
    ScriptedChooser chooser;

    Fixture(const QStringList& inCarFolder, const QStringList& inGarage)
    {
        for (const QString& name : inCarFolder)
            makeCar(lib.carFolder, name);
        for (const QString& name : inGarage)
            makeCar(lib.garageFolder, name);
        cars.folder(FolderRole::Cars).setPath(lib.carFolder);
        cars.folder(FolderRole::Garage).setPath(lib.garageFolder);
        cars.options().maxCars = 200;
        cars.scan(FolderRole::Cars);
        cars.scan(FolderRole::Garage);
    }
    // Writes a set into a set-up sets folder and has the chooser pick it.
    void chooseSet(const QString& fileName, const QByteArray& bytes)
    {
        const QString sets = makeFolder(lib.programFolder, QStringLiteral("sets"));
        writeBytes(sets + QStringLiteral("/blank.pkn"), QByteArray());
        writeBytes(sets + QLatin1Char('/') + fileName, bytes);
        chooser.answers.enqueue(fileName);
    }
    QStringList carsOnDisk() { return entries(lib.carFolder); }
    QStringList garageOnDisk() { return entries(lib.garageFolder); }
};

QByteArray setOf(const QStringList& names)
{
    QByteArray bytes;
    for (const QString& n : names)
        bytes += '"' + n.toUtf8() + "\"\r\n";
    return bytes;
}

} // namespace

class SetCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void loadSet_movesGarageMembersInFileOrder_oneCountAtATime()
    {
        Fixture f({"X"}, {"A", "B", "C", "D"});
        f.chooseSet("Race.pkn", setOf({"C", "X", "b", "A", "Gone"})); // "b" is no "B"
        // Every value each count shows, in turn.
        QStringList cam{countText(f.cars.folder(FolderRole::Cars))};
        QStringList gam{countText(f.cars.folder(FolderRole::Garage))};
        connect(&f.cars, &CarLibrary::changed, this, [&] {
            if (cam.last() != countText(f.cars.folder(FolderRole::Cars)))
                cam << countText(f.cars.folder(FolderRole::Cars));
            if (gam.last() != countText(f.cars.folder(FolderRole::Garage)))
                gam << countText(f.cars.folder(FolderRole::Garage));
        });

        loadSet(f.cars, f.lib.platform(), f.chooser);

        QCOMPARE(f.chooser.asked, 1);
        QVERIFY2(f.lib.dialogs.messages().isEmpty(), qPrintable(f.lib.dialogs.messages().join('|')));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X", "C", "A"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"B", "D"}));
        QCOMPARE(cam, QStringList({"1", "2", "3"}));
        QCOMPARE(gam, QStringList({"4", "3", "2"}));
        QCOMPARE(f.carsOnDisk(), QStringList({"A", "C", "X"}));
        QCOMPARE(f.garageOnDisk(), QStringList({"B", "D"}));
        QCOMPARE(setSession().chosenSetName, QStringLiteral("Race.pkn"));
    }

    void loadSet_carThatCannotMove_isReportedOnceAndTheOthersMove()
    {
        // A folder "A" (no car: it has no picture) already stands in the Car Folder.
        Fixture f({}, {"A", "B", "C", "D"});
        makeFolder(f.lib.carFolder, QStringLiteral("A"));
        f.chooseSet("Race.pkn", setOf({"A", "C"}));

        loadSet(f.cars, f.lib.platform(), f.chooser);

        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QVERIFY(f.lib.dialogs.messages().first().startsWith(QLatin1String("Path\\File Access Error.")));
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"C"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"A", "B", "D"}));
    }

    void setOnlyAndRemoveSet_goPastABlockedCar()
    {
        Fixture f({"X", "Y", "Z"}, {"A"});
        makeFolder(f.lib.garageFolder, QStringLiteral("X")); // in the way of X
        f.chooseSet("Race.pkn", setOf({"A"}));
        loadSetOnly(f.cars, f.lib.platform(), f.chooser);
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X", "A"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"Y", "Z"}));

        f.lib.dialogs.clear();
        f.chooseSet("Back.pkn", setOf({"X", "A"}));
        removeSet(f.cars, f.lib.platform(), f.chooser);
        QCOMPARE(f.lib.dialogs.messages().size(), 1);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"Y", "Z", "A"}));
        QCOMPARE(f.carsOnDisk(), QStringList({"X"}));
    }

    void setOnlyAndRemoveSet_neverSendAStockCarInStockMode()
    {
        Fixture f({}, {"A"});
        makeCar(f.lib.carFolder, QStringLiteral("adeon"));
        makeCar(f.lib.carFolder, QStringLiteral("X"));
        f.cars.options().listsStockCars = true;
        f.cars.scan(FolderRole::Cars);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"adeon", "X"}));
        f.chooseSet("Race.pkn", setOf({"A"}));
        loadSetOnly(f.cars, f.lib.platform(), f.chooser);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"adeon", "A"}));
        f.chooseSet("Stock.pkn", setOf({"adeon", "A"}));
        removeSet(f.cars, f.lib.platform(), f.chooser);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"adeon"}));
        QCOMPARE(f.carsOnDisk(), QStringList({"adeon"}));
        QVERIFY(f.lib.dialogs.messages().isEmpty());
    }

    void setOnly_loadsMembersAndSendsEveryOtherCarAway()
    {
        Fixture f({"X", "Y", "Z"}, {"A", "B"});
        f.chooseSet("Race.pkn", setOf({"A", "Y"}));
        loadSetOnly(f.cars, f.lib.platform(), f.chooser);
        QVERIFY(f.lib.dialogs.messages().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"Y", "A"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"B", "X", "Z"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("2"));
        QCOMPARE(countText(f.cars.folder(FolderRole::Garage)), QStringLiteral("3"));
        QCOMPARE(f.carsOnDisk(), QStringList({"A", "Y"}));

        f.chooser.answers.enqueue(QStringLiteral("Race.pkn")); // once more: the set is loaded alone
        loadSetOnly(f.cars, f.lib.platform(), f.chooser);
        QVERIFY(f.lib.dialogs.messages().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"Y", "A"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"B", "X", "Z"}));
    }

    void setOnly_withEmptySet_sendsEveryCarToGarage()
    {
        Fixture f({"X", "Y", "Z"}, {"A"});
        f.chooseSet("Empty.pkn", QByteArray());
        loadSetOnly(f.cars, f.lib.platform(), f.chooser);
        QVERIFY(f.cars.folder(FolderRole::Cars).list().texts().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"A", "X", "Y", "Z"}));
        QCOMPARE(countText(f.cars.folder(FolderRole::Cars)), QStringLiteral("0"));
        QVERIFY(f.carsOnDisk().isEmpty());
    }

    void removeSet_sendsMembersInCarListOrder()
    {
        Fixture f({"X", "Y", "Z"}, {});
        f.chooseSet("Race.pkn", setOf({"Z", "x", "X"}));
        removeSet(f.cars, f.lib.platform(), f.chooser);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"Y"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"X", "Z"}));
        QCOMPARE(f.garageOnDisk(), QStringList({"X", "Z"}));
    }

    void removeSet_hasNoMemberLimit_andLeavesNonMembers()
    {
        Fixture f({"X", "Y"}, {"Z"});
        QStringList members;
        for (int i = 0; i < 1500; ++i)
            members << QStringLiteral("car%1").arg(i);
        members << QStringLiteral("y") << QStringLiteral("Z");
        f.chooseSet("None.pkn", setOf(members));
        removeSet(f.cars, f.lib.platform(), f.chooser); // no member in the Car Folder
        QVERIFY(f.lib.dialogs.messages().isEmpty());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X", "Y"}));
        members << QStringLiteral("Y");
        f.chooseSet("Big.pkn", setOf(members));
        removeSet(f.cars, f.lib.platform(), f.chooser);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"Z", "Y"}));
    }

    void noSetToUse_isToldAndNothingMoves()
    {
        { // No sets folder yet: the chooser is not even shown.
            Fixture f({"X"}, {"A"});
            loadSetOnly(f.cars, f.lib.platform(), f.chooser);
            QCOMPARE(f.chooser.asked, 0);
            QCOMPARE(f.lib.dialogs.messages().size(), 1);
            QVERIFY(f.lib.dialogs.messages().first().contains(QLatin1String("no Set")));
            QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X"}));
        }
        { // Only the blank set, which the chooser would refuse.
            Fixture f({"X"}, {"A"});
            f.chooseSet("blank.pkn", QByteArray());
            loadSetOnly(f.cars, f.lib.platform(), f.chooser);
            QCOMPARE(f.chooser.asked, 0);
            QCOMPARE(f.lib.dialogs.messages().size(), 1);
            QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X"}));
        }
        { // OK pressed with nothing selected.
            Fixture f({"X"}, {"A"});
            f.chooseSet("Race.pkn", QByteArray());
            f.chooser.answers.clear();
            f.chooser.answers.enqueue(QString());
            loadSetOnly(f.cars, f.lib.platform(), f.chooser);
            QCOMPARE(f.chooser.asked, 1);
            QCOMPARE(f.lib.dialogs.messages(),
                     QStringList{QStringLiteral("No Set Selected, there is no Set to use.")});
            QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X"}));
            QVERIFY(setSession().chosenSetName.isEmpty());
        }
    }

    void unreadableSetFile_isReportedAndNothingMoves()
    {
        Fixture f({"X"}, {"A"});
        f.chooseSet("Race.pkn", QByteArray());
        f.lib.fs.failOnName(FaultyFileSystem::Op::Read, QStringLiteral("Race.pkn"),
                            Error::of(err::PermissionDenied));
        loadSetOnly(f.cars, f.lib.platform(), f.chooser);
        QCOMPARE(f.lib.dialogs.messages(),
                 QStringList{QStringLiteral("Miscellaneous Error: No. 70 Permission denied")});
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X"}));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"A"}));
    }

    void hostileSetFile_isRefusedUnreadAndNothingMoves()
    {
        // A FIFO (reading it would wait for ever), a link to an endless device, a folder, and a file
        // far larger than any set.
        const auto plant = [](const QString& path, int kind) {
            QFile::remove(path);
            switch (kind) {
            case 0:
                return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
            case 1:
                return QFile::link(QStringLiteral("/dev/zero"), path);
            case 2:
                return QDir().mkdir(path);
            default:
                writeBytes(path, "\"A\"\r\n");
                return ::truncate(QFile::encodeName(path).constData(), FileSystem::MaxTextFileBytes + 1) == 0;
            }
        };
        for (int kind = 0; kind < 4; ++kind) {
            Fixture f({"X"}, {"A"});
            f.chooseSet("Race.pkn", QByteArray());
            const QString path = f.lib.programFolder + QStringLiteral("/sets/Race.pkn");
            QVERIFY(plant(path, kind));
            loadSetOnly(f.cars, f.lib.platform(), f.chooser);
            // What is not an ordinary file is no set at all; a set file too large is refused unread.
            const QString told =
                kind == 3
                    ? "Miscellaneous Error: No. 75 Path/File access error: " + path + " is larger than 16 MB"
                    : QStringLiteral("There is no Set to use yet. Click \"Create Set\" to create one.");
            QCOMPARE(f.lib.dialogs.messages(), QStringList{told});
            QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"X"}));
            QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"A"}));
        }
    }
};

QTEST_MAIN(SetCommandsTest)
#include "setcommands_test.moc"
