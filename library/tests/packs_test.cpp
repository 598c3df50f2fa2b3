#include "library/gamecontent.h"
#include "library/moveengine.h"
#include "library/packlistediting.h"
#include "library/tests/gamefixture.h"
#include "tests/support/testlibrary.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// A child process writing a packlist again and again, one of two contents in turn, until killed.
constexpr char kWriterVariable[] = "PARKWEN_PACKLIST_WRITER";

QByteArray contentNumber(int n)
{
    return (n % 2 ? QByteArray("default\nrva\n") : QByteArray("; long\ndefault\n")).repeated(4000);
}

int writerMain(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString file = QString::fromLocal8Bit(qgetenv(kWriterVariable));
    LocalFileSystem fs;
    MoveEngine door(fs);
    for (int n = 0;; ++n) {
        bool changedMeanwhile = false;
        const Error e = door.writePacklist(file, contentNumber(n), contentNumber(n + 1), changedMeanwhile);
        if (e || changedMeanwhile)
            return 1;
        if (n == 0)
            std::fputs("writing\n", stdout), std::fflush(stdout);
    }
}

const PackCar* carOf(const GameContent& content, const QString& pack, const QString& name)
{
    for (const PackCar& car : content.cars())
        if (car.pack == pack && car.name == name)
            return &car;
    return nullptr;
}

} // namespace

class PacksTest : public QObject
{
    Q_OBJECT

private slots:
    // The packlist's own bytes survive every change Parkwen makes and takes back.
    void packlistChanges_undoneGiveBackTheFileByteForByte_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("CR LF, comments, writable")
            << QByteArray("; events\r\ndefault\r\nrva\r\n;io\r\nlocal *\r\n");
        QTest::newRow("LF, no last line end") << QByteArray("Default\nrva\n  io  \n;spare");
        QTest::newRow("CR only, unknown lines") << QByteArray("default\rsome words here\rrva\r");
        QTest::newRow("Latin-1 comment") << QByteArray("; caf\xe9\nrva\nio\n");
    }
    void packlistChanges_undoneGiveBackTheFileByteForByte()
    {
        QFETCH(QByteArray, file);
        Packlist list = Packlist::fromBytes(file);
        QCOMPARE(list.bytes(), file);
        for (const Packlist::Entry& entry : list.entries()) {
            Packlist changed = list;
            if (entry.enabled) {
                QVERIFY(changed.disable(entry.name));
                QVERIFY(!changed.isEnabled(entry.name));
                QVERIFY(changed.enable(entry.name));
            } else {
                QVERIFY(changed.enable(entry.name));
                QVERIFY(changed.isEnabled(entry.name));
                QVERIFY(changed.disable(entry.name));
            }
            QCOMPARE(changed.bytes(), file);
            Packlist moved = list;
            if (moved.move(entry.name, 1)) {
                QVERIFY(moved.bytes() != file);
                QVERIFY(moved.move(entry.name, -1));
            }
            QCOMPARE(moved.bytes(), file);
        }
    }

    void enablingAnUnlistedPack_goesBeforeTheWritableOne_elseAtTheEnd_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("before local *") << QByteArray("default\r\nrva\r\nlocal *\r\n")
                                        << QByteArray("default\r\nrva\r\nnew\r\nlocal *\r\n");
        QTest::newRow("at the end") << QByteArray("default\nrva\n") << QByteArray("default\nrva\nnew\n");
        QTest::newRow("no last line end kept")
            << QByteArray("default\nrva") << QByteArray("default\nrva\nnew");
        QTest::newRow("no packlist") << QByteArray() << QByteArray("default\nnew\n");
    }
    void enablingAnUnlistedPack_goesBeforeTheWritableOne_elseAtTheEnd()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, after);
        Packlist list = file.isEmpty() ? Packlist::fresh() : Packlist::fromBytes(file);
        QVERIFY(list.enable(QStringLiteral("new")));
        QCOMPARE(list.bytes(), after);
        QCOMPARE(list.enabledPacks().last() == QLatin1String("local"), file.contains("local"));
    }

    void names_thatWouldLeaveThePacksFolder_areRefused()
    {
        for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "x\ty", ";x", "x*", " x", "x "})
            QVERIFY2(!Packlist::nameProblem(QString::fromLatin1(bad)).isEmpty(), bad);
        for (const char* good : {"rva", "io_cars", "Local", "my pack", "rvgl_dcpack"})
            QVERIFY2(Packlist::nameProblem(QString::fromLatin1(good)).isEmpty(), good);
    }

    void gameFolder_isFoundFromEitherKindOfCarFolder()
    {
        const std::optional<GameFolder> own = GameFolder::of(QStringLiteral("/games/rvgl/cars"));
        QVERIFY(own);
        QCOMPARE(own->path, QStringLiteral("/games/rvgl"));
        QCOMPARE(own->carFolderPack, QStringLiteral("default"));
        const std::optional<GameFolder> pack = GameFolder::of(QStringLiteral("/games/rvgl/packs/rva/cars/"));
        QVERIFY(pack);
        QCOMPARE(pack->path, QStringLiteral("/games/rvgl"));
        QCOMPARE(pack->carFolderPack, QStringLiteral("rva"));
        QVERIFY(!GameFolder::of(QStringLiteral("/home/me/Garage")));
    }

    // What the game loads under the packlist: the last pack wins a car folder, file by file.
    void loadedView_namesThePackOfEveryCarAndWhatIsHidden()
    {
        Game g;
        const GameContent content = g.read();
        QVERIFY(content.hasPacklist());
        QStringList order;
        for (const PackState& pack : content.packs())
            order << pack.name + QLatin1Char(':') +
                         (pack.exists ? QString::number(pack.order) : QStringLiteral("missing")) +
                         QLatin1Char(':') + QString::number(pack.cars) +
                         (pack.writable ? QStringLiteral("*") : QString());
        QCOMPARE(order, (QStringList{"default:0:2", "rva:1:2", "io:2:1", "ghost:missing:0", "empty:4:0",
                                     "local:5:0*", "spare:-1:1"}));
        QCOMPARE(content.loadedCount(), 3); // adeon, toyeca of rva, dart of io; nothing of spare
        QCOMPARE(content.packsLoadedFrom(), 3);

        QCOMPARE(carOf(content, QStringLiteral("default"), QStringLiteral("toyeca"))->state,
                 PackCar::State::Hidden);
        QCOMPARE(carOf(content, QStringLiteral("default"), QStringLiteral("toyeca"))->hiddenBy,
                 QStringLiteral("rva"));
        QCOMPARE(carOf(content, QStringLiteral("spare"), QStringLiteral("wisp"))->state,
                 PackCar::State::NotEnabled);
        // rva's toyeca is whole by itself: it replaces the game's own.
        const PackCar* toyeca = carOf(content, QStringLiteral("rva"), QStringLiteral("toyeca"));
        QCOMPARE(toyeca->state, PackCar::State::Loaded);
        QCOMPARE(toyeca->replaces, QStringList{"default"});
        QVERIFY(!toyeca->mixed());
        // io's dart names a model only rva has: the game builds it of both packs.
        const PackCar* dart = carOf(content, QStringLiteral("io"), QStringLiteral("dart"));
        QVERIFY(dart->mixed());
        QCOMPARE(dart->fileSources.value(QStringLiteral("body.prm")), QStringLiteral("rva"));
        QCOMPARE(dart->fileSources.value(QStringLiteral("parameters.txt")), QStringLiteral("io"));
        QCOMPARE(dart->fileSources.value(QStringLiteral("car.bmp")), QStringLiteral("io"));

        const QStringList problems = content.problems();
        QCOMPARE(problems.size(), 3);
        QVERIFY(problems.at(0).contains(QStringLiteral("ghost")));
        QVERIFY(problems.at(1).contains(QStringLiteral("empty"))); // loaded, holds nothing (the writable
                                                                   // pack may: the game fills it)
        QVERIFY(problems.at(2).contains(QStringLiteral("body.prm from rva")));
    }

    void aPacklistWithoutDefault_doesNotLoadTheCarFolder_andNoPacklistLoadsItOnly()
    {
        Game g;
        writeBytes(g.packs + QStringLiteral("/race.txt"), ";default\nrva\n");
        const GameContent race = g.read(QStringLiteral("race"));
        QVERIFY(race.problems().first().contains(QStringLiteral("does not load the Car Folder")));
        QCOMPARE(race.loadedCount(), 2);

        QFile::remove(g.packs + QStringLiteral("/default.txt"));
        const GameContent none = g.read();
        QVERIFY(!none.hasPacklist());
        QCOMPARE(none.loadedCount(), 2);
        QCOMPARE(none.problems(), QStringList());
    }

    // A packlist someone else changed after Parkwen read it is never overwritten; a write is whole.
    void packlistWrite_refusesAFileChangedMeanwhile()
    {
        Game g;
        const QString file = g.packs + QStringLiteral("/default.txt");
        const GameContent content = g.read();
        Packlist list = content.packlist();
        QVERIFY(list.enable(QStringLiteral("spare")));
        writeBytes(file, "default\nio\n"); // the launcher, meanwhile
        MoveEngine door(g.fs);
        bool changedMeanwhile = false;
        QVERIFY(!door.writePacklist(file, content.packlistBytes(), list.bytes(), changedMeanwhile));
        QVERIFY(changedMeanwhile);
        QCOMPARE(g.fs.readFile(file).value(), QByteArray("default\nio\n"));

        QVERIFY(!door.writePacklist(file, QByteArray("default\nio\n"), list.bytes(), changedMeanwhile));
        QVERIFY(!changedMeanwhile);
        QCOMPARE(g.fs.readFile(file).value(), list.bytes());
        QCOMPARE(hiddenEntries(g.packs), QStringList());
    }

    // The Packs window's commands: each change written as it stands on disk, one made by someone
    // else meanwhile asked about and never overwritten silently, and undone newest first.
    void packsWindowCommands_askBeforeAFileChangedMeanwhile_andUndo()
    {
        Game g;
        ScriptedDialogs dialogs;
        const QString file = g.packs + QStringLiteral("/default.txt");
        PacklistEditing editing(g.fs, dialogs, *GameFolder::of(g.carsOf(QStringLiteral("default"))));
        editing.read(QStringLiteral("default"));
        QVERIFY(editing.setEnabled(QStringLiteral("spare"), true));
        QVERIFY(editing.move(QStringLiteral("spare"), -1));
        QVERIFY(editing.content().packlist().enabledPacks().contains(QStringLiteral("spare")));

        // The launcher rewrites the list: asked, the answer No leaves its file alone.
        writeBytes(file, "default\nio\n");
        dialogs.queueAnswer(Dialogs::Answer::No);
        QVERIFY(!editing.setEnabled(QStringLiteral("rva"), false));
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(g.fs.readFile(file).value(), QByteArray("default\nio\n"));
        // Yes makes the change to the list as it is now.
        writeBytes(file, "default\nio\nghost\n");
        dialogs.queueAnswer(Dialogs::Answer::Yes);
        QVERIFY(editing.setEnabled(QStringLiteral("rva"), true));
        QCOMPARE(g.fs.readFile(file).value(), QByteArray("default\nio\nghost\nrva\n"));
        QVERIFY(editing.undo());
        QCOMPARE(g.fs.readFile(file).value(), QByteArray("default\nio\nghost\n"));
        // The older changes were made to a file that is gone: left alone, with a word.
        QVERIFY(!editing.undo());
        QCOMPARE(g.fs.readFile(file).value(), QByteArray("default\nio\nghost\n"));

        // A new packlist is a copy of the current one; renamed and deleted, the packs stay.
        QVERIFY(editing.createPacklist(QStringLiteral("online")));
        QCOMPARE(g.fs.readFile(g.packs + QStringLiteral("/online.txt")).value(),
                 QByteArray("default\nio\nghost\n"));
        QVERIFY(!editing.createPacklist(QStringLiteral("Online"))); // differs only in letter case
        QVERIFY(!editing.createPacklist(QStringLiteral("../x")));
        QVERIFY(editing.renamePacklist(QStringLiteral("event")));
        QCOMPARE(editing.packlists(), (QStringList{"default", "event"}));
        dialogs.queueAnswer(Dialogs::Answer::Yes);
        QVERIFY(editing.deletePacklist());
        QCOMPARE(editing.packlists(), QStringList{"default"});
        QVERIFY(QFileInfo::exists(g.packs + QStringLiteral("/io/cars/dart/parameters.txt")));
    }

    // A Parkwen killed while it writes the packlist leaves the old file or the new one, never a torn one.
    void killedWhileWritingThePacklist_leavesAWholeFile()
    {
        Game g;
        const QString file = g.packs + QStringLiteral("/default.txt");
        for (int round = 0; round < 5; ++round) {
            writeBytes(file, contentNumber(0));
            QProcess writer;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QString::fromLatin1(kWriterVariable), file);
            writer.setProcessEnvironment(environment);
            writer.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(writer.waitForReadyRead(30000));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished(30000));
            const QByteArray left = g.fs.readFile(file).value();
            QVERIFY2(left == contentNumber(0) || left == contentNumber(1),
                     qPrintable(QString::number(left.size())));
        }
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kWriterVariable))
        return writerMain(argc, argv);
    QCoreApplication app(argc, argv);
    PacksTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "packs_test.moc"
