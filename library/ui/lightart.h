#pragma once

#include <QImage>

namespace parkwen {

// The two pictures of the warning light, 50 x 50 pixels each: a round glass warning lamp in a
// metal bezel, dark when resting and glowing red-orange when lit.
QImage restingLightPicture();
QImage litLightPicture();

} // namespace parkwen
