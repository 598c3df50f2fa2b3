#pragma once

#include "platform/error.h"

#include <QString>
#include <QStringList>

namespace parkwen {

// Starts other programs.
class Processes
{
public:
    virtual ~Processes() = default;
    // Starts `program` and returns at once; nothing waits for it. Fails with 53 when `program` does
    // not exist or cannot be started.
    virtual Error start(const QString& program, const QStringList& arguments = {}) = 0;
    // Starts `program` and returns once it has ended. The caller's event loop keeps running meanwhile
    // (timers fire, windows repaint). Fails with 53 when `program` does not exist or cannot be
    // started; how the program ended is not a failure.
    virtual Error startAndWait(const QString& program, const QStringList& arguments = {}) = 0;
    // Starts `program` in `folder` (its working folder) and returns at once, as start() does. Fails
    // with 53 when `program` does not exist, is not a file or may not be run.
    virtual Error startIn(const QString& folder, const QString& program, const QStringList& arguments);
};

} // namespace parkwen
