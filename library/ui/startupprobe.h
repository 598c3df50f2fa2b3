#pragma once

class QWidget;

namespace parkwen {

class CarLibrary;

// For measuring start-up from outside: once both lists of `window` have been drawn, prints one line
// on standard output ("shown cars=N garage=N cam=C gam=G hwm_kb=K") and ends the program. Started
// when the environment variable PARKWEN_STARTUP_PROBE is set.
void reportWhenShown(QWidget* window, const CarLibrary& cars);

// The peak memory of this process so far, in kB (-1 where the system does not tell).
long long peakMemoryKb();

} // namespace parkwen
