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
};

} // namespace parkwen
