#include "details/paramfiles.h"
#include "details/skins.h"
#include "library/carhealth.h"
#include "library/carlibrary.h"
#include "platform/qt/localfilesystem.h"
#include "tests/support/testlibrary.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

// Writes inside a car go through the library's one door. A second Parkwen that writes into the car
// while the first is halfway through its write waits for it, so neither write is torn: tested with
// two processes, as the moves are. The first stops halfway until the second is seen waiting.

namespace {

constexpr char kChildVariable[] = "PARKWEN_DOOR_CHILD"; // "work|car folder|garage folder|car|marks"

bool appears(const QString& path)
{
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(path)) {
        if (waited.elapsed() > 60000)
            return false;
        QThread::msleep(10);
    }
    return true;
}

// The disk of the child, which looks at the car before each write of a file.
class PausingFileSystem : public LocalFileSystem
{
public:
    std::function<void()> beforeWrite = [] {};
    Error writeFileAtomic(const QString& p, const QByteArray& b) override
    {
        beforeWrite();
        return LocalFileSystem::writeFileAtomic(p, b);
    }
    Error replaceFileAtomic(const QString& s, const QString& t) override
    {
        beforeWrite();
        return LocalFileSystem::replaceFileAtomic(s, t);
    }
};

// Dialogs that leave a mark once they are asked to wait for another Parkwen.
class MarkingDialogs : public ScriptedDialogs
{
public:
    explicit MarkingDialogs(QString mark) : m_mark(std::move(mark)) {}
    bool waitUntil(const QString& text, const std::function<bool()>& ready) override
    {
        waited = text;
        writeBytes(m_mark, "waiting");
        return pollUntil(ready);
    }
    QString waited;

private:
    QString m_mark;
};

QByteArray skinBytes(char paint)
{
    return QByteArray(196662, paint); // the size of a 1999 skin
}

QByteArray parameters(const QByteArray& pathLines)
{
    return "Name \t\"Zippy\"\n" + pathLines + "BODY {\n}\nWHEEL {\nIsPowered true\n}\n";
}

// The child: a skin Set of "blue", or "Fix paths", through the door. Halfway through it leaves the
// mark "holding" and goes on only once the parent has left the mark "waiting".
int childMain(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QString::fromLocal8Bit(qgetenv(kChildVariable)).split(QLatin1Char('|'));
    const QString work = args.value(0), car = args.value(3), marks = args.value(4);
    PausingFileSystem fs;
    QtPictures pictures;
    ScriptedDialogs dialogs;
    RecordingProcesses processes;
    CarLibrary cars(Platform{fs, pictures, dialogs, processes, QString()});
    cars.folder(FolderRole::Cars).setPath(args.value(1));
    cars.folder(FolderRole::Garage).setPath(args.value(2));
    const QByteArray before = readBytes(car + QStringLiteral("/parameters.txt"));
    const auto halfway = [&] {
        return work == QLatin1String("skin")
                   ? readBytes(car + QStringLiteral("/car.bmp")) == skinBytes('b')
                   : !entries(car).filter(QStringLiteral("before Fix")).isEmpty() &&
                         readBytes(car + QStringLiteral("/parameters.txt")) == before;
    };
    fs.beforeWrite = [&] {
        if (QFileInfo::exists(marks + QStringLiteral("/holding")) || !halfway())
            return;
        writeBytes(marks + QStringLiteral("/holding"), "holding");
        appears(marks + QStringLiteral("/waiting"));
    };
    if (work == QLatin1String("skin")) {
        Skins skins(fs, pictures, dialogs, car);
        skins.setDoor(&cars.door());
        skins.list(QStringLiteral("car.bmp"));
        skins.showOther(int(skins.others().indexOf(QStringLiteral("blue.bmp"))));
        return skins.setChosenAsCurrent(QStringLiteral("car.bmp")) ? 0 : 1;
    }
    const QList<CarRecord> surveyed = surveyLibrary(fs, pictures, args.value(1), args.value(2));
    const CarDoor::Pass pass = cars.door().enter();
    return pass && surveyed.size() == 1 && fixPaths(fs, surveyed.first()).ok() ? 0 : 1;
}

} // namespace

class CarDoorTest : public QObject
{
    Q_OBJECT
private slots:
    void secondParkwen_waitsForAWriteInsideACar_andNeitherIsTorn_data()
    {
        QTest::addColumn<QString>("work");
        QTest::newRow("skin Set, then another skin Set") << "skin";
        QTest::newRow("Fix paths, then parameters Set") << "fix";
    }
    void secondParkwen_waitsForAWriteInsideACar_andNeitherIsTorn()
    {
        QFETCH(QString, work);
        TestLibrary lib;
        const QString marks = makeFolder(lib.root.path(), QStringLiteral("marks"));
        const QString car = makeFolder(lib.carFolder, QStringLiteral("Zippy"));
        writePicture(car + QStringLiteral("/CAR.jpg"));
        writeBytes(car + QStringLiteral("/Body.prm"), "model");
        const QByteArray broken = parameters("MODEL 0 \"cars/zip/Body.prm\"\n");
        writeBytes(car + QStringLiteral("/parameters.txt"), broken);
        writeBytes(car + QStringLiteral("/other.txt"), parameters("MODEL 0 \"cars/Zippy/other.prm\"\n"));
        for (const auto& [name, paint] : {std::pair{"car", 'a'}, {"blue", 'b'}, {"red", 'c'}}) {
            writeBytes(car + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".bmp"),
                       skinBytes(paint));
            writeBytes(car + QLatin1Char('/') + QLatin1String(name) +
                           (paint == 'a' ? QStringLiteral(".bmq") : QStringLiteral(".bmQ")),
                       QByteArray(1000, paint));
        }

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable),
                   QStringList{work, lib.carFolder, lib.garageFolder, car, marks}.join(QLatin1Char('|')));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QVERIFY(appears(marks + QStringLiteral("/holding")));

        // The second Parkwen: the other command on the same car, through its own door.
        MarkingDialogs dialogs(marks + QStringLiteral("/waiting"));
        CarLibrary second(Platform{lib.fs, lib.pictures, dialogs, lib.processes, lib.programFolder});
        second.folder(FolderRole::Cars).setPath(lib.carFolder);
        second.folder(FolderRole::Garage).setPath(lib.garageFolder);
        if (work == QLatin1String("skin")) {
            Skins skins(lib.fs, lib.pictures, dialogs, car);
            skins.setDoor(&second.door());
            skins.list(QStringLiteral("car.bmp"));
            skins.showOther(int(skins.others().indexOf(QStringLiteral("red.bmp"))));
            QVERIFY(skins.setChosenAsCurrent(QStringLiteral("car.bmp")));
        } else {
            ParamFiles params(lib.fs, dialogs, car);
            params.setDoor(&second.door());
            params.fill();
            int row = -1;
            for (int k = 0; k < params.count(); ++k)
                if (params.entries()[k].fileName == QLatin1String("other.txt"))
                    row = k;
            QVERIFY(row > 0);
            params.setAsCurrent(row);
        }
        QCOMPARE(dialogs.waited, MoveEngine::busyText());
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);

        if (work == QLatin1String("skin")) {
            // The second Set came whole after the first: the red skin with its own companion.
            QCOMPARE(readBytes(car + QStringLiteral("/car.bmp")), skinBytes('c'));
            QCOMPARE(readBytes(car + QStringLiteral("/car.bmq")), QByteArray(1000, 'c'));
        } else {
            // The fix kept its backup of the broken file, and the parameters set afterwards stand.
            QCOMPARE(readBytes(car + QStringLiteral("/parameters.txt")),
                     readBytes(car + QStringLiteral("/other.txt")));
            const QStringList backups = entries(car).filter(QStringLiteral("before Fix"));
            QCOMPARE(backups.size(), 1);
            QCOMPARE(readBytes(car + QLatin1Char('/') + backups.first()), broken);
        }
    }
};

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty(kChildVariable))
        return childMain(argc, argv);
    QGuiApplication app(argc, argv);
    CarDoorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "cardoor_test.moc"
