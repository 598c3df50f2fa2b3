#pragma once

#include "platform/processes.h"

namespace parkwen {

// Starts programs detached, or as a child that is waited for without blocking the event loop.
class QtProcesses : public Processes
{
public:
    Error start(const QString& program, const QStringList& arguments) override;
    Error startAndWait(const QString& program, const QStringList& arguments) override;
    Error startIn(const QString& folder, const QString& program, const QStringList& arguments) override;
};

} // namespace parkwen
