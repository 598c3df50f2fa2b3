#pragma once

#include "details/carmodel.h"
#include "details/carscene.h"
#include "platform/error.h"
#include "platform/filesystem.h"
#include "platform/pictures.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace parkwen {

// Draws cars into pictures without a window, on a thread of its own that holds the OpenGL context,
// so that any thread may ask. OpenGL is started with the first picture. Without a QGuiApplication,
// or where the system offers no OpenGL, it draws nothing and says why.
class CarRenderer
{
public:
    CarRenderer();
    ~CarRenderer();
    CarRenderer(const CarRenderer&) = delete;
    CarRenderer& operator=(const CarRenderer&) = delete;

    // Before the QGuiApplication is made: with no display to draw on, draws through Mesa's
    // surfaceless EGL instead, which needs neither a display nor a graphics card.
    static void prepareWithoutDisplay();

    // Why nothing can be drawn; empty when the renderer works (it is tried on the first call).
    QString unavailable();

    // A square picture of `side` pixels of the car wearing `skin` (null: grey where the skin goes).
    Result<QImage> render(const CarModel& car, const QImage& skin, int side, const CarCamera& camera = {});

private:
    struct Worker;
    std::unique_ptr<Worker> m_worker;
};

// The largest side a picture of a car may have.
constexpr int MaxRenderSide = 4096;

// A picture of the car in `carPath` wearing `skinPath` (its current skin when empty). Fails when the
// body cannot be drawn; a wheel that cannot is left out, and `missing` says why.
Result<QImage> renderCarFolder(CarRenderer& renderer, FileSystem& fs, Pictures& pictures,
                               const QString& carPath, const QString& carFolder, const QString& skinPath,
                               int side, QStringList* missing = nullptr);

} // namespace parkwen
