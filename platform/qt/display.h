#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace parkwen {

// Whether a window can be opened at all. On X11 and Wayland desktops Qt needs a display named in the
// environment (or a platform plugin chosen by hand, such as offscreen); without one it would abort
// with a long message of its own. Asked before the application object is made.
inline bool hasDisplay(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    // Qt's own -platform and -display switches choose one too.
    for (int i = 1; i < argc; ++i) {
        const QByteArray word(argv[i]);
        if (word == "-platform" || word == "--platform" || word == "-display" || word == "--display")
            return true;
    }
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

} // namespace parkwen
