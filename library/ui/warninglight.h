#pragma once

namespace parkwen {

// The warning light's flashing. While the car count has reached the Max Car Amount, the light
// goes out on one tick of its timer and lights on the next; otherwise it rests.
class WarningLight
{
public:
    // One tick of the timer; true when the light changed.
    bool tick(bool overLimit);
    bool isLit() const { return m_lit; }

private:
    bool m_phase = false;
    bool m_lit = false;
};

} // namespace parkwen
