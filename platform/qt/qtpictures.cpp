#include "platform/qt/qtpictures.h"

#include "platform/qt/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <climits>
#include <limits>
#include <optional>
#include <vector>

namespace parkwen {

namespace {

quint32 le32(const uchar* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const uchar* p)
{
    return quint16(p[0] | p[1] << 8);
}

// An uncompressed 24-bit BMP with the common 40-byte header and all its pixel rows present: the
// skins and pictures of nearly every car. Anything else is left to Qt's reader.
struct PlainBmp
{
    const uchar* pixels; // first stored row
    int width;
    int height;
    bool bottomUp;
    qsizetype stride;

    const uchar* row(int y) const { return pixels + (bottomUp ? height - 1 - y : y) * stride; }
};

std::optional<PlainBmp> plainBmp(const uchar* p, qint64 size)
{
    constexpr qint64 headers = 14 + 40;
    if (!p || size < headers || p[0] != 'B' || p[1] != 'M')
        return std::nullopt;
    const quint32 offset = le32(p + 10);
    const quint32 headerSize = le32(p + 14);
    const qint32 width = qint32(le32(p + 18));
    const qint32 height = qint32(le32(p + 22));
    if (headerSize != 40 || le16(p + 26) != 1 || le16(p + 28) != 24 || le32(p + 30) != 0)
        return std::nullopt;
    // Up to the largest textures the game knows; the file is shrunk straight from its bytes.
    if (width <= 0 || width > 8192 || height == 0 || height == INT_MIN || qAbs(height) > 8192)
        return std::nullopt;
    const int rows = qAbs(height);
    const qsizetype stride = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    if (offset < quint32(headers) || qint64(offset) + stride * rows > size)
        return std::nullopt;
    return PlainBmp{p + offset, width, rows, height > 0, stride};
}

// Averages the source pixels under each target pixel (a box filter), which for a thumbnail is as
// good as Qt's smooth scaling and needs no full-size image. Only for shrinking.
QImage shrinkBmp(const PlainBmp& bmp, QSize size)
{
    const int tw = size.width();
    const int th = size.height();
    QImage out(size, QImage::Format_RGB32);
    std::vector<int> columnStart(size_t(tw) + 1);
    for (int x = 0; x <= tw; ++x)
        columnStart[size_t(x)] = int(qint64(x) * bmp.width / tw);
    // The rows under one target row are first added up channel by channel (a loop the compiler
    // vectorises), then each target pixel sums its columns of that band.
    const size_t rowValues = size_t(bmp.width) * 3;
    std::vector<quint32> band(rowValues);
    for (int ty = 0; ty < th; ++ty) {
        const int y0 = int(qint64(ty) * bmp.height / th);
        const int y1 = int(qint64(ty + 1) * bmp.height / th);
        std::fill(band.begin(), band.end(), 0);
        for (int y = y0; y < y1; ++y) {
            const uchar* src = bmp.row(y);
            for (size_t i = 0; i < rowValues; ++i)
                band[i] += src[i];
        }
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(ty));
        for (int tx = 0; tx < tw; ++tx) {
            const int x0 = columnStart[size_t(tx)];
            const int x1 = columnStart[size_t(tx) + 1];
            quint32 b = 0, g = 0, r = 0;
            for (int x = x0; x < x1; ++x) {
                b += band[3 * size_t(x)];
                g += band[3 * size_t(x) + 1];
                r += band[3 * size_t(x) + 2];
            }
            const quint32 count = quint32(y1 - y0) * quint32(x1 - x0);
            const quint32 half = count / 2;
            line[tx] = qRgb(int((r + half) / count), int((g + half) / count), int((b + half) / count));
        }
    }
    return out;
}

// Thumbnails are kept for every car of both lists, so they are stored at 16 bits a pixel: half
// the memory of the decoder's 32-bit images, and no visible difference at 64x64.
QImage compact(QImage image)
{
    if (image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image.convertToFormat(QImage::Format_RGB16);
}

// A thumbnail straight from the bytes of a plain BMP at least as large as `size`; nothing for any
// other picture.
std::optional<QImage> shrinkPlainBmp(const uchar* bytes, qint64 length, QSize size)
{
    const auto bmp = plainBmp(bytes, length);
    if (!bmp || bmp->width < size.width() || bmp->height < size.height())
        return std::nullopt;
    return shrinkBmp(*bmp, size);
}

} // namespace

Result<QImage> QtPictures::load(const QString& path, QSize size)
{
    return decode(path, size, true, MaxFileBytes);
}

std::optional<PictureHeader> QtPictures::probe(const QString& path)
{
    // Only the header is read, so any size will do.
    Result<RegularFile> opened = RegularFile::open(path, std::numeric_limits<qint64>::max());
    if (!opened.ok())
        return std::nullopt;
    QFile file;
    if (!file.open(opened.value().handle(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return std::nullopt;
    opened.value().release();
    return readPictureHeader(file);
}

Result<QImage> QtPictures::loadToFit(const QString& path, QSize box)
{
    const std::optional<PictureHeader> header = probe(path);
    if (!header)
        return Pictures::loadToFit(path, box);
    return decode(path, fitInto(header->size, box), false, MaxTextureBytes);
}

Result<QImage> QtPictures::decode(const QString& path, QSize size, bool compactResult, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return Error::of(err::PathNotFound);
    if (info.size() > maxBytes)
        return Error(err::InvalidPicture, describeError(err::InvalidPicture) + QStringLiteral(": ") +
                                              tooLargeText(path, maxBytes));
    Result<RegularFile> opened = RegularFile::open(path, maxBytes);
    if (!opened.ok())
        return Error::of(opened.error().fault() == err::PathFileAccess ? err::PathNotFound
                                                                       : err::InvalidPicture);
    QFile file;
    if (!file.open(opened.value().handle(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Error::of(err::InvalidPicture);
    opened.value().release();
    if (size.isValid() && sniffPictureFormat(file.peek(8)) == PictureFormat::Bmp) {
        // Mapped rather than read: a large bitmap is then never copied into memory as a whole.
        const qint64 length = file.size();
        if (const uchar* bytes = file.map(0, length)) {
            if (std::optional<QImage> shrunk = shrinkPlainBmp(bytes, length, size))
                return compactResult ? compact(std::move(*shrunk)) : *shrunk;
        } else {
            const QByteArray read = file.readAll();
            if (std::optional<QImage> shrunk =
                    shrinkPlainBmp(reinterpret_cast<const uchar*>(read.constData()), read.size(), size))
                return compactResult ? compact(std::move(*shrunk)) : *shrunk;
        }
        file.seek(0);
    }
    return decodeDevice(file, size, compactResult);
}

Result<QImage> QtPictures::loadBytes(const QString&, const QByteArray& bytes, QSize size)
{
    if (size.isValid() && sniffPictureFormat(bytes.left(8)) == PictureFormat::Bmp) {
        if (std::optional<QImage> shrunk =
                shrinkPlainBmp(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), size))
            return compact(std::move(*shrunk));
    }
    QByteArray data = bytes; // shared, not copied: the buffer only reads
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return Error::of(err::InvalidPicture);
    return decodeDevice(buffer, size, true);
}

Result<QImage> QtPictures::decodeDevice(QIODevice& file, QSize size, bool compactResult)
{
    const PictureFormat format = sniffPictureFormat(file.peek(8));
    // The format comes from the first bytes, never from the suffix: today's cars keep the ".bmp"
    // name on PNG and JPEG data.
    QImageReader reader(&file, qtFormatName(format));
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    if (size.isValid()) {
        const QSize full = reader.size();
        // The JPEG reader then decodes at the smallest eighth-step scale that still covers `size`
        // (640x480 at 1/4; 1/8 would be 80x60), which skips most of the decoding work; the PNG reader
        // shrinks row by row and never holds the full picture.
        if (full.isValid() && (full.width() > size.width() || full.height() > size.height()))
            reader.setScaledSize(size);
    }
    QImage image = reader.read();
    if (image.isNull())
        return Error::of(err::InvalidPicture);
    if (!size.isValid())
        return image;
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return compactResult ? compact(std::move(image)) : image;
}

} // namespace parkwen
