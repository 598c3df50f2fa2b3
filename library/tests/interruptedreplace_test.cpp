#include "library/moveengine.h"
#include "tests/support/testlibrary.h"
#include "tests/support/treesnapshot.h"

#include <QDir>
#include <QProcess>
#include <QtTest>
#include <QUrl>

#include <csignal>
#include <sys/stat.h>

using namespace parkwen;
using namespace parkwen::test;

namespace {

using Snapshot = QMap<QByteArray, QByteArray>;

bool exists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// An install replacing the car "X": where the old one stands, where the new one goes, and whether
// the old one is a link to a folder outside the library.
struct Case
{
    bool oldInGarage = false;
    bool newInGarage = false;
    bool linked = false;
};

// A library holding the old "X", with a new "X" staged beside its place, and a trash of its own on
// the same disk.
struct Scene
{
    TestLibrary lib;
    QTemporaryDir elsewhere;
    QString trash = lib.root.path() + QStringLiteral("/data/Trash");
    QString oldPath;
    QString newPath;
    QString staging;
    Snapshot oldCar;
    Snapshot newCar;
    bool linked = false; // a linked car goes as the link, never to the trash

    explicit Scene(const Case& c) : linked(c.linked)
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(lib.root.path() + QStringLiteral("/data")));
        const QString oldFolder = c.oldInGarage ? lib.garageFolder : lib.carFolder;
        oldPath = oldFolder + QStringLiteral("/X");
        newPath = (c.newInGarage ? lib.garageFolder : lib.carFolder) + QStringLiteral("/X");
        if (c.linked) {
            makeCar(elsewhere.path(), QStringLiteral("X"));
            QFile::link(elsewhere.path() + QStringLiteral("/X"), oldPath);
        } else {
            makeCar(oldFolder, QStringLiteral("X"));
            writeBytes(oldPath + QStringLiteral("/parameters.txt"), "the old X");
        }
        oldCar = treeSnapshot(oldPath);
        MoveEngine engine(lib.fs);
        staging = engine.makeStagingFolder(parentFolder(newPath), QStringLiteral("X")).value();
        writeBytes(staging + QStringLiteral("/parameters.txt"), "the new X");
        writeBytes(staging + QStringLiteral("/car.jpg"), "a new picture");
        newCar = treeSnapshot(staging);
    }

    Error replace(FileSystem& fs)
    {
        MoveEngine engine(fs);
        bool toTrash = false;
        QString keptAt;
        return engine.replaceWithStagedCar(staging, oldPath, newPath, toTrash, keptAt);
    }

    QStringList recover()
    {
        lib.fs.clearFailures();
        lib.fs.onStep = nullptr;
        MoveEngine engine(lib.fs);
        return engine.recover(CarFolders{lib.carFolder, lib.garageFolder});
    }

    // As a process killed between claiming a trash entry and moving the car into it leaves it.
    void leaveUnfinishedTrashEntry()
    {
        QDir().mkpath(trash + QStringLiteral("/info"));
        QDir().mkpath(trash + QStringLiteral("/files"));
        writeBytes(trash + QStringLiteral("/info/X.trashinfo"),
                   "[Trash Info]\nPath=" + QUrl::toPercentEncoding(oldPath, "/") +
                       "\nDeletionDate=2026-12-08T10:00:00\n");
    }

    // The trash entries for the old car, each checked to be whole; what is wrong is appended.
    int oldCarsInTrash(QString& problem)
    {
        int found = 0;
        const QStringList infos = QDir(trash + QStringLiteral("/info")).entryList(QDir::Files);
        for (const QString& info : infos) {
            const QString entry = info.chopped(int(qstrlen(".trashinfo")));
            QFile file(trash + QStringLiteral("/info/") + info);
            file.open(QIODevice::ReadOnly);
            if (!exists(trash + QStringLiteral("/files/") + entry))
                problem += QStringLiteral(" trash info without its car;");
            else if (file.readAll().contains("Path=" + QUrl::toPercentEncoding(oldPath, "/") + '\n')) {
                ++found;
                if (treeSnapshot(trash + QStringLiteral("/files/") + entry) != oldCar)
                    problem += QStringLiteral(" the old car is not whole in the trash;");
            }
        }
        for (const QString& entry : QDir(trash + QStringLiteral("/files"))
                                        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
            if (!exists(trash + QStringLiteral("/info/") + entry + QStringLiteral(".trashinfo")))
                problem += QStringLiteral(" a car in the trash without its info;");
        return found;
    }

    // Empty when exactly one whole "X" stands, the old one in the trash when it is the new one, no
    // hidden folder is left and the trash is whole; else what is wrong.
    QString problem()
    {
        QString problem;
        if (!hiddenEntries(lib.carFolder).isEmpty() || !hiddenEntries(lib.garageFolder).isEmpty())
            problem += QStringLiteral(" hidden folders left;");
        const int trashed = oldCarsInTrash(problem);
        bool newStands = false;
        if (oldPath == newPath) {
            const Snapshot there = treeSnapshot(oldPath);
            newStands = there == newCar;
            if (!newStands && there != oldCar)
                problem += QStringLiteral(" no whole car under the name;");
        } else {
            const bool oldThere = exists(oldPath);
            newStands = exists(newPath);
            if (oldThere == newStands)
                problem += oldThere ? QStringLiteral(" a car in both folders;") : QStringLiteral(" no car;");
            if (oldThere && treeSnapshot(oldPath) != oldCar)
                problem += QStringLiteral(" the old car is not whole;");
            if (newStands && treeSnapshot(newPath) != newCar)
                problem += QStringLiteral(" the new car is not whole;");
        }
        if (trashed != (newStands && !linked ? 1 : 0))
            problem += QStringLiteral(" %1 old cars in the trash;").arg(trashed);
        return problem;
    }
};

void addCases()
{
    QTest::addColumn<bool>("oldInGarage");
    QTest::addColumn<bool>("newInGarage");
    QTest::addColumn<bool>("linked");
    QTest::newRow("car folder to garage") << false << true << false;
    QTest::newRow("garage to car folder") << true << false << false;
    QTest::newRow("in place, car folder") << false << false << false;
    QTest::newRow("in place, garage") << true << true << false;
    QTest::newRow("linked car to garage") << false << true << true;
}

Case fetchCase()
{
    QFETCH(bool, oldInGarage);
    QFETCH(bool, newInGarage);
    QFETCH(bool, linked);
    return Case{oldInGarage, newInGarage, linked};
}

// A child process that replaces "X" and is killed at a step of its file work:
// "staging|old|new|step".
constexpr char kReplaceChild[] = "PARKWEN_REPLACE_CHILD";

int replaceChildMain(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QString::fromLocal8Bit(qgetenv(kReplaceChild)).split(QLatin1Char('|'));
    FaultyFileSystem fs;
    const int killAt = args.value(3).toInt();
    fs.onStep = [killAt](int step) {
        if (step == killAt)
            ::raise(SIGKILL);
    };
    MoveEngine engine(fs);
    bool toTrash = false;
    QString keptAt;
    return engine.replaceWithStagedCar(args.value(0), args.value(1), args.value(2), toTrash, keptAt) ? 1 : 0;
}

int countSteps(const Case& c)
{
    Scene scene(c);
    scene.lib.fs.failAtStep(0, {});
    if (scene.replace(scene.lib.fs))
        return -1;
    const int steps = scene.lib.fs.steps();
    return scene.problem().isEmpty() ? steps : -1;
}

} // namespace

// An install's Replace stopped at any step, then the next start's recovery: one whole car under the
// name, the old one in the trash exactly when the new one stands, and nothing half done anywhere.
class InterruptedReplaceTest : public QObject
{
    Q_OBJECT

private slots:
    void crashAtEveryStep_endsWithOneWholeCar_data() { addCases(); }
    void crashAtEveryStep_endsWithOneWholeCar()
    {
        const Case c = fetchCase();
        const int steps = countSteps(c);
        QVERIFY2(steps >= 3, "the replace went through with nothing wrong");
        for (int k = 1; k <= steps; ++k) {
            Scene scene(c);
            scene.lib.fs.failAtStep(k, Error::of(err::DiskFull), true);
            scene.replace(scene.lib.fs);
            // Where the old car waits beside a new one that stands, a kill may also have cut its
            // trashing in two.
            bool oldAside = false;
            for (const QString& hidden : hiddenEntries(parentFolder(scene.oldPath)))
                oldAside = oldAside || hidden.startsWith(MoveEngine::ReplacedPrefix);
            if (oldAside && !c.linked && treeSnapshot(scene.newPath) == scene.newCar)
                scene.leaveUnfinishedTrashEntry();
            const QStringList left = scene.recover();
            QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
            const QString problem = scene.problem();
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("step %1:%2").arg(k).arg(problem)));
        }
    }

    void killedAtEveryStep_endsWithOneWholeCar_data() { addCases(); }
    void killedAtEveryStep_endsWithOneWholeCar()
    {
        const Case c = fetchCase();
        const int steps = countSteps(c);
        QVERIFY(steps >= 3);
        for (int k = 1; k <= steps; ++k) {
            Scene scene(c);
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(
                QString::fromLatin1(kReplaceChild),
                QStringList{scene.staging, scene.oldPath, scene.newPath, QString::number(k)}.join(
                    QLatin1Char('|')));
            child.setProcessEnvironment(environment);
            child.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(child.waitForFinished(30000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            scene.recover();
            const QString problem = scene.problem();
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("step %1:%2").arg(k).arg(problem)));
        }
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kReplaceChild))
        return replaceChildMain(argc, argv);
    QCoreApplication app(argc, argv);
    InterruptedReplaceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "interruptedreplace_test.moc"
