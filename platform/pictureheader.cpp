#include "platform/pictureheader.h"

#include <QIODevice>
#include <QtEndian>

#include <array>

namespace parkwen {

namespace {

// Larger sides are refused: no car texture comes near, and the sizes must stay sane to compute with.
constexpr int MaxSide = 65535;

bool sane(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide;
}

std::optional<PictureHeader> header(PictureFormat format, qint64 width, qint64 height)
{
    if (!sane(width, height))
        return std::nullopt;
    return PictureHeader{format, QSize(int(width), int(height))};
}

quint32 crc32(const uchar* data, qsizetype length)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xffffffffu;
    for (qsizetype i = 0; i < length; ++i)
        c = table[(c ^ data[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

std::optional<PictureHeader> bmpHeader(QIODevice& device)
{
    const QByteArray bytes = device.read(26);
    if (bytes.size() < 26)
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 infoSize = qFromLittleEndian<quint32>(p + 14);
    if (infoSize == 12) // the old OS/2 header: 16-bit sides
        return header(PictureFormat::Bmp, qFromLittleEndian<quint16>(p + 18),
                      qFromLittleEndian<quint16>(p + 20));
    if (infoSize < 40 || infoSize > 1024)
        return std::nullopt;
    const qint32 width = qFromLittleEndian<qint32>(p + 18);
    const qint32 height = qFromLittleEndian<qint32>(p + 22);
    // A negative height marks rows stored top-down.
    return header(PictureFormat::Bmp, width, height < 0 ? -qint64(height) : qint64(height));
}

std::optional<PictureHeader> pngHeader(QIODevice& device)
{
    // Signature, then the IHDR chunk: length 13, type, width, height, five bytes of layout, checksum.
    const QByteArray bytes = device.read(8 + 4 + 4 + 13 + 4);
    if (bytes.size() < 33)
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    if (qFromBigEndian<quint32>(p + 8) != 13 || bytes.mid(12, 4) != "IHDR")
        return std::nullopt;
    if (crc32(p + 12, 4 + 13) != qFromBigEndian<quint32>(p + 29))
        return std::nullopt;
    const quint8 depth = p[24];
    const quint8 colourType = p[25];
    const bool knownLayout =
        (colourType == 0 || colourType == 2 || colourType == 3 || colourType == 4 || colourType == 6) &&
        (depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16);
    if (!knownLayout)
        return std::nullopt;
    return header(PictureFormat::Png, qFromBigEndian<quint32>(p + 16), qFromBigEndian<quint32>(p + 20));
}

bool isStartOfFrame(uchar marker)
{
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
    return marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
}

std::optional<PictureHeader> jpegHeader(QIODevice& device)
{
    if (device.read(2) != QByteArray("\xff\xd8", 2))
        return std::nullopt;
    // Segments before the frame (EXIF blocks with their thumbnails, colour profiles) are skipped by
    // their lengths; a bound on their number keeps a hostile file from walking on for ever.
    for (int segment = 0; segment < 1000; ++segment) {
        char c = 0;
        if (!device.getChar(&c))
            return std::nullopt;
        if (uchar(c) != 0xff)
            return std::nullopt;
        uchar marker = 0xff;
        while (marker == 0xff) { // fill bytes may precede a marker
            if (!device.getChar(&c))
                return std::nullopt;
            marker = uchar(c);
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7))
            continue; // markers without a segment
        if (marker == 0xd9 || marker == 0xda || marker == 0x00)
            return std::nullopt; // end of picture or scan data before any frame
        const QByteArray lengthBytes = device.read(2);
        if (lengthBytes.size() < 2)
            return std::nullopt;
        const quint16 length =
            qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(lengthBytes.constData()));
        if (length < 2)
            return std::nullopt;
        if (isStartOfFrame(marker)) {
            const QByteArray frame = device.read(5);
            if (frame.size() < 5 || length < 7)
                return std::nullopt;
            const auto* p = reinterpret_cast<const uchar*>(frame.constData());
            // A height of 0 is given later in the scan; such a file is not judged here.
            return header(PictureFormat::Jpeg, qFromBigEndian<quint16>(p + 3),
                          qFromBigEndian<quint16>(p + 1));
        }
        const qint64 next = device.pos() + length - 2;
        if (device.isSequential()) {
            if (device.skip(length - 2) != length - 2)
                return std::nullopt;
        } else if (next > device.size() || !device.seek(next)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

PictureFormat sniffPictureFormat(const QByteArray& firstBytes)
{
    if (firstBytes.startsWith("BM"))
        return PictureFormat::Bmp;
    if (firstBytes.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)))
        return PictureFormat::Png;
    if (firstBytes.startsWith(QByteArray("\xff\xd8\xff", 3)))
        return PictureFormat::Jpeg;
    return PictureFormat::Unknown;
}

QByteArray qtFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bmp:
        return QByteArrayLiteral("bmp");
    case PictureFormat::Png:
        return QByteArrayLiteral("png");
    case PictureFormat::Jpeg:
        return QByteArrayLiteral("jpeg");
    case PictureFormat::Unknown:
        break;
    }
    return {};
}

std::optional<PictureHeader> readPictureHeader(QIODevice& device)
{
    const PictureFormat format = sniffPictureFormat(device.peek(8));
    switch (format) {
    case PictureFormat::Bmp:
        return bmpHeader(device);
    case PictureFormat::Png:
        return pngHeader(device);
    case PictureFormat::Jpeg:
        return jpegHeader(device);
    case PictureFormat::Unknown:
        break;
    }
    return std::nullopt;
}

} // namespace parkwen
