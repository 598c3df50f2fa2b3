#pragma once

#include "platform/filesystem.h"
#include "platform/pictures.h"

#include <functional>

namespace parkwen {

class CarRenderer;

// The car pictures of the lists, the car table and the details window's picture frame. A car with
// neither a "*.jpg" nor a box picture would be shown by a texture sheet (or its shadow); it is shown
// by a picture drawn from its models instead, wearing its current skin. Where it cannot be drawn (no
// OpenGL, no readable body) the file is shown as before. Every other picture is loaded by `pictures`.
class ModelPictures : public Pictures
{
public:
    // `carFolder` tells where other cars' models are looked for (the Car Folder).
    ModelPictures(Pictures& pictures, FileSystem& fs, CarRenderer& renderer,
                  std::function<QString()> carFolder);

    // The key the thumbnail cache keeps a picture under: a file that may be drawn from its car's
    // models is kept apart from the same file decoded as it is (by a run that could not draw it).
    static QString cacheKey(const QString& path);

    Result<QImage> load(const QString& path, QSize size = QSize()) override;
    Result<QImage> loadBytes(const QString& path, const QByteArray& bytes, QSize size) override;
    std::optional<PictureHeader> probe(const QString& path) override { return m_pictures.probe(path); }
    Result<QImage> loadToFit(const QString& path, QSize box) override
    {
        return m_pictures.loadToFit(path, box);
    }

private:
    // The drawing of the car whose stand-in picture `path` is; nothing when it is no stand-in or
    // the car cannot be drawn.
    std::optional<QImage> drawn(const QString& path, QSize size);

    Pictures& m_pictures;
    FileSystem& m_fs;
    CarRenderer& m_renderer;
    std::function<QString()> m_carFolder;
};

} // namespace parkwen
