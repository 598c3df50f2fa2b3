#include <QProcess>
#include <QTest>

// The programs as a user starts them, from the build's program folder.
class ProgramsTest : public QObject
{
    Q_OBJECT
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
};

QTEST_GUILESS_MAIN(ProgramsTest)
#include "programs_test.moc"
