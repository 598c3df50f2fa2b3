#include "library/programs.h"

#include "library/carlibrary.h"

#include <QCoreApplication>

namespace parkwen {

QString programPath(const Platform& platform, const QString& name)
{
#ifdef Q_OS_WIN
    return joinPath(platform.programFolder, name + QStringLiteral(".exe"));
#else
    return joinPath(platform.programFolder, name);
#endif
}

void runSetup(CarLibrary& library)
{
    Platform& platform = library.platform();
    if (Error e = platform.processes.start(programPath(platform, QStringLiteral("rigwell")))) {
        platform.dialogs.plain(e.miscMessage());
        return;
    }
    library.rereadPaths();
}

void showHelp(Platform& platform)
{
    if (Error e = platform.processes.start(programPath(platform, QStringLiteral("hovlen"))))
        platform.dialogs.plain(
            QCoreApplication::translate("CarLibrary", "Parkwen could not start the help viewer:\n") +
            e.description());
}

void resetSelectedCarNumber(Platform& platform)
{
#ifdef Q_OS_WIN
    const QString file = joinPath(platform.programFolder, QStringLiteral("Parkwen.reg"));
    if (Error e = platform.processes.start(QStringLiteral("C:\\windows\\regedit.exe"), {file}))
        platform.dialogs.plain(
            QCoreApplication::translate("CarLibrary", "Parkwen could not start the registry editor:\n") +
            e.description());
#else
    platform.dialogs.inform(QCoreApplication::translate(
        "CarLibrary", "This system has no registry, so there is no \"Selected Car\" number "
                      "to reset. Nothing was changed."));
#endif
}

} // namespace parkwen
