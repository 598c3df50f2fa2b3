#include "qtpictures.h"

#include <QFileInfo>
#include <QImageReader>

namespace parkwen {

Result<QImage> QtPictures::load(const QString& path, QSize size)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return Error::of(err::PathNotFound);
    QImageReader reader(path);
    reader.setAutoTransform(false);
    if (size.isValid()) {
        const QSize full = reader.size();
        if (full.isValid() && (full.width() > size.width() || full.height() > size.height()))
            reader.setScaledSize(size);
    }
    QImage image = reader.read();
    if (image.isNull())
        return Error::of(err::InvalidPicture);
    if (size.isValid() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace parkwen
