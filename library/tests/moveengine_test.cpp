#include "library/carlibrary.h"
#include "library/tests/libraryfixture.h"
#include "tests/support/treesnapshot.h"

#include <QProcess>
#include <QtTest>
#include <QUrl>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace parkwen;
using namespace parkwen::test;

namespace {

using Fixture = LibraryFixture;
using Snapshot = QMap<QByteArray, QByteArray>;

const QByteArray kForeignName("\xff\xfe-skin.bmp"); // not valid UTF-8

void setTime(const QByteArray& path, qint64 seconds)
{
    const struct timespec times[2] = {{seconds, 0}, {seconds, 123456789}};
    ::utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW);
}

// A car as players have them: a sub-folder tree, hidden files from other systems, a link to one of
// its own files, a link to a file outside the library, a name that is not valid UTF-8, a read-only
// file and an executable one, all with old modification times.
QString makeRichCar(const QString& parent, const QString& name, const QString& outsideFile, int seed = 0)
{
    const QString folder =
        makeCar(parent, name, QStringLiteral("car.jpg"), QColor::fromHsv(seed * 37 % 360, 200, 200));
    makeFolder(folder, QStringLiteral("bonus/deep"));
    writeBytes(folder + QStringLiteral("/bonus/preview.bmp"), QByteArray(3000 + seed, 'p'));
    writeBytes(folder + QStringLiteral("/bonus/deep/notes.txt"), "notes " + QByteArray::number(seed));
    writeBytes(folder + QStringLiteral("/._carbox.bmp"), "apple double");
    writeBytes(folder + QStringLiteral("/.DS_Store"), "finder");
    writeBytes(folder + QStringLiteral("/ro.txt"), "read only");
    writeBytes(folder + QStringLiteral("/tool.sh"), "#!/bin/sh\n");
    const QByteArray f = QFile::encodeName(folder);
    ::chmod((f + "/ro.txt").constData(), 0444);
    ::chmod((f + "/tool.sh").constData(), 0755);
    const int fd = ::open((f + '/' + kForeignName).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        (void)!::write(fd, "foreign", 7);
        ::close(fd);
    }
    (void)!::symlink("car.jpg", (f + "/skin.bmp").constData());
    (void)!::symlink(QFile::encodeName(outsideFile).constData(), (f + "/outside.txt").constData());
    for (const char* p : {"/car.jpg", "/parameters.txt", "/bonus/preview.bmp", "/bonus/deep/notes.txt",
                          "/._carbox.bmp", "/.DS_Store", "/ro.txt", "/tool.sh", "/skin.bmp", "/outside.txt"})
        setTime(f + p, 1000000000 + seed);
    setTime(f + '/' + kForeignName, 1000000000);
    setTime(f + "/bonus/deep", 1100000000);
    setTime(f + "/bonus", 1200000000);
    return folder;
}

QStringList visibleEntries(const QString& folder)
{
    QStringList out;
    for (const QString& e : entries(folder))
        if (!e.startsWith(QLatin1Char('.')))
            out << e;
    return out;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// Empty when the car `name` is whole in exactly one of the two folders and both lists are what a
// fresh scan of the disk gives; else what is wrong.
QString checkWholeOnce(Fixture& f, const QString& name, const Snapshot& whole)
{
    const bool inCars = nodeExists(f.car(name));
    const bool inGarage = nodeExists(f.garage(name));
    if (inCars == inGarage)
        return QStringLiteral("in both folders or in neither");
    if (treeSnapshot(inCars ? f.car(name) : f.garage(name)) != whole)
        return QStringLiteral("not whole");
    CarLibrary fresh(f.lib.platform());
    fresh.folder(FolderRole::Cars).setPath(f.lib.carFolder);
    fresh.folder(FolderRole::Garage).setPath(f.lib.garageFolder);
    fresh.scan(FolderRole::Cars);
    fresh.scan(FolderRole::Garage);
    if (sorted(fresh.folder(FolderRole::Cars).list().texts()) !=
            sorted(f.cars.folder(FolderRole::Cars).list().texts()) ||
        sorted(fresh.folder(FolderRole::Garage).list().texts()) !=
            sorted(f.cars.folder(FolderRole::Garage).list().texts()))
        return QStringLiteral("lists differ from the disk");
    return {};
}

// The library of a child process over the two folders its variable names ("cars|garage|..."),
// scanned, copying every car it moves (as onto another disk); returns what `work` returns.
template <typename Work>
int inChildLibrary(int argc, char** argv, const char* variable, FaultyFileSystem& fs, Work work)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QString::fromLocal8Bit(qgetenv(variable)).split(QLatin1Char('|'));
    QtPictures pictures;
    ScriptedDialogs dialogs;
    RecordingProcesses processes;
    CarLibrary cars(Platform{fs, pictures, dialogs, processes, QString()});
    cars.folder(FolderRole::Cars).setPath(args.value(0));
    cars.folder(FolderRole::Garage).setPath(args.value(1));
    cars.door().engine().renameAllowed = false;
    cars.scan(FolderRole::Cars);
    cars.scan(FolderRole::Garage);
    return work(cars, args);
}

// A child process moving many cars, killed at a step of its file work.
constexpr char kChildVariable[] = "PARKWEN_MOVE_CHILD";

int childMain(int argc, char** argv)
{
    FaultyFileSystem fs;
    return inChildLibrary(argc, argv, kChildVariable, fs, [&fs](CarLibrary& cars, const QStringList& args) {
        const int killAt = args.value(2).toInt();
        fs.onStep = [killAt](int step) {
            if (step == killAt)
                ::raise(SIGKILL);
        };
        cars.moveAllFrom(FolderRole::Cars);
        return 0;
    });
}

// A child process that moves the car "big" to the Garage Folder by copying it, as onto another disk.
constexpr char kBigMoveVariable[] = "PARKWEN_BIG_MOVE_CHILD";

int bigMoveMain(int argc, char** argv)
{
    FaultyFileSystem fs;
    return inChildLibrary(argc, argv, kBigMoveVariable, fs, [](CarLibrary& cars, const QStringList&) {
        return cars.moveCarNamed(QStringLiteral("big"), FolderRole::Garage) == MoveOutcome::Moved ? 0 : 1;
    });
}

// Another Parkwen that holds the library lock, says so, and once told to go on either sends every
// car to the Garage Folder ("all") or deletes the car "A" for good ("delete A").
constexpr char kHoldingVariable[] = "PARKWEN_HOLDING_CHILD";

int holdingMain(int argc, char** argv)
{
    FaultyFileSystem fs;
    return inChildLibrary(argc, argv, kHoldingVariable, fs, [](CarLibrary& cars, const QStringList& args) {
        const MoveEngine::Lock held = cars.door().engine().lock(
            {cars.folder(FolderRole::Cars).path(), cars.folder(FolderRole::Garage).path()});
        QFile out;
        out.open(stdout, QIODevice::WriteOnly);
        out.write(held.held() ? "holding\n" : "refused\n");
        out.flush();
        QFile in;
        in.open(stdin, QIODevice::ReadOnly);
        in.readLine();
        if (args.value(2) == QLatin1String("all"))
            cars.moveAllFrom(FolderRole::Cars);
        else
            cars.door().engine().removeTree(cars.folder(FolderRole::Cars).path() + QStringLiteral("/A"));
        return 0;
    });
}

} // namespace

class MoveEngineTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_outside;
    QString m_outsideFile;

private slots:
    void initTestCase()
    {
        m_outsideFile = m_outside.path() + QStringLiteral("/readme.txt");
        writeBytes(m_outsideFile, "a file outside both folders");
        ::chmod(QFile::encodeName(m_outsideFile).constData(), 0444);
    }

    void wholeTree_movesBothWays_withAttributesLinksAndForeignNames_data()
    {
        QTest::addColumn<bool>("rename");
        QTest::newRow("one rename") << true;
        QTest::newRow("copy") << false;
    }
    void wholeTree_movesBothWays_withAttributesLinksAndForeignNames()
    {
        QFETCH(bool, rename);
        Fixture f;
        TreeRemover remover{f.lib.root.path()};
        f.cars.door().engine().renameAllowed = rename;
        makeRichCar(f.lib.carFolder, QStringLiteral("rich"), m_outsideFile);
        f.scan();
        const Snapshot whole = treeSnapshot(f.car(QStringLiteral("rich")));
        const Snapshot outside = treeSnapshot(m_outside.path());
        QVERIFY(whole.contains("bonus/deep/notes.txt") && whole.contains(kForeignName));

        f.cars.folder(FolderRole::Cars).setChosen(QStringLiteral("rich"));
        f.cars.moveChosenFrom(FolderRole::Cars);
        QCOMPARE(f.messages(), QStringList());
        QVERIFY(!nodeExists(f.car(QStringLiteral("rich"))));
        QCOMPARE(treeSnapshot(f.garage(QStringLiteral("rich"))), whole);
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"rich"}));

        // Back again: the read-only file is in the Garage Folder now, and blocks "<<".
        f.cars.folder(FolderRole::Garage).setChosen(QStringLiteral("rich"));
        f.cars.moveChosenFrom(FolderRole::Garage);
        QCOMPARE(f.messages().size(), 1);
        QVERIFY(f.messages().first().startsWith(QLatin1String("Path\\File Access Error.")));
        QCOMPARE(treeSnapshot(f.garage(QStringLiteral("rich"))), whole);
        QCOMPARE(entries(f.lib.carFolder), QStringList()); // not even a hidden staging folder
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"rich"}));

        // Writable again, it goes back whole.
        ::chmod(QFile::encodeName(f.garage(QStringLiteral("rich")) + QStringLiteral("/ro.txt")).constData(),
                0644);
        const Snapshot writable = treeSnapshot(f.garage(QStringLiteral("rich")));
        f.lib.dialogs.clear();
        f.cars.moveChosenFrom(FolderRole::Garage);
        QCOMPARE(f.messages(), QStringList());
        QCOMPARE(treeSnapshot(f.car(QStringLiteral("rich"))), writable);
        QCOMPARE(entries(f.lib.garageFolder), QStringList());
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"rich"}));
        // The file the car linked to was never touched.
        QCOMPARE(treeSnapshot(m_outside.path()), outside);
    }

    void linkedCarFolder_movesAsTheLink_andItsFolderIsUntouched()
    {
        Fixture f;
        QTemporaryDir secondDisk;
        TreeRemover remover{secondDisk.path()};
        makeRichCar(secondDisk.path(), QStringLiteral("far"), m_outsideFile);
        const Snapshot behind = treeSnapshot(secondDisk.path());
        // A relative link, as made by "ln -s ../../second/far".
        const QString relative =
            QDir(f.lib.carFolder).relativeFilePath(secondDisk.path() + QStringLiteral("/far"));
        QVERIFY(QFile::link(relative, f.car(QStringLiteral("far"))));
        f.scan();
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"far"}));

        f.cars.folder(FolderRole::Cars).setChosen(QStringLiteral("far"));
        f.cars.moveChosenFrom(FolderRole::Cars);
        QCOMPARE(f.messages(), QStringList());
        const QFileInfo moved(f.garage(QStringLiteral("far")));
        QVERIFY(moved.isSymLink());
        QCOMPARE(moved.canonicalFilePath(),
                 QFileInfo(secondDisk.path() + QStringLiteral("/far")).canonicalFilePath());
        QVERIFY(!nodeExists(f.car(QStringLiteral("far"))));
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), QStringList({"far"}));

        f.cars.folder(FolderRole::Garage).setChosen(QStringLiteral("far"));
        f.cars.moveChosenFrom(FolderRole::Garage);
        QCOMPARE(f.messages(), QStringList());
        QVERIFY(QFileInfo(f.car(QStringLiteral("far"))).isSymLink());
        QCOMPARE(entries(f.lib.garageFolder), QStringList());
        QCOMPARE(treeSnapshot(secondDisk.path()), behind);
    }

    void failureAtEveryStep_leavesTheCarWholeInOnePlace_data()
    {
        QTest::addColumn<bool>("rename");
        QTest::addColumn<bool>("toGarage");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("crash");
        for (bool crash : {false, true}) {
            const char* how = crash ? "crash" : "fail";
            QTest::addRow("%s, copy, >>", how) << false << true << false << crash;
            QTest::addRow("%s, copy, <<", how) << false << false << false << crash;
            QTest::addRow("%s, rename, >>", how) << true << true << false << crash;
            QTest::addRow("%s, linked folder, <<", how) << false << false << true << crash;
        }
    }
    // For every changing step of a move: fail it (the move tidies up), or stop the program there
    // and start again (the start-up finishes the work). Either way the car is whole in exactly one
    // folder and the lists match the disk.
    void failureAtEveryStep_leavesTheCarWholeInOnePlace()
    {
        QFETCH(bool, rename);
        QFETCH(bool, toGarage);
        QFETCH(bool, linked);
        QFETCH(bool, crash);
        QTemporaryDir secondDisk;
        const QString name = QStringLiteral("car");
        auto setUp = [&](Fixture& f) {
            f.cars.door().engine().renameAllowed = rename;
            const QString from = toGarage ? f.lib.carFolder : f.lib.garageFolder;
            if (linked) {
                if (!nodeExists(secondDisk.path() + QStringLiteral("/car")))
                    makeCar(secondDisk.path(), name);
                QFile::link(secondDisk.path() + QStringLiteral("/car"), from + QLatin1Char('/') + name);
            } else {
                makeRichCar(from, name, m_outsideFile);
                ::chmod(QFile::encodeName(from + QStringLiteral("/car/ro.txt")).constData(), 0644);
            }
            makeCar(f.lib.carFolder, QStringLiteral("other"));
            f.scan();
            return treeSnapshot(from + QLatin1Char('/') + name);
        };
        auto run = [&](Fixture& f) {
            return f.cars.moveCarNamed(name, toGarage ? FolderRole::Garage : FolderRole::Cars);
        };

        int steps = 0;
        {
            Fixture f;
            TreeRemover remover{f.lib.root.path()};
            setUp(f);
            f.lib.fs.failAtStep(0, {});
            QCOMPARE(run(f), MoveOutcome::Moved);
            steps = f.lib.fs.steps();
        }
        QVERIFY(steps >= (rename ? 1 : linked ? 4 : 20));
        const Snapshot behind = treeSnapshot(secondDisk.path());

        for (int k = 1; k <= steps; ++k) {
            Fixture f;
            TreeRemover remover{f.lib.root.path()};
            const Snapshot whole = setUp(f);
            f.lib.fs.failAtStep(k, Error::of(err::DiskFull), crash);
            const MoveOutcome outcome = run(f);
            f.lib.fs.clearFailures();
            if (crash) {
                // Started again: what a new run sees.
                f.cars.door().recover();
                f.scan();
            } else {
                QVERIFY2(
                    checkWholeOnce(f, name, whole).isEmpty(),
                    qPrintable(QStringLiteral("step %1: %2").arg(k).arg(checkWholeOnce(f, name, whole))));
                QCOMPARE(f.messages().size(), 1);
                // Where the move says the car is, the lists have it.
                const bool arrived = nodeExists(toGarage ? f.garage(name) : f.car(name));
                QCOMPARE(outcome == MoveOutcome::Moved, arrived);
                f.cars.door().recover();
            }
            const QString problem = checkWholeOnce(f, name, whole);
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("step %1: %2").arg(k).arg(problem)));
            QCOMPARE(hiddenEntries(f.lib.carFolder), QStringList());
            QCOMPARE(hiddenEntries(f.lib.garageFolder), QStringList());
            QCOMPARE(visibleEntries(f.lib.carFolder).size() + visibleEntries(f.lib.garageFolder).size(), 2);
        }
        QCOMPARE(treeSnapshot(secondDisk.path()), behind);
    }

    void recovery_finishesOrUndoes_andNeverDeletesOnAGuess()
    {
        Fixture f;
        MoveEngine& engine = f.cars.door().engine();
        // A source hidden before its copy arrived: renamed back.
        makeCar(f.lib.carFolder, QStringLiteral(".parkwen-leaving-alpha-0badcafe"));
        const Snapshot alpha = treeSnapshot(f.car(QStringLiteral(".parkwen-leaving-alpha-0badcafe")));
        // A source whose car is whole in the garage, half removed: removed.
        makeCar(f.lib.garageFolder, QStringLiteral("beta"));
        makeFolder(f.lib.carFolder, QStringLiteral(".parkwen-leaving-beta-12345678"));
        QFile::copy(f.garage(QStringLiteral("beta")) + QStringLiteral("/parameters.txt"),
                    f.car(QStringLiteral(".parkwen-leaving-beta-12345678/parameters.txt")));
        // A source that differs from the garage car of its name: kept, under its name again.
        makeCar(f.lib.garageFolder, QStringLiteral("gamma"));
        makeCar(f.lib.carFolder, QStringLiteral(".parkwen-leaving-gamma-87654321"));
        writeBytes(f.car(QStringLiteral(".parkwen-leaving-gamma-87654321/extra.prm")), "only here");
        // A half copy and a half deletion: removed. Other hidden folders: left alone.
        makeCar(f.lib.garageFolder, QStringLiteral(".parkwen-staging-delta-00000001"));
        makeCar(f.lib.garageFolder, QStringLiteral(".parkwen-deleting-eps-00000002"));
        makeFolder(f.lib.garageFolder, QStringLiteral(".parkwen-staging-notmine"));
        makeFolder(f.lib.carFolder, QStringLiteral(".git"));
        // Today's hidden folders hold the car under its own name. A source: back under its name.
        makeFolder(f.lib.carFolder, QStringLiteral(".parkwen-leaving-0000abcd"));
        makeCar(f.car(QStringLiteral(".parkwen-leaving-0000abcd")), QStringLiteral("zeta"));
        // A car that was making way for an installed one that never arrived: back.
        makeFolder(f.lib.carFolder, QStringLiteral(".parkwen-replaced-0000beef"));
        makeCar(f.car(QStringLiteral(".parkwen-replaced-0000beef")), QStringLiteral("eta"));
        // One whose replacement is in place: to the trash, remembered at its own place.
        makeFolder(f.lib.carFolder, QStringLiteral(".parkwen-replaced-0000feed"));
        makeCar(f.car(QStringLiteral(".parkwen-replaced-0000feed")), QStringLiteral("theta"));
        writeBytes(f.car(QStringLiteral(".parkwen-replaced-0000feed/theta/old.prm")), "old");
        makeCar(f.lib.carFolder, QStringLiteral("theta"));
        // An install killed while unpacking (base-36 token), and an empty staging folder: removed.
        makeCar(f.lib.carFolder, QStringLiteral(".parkwen-staging-iota-k3j9x2"));
        makeFolder(f.lib.carFolder, QStringLiteral(".parkwen-staging-00c0ffee"));

        // The desktop's trash on the same disk as the library, as a player's home trash is.
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(f.lib.root.path() + QStringLiteral("/data")));
        const QString trashInfo = f.lib.root.path() + QStringLiteral("/data/Trash/info/theta.trashinfo");
        QCOMPARE(engine.recover(CarFolders{f.lib.carFolder, f.lib.garageFolder}), QStringList());
        qputenv("XDG_DATA_HOME", dataHome);
        QCOMPARE(entries(f.lib.carFolder), QStringList({".git", "alpha", "eta", "gamma", "theta", "zeta"}));
        QVERIFY(!nodeExists(f.car(QStringLiteral("theta/old.prm"))));
        QVERIFY(readBytes(trashInfo).contains("Path=" +
                                              QUrl::toPercentEncoding(f.car(QStringLiteral("theta")), "/")));
        QCOMPARE(treeSnapshot(f.car(QStringLiteral("alpha"))), alpha);
        QCOMPARE(readBytes(f.car(QStringLiteral("gamma/extra.prm"))), QByteArray("only here"));
        QCOMPARE(entries(f.lib.garageFolder), QStringList({".parkwen-staging-notmine", "beta", "gamma"}));
    }

    void stagedCar_isPlacedOnlyUnderAFreeName_andAnyNameFits()
    {
        Fixture f;
        MoveEngine& engine = f.cars.door().engine();
        const Result<QString> staging = engine.makeStagingFolder(f.lib.carFolder, QStringLiteral("new car"));
        QVERIFY(staging.ok());
        QCOMPARE(lastName(staging.value()), QStringLiteral("new car"));
        const QString wrapper = lastName(parentFolder(staging.value()));
        QVERIFY(wrapper.startsWith(QLatin1String(".parkwen-staging-")));
        QCOMPARE(wrapper.size(), QStringLiteral(".parkwen-staging-").size() + 8);
        writeBytes(staging.value() + QStringLiteral("/parameters.txt"), "{\r\nName \"new car\"\r\n}\r\n");
        makeCar(f.lib.carFolder, QStringLiteral("taken"));
        QCOMPARE(engine.placeStagedCar(staging.value(), f.car(QStringLiteral("taken"))).number(),
                 int(err::PathFileAccess));
        QCOMPARE(readBytes(f.car(QStringLiteral("taken/parameters.txt"))),
                 QByteArray("{\r\nName \"taken\"\r\n}\r\n"));
        QVERIFY(!engine.placeStagedCar(staging.value(), f.car(QStringLiteral("new car"))));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"new car", "taken"}));

        // A name of 250 bytes, near the system's limit, moves by copying both ways: the hidden
        // folders never add to a car's name.
        const QString longName = QString(250, QLatin1Char('n'));
        makeCar(f.lib.carFolder, longName);
        f.scan();
        engine.renameAllowed = false;
        QCOMPARE(f.cars.moveCarNamed(longName, FolderRole::Garage), MoveOutcome::Moved);
        QCOMPARE(f.cars.moveCarNamed(longName, FolderRole::Cars), MoveOutcome::Moved);
        QCOMPARE(f.messages(), QStringList());
        QCOMPARE(entries(f.lib.carFolder), QStringList({"new car", longName, "taken"}));
        QCOMPARE(entries(f.lib.garageFolder), QStringList());
    }

    // A second Parkwen starting again and again (the window's start-up, and a listing) while the
    // first copies a big car: it waits for the lock instead of taking the half-made copy or the
    // hidden source for leftovers, and the move ends whole.
    void secondProcess_startingDuringABigMove_waitsAndLosesNothing()
    {
        Fixture f;
        TreeRemover remover{f.lib.root.path()};
        const QString big = makeCar(f.lib.carFolder, QStringLiteral("big"));
        for (int i = 0; i < 3000; ++i)
            writeBytes(big + QStringLiteral("/f%1.prm").arg(i), QByteArray(64 + i % 100, 'x'));
        makeCar(f.lib.carFolder, QStringLiteral("small"));
        const Snapshot whole = treeSnapshot(big);
        f.lib.writePaths();

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kBigMoveVariable),
                   f.lib.carFolder + QLatin1Char('|') + f.lib.garageFolder);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        int starts = 0;
        while (child.state() != QProcess::NotRunning) {
            CarLibrary listing(f.lib.platform());
            listing.door().setOnlyReads(true);
            QVERIFY(listing.startupReading(QString()));
            CarLibrary window(f.lib.platform());
            QVERIFY(window.startupReading(QString()));
            ++starts;
            child.waitForFinished(20);
        }
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(starts > 0);
        QCOMPARE(entries(f.lib.carFolder), QStringList({"small"}));
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"big"}));
        QCOMPARE(treeSnapshot(f.garage(QStringLiteral("big"))), whole);
    }

    // A Garage Folder that is a link to a folder on a second disk works like any other, both ways,
    // by one rename and by copying.
    void linkedGarageFolder_movesBothWays()
    {
        for (bool rename : {true, false}) {
            Fixture f;
            QTemporaryDir secondDisk;
            TreeRemover remover{f.lib.root.path()};
            QVERIFY(QDir(f.lib.garageFolder).removeRecursively());
            QVERIFY(QFile::link(secondDisk.path(), f.lib.garageFolder));
            f.cars.door().engine().renameAllowed = rename;
            makeRichCar(f.lib.carFolder, QStringLiteral("rich"), m_outsideFile);
            ::chmod(QFile::encodeName(f.car(QStringLiteral("rich/ro.txt"))).constData(), 0644);
            f.scan();
            const Snapshot whole = treeSnapshot(f.car(QStringLiteral("rich")));
            QCOMPARE(f.cars.moveCarNamed(QStringLiteral("rich"), FolderRole::Garage), MoveOutcome::Moved);
            QCOMPARE(treeSnapshot(secondDisk.path() + QStringLiteral("/rich")), whole);
            QCOMPARE(f.cars.moveCarNamed(QStringLiteral("rich"), FolderRole::Cars), MoveOutcome::Moved);
            QCOMPARE(f.messages(), QStringList());
            QCOMPARE(treeSnapshot(f.car(QStringLiteral("rich"))), whole);
            QCOMPARE(entries(secondDisk.path()), QStringList());
            QCOMPARE(entries(f.lib.carFolder), QStringList({"rich"}));
            QVERIFY(QFileInfo(f.lib.garageFolder).isSymLink());
        }
    }

    // "All: Gar." by copying goes as one batch: every copy made and flushed, every source hidden at
    // once, then the copies placed. A car whose copy cannot be placed is back under its name, whole
    // and listed; the others move; nothing is left hidden.
    void batchedAll_oneCarFailingToPlace_staysWholeWhereItWas()
    {
        Fixture f;
        TreeRemover remover{f.lib.root.path()};
        f.cars.door().engine().renameAllowed = false;
        QMap<QString, Snapshot> whole;
        for (int i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("car%1").arg(i);
            makeRichCar(f.lib.carFolder, name, m_outsideFile, i);
            whole.insert(name, treeSnapshot(f.car(name)));
        }
        f.scan();
        f.lib.fs.failWhen(
            FaultyFileSystem::Op::Rename,
            [](const QString& p) {
                return p.contains(QStringLiteral("/.parkwen-staging-")) &&
                       p.endsWith(QStringLiteral("/car2"));
            },
            Error::of(err::DiskFull));
        f.cars.moveAllFrom(FolderRole::Cars);
        QCOMPARE(f.messages().size(), 1);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), QStringList({"car2"}));
        QCOMPARE(entries(f.lib.carFolder), QStringList({"car2"}));
        QCOMPARE(entries(f.lib.garageFolder), QStringList({"car0", "car1", "car3"}));
        for (auto it = whole.cbegin(); it != whole.cend(); ++it)
            QCOMPARE(treeSnapshot(it.key() == QLatin1String("car2") ? f.car(it.key()) : f.garage(it.key())),
                     it.value());
    }

    // A run killed (SIGKILL) in the middle of "All: Gar." and started again: every car is whole in
    // exactly one folder and listed there.
    void killedDuringAllToGarage_restartsWithEveryCarWholeOnce_data()
    {
        QTest::addColumn<int>("killAt");
        for (int k : {3, 58, 131, 200, 277})
            QTest::addRow("step %d", k) << k;
    }
    void killedDuringAllToGarage_restartsWithEveryCarWholeOnce()
    {
        QFETCH(int, killAt);
        Fixture f;
        TreeRemover remover{f.lib.root.path()};
        QMap<QString, Snapshot> whole;
        for (int i = 0; i < 12; ++i) {
            const QString name = QStringLiteral("car%1").arg(i, 2, 10, QLatin1Char('0'));
            makeRichCar(f.lib.carFolder, name, m_outsideFile, i);
            whole.insert(name, treeSnapshot(f.car(name)));
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), f.lib.carFolder + QLatin1Char('|') +
                                                            f.lib.garageFolder + QLatin1Char('|') +
                                                            QString::number(killAt));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const int movedBefore = visibleEntries(f.lib.garageFolder).size();
        QVERIFY(movedBefore < 12);

        f.lib.writePaths();
        QVERIFY(f.cars.startupReading(QString()));
        QCOMPARE(hiddenEntries(f.lib.carFolder), QStringList());
        QCOMPARE(hiddenEntries(f.lib.garageFolder), QStringList());
        QStringList listed =
            f.cars.folder(FolderRole::Cars).list().texts() + f.cars.folder(FolderRole::Garage).list().texts();
        QCOMPARE(sorted(listed), whole.keys());
        for (auto it = whole.cbegin(); it != whole.cend(); ++it) {
            const bool inCars = nodeExists(f.car(it.key()));
            QVERIFY(inCars != nodeExists(f.garage(it.key())));
            QCOMPARE(treeSnapshot(inCars ? f.car(it.key()) : f.garage(it.key())), it.value());
        }
    }

    // The window's ">>" waits for another Parkwen and then acts on the folders as that one left them:
    // a car it already sent to the Garage Folder counts as sent, one it deleted is named.
    void windowCommand_afterWaiting_readsTheFoldersAgain_data()
    {
        QTest::addColumn<QString>("other");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QStringList>("carList");
        QTest::addColumn<QStringList>("garageList");
        QTest::newRow("it sent every car away")
            << "all" << QStringList() << QStringList() << QStringList{"A", "B", "C"};
        QTest::newRow("it deleted the car")
            << "delete A"
            << QStringList{"A is no longer in the Car Folder or the Garage Folder: another Parkwen moved or "
                           "deleted it."}
            << QStringList{"B", "C"} << QStringList();
    }
    void windowCommand_afterWaiting_readsTheFoldersAgain()
    {
        QFETCH(QString, other);
        QFETCH(QStringList, told);
        QFETCH(QStringList, carList);
        QFETCH(QStringList, garageList);
        Fixture f;
        for (const char* name : {"A", "B", "C"})
            makeCar(f.lib.carFolder, QString::fromLatin1(name));
        f.scan();
        QProcess holder;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kHoldingVariable),
                           QStringList{f.lib.carFolder, f.lib.garageFolder, other}.join(QLatin1Char('|')));
        holder.setProcessEnvironment(environment);
        holder.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(holder.waitForReadyRead(30000));
        QCOMPARE(holder.readLine(), QByteArray("holding\n"));
        // The first refusal lets the other go on; this one waits until it is done.
        f.lib.fs.onLockRefused = [&holder] {
            if (holder.state() == QProcess::Running && holder.bytesToWrite() == 0) {
                holder.write("go\n");
                holder.waitForBytesWritten();
                holder.closeWriteChannel();
            }
        };
        f.cars.folder(FolderRole::Cars).setChosen(QStringLiteral("A"));
        f.cars.moveChosenFrom(FolderRole::Cars);
        f.lib.fs.onLockRefused = nullptr;
        QVERIFY(holder.waitForFinished(30000));
        QCOMPARE(f.messages(), told);
        QCOMPARE(f.cars.folder(FolderRole::Cars).list().texts(), carList);
        QCOMPARE(f.cars.folder(FolderRole::Garage).list().texts(), garageList);
        QCOMPARE(visibleEntries(f.lib.carFolder), carList);
        QCOMPARE(visibleEntries(f.lib.garageFolder), garageList);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kChildVariable))
        return childMain(argc, argv);
    if (qEnvironmentVariableIsSet(kBigMoveVariable))
        return bigMoveMain(argc, argv);
    if (qEnvironmentVariableIsSet(kHoldingVariable))
        return holdingMain(argc, argv);
    QGuiApplication app(argc, argv);
    MoveEngineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "moveengine_test.moc"
