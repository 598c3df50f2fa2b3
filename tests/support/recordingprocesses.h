#pragma once

#include "platform/processes.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QList>
#include <QTimer>

#include <functional>

namespace parkwen::test {

// Records the programs the code would start instead of starting them. A program that does not
// exist fails as it would for real.
//
// Like a real program, a recorded one runs later, from the event loop: `onStart` (the part the
// started program plays, e.g. writing a file) is called `runMilliseconds` after the start, never
// inside it. startAndWait() returns only after `onStart` has run, with the event loop going meanwhile.
class RecordingProcesses : public Processes
{
public:
    struct Started
    {
        QString program;
        QStringList arguments;
        bool waited = false;
        QString folder; // where startIn() started it
    };
    std::function<void(const Started&)> onStart;
    int runMilliseconds = 0;

    Error start(const QString& program, const QStringList& arguments) override
    {
        if (!QFileInfo(program).isFile())
            return {err::FileNotFound, QStringLiteral("File not found: ") + program};
        m_started.append({program, arguments, false, QString()});
        const Started started = m_started.last();
        QTimer::singleShot(runMilliseconds, &m_context, [this, started] {
            if (onStart)
                onStart(started);
        });
        return {};
    }

    Error startIn(const QString& folder, const QString& program, const QStringList& arguments) override
    {
        if (Error e = start(program, arguments))
            return e;
        m_started.last().folder = folder;
        return {};
    }

    Error startAndWait(const QString& program, const QStringList& arguments) override
    {
        if (!QFileInfo(program).isFile())
            return {err::FileNotFound, QStringLiteral("File not found: ") + program};
        m_started.append({program, arguments, true, QString()});
        const Started started = m_started.last();
        QEventLoop loop;
        bool ended = false;
        QTimer::singleShot(runMilliseconds, &loop, [&] {
            if (onStart)
                onStart(started);
            ended = true;
            loop.quit();
        });
        while (!ended)
            loop.exec();
        return {};
    }

    const QList<Started>& started() const { return m_started; }

private:
    QList<Started> m_started;
    QObject m_context; // ends the pending runs with the recorder
};

} // namespace parkwen::test
