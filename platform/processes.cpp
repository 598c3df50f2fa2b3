#include "platform/processes.h"

namespace parkwen {

Error Processes::startIn(const QString&, const QString& program, const QStringList&)
{
    return {err::FileNotFound, program};
}

} // namespace parkwen
