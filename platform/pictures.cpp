#include "platform/pictures.h"

#include <QFile>
#include <QFileInfo>

namespace parkwen {

std::optional<PictureHeader> Pictures::probe(const QString& path)
{
    // Ordinary files only: opening a FIFO would wait for a writer.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readPictureHeader(file);
}

Result<QImage> Pictures::loadBytes(const QString& path, const QByteArray&, QSize size)
{
    return load(path, size);
}

QSize fitInto(QSize size, QSize box)
{
    if (!size.isValid() || size.isEmpty() || !box.isValid() || box.isEmpty())
        return size;
    if (size.width() <= box.width() && size.height() <= box.height())
        return size;
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

Result<QImage> Pictures::loadToFit(const QString& path, QSize box)
{
    const std::optional<PictureHeader> header = probe(path);
    if (header)
        return load(path, fitInto(header->size, box));
    Result<QImage> full = load(path);
    if (!full.ok())
        return full;
    const QImage& image = full.value();
    const QSize fitted = fitInto(image.size(), box);
    if (fitted == image.size())
        return full;
    return image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace parkwen
