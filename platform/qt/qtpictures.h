#pragma once

#include "platform/pictures.h"

class QIODevice;

namespace parkwen {

// Qt's image readers. A picture asked for at a size (a thumbnail) is decoded at reduced size: JPEGs
// at a reduced DCT scale, plain 24-bit BMPs averaged straight from the file bytes; it comes back
// in a 16-bit format (32-bit premultiplied when it has alpha) to keep thousands of them small.
// Safe to call from several threads at once.
class QtPictures : public Pictures
{
public:
    Result<QImage> load(const QString& path, QSize size = QSize()) override;
    Result<QImage> loadBytes(const QString& path, const QByteArray& bytes, QSize size) override;
    std::optional<PictureHeader> probe(const QString& path) override;
    // Previews keep their full colours (32 bits a pixel); they are few and shown large.
    Result<QImage> loadToFit(const QString& path, QSize box) override;

private:
    Result<QImage> decode(const QString& path, QSize size, bool compactResult, qint64 maxBytes);
    Result<QImage> decodeDevice(QIODevice& file, QSize size, bool compactResult);
};

} // namespace parkwen
