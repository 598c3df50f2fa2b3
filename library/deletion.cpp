#include "carlibrary.h"

namespace parkwen {

void CarLibrary::Del_Click() {}

} // namespace parkwen
