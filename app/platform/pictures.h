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
    // No car picture comes near this; a larger file is refused unread.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    virtual ~Pictures() = default;
    // Loads the picture scaled to exactly `size` (stretched), decoding at reduced size where the
    // format allows. An invalid `size` loads at full size. Fails with 76 when `path` is not an
    // ordinary file (a folder, a FIFO, a device, or missing) and 481 when the file is larger than
    // MaxFileBytes or does not decode.
    virtual Result<QImage> load(const QString& path, QSize size = QSize()) = 0;
};

} // namespace parkwen
