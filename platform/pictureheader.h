#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>

class QIODevice;

namespace parkwen {

// What a picture file holds, judged by its first bytes and never by its name: the game reads
// textures by content, and most ".bmp" files of today's cars hold PNG or JPEG data.
enum class PictureFormat { Unknown, Bmp, Png, Jpeg };

PictureFormat sniffPictureFormat(const QByteArray& firstBytes);
// The name Qt's image readers know the format by ("bmp", "png", "jpeg"); empty for Unknown.
QByteArray qtFormatName(PictureFormat format);

struct PictureHeader
{
    PictureFormat format = PictureFormat::Unknown;
    QSize size;
};

// Reads the format and the size of the picture in `device` from its header alone, without decoding
// any pixels: a BMP's information header, a PNG's IHDR chunk (its checksum verified), a JPEG's
// start-of-frame segment (the segments before it are skipped, not read). Nothing when the device
// holds no such header, or one whose size makes no sense. Reads from the device's current position.
std::optional<PictureHeader> readPictureHeader(QIODevice& device);

} // namespace parkwen
