#pragma once

#include "platform/error.h"
#include "platform/pictureheader.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace parkwen {

// `size` shrunk to fit inside `box` keeping its proportions; unchanged when it fits already.
QSize fitInto(QSize size, QSize box);

// Loads pictures (".jpg", ".bmp") from disk.
class Pictures
{
public:
    // No car picture comes near this; a larger file is refused unread.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
    // Previews may read larger files, up to the game's largest texture (8192 pixels a side) stored
    // uncompressed with alpha: they are decoded at reduced size and never held whole.
    static constexpr qint64 MaxTextureBytes = 8192LL * 8192 * 4 + 1024 * 1024;

    virtual ~Pictures() = default;
    // Loads the picture scaled to exactly `size` (stretched), decoding at reduced size where the
    // format allows. An invalid `size` loads at full size. Fails with 76 when `path` is not an
    // ordinary file (a folder, a FIFO, a device, or missing) and 481 when the file is larger than
    // MaxFileBytes or does not decode.
    virtual Result<QImage> load(const QString& path, QSize size = QSize()) = 0;
    // The same with the file's content read already (`bytes`, all of it): fails with 481 when it
    // does not decode. The default loads `path` again.
    virtual Result<QImage> loadBytes(const QString& path, const QByteArray& bytes, QSize size);
    // The format and size of the picture in the file, read from its header alone (no pixels are
    // decoded); nothing when the file is missing or holds no BMP, PNG or JPEG header.
    virtual std::optional<PictureHeader> probe(const QString& path);
    // A preview: the picture shrunk to fit inside `box` keeping its proportions (a smaller one keeps
    // its size), decoded at reduced size where the format allows. Fails as load() does, with
    // MaxTextureBytes as the limit.
    virtual Result<QImage> loadToFit(const QString& path, QSize box);
};

} // namespace parkwen
