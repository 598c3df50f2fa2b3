#include "carlibrary.h"

namespace parkwen {

void CarLibrary::Garter_Click() { moveCar(true); }
void CarLibrary::Carter_Click() { moveCar(false); }
void CarLibrary::moveCar(bool) {}
void CarLibrary::CopAll_Click() {}
void CarLibrary::DelAll_Click() {}
void CarLibrary::shiftStockFlagsDown(int) {}

} // namespace parkwen
