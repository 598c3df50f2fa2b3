#pragma once

#include "platform/filesystem.h"

namespace parkwen {

// The picture file a car is shown by, a name inside its folder; empty when it has none. The first
// "*.jpg"; else, among the bitmaps ("*.bmp"), the car's box picture, the one the game shows when a
// player chooses a car: the bitmap named as its parameters' TCARBOX file, else "carbox.bmp"; else
// the first bitmap. Whether a folder is a car at all stays with "*.jpg" and "*.bmp".
QString carPictureFile(FileSystem& fs, const QString& folder);

// Whether `file` (a name inside `folder`) is the picture the car is shown by for want of a better one:
// no "*.jpg" and no box picture, so the lists would show a texture sheet, a shadow or the like.
bool isStandInPicture(FileSystem& fs, const QString& folder, const QString& file);

} // namespace parkwen
