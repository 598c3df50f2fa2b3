#include "library/modelpictures.h"

#include "details/carrenderer.h"
#include "library/carpicture.h"

namespace parkwen {

namespace {

// Drawn larger and shrunk, so that the edges come out smooth at thumbnail size.
constexpr int kOversample = 2;

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QString() : path.left(slash);
}

// Only bitmaps other than the usual box picture can be stand-ins; the name alone tells.
bool mayStandIn(const QString& name)
{
    return matchesPattern(name, QStringLiteral("*.bmp")) &&
           name.compare(QLatin1String("carbox.bmp"), Qt::CaseInsensitive) != 0;
}

} // namespace

ModelPictures::ModelPictures(Pictures& pictures, FileSystem& fs, CarRenderer& renderer,
                             std::function<QString()> carFolder)
    : m_pictures(pictures), m_fs(fs), m_renderer(renderer), m_carFolder(std::move(carFolder))
{
}

QString ModelPictures::cacheKey(const QString& path)
{
    // The name alone decides, so the key costs nothing.
    return mayStandIn(lastName(path)) ? path + QStringLiteral("\n3d") : path;
}

std::optional<QImage> ModelPictures::drawn(const QString& path, QSize size)
{
    // Every car's picture passes here: the folder is listed again only for a picture that may be a
    // stand-in, never for a "*.jpg" or the box picture.
    const QString folder = folderOf(path);
    if (folder.isEmpty() || !mayStandIn(lastName(path)) || !isStandInPicture(m_fs, folder, lastName(path)))
        return std::nullopt;
    // A picture asked for at its own size is drawn at the size of the picture frame.
    const int wanted = size.isValid() ? std::max(size.width(), size.height()) : 256;
    const int side = std::clamp(wanted, 16, 512) * kOversample;
    const Result<QImage> picture = renderCarFolder(m_renderer, m_fs, m_pictures, folder,
                                                   m_carFolder ? m_carFolder() : QString(), QString(), side);
    if (!picture.ok())
        return std::nullopt;
    if (!size.isValid())
        return picture.value();
    return picture.value().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

Result<QImage> ModelPictures::load(const QString& path, QSize size)
{
    if (std::optional<QImage> picture = drawn(path, size))
        return *picture;
    return m_pictures.load(path, size);
}

Result<QImage> ModelPictures::loadBytes(const QString& path, const QByteArray& bytes, QSize size)
{
    if (std::optional<QImage> picture = drawn(path, size))
        return *picture;
    return m_pictures.loadBytes(path, bytes, size);
}

} // namespace parkwen
