#pragma once

#include "error.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace parkwen {

// Loads pictures (".jpg", ".bmp") from disk.
class Pictures
{
public:
    virtual ~Pictures() = default;
    // Loads the picture scaled to exactly `size` (stretched), decoding at reduced size where the
    // format allows. An invalid `size` loads at full size. Fails with 76 when `path` is not a file
    // (a folder, or missing) and 481 when the file does not decode.
    virtual Result<QImage> load(const QString& path, QSize size = QSize()) = 0;
};

} // namespace parkwen
