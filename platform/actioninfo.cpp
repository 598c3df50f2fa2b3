#include "platform/actioninfo.h"

#include <QCoreApplication>

namespace parkwen {

QString keysLineDoes(const QString& line)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    return (colon < 0 ? line : line.mid(colon + 1)).trimmed();
}

KeyHelp keyHelpOf(const ActionInfo& info, const char* keysContext)
{
    const QString line = info.keysLine ? QCoreApplication::translate(keysContext, info.keysLine) : QString();
    return {info.key.toString(QKeySequence::NativeText), keysLineDoes(line)};
}

} // namespace parkwen
