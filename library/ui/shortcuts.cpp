#include "library/ui/shortcuts.h"

#include "library/carlibrary.h"

#include <Qt>

namespace parkwen {

bool runShortcut(CarLibrary& cars, int key)
{
    switch (key) {
    case Qt::Key_F1:
        cars.runSetup();
        return true;
    case Qt::Key_F2:
        cars.showHelp();
        return true;
    case Qt::Key_F3:
        cars.resetSelectedCarNumber();
        return true;
    case Qt::Key_F5:
        cars.rereadPaths();
        return true;
    case Qt::Key_Z:
        cars.bringChosenToCarFolder();
        return true;
    case Qt::Key_X:
        cars.sendChosenToGarage();
        return true;
    default:
        return false;
    }
}

bool WarningLight::tick(bool overLimit)
{
    const bool before = m_lit;
    if (overLimit) {
        m_lit = m_phase;
        m_phase = !m_phase;
    } else {
        m_lit = false;
    }
    return before != m_lit;
}

} // namespace parkwen
