#include "qtprocesses.h"

#include <QFileInfo>
#include <QProcess>

namespace parkwen {

Error QtProcesses::start(const QString& program, const QStringList& arguments)
{
    const QFileInfo info(program);
    if (!info.isFile())
        return {err::FileNotFound, QStringLiteral("File not found: ") + program};
    if (!QProcess::startDetached(program, arguments))
        return {err::FileNotFound, QStringLiteral("Could not start ") + program};
    return {};
}

} // namespace parkwen
