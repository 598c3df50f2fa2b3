#pragma once

namespace parkwen {

class CarLibrary;

// The main window's shortcut keys: F1 "Settings", F2 "Help", F3 "Reset Reg.", F5 "Refresh", Z "<<"
// and X ">>" (on the chosen car). Returns true when `key` (a Qt::Key) was one of them.
bool runShortcut(CarLibrary& cars, int key);

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
