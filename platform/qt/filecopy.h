#pragma once

#include "platform/error.h"

namespace parkwen {

// Copies everything the file `in` holds, from its start, into the empty file `out`: by
// copy_file_range where the kernel can, by reads and writes from where it stopped otherwise. 61
// when `out` does not end up as long as what was read.
Error copyFileBytes(int in, int out);

} // namespace parkwen
