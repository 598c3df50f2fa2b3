#include "platform/qt/qtprocesses.h"
#include "tests/support/carfolders.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// A program that runs until a file appears in `folder` (giving up after a long while), then
// writes "ended" there and ends.
QString writeWaitingProgram(const QString& folder)
{
    const QString path = folder + QStringLiteral("/program");
    writeBytes(path, "#!/bin/sh\n"
                     "i=0\n"
                     "while [ ! -e \"$1/go\" ]; do\n"
                     "  i=$((i+1)); [ $i -gt 1200 ] && exit 1\n"
                     "  sleep 0.05\n"
                     "done\n"
                     "echo done > \"$1/ended\"\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

} // namespace

class ProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void startAndWait_returnsOnceTheProgramHasEnded_whileEventsKeepComing()
    {
        QTemporaryDir dir;
        const QString program = writeWaitingProgram(dir.path());
        // Only our own event loop can let the program end: a wait that blocks it never returns
        // before the program gives up, and then "ended" is missing.
        QTimer::singleShot(0, [&] { writeBytes(dir.path() + QStringLiteral("/go"), "go"); });
        QtProcesses processes;
        QCOMPARE(processes.startAndWait(program, {dir.path()}), Error());
        QCOMPARE(readBytes(dir.path() + QStringLiteral("/ended")), QByteArray("done\n"));
    }

    void startAndWait_programThatCannotStart_fails()
    {
        QTemporaryDir dir;
        QtProcesses processes;
        const QString missing = dir.path() + QStringLiteral("/rigwell");
        QCOMPARE(processes.startAndWait(missing, {}),
                 Error(err::FileNotFound, QStringLiteral("File not found: ") + missing));
        // There, but not a program: no execute permission (which binds root too).
        writeBytes(missing, "not a program");
        QFile::setPermissions(missing, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const Error e = processes.startAndWait(missing, {});
        QCOMPARE(e, Error(err::FileNotFound, QStringLiteral("Could not start ") + missing));
    }
};

QTEST_GUILESS_MAIN(ProcessesTest)
#include "processes_test.moc"
