#pragma once

#include "error.h"

#include <QString>
#include <QStringList>

namespace parkwen {

// Starts other programs without waiting for them.
class Processes
{
public:
    virtual ~Processes() = default;
    // Fails with 53 when `program` does not exist or cannot be started.
    virtual Error start(const QString& program, const QStringList& arguments = {}) = 0;
};

} // namespace parkwen
