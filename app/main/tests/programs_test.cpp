#include "details/tests/prmfixtures.h"
#include "tests/support/testlibrary.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTest>

#include <memory>
#include <stdexcept>

using namespace parkwen;
using namespace parkwen::test;

// The programs as a user starts them, from the build's program folder.
class ProgramsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestLibrary> m_render;

    static void check(bool done)
    {
        if (!done)
            throw std::runtime_error("cannot set up the cars to draw");
    }

    // The program in a program folder of its own, over three real cars (one in the garage), a car
    // with a damaged wheel and one without its body.
    TestLibrary& renderLibrary()
    {
        if (m_render)
            return *m_render;
        m_render = std::make_unique<TestLibrary>();
        TestLibrary& lib = *m_render;
        const QString realCars = QStringLiteral(PARKWEN_REALCARS);
        check(QFile::copy(QStringLiteral(PARKWEN_BIN_DIR "/parkwen"), lib.programFolder + "/parkwen"));
        lib.writePaths();
        for (const char* car : {"gleam", "docta", "baddrc"}) {
            const QString target =
                makeFolder(QString::fromLatin1(car) == "baddrc" ? lib.garageFolder : lib.carFolder,
                           QString::fromLatin1(car));
            for (const QString& file : QDir(realCars + "/" + car).entryList(QDir::Files))
                check(QFile::copy(realCars + "/" + car + "/" + file, target + "/" + file));
        }
        QByteArray box = readBytes(writeBoxCar(lib.carFolder, "box") + "/parameters.txt");
        writeBytes(lib.carFolder + "/box/wheelr.prm", prmBox(QVector3D(), QVector3D(1, 1, 1), 0).left(50));
        box.replace("MODEL 2 \"NONE\"", "MODEL 2 \"cars\\box\\wheelr.prm\"");
        box.replace(box.indexOf("ModelNum 1", box.indexOf("WHEEL 1")), 10, "ModelNum 2");
        writeBytes(lib.carFolder + "/box/parameters.txt", box);
        QFile::remove(writeBoxCar(lib.carFolder, "nobody") + "/body.prm");
        return lib;
    }

private slots:
    // On a machine without a display (a server, ssh, a console) the window programs say so in one
    // line and end with 1, instead of Qt's abort and core dump.
    void withoutDisplay_oneLineAndExitOne_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("parkwen") << QStringLiteral("parkwen");
        QTest::newRow("rigwell") << QStringLiteral("rigwell");
    }
    void withoutDisplay_oneLineAndExitOne()
    {
        QFETCH(QString, program);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PARKWEN_BIN_DIR "/") + program, {});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
        const QByteArray err = process.readAllStandardError();
        QVERIFY2(err.startsWith(program.toLatin1() + ": no display to open a window on"), err.constData());
        QCOMPARE(err.count('\n'), 1);
        QVERIFY(err.endsWith('\n'));
    }

    // --render draws a car from its models with no display at all, on the offscreen platform the
    // tests use, or on neither; what it cannot draw it says, and only a car without a body fails.
    void render_picturesWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("side"); // of the picture written; 0: none
        QTest::addColumn<QString>("said");
        QTest::newRow("a real car, current skin") << QStringList{"gleam"} << 0 << 256 << QString();
        QTest::newRow("another skin, a size")
            << QStringList{"gleam", "--skin", "CARRED.BMP", "--size", "96"} << 0 << 96 << QString();
        QTest::newRow("a named model missing") << QStringList{"docta"} << 0 << 256 << "foglights.prm";
        QTest::newRow("in the garage, paths in another case")
            << QStringList{"baddrc"} << 0 << 256 << QString();
        QTest::newRow("a wheel damaged") << QStringList{"box"} << 0 << 256 << "wheel 2 (front right)";
        QTest::newRow("no body") << QStringList{"nobody"} << 1 << 0 << "body.prm";
        QTest::newRow("unknown car") << QStringList{"nosuchcar"} << 1 << 0 << "nosuchcar";
        QTest::newRow("unknown skin")
            << QStringList{"gleam", "--skin", "nosuch.bmp"} << 1 << 0 << "nosuch.bmp";
        QTest::newRow("a skin of another folder")
            << QStringList{"gleam", "--skin", "../docta/car.bmp"} << 1 << 0 << "docta";
        QTest::newRow("size out of range") << QStringList{"gleam", "--size", "0"} << 2 << 0 << "--size";
    }
    void render_picturesWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(int, side);
        QFETCH(QString, said);
        if (!QFileInfo::exists(QStringLiteral(PARKWEN_REALCARS "/gleam")))
            QSKIP("the real cars are not beside this tree");
        TestLibrary& lib = renderLibrary();
        for (const bool offscreen : {true, false}) {
            const QString picture = lib.root.path() + QStringLiteral("/car%1.png").arg(offscreen);
            QFile::remove(picture);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(QString::fromLatin1(name));
            if (offscreen)
                env.insert("QT_QPA_PLATFORM", "offscreen");
            QProcess process;
            process.setProcessEnvironment(env);
            process.start(lib.programFolder + "/parkwen",
                          QStringList{"--render", arguments.first(), picture} + arguments.mid(1));
            QVERIFY(process.waitForFinished(60000));
            const QString err = QString::fromLocal8Bit(process.readAllStandardError());
            QCOMPARE(process.exitCode(), exitCode);
            QVERIFY2(said.isEmpty() ? err.isEmpty() : err.contains(said), qPrintable(err));
            QCOMPARE(QFile::exists(picture), side > 0);
            if (side > 0) {
                const QImage image(picture);
                QCOMPARE(image.size(), QSize(side, side));
                // A car on the ground: the middle of the picture is no longer the ground's colour.
                QVERIFY(image.pixel(side / 2, side / 2) != image.pixel(2, 2));
            }
        }
    }
};

QTEST_GUILESS_MAIN(ProgramsTest)
#include "programs_test.moc"
