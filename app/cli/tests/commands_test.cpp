#include "app/cli/commands.h"
#include "app/cli/streamdialogs.h"
#include "details/tests/sampleparams.h"
#include "install/tests/archivewriter.h"
#include "library/thumbcache.h"
#include "setup/paths_db.h"
#include "tests/support/testlibrary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <cstdio>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// The real picture loader, counting the pictures it decodes.
class CountingPictures : public QtPictures
{
public:
    int decoded = 0;
    Result<QImage> load(const QString& path, QSize size) override
    {
        ++decoded;
        return QtPictures::load(path, size);
    }
    Result<QImage> loadBytes(const QString& path, const QByteArray& bytes, QSize size) override
    {
        ++decoded;
        return QtPictures::loadBytes(path, bytes, size);
    }
};

struct Outcome
{
    int status = -1;
    QStringList out; // lines
    QStringList err; // lines
};

QStringList linesOf(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A second Parkwen: a child process running one command over the folders and settings of a
// fixture, telling on standard error what it tells, as the real program does.
constexpr char kCommandChild[] = "PARKWEN_COMMAND_CHILD";

int commandChildMain(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList parts = QString::fromLocal8Bit(qgetenv(kCommandChild)).split(QLatin1Char('|'));
    const CommandLine line = parseCommandLine(QStringList{QStringLiteral("parkwen")} +
                                              parts.mid(3).join(QLatin1Char('|')).split(QLatin1Char(' ')));
    QTextStream out(stdout);
    QTextStream err(stderr);
    StreamDialogs dialogs(err, line.yes);
    LocalFileSystem fs;
    QtPictures pictures;
    RecordingProcesses processes;
    Commands commands(
        Platform{fs, pictures, dialogs, processes, parts.value(2), nullptr, parts.value(0), parts.value(1)},
        out, nullptr);
    const int status = commands.run(line);
    out.flush();
    err.flush();
    return status;
}

// The first Parkwen holds the library lock while a second one starts its command; once the second
// says it waits, the first runs its own command and lets go.
struct WaitingSecond
{
    int status = -1;
    QStringList out;
    QStringList err;
};

// A car library whose paths.mdb and sets are kept apart from the program folder, as when installed.
struct Fixture
{
    TestLibrary lib;
    QString config = makeFolder(lib.root.path(), QStringLiteral("config"));
    QString data = makeFolder(lib.root.path(), QStringLiteral("data"));
    QString rawOut;
    // The thumbnail cache the commands use (none: every picture is decoded).
    ThumbCache* thumbnails = nullptr;
    CountingPictures pictures;

    Fixture(const QStringList& inCarFolder, const QStringList& inGarage)
    {
        for (const QString& name : inCarFolder)
            makeCar(lib.carFolder, name);
        for (const QString& name : inGarage)
            makeCar(lib.garageFolder, name);
        lib.writePaths();
        QVERIFY(QFile::rename(lib.programFolder + QStringLiteral("/paths.mdb"),
                              config + QStringLiteral("/paths.mdb")));
    }

    void writeSet(const QString& fileName, const QStringList& members)
    {
        const QString sets = makeFolder(data, QStringLiteral("sets"));
        writeBytes(sets + QStringLiteral("/blank.pkn"), QByteArray());
        QByteArray bytes;
        for (const QString& name : members)
            bytes += '"' + name.toLatin1() + "\"\r\n";
        writeBytes(sets + QLatin1Char('/') + fileName, bytes);
    }

    Outcome run(const QStringList& arguments)
    {
        const CommandLine line = parseCommandLine(QStringList{QStringLiteral("parkwen")} + arguments);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        StreamDialogs dialogs(errStream, line.yes);
        Commands commands(
            Platform{lib.fs, pictures, dialogs, lib.processes, lib.programFolder, nullptr, config, data},
            outStream, thumbnails);
        Outcome outcome;
        outcome.status = commands.run(line);
        outStream.flush();
        errStream.flush();
        rawOut = out;
        outcome.out = linesOf(out);
        outcome.err = linesOf(err);
        return outcome;
    }
    Outcome run(const QString& line) { return run(line.split(QLatin1Char(' '))); }

    // Starts `second` in another process while this one holds the lock, runs `first` here once
    // the other waits, then lets the other go on.
    WaitingSecond runWhileSecondWaits(const QString& first, const QString& second)
    {
        WaitingSecond result;
        std::vector<std::unique_ptr<FolderLock>> held;
        for (const QString& folder : {lib.carFolder, lib.garageFolder})
            held.push_back(lib.fs.tryLockFolder(folder));
        QProcess other;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kCommandChild),
                           QStringList{config, data, lib.programFolder, second}.join(QLatin1Char('|')));
        other.setProcessEnvironment(environment);
        other.start(QCoreApplication::applicationFilePath(), {});
        if (!other.waitForStarted())
            return result;
        QByteArray told;
        while (!told.contains("waiting") && other.state() == QProcess::Running) {
            other.waitForReadyRead(1000);
            told += other.readAllStandardError();
        }
        const Outcome firstOutcome = run(first);
        if (firstOutcome.status != Commands::Done)
            qWarning() << "the first command failed:" << firstOutcome.err;
        held.clear();
        other.waitForFinished(60000);
        told += other.readAllStandardError();
        result.status = other.exitStatus() == QProcess::NormalExit ? other.exitCode() : -1;
        result.out = linesOf(QString::fromUtf8(other.readAllStandardOutput()));
        result.err = linesOf(QString::fromUtf8(told));
        return result;
    }

    QStringList carsOnDisk() { return entries(lib.carFolder); }
    QStringList garageOnDisk() { return entries(lib.garageFolder); }
    // A folder in the Car Folder that is not a car (no picture) but blocks a car of that name.
    void blockInCarFolder(const QString& name) { makeFolder(lib.carFolder, name); }
};

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void list_printsOneNameALine_sortedIgnoringCase()
    {
        Fixture f({"beta", "Alpha", "adeon"}, {"Zed", "echo"});
        Outcome cars = f.run(QStringLiteral("--list car"));
        QCOMPARE(cars.status, Commands::Done);
        // The stock car adeon is not listed, as in the window without /ACC.
        QCOMPARE(cars.out, (QStringList{"Alpha", "beta"}));
        QVERIFY(cars.err.isEmpty());
        Outcome garage = f.run(QStringLiteral("--list garage"));
        QCOMPARE(garage.out, (QStringList{"echo", "Zed"}));
        QCOMPARE(garage.status, Commands::Done);
    }

    // Commands keep thumbnails in the window's cache: a command after the first decodes nothing, and
    // a damaged picture still ends the car scan where the window's scan ends.
    void commands_shareTheThumbnailCache_andStatsDecodesNothing()
    {
        Fixture f({"Alpha", "beta", "Gamma"}, {"echo"});
        writeBytes(f.lib.carFolder + QStringLiteral("/Gamma/car.jpg"), "damaged");
        const QString cacheFile = f.lib.root.filePath(QStringLiteral("cache/thumbnails.sqlite"));
        const Outcome plain = f.run(QStringLiteral("--list car"));
        QCOMPARE(plain.out, (QStringList{"Alpha", "beta"}));
        {
            ThumbCache cache(cacheFile);
            f.thumbnails = &cache;
            f.pictures.decoded = 0;
            const Outcome cold = f.run(QStringLiteral("--list car"));
            QCOMPARE(cold.out, plain.out);
            QCOMPARE(cold.err, plain.err);
            QCOMPARE(f.pictures.decoded, 4);
        }
        {
            ThumbCache cache(cacheFile); // the next program
            f.thumbnails = &cache;
            f.pictures.decoded = 0;
            const Outcome warm = f.run(QStringLiteral("--list car"));
            QCOMPARE(warm.out, plain.out);
            QCOMPARE(warm.err, plain.err);
            const Outcome moved = f.run(QStringLiteral("--move echo --to car"));
            QCOMPARE(moved.status, Commands::Done);
            QCOMPARE(f.pictures.decoded, 0);
        }
        f.thumbnails = nullptr;
        writeBytes(f.lib.carFolder + QStringLiteral("/beta/parameters.txt"),
                   SampleParams().text().toLatin1());
        f.pictures.decoded = 0;
        const Outcome stats = f.run(QStringLiteral("--stats beta"));
        QCOMPARE(stats.status, Commands::Done);
        QCOMPARE(f.pictures.decoded, 0);
    }

    void emptyFolder_listsNothing_andSucceeds()
    {
        Fixture f({}, {"A"});
        Outcome cars = f.run(QStringLiteral("--list car"));
        QCOMPARE(cars.status, Commands::Done);
        QVERIFY(cars.out.isEmpty());
        QVERIFY(cars.err.isEmpty());
    }

    void withoutSettings_saysSo_startsNothing_andFails()
    {
        for (const bool emptyTable : {false, true}) {
            Fixture f({"A"}, {});
            const QString paths = f.config + QStringLiteral("/paths.mdb");
            QVERIFY(QFile::remove(paths));
            if (emptyTable) // an interrupted first setup
                QVERIFY(PathsDatabase::create(paths).ok());
            Outcome o = f.run(QStringLiteral("--list car"));
            QCOMPARE(o.status, Commands::Failed);
            QCOMPARE(o.err.size(), 1);
            QVERIFY(o.err.first().contains(paths));
            // Where to set up: the menu entry and the setup program's real path.
            QVERIFY(o.err.first().contains(QStringLiteral("\"Parkwen Setup\"")));
            QVERIFY(o.err.first().contains(f.lib.programFolder + QStringLiteral("/rigwell")));
            QVERIFY(o.out.isEmpty());
            QVERIFY(f.lib.processes.started().isEmpty());
        }
    }

    void missingCarFolder_isTheWindowsStartupError()
    {
        Fixture f({"A"}, {});
        QDir(f.lib.carFolder).removeRecursively();
        Outcome o = f.run(QStringLiteral("--list garage"));
        QCOMPARE(o.status, Commands::Failed);
        QCOMPARE(o.err, QStringList{QStringLiteral("Miscellaneous Error: No. 76 Path not found")});
    }

    void wrongCommandLine_isTwo_andTouchesNothing()
    {
        Fixture f({"A"}, {"B"});
        QCOMPARE(f.run(QStringLiteral("--move B --to attic")).status, Commands::WrongCommandLine);
        QCOMPARE(f.run(QStringLiteral("--bogus")).status, Commands::WrongCommandLine);
        QCOMPARE(f.carsOnDisk(), QStringList{"A"});
        QCOMPARE(f.garageOnDisk(), QStringList{"B"});
    }

    void loadSet_bringsTheMembersIn()
    {
        Fixture f({"X"}, {"A", "B", "C"});
        f.writeSet(QStringLiteral("Race.pkn"), {"C", "X", "b", "A", "Gone"}); // "b" is no "B"
        Outcome o = f.run(QStringLiteral("--load-set Race"));
        QCOMPARE(o.status, Commands::Done);
        QVERIFY(o.err.isEmpty()); // members already in or gone pass without a word
        QCOMPARE(f.carsOnDisk(), (QStringList{"A", "C", "X"}));
        QCOMPARE(f.garageOnDisk(), QStringList{"B"});
        // The set is named with or without its extension.
        QCOMPARE(f.run(QStringLiteral("--load-set Race.pkn")).status, Commands::Done);
    }

    void onlySet_sendsEveryOtherCarAway()
    {
        Fixture f({"X", "Y"}, {"A", "B"});
        f.writeSet(QStringLiteral("Race.pkn"), {"A", "Y"});
        Outcome o = f.run(QStringLiteral("--only-set Race"));
        QCOMPARE(o.status, Commands::Done);
        QCOMPARE(f.carsOnDisk(), (QStringList{"A", "Y"}));
        QCOMPARE(f.garageOnDisk(), (QStringList{"B", "X"}));
        QCOMPARE(f.run(QStringLiteral("--list car")).out, (QStringList{"A", "Y"}));
    }

    void removeSet_sendsTheMembersAway()
    {
        Fixture f({"X", "Y", "Z"}, {"A"});
        f.writeSet(QStringLiteral("Race.pkn"), {"Z", "X", "A"});
        Outcome o = f.run(QStringLiteral("--remove-set Race"));
        QCOMPARE(o.status, Commands::Done);
        QCOMPARE(f.carsOnDisk(), QStringList{"Y"});
        QCOMPARE(f.garageOnDisk(), (QStringList{"A", "X", "Z"}));
    }

    void missingSet_failsWithOneLine_andMovesNothing()
    {
        Fixture f({"X"}, {"A"});
        f.writeSet(QStringLiteral("Race.pkn"), {"A"});
        for (const QString& command :
             {QStringLiteral("--load-set"), QStringLiteral("--only-set"), QStringLiteral("--remove-set")}) {
            // Names compare exactly: "Race.PKN" is a set file "Race.PKN.pkn".
            for (const QString& name : {QStringLiteral("Drift"), QStringLiteral("Race.PKN")}) {
                Outcome o = f.run({command, name});
                QCOMPARE(o.status, Commands::Failed);
                QCOMPARE(o.err.size(), 1);
                QVERIFY2(o.err.first().contains(QStringLiteral("no set named \"") + name),
                         qPrintable(o.err.first()));
                QCOMPARE(f.carsOnDisk(), QStringList{"X"});
            }
        }
    }

    void blankSet_isRefused()
    {
        Fixture f({"X"}, {"A"});
        f.writeSet(QStringLiteral("Race.pkn"), {});
        Outcome o = f.run(QStringLiteral("--only-set blank"));
        QCOMPARE(o.status, Commands::Failed);
        QCOMPARE(o.err.size(), 1);
        QCOMPARE(f.carsOnDisk(), QStringList{"X"});
    }

    void setWithABlockedCar_movesTheOthers_andFails()
    {
        Fixture f({}, {"A", "B", "C"});
        f.blockInCarFolder(QStringLiteral("B"));
        f.writeSet(QStringLiteral("Race.pkn"), {"A", "B", "C"});
        Outcome o = f.run(QStringLiteral("--load-set Race"));
        QCOMPARE(o.status, Commands::Failed);
        // The scan tells of the folder that is no car; the move of its namesake then fails.
        QCOMPARE(o.err.size(), 2);
        QVERIFY2(o.err.last().startsWith(QStringLiteral("Path\\File Access Error.")),
                 qPrintable(o.err.last()));
        QCOMPARE(f.garageOnDisk(), QStringList{"B"});
        QVERIFY(QFileInfo::exists(f.lib.carFolder + QStringLiteral("/A/car.jpg")));
        QVERIFY(QFileInfo::exists(f.lib.carFolder + QStringLiteral("/C/car.jpg")));
    }

    void move_eitherWay()
    {
        Fixture f({"X"}, {"A"});
        Outcome in = f.run(QStringLiteral("--move A --to car"));
        QCOMPARE(in.status, Commands::Done);
        QVERIFY(in.err.isEmpty());
        QCOMPARE(f.carsOnDisk(), (QStringList{"A", "X"}));
        Outcome out = f.run(QStringLiteral("--move X --to garage"));
        QCOMPARE(out.status, Commands::Done);
        QCOMPARE(f.garageOnDisk(), QStringList{"X"});
        QCOMPARE(f.carsOnDisk(), QStringList{"A"});
    }

    // Another process holds the library lock (here flock(1) on the Garage Folder, as a Parkwen busy
    // moving would): a listing still works, a move says why it waits, gives up and fails, touching
    // nothing; once the lock is gone the move goes through.
    void lockedLibrary_listStillWorks_moveWaitsThenFails()
    {
        Fixture f({"X"}, {"A"});
        QProcess holder;
        holder.start(QStringLiteral("flock"), {QStringLiteral("-o"), f.lib.garageFolder,
                                               QStringLiteral("sleep"), QStringLiteral("30")});
        QVERIFY(holder.waitForStarted());
        // Until flock has the lock, a move would still go through: wait for it.
        QTRY_VERIFY_WITH_TIMEOUT(!f.lib.fs.tryLockFolder(f.lib.garageFolder), 10000);
        qputenv("PARKWEN_LOCK_WAIT", "0");
        const Outcome list = f.run(QStringLiteral("--list car"));
        QCOMPARE(list.status, Commands::Done);
        QCOMPARE(list.out, QStringList{"X"});
        const Outcome move = f.run(QStringLiteral("--move A --to car"));
        QCOMPARE(move.status, Commands::Failed);
        QCOMPARE(move.err, (QStringList{"Another Parkwen is changing the car folders; waiting\u2026",
                                        "Another Parkwen is changing the car folders."}));
        QCOMPARE(f.carsOnDisk(), QStringList{"X"});
        QCOMPARE(f.garageOnDisk(), QStringList{"A"});
        holder.kill();
        holder.waitForFinished();
        qunsetenv("PARKWEN_LOCK_WAIT");
        QCOMPARE(f.run(QStringLiteral("--move A --to car")).status, Commands::Done);
        QCOMPARE(f.carsOnDisk(), (QStringList{"A", "X"}));
    }

    void move_carAlreadyThere_isDone_withANote()
    {
        Fixture f({"X"}, {"A"});
        Outcome o = f.run(QStringLiteral("--move X --to car"));
        QCOMPARE(o.status, Commands::Done);
        QCOMPARE(o.err.size(), 1);
        QCOMPARE(f.carsOnDisk(), QStringList{"X"});
    }

    void move_unknownCar_fails()
    {
        Fixture f({"X", "adeon"}, {"A"});
        // A stock car is hidden from the lists, not missing.
        Outcome stock = f.run(QStringLiteral("--move adeon --to garage"));
        QCOMPARE(stock.status, Commands::Failed);
        QCOMPARE(
            stock.err,
            QStringList{"\"adeon\" is one of the game's own cars: Parkwen leaves it in the Car Folder."});
        QCOMPARE(f.carsOnDisk(), (QStringList{"X", "adeon"}));
        // Names compare with case: "a" is not the car "A".
        Outcome o = f.run(QStringLiteral("--move a --to car"));
        QCOMPARE(o.status, Commands::Failed);
        QCOMPARE(o.err.size(), 1);
        QVERIFY(o.err.first().contains(QStringLiteral("\"a\"")));
        QCOMPARE(f.garageOnDisk(), QStringList{"A"});
    }

    void move_blockedCar_fails_andKeepsTheCar()
    {
        Fixture f({}, {"A"});
        f.blockInCarFolder(QStringLiteral("A"));
        Outcome o = f.run(QStringLiteral("--move A --to car --yes"));
        QCOMPARE(o.status, Commands::Failed);
        QCOMPARE(o.err.size(), 2);
        QVERIFY2(o.err.last().startsWith(QStringLiteral("Path\\File Access Error.")),
                 qPrintable(o.err.last()));
        QVERIFY(QFileInfo::exists(f.lib.garageFolder + QStringLiteral("/A/car.jpg")));
    }

    void move_failingDisk_fails()
    {
        Fixture f({"X"}, {});
        // Within one file system a car moves by one rename, across two it is copied: both fail.
        f.lib.fs.failOnName(FaultyFileSystem::Op::Copy, QStringLiteral("car.jpg"), Error::of(err::DiskFull));
        f.lib.fs.failOnName(FaultyFileSystem::Op::Rename, QStringLiteral("/X"), Error::of(err::DiskFull));
        Outcome o = f.run(QStringLiteral("--move X --to garage"));
        QCOMPARE(o.status, Commands::Failed);
        QCOMPARE(o.err, QStringList{Error::of(err::DiskFull).description()});
        QCOMPARE(f.carsOnDisk(), QStringList{"X"});
    }

    void stats_printsTheDetailsWindowsStatistics()
    {
        Fixture f({}, {});
        const QString car = makeCar(f.lib.garageFolder, QStringLiteral("Sample"));
        writeBytes(car + QStringLiteral("/parameters.txt"), SampleParams().text().toLatin1());
        Outcome o = f.run(QStringLiteral("--stats Sample"));
        QCOMPARE(o.status, Commands::Done);
        QVERIFY(o.err.isEmpty());
        QCOMPARE(o.out, (QStringList{QStringLiteral("Car Name: ") + car, "Speed: 38.00mph", "Class: Glow",
                                     "Rating: Semi-Pro", "Grip: 70%", "Turn: 47%", "Accel: 100%",
                                     "Mass: 01.50kg", "Transmission: 4-WD", "Base: Adeon", "Skin: car.bmp"}));
    }

    void stats_asJson()
    {
        Fixture f({}, {});
        const QString car = makeCar(f.lib.carFolder, QStringLiteral("Sample"));
        SampleParams sample;
        sample.rating = QStringLiteral("7"); // no rating the window can name
        writeBytes(car + QStringLiteral("/parameters.txt"), sample.text().toLatin1());
        Outcome o = f.run(QStringLiteral("--stats Sample --json"));
        QCOMPARE(o.status, Commands::Done);
        QJsonParseError error;
        const QJsonObject json = QJsonDocument::fromJson(f.rawOut.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(json.value("car").toString(), QStringLiteral("Sample"));
        QCOMPARE(json.value("folder").toString(), QStringLiteral("car"));
        QCOMPARE(json.value("path").toString(), car);
        QCOMPARE(json.value("speed").toDouble(), 38.0);
        QCOMPARE(json.value("mass").toDouble(), 1.5);
        QCOMPARE(json.value("class").toString(), QStringLiteral("Glow"));
        QVERIFY(json.value("rating").isNull());
        QCOMPARE(json.value("grip").toInt(), 70);
        QCOMPARE(json.value("turn").toInt(), 47);
        QCOMPARE(json.value("acceleration").toInt(), 100);
        QCOMPARE(json.value("transmission").toString(), QStringLiteral("4-WD"));
        QCOMPARE(json.value("base").toString(), QStringLiteral("Adeon"));
        QCOMPARE(json.value("skin").toString(), QStringLiteral("car.bmp"));

        // A parameters.txt without the values gives null bars, as for every other unknown value.
        const QString odd = makeCar(f.lib.carFolder, QStringLiteral("Odd"));
        writeBytes(odd + QStringLiteral("/parameters.txt"), "not the file of a car\r\n");
        f.run(QStringLiteral("--stats Odd --json"));
        const QJsonObject unknown = QJsonDocument::fromJson(f.rawOut.toUtf8()).object();
        for (const char* key : {"grip", "turn", "acceleration", "speed", "mass"})
            QVERIFY2(unknown.value(QLatin1String(key)).isNull(), key);
    }

    void check_andListJson_tellEveryFolderItsHealth()
    {
        Fixture f({}, {});
        const auto car = [&](const QString& parent, const QString& folder, const QString& name,
                             const QString& pathsTo, bool withFiles) {
            const QString path = makeFolder(parent, folder);
            if (withFiles) {
                for (const char* file : {"part0.prm", "part1.prm", "part2.prm", "part3.prm", "hull.hul"})
                    writeBytes(path + QLatin1Char('/') + QLatin1String(file), "model");
                writePicture(path + QStringLiteral("/car.bmp"));
            }
            SampleParams sample;
            sample.name = name;
            sample.folder = pathsTo;
            sample.tpage = QStringLiteral("cars\\%1\\car.bmp").arg(pathsTo);
            sample.powered = {QStringLiteral("true"), QStringLiteral("True"), QStringLiteral("FALSE"),
                              QStringLiteral("false")};
            writeBytes(path + QStringLiteral("/parameters.txt"), sample.text().toLatin1());
        };
        car(f.lib.carFolder, QStringLiteral("sample"), QStringLiteral("Sample"), QStringLiteral("sample"),
            true);
        car(f.lib.garageFolder, QStringLiteral("renamed"), QStringLiteral("Renamed"), QStringLiteral("old"),
            true);
        car(f.lib.carFolder, QStringLiteral("variant"), QStringLiteral("Variant"), QStringLiteral("sample"),
            false);

        Outcome check = f.run(QStringLiteral("--check"));
        QCOMPARE(check.status, Commands::Failed);
        QCOMPARE(check.out.filter(f.lib.root.path()),
                 (QStringList{f.lib.carFolder + QStringLiteral("/variant"),
                              f.lib.garageFolder + QStringLiteral("/renamed")}));
        QCOMPARE(check.err, QStringList{QStringLiteral("2 of 3 folders have problems.")});
        QCOMPARE(f.run(QStringLiteral("--check --json")).status, Commands::Failed);
        QCOMPARE(QJsonDocument::fromJson(f.rawOut.toUtf8()).array().size(), 2);

        QCOMPARE(f.run(QStringLiteral("--list all --json")).status, Commands::Done);
        const QJsonArray all = QJsonDocument::fromJson(f.rawOut.toUtf8()).array();
        QCOMPARE(all.size(), 3);
        QHash<QString, QJsonObject> byCar;
        for (const QJsonValue& v : all)
            byCar.insert(v.toObject().value("car").toString(), v.toObject());
        const QJsonObject sample = byCar.value(QStringLiteral("sample"));
        QCOMPARE(sample.value("transmission").toString(), QStringLiteral("F-WD"));
        QCOMPARE(sample.value("acceleration").toInt(), 50);
        QCOMPARE(sample.value("name").toString(), QStringLiteral("Sample"));
        QCOMPARE(sample.value("skins").toInt(), 0); // a 32-pixel picture is no skin
        QVERIFY(sample.value("healthy").toBool());
        QVERIFY(!byCar.value(QStringLiteral("variant")).value("listed").toBool());
        const QJsonObject renamed = byCar.value(QStringLiteral("renamed"));
        QCOMPARE(renamed.value("folder").toString(), QStringLiteral("garage"));
        const QJsonObject broken = renamed.value("problems").toArray().first().toObject();
        QCOMPARE(broken.value("kind").toString(), QStringLiteral("broken-path"));
        QCOMPARE(broken.value("fix").toString(), QStringLiteral("cars\\renamed\\part0.prm"));

        QCOMPARE(f.run(QStringLiteral("--list garage --json")).status, Commands::Done);
        QCOMPARE(QJsonDocument::fromJson(f.rawOut.toUtf8()).array().size(), 1);
    }

    void stats_withoutParameters_orCar_fails()
    {
        Fixture f({"Bare"}, {});
        QFile::remove(f.lib.carFolder + QStringLiteral("/Bare/parameters.txt"));
        Outcome bare = f.run(QStringLiteral("--stats Bare"));
        QCOMPARE(bare.status, Commands::Failed);
        QCOMPARE(bare.err.size(), 1);
        QVERIFY(bare.out.isEmpty());
        Outcome none = f.run(QStringLiteral("--stats Nobody --json"));
        QCOMPARE(none.status, Commands::Failed);
        QVERIFY(none.out.isEmpty());
    }

    void install_placesTheCars_skipsAClashUnlessYes_andFailsOnDamage()
    {
        using ArchiveItem = test::Item;
        Fixture f({}, {QStringLiteral("Bolt")});
        const QString pack = f.lib.root.path() + QStringLiteral("/pack.zip");
        test::writeArchive(pack, test::Format::Zip,
                           {ArchiveItem::file(QStringLiteral("cars/Arrow/parameters.txt")),
                            ArchiveItem::file(QStringLiteral("cars/Bolt/parameters.txt"), "new")});

        Outcome o = f.run({QStringLiteral("--install"), pack, QStringLiteral("--to"), QStringLiteral("car")});
        QCOMPARE(o.status, Commands::Failed); // Bolt clashed with the garage's car and was skipped
        QCOMPARE(o.out, QStringList{QStringLiteral("Arrow")});
        QCOMPARE(o.err.size(), 1);
        QVERIFY(f.carsOnDisk().contains(QStringLiteral("Arrow")));
        QVERIFY(!f.carsOnDisk().contains(QStringLiteral("Bolt")));

        const QString single = f.lib.root.path() + QStringLiteral("/single.7z");
        test::writeArchive(single, test::Format::SevenZip,
                           {ArchiveItem::file(QStringLiteral("Comet/parameters.txt"))});
        Outcome done =
            f.run({QStringLiteral("--install"), single, QStringLiteral("--to"), QStringLiteral("garage")});
        QCOMPARE(done.status, Commands::Done);
        QVERIFY(f.garageOnDisk().contains(QStringLiteral("Comet")));

        Outcome replaced = f.run({QStringLiteral("--install"), pack, QStringLiteral("--to"),
                                  QStringLiteral("garage"), QStringLiteral("--yes")});
        QVERIFY(f.garageOnDisk().contains(QStringLiteral("Bolt")));
        QCOMPARE(readBytes(f.lib.garageFolder + QStringLiteral("/Bolt/parameters.txt")), QByteArray("new"));

        // Files for a car already installed are a question: No unless --yes.
        const QString skins = f.lib.root.path() + QStringLiteral("/skins.zip");
        test::writeArchive(skins, test::Format::Zip,
                           {ArchiveItem::file(QStringLiteral("cars/Comet/blue.bmp"), "blue")});
        const QString blue = f.lib.garageFolder + QStringLiteral("/Comet/blue.bmp");
        Outcome declined =
            f.run({QStringLiteral("--install"), skins, QStringLiteral("--to"), QStringLiteral("car")});
        QCOMPARE(declined.status, Commands::Failed);
        QVERIFY(!QFile::exists(blue));
        Outcome added = f.run({QStringLiteral("--install"), skins, QStringLiteral("--to"),
                               QStringLiteral("car"), QStringLiteral("--yes")});
        QCOMPARE(added.status, Commands::Done);
        QCOMPARE(readBytes(blue), QByteArray("blue"));

        // A car installed beside an entry refused as unsafe is not a success.
        const QString unsafe = f.lib.root.path() + QStringLiteral("/unsafe.tar.gz");
        test::writeArchive(unsafe, test::Format::TarGz,
                           {ArchiveItem::file(QStringLiteral("Dart/parameters.txt")),
                            ArchiveItem::symlink(QStringLiteral("Dart/out"), QStringLiteral("../.."))});
        Outcome refused =
            f.run({QStringLiteral("--install"), unsafe, QStringLiteral("--to"), QStringLiteral("car")});
        QCOMPARE(refused.status, Commands::Failed);
        QCOMPARE(refused.out, QStringList{QStringLiteral("Dart")});

        const QString damaged = f.lib.root.path() + QStringLiteral("/car.zip");
        writeBytes(damaged, "PK");
        Outcome bad =
            f.run({QStringLiteral("--install"), damaged, QStringLiteral("--to"), QStringLiteral("car")});
        QCOMPARE(bad.status, Commands::Failed);
        QVERIFY(bad.out.isEmpty());
    }

    // Two Parkwens: the second starts its command while the first holds the lock, and reads the
    // folders only once it has the lock. What it reports and its exit status match what it found
    // after the wait, and every car ends where the last command sent it.
    void secondCommand_actsOnWhatTheFirstLeft_data()
    {
        QTest::addColumn<QStringList>("cars");
        QTest::addColumn<QStringList>("garage");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("carsAfter");
        QTest::addColumn<QStringList>("garageAfter");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("told"); // besides the wait
        const QStringList all{"A", "B", "C"};
        QTest::newRow("sets: only none, then load every")
            << all << QStringList() << "--only-set none"
            << "--load-set every" << all << QStringList() << int(Commands::Done) << QStringList();
        QTest::newRow("sets: load every, then only none")
            << QStringList() << all << "--load-set every"
            << "--only-set none" << QStringList() << all << int(Commands::Done) << QStringList();
        QTest::newRow("sets: remove every, then load every")
            << all << QStringList() << "--remove-set every"
            << "--load-set every" << all << QStringList() << int(Commands::Done) << QStringList();
        QTest::newRow("move, then the same move")
            << all << QStringList() << "--move B --to garage"
            << "--move B --to garage" << QStringList{"A", "C"} << QStringList{"B"} << int(Commands::Done)
            << QStringList{"B is in the Garage Folder already."};
        QTest::newRow("all away, then a move back")
            << all << QStringList() << "--only-set none"
            << "--move C --to car" << QStringList{"C"} << QStringList{"A", "B"} << int(Commands::Done)
            << QStringList();
        QTest::newRow("a set, then an install over a car it moved")
            << all << QStringList() << "--only-set none"
            << "--install PACK --to car --yes" << QStringList{"B"} << QStringList{"A", "C"}
            << int(Commands::Done) << QStringList();
        QTest::newRow("an install, then a set with the new car")
            << QStringList() << all << "--install PACK --to garage --yes"
            << "--load-set every" << all << QStringList() << int(Commands::Done) << QStringList();
    }
    void secondCommand_actsOnWhatTheFirstLeft()
    {
        QFETCH(QStringList, cars);
        QFETCH(QStringList, garage);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, carsAfter);
        QFETCH(QStringList, garageAfter);
        QFETCH(int, status);
        QFETCH(QStringList, told);
        Fixture f(cars, garage);
        f.writeSet(QStringLiteral("every.pkn"), {"A", "B", "C"});
        f.writeSet(QStringLiteral("none.pkn"), {});
        QFile picture((cars.isEmpty() ? f.lib.garageFolder : f.lib.carFolder) + QStringLiteral("/A/car.jpg"));
        QVERIFY(picture.open(QIODevice::ReadOnly));
        const QString pack = f.lib.root.path() + QStringLiteral("/pack.zip");
        test::writeArchive(pack, test::Format::Zip,
                           {test::Item::file(QStringLiteral("B/parameters.txt"), "the new B"),
                            test::Item::file(QStringLiteral("B/car.jpg"), picture.readAll())});
        first.replace(QStringLiteral("PACK"), pack);
        second.replace(QStringLiteral("PACK"), pack);

        const WaitingSecond other = f.runWhileSecondWaits(first, second);
        QStringList tells = other.err;
        QVERIFY2(!tells.isEmpty() && tells.takeFirst().contains(QStringLiteral("waiting")),
                 qPrintable(other.err.join(QLatin1Char('\n'))));
        if (second.startsWith(QStringLiteral("--install"))) {
            QCOMPARE(other.out, QStringList{"B"});
            tells.clear(); // the install's summary
        }
        QCOMPARE(tells, told);
        QCOMPARE(other.status, status);
        QCOMPARE(f.carsOnDisk(), carsAfter);
        QCOMPARE(f.garageOnDisk(), garageAfter);
        if (first.startsWith(QStringLiteral("--install")) || second.startsWith(QStringLiteral("--install"))) {
            const QString b =
                (carsAfter.contains(QStringLiteral("B")) ? f.lib.carFolder : f.lib.garageFolder) +
                QStringLiteral("/B/parameters.txt");
            QFile file(b);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("the new B"));
        }
    }

    // A listing while another Parkwen moves 1,000 cars onto another disk (tmpfs here) never sees a
    // move half done: every line names a real car, each car once, and nothing is told.
    void list_duringABigMoveAcrossDisks_showsEveryCarOnce()
    {
        Fixture f({}, {});
        QTemporaryDir otherDisk(QStringLiteral("/dev/shm/parkwen-XXXXXX"));
        const QString garage = otherDisk.isValid() ? otherDisk.path() : f.lib.garageFolder;
        QStringList names;
        for (int i = 0; i < 1000; ++i) {
            names << QStringLiteral("car%1").arg(i, 4, 10, QLatin1Char('0'));
            makeCar(f.lib.carFolder, names.last());
        }
        f.lib.writePaths({f.lib.carFolder, garage, QStringLiteral("2000")});
        QFile::remove(f.config + QStringLiteral("/paths.mdb"));
        QVERIFY(QFile::rename(f.lib.programFolder + QStringLiteral("/paths.mdb"),
                              f.config + QStringLiteral("/paths.mdb")));
        f.writeSet(QStringLiteral("none.pkn"), {});
        qputenv("PARKWEN_LOCK_WAIT", "600");

        QProcess mover;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(
            QString::fromLatin1(kCommandChild),
            QStringList{f.config, f.data, f.lib.programFolder, QStringLiteral("--only-set none")}.join(
                QLatin1Char('|')));
        mover.setProcessEnvironment(environment);
        mover.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(mover.waitForStarted());
        int listings = 0;
        do {
            const Outcome listed = f.run(QStringLiteral("--list all"));
            ++listings;
            QCOMPARE(listed.status, Commands::Done);
            QCOMPARE(listed.err, QStringList());
            QStringList shown = listed.out;
            shown.sort();
            QCOMPARE(shown, names);
        } while (!mover.waitForFinished(0));
        qunsetenv("PARKWEN_LOCK_WAIT");
        QCOMPARE(mover.exitCode(), int(Commands::Done));
        QCOMPARE(entries(garage), names);
        QVERIFY(listings >= 1);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kCommandChild))
        return commandChildMain(argc, argv);
    QCoreApplication app(argc, argv);
    CommandsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "commands_test.moc"
