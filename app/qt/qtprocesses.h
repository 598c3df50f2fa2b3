#pragma once

#include "platform/processes.h"

namespace parkwen {

// Starts programs detached: the caller never waits for them.
class QtProcesses : public Processes
{
public:
    Error start(const QString& program, const QStringList& arguments) override;
};

} // namespace parkwen
