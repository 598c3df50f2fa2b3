#include "library/ui/warninglight.h"

namespace parkwen {

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
