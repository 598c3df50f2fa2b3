#pragma once

#include "platform/processes.h"

#include <QFileInfo>
#include <QList>

namespace parkwen::test {

// Records the programs the code would start instead of starting them. A program that does not
// exist fails as it would for real.
class RecordingProcesses : public Processes
{
public:
    struct Started
    {
        QString program;
        QStringList arguments;
    };
    // Called after each successful start, e.g. to play the part of the started program.
    std::function<void(const Started&)> onStart;

    Error start(const QString& program, const QStringList& arguments) override
    {
        if (!QFileInfo(program).isFile())
            return {err::FileNotFound, QStringLiteral("File not found: ") + program};
        m_started.append({program, arguments});
        if (onStart)
            onStart(m_started.last());
        return {};
    }
    const QList<Started>& started() const { return m_started; }

private:
    QList<Started> m_started;
};

} // namespace parkwen::test
