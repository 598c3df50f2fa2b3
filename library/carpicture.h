#pragma once

#include "platform/filesystem.h"

namespace parkwen {

// The picture file a car is shown by, a name inside its folder; empty when it has none. The first
// "*.jpg"; else, among the bitmaps ("*.bmp"), the car's box picture, the one the game shows when a
// player chooses a car: the bitmap named as its parameters' TCARBOX file, else "carbox.bmp"; else
// the first bitmap. Whether a folder is a car at all stays with "*.jpg" and "*.bmp".
QString carPictureFile(FileSystem& fs, const QString& folder);

} // namespace parkwen
