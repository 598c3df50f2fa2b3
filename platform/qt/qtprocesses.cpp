#include "platform/qt/qtprocesses.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

namespace parkwen {

namespace {

Error checkProgram(const QString& program)
{
    if (!QFileInfo(program).isFile())
        return {err::FileNotFound, QCoreApplication::translate("Processes", "File not found: ") + program};
    return {};
}

Error notStarted(const QString& program)
{
    return {err::FileNotFound, QCoreApplication::translate("Processes", "Could not start ") + program};
}

} // namespace

Error QtProcesses::start(const QString& program, const QStringList& arguments)
{
    if (Error e = checkProgram(program))
        return e;
    if (!QProcess::startDetached(program, arguments))
        return notStarted(program);
    return {};
}

Error QtProcesses::startIn(const QString& folder, const QString& program, const QStringList& arguments)
{
    if (Error e = checkProgram(program))
        return e;
    if (!QFileInfo(program).isExecutable())
        return {err::FileNotFound,
                QCoreApplication::translate("Processes", "%1 may not be run (it is not executable).")
                    .arg(program)};
    if (!QProcess::startDetached(program, arguments, folder))
        return notStarted(program);
    return {};
}

Error QtProcesses::startAndWait(const QString& program, const QStringList& arguments)
{
    if (Error e = checkProgram(program))
        return e;
    QProcess process;
    // The program talks to the terminal we were started from, not to a pipe nobody reads.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    bool failedToStart = false;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failedToStart = true;
        if (process.state() == QProcess::NotRunning)
            loop.quit();
    });
    process.start(program, arguments);
    // A nested loop rather than waitForFinished(): our windows keep painting while the program runs.
    while (!failedToStart && process.state() != QProcess::NotRunning) {
        // An application-wide quit ends every loop at once; then wait without one.
        if (loop.exec() < 0) {
            process.waitForFinished(-1);
            break;
        }
    }
    if (failedToStart)
        return notStarted(program);
    return {};
}

} // namespace parkwen
