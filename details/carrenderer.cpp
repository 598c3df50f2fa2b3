#include "details/carrenderer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

namespace parkwen {

// The thread that owns the context: jobs run there one after another.
struct CarRenderer::Worker
{
    std::unique_ptr<QOffscreenSurface> surface;
    std::thread thread;
    std::mutex lock;
    std::condition_variable changed;
    std::deque<std::function<void()>> jobs;
    bool stop = false;
    bool tried = false;
    QString unavailable;
    // Owned by the thread
    std::unique_ptr<QOpenGLContext> context;
    std::unique_ptr<CarScene> scene;

    void loop()
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock guard(lock);
                changed.wait(guard, [this] { return stop || !jobs.empty(); });
                if (jobs.empty())
                    break;
                job = std::move(jobs.front());
                jobs.pop_front();
            }
            job();
        }
        if (context && context->makeCurrent(surface.get())) {
            scene->release();
            scene.reset();
            context->doneCurrent();
        }
        context.reset();
        surface.reset();
    }

    // On the thread: the surface and the context, made with the first picture, so that a program
    // that never draws a car never loads OpenGL. The surface is a pbuffer or no surface at all on
    // the platforms that draw here, which may be made on any thread.
    QString prepare()
    {
        if (!surface) {
            QSurfaceFormat format;
            format.setDepthBufferSize(24);
            surface = std::make_unique<QOffscreenSurface>();
            surface->setFormat(format);
            surface->create();
        }
        if (context)
            return context->makeCurrent(surface.get())
                       ? QString()
                       : QCoreApplication::translate("CarRenderer", "OpenGL stopped working");
        context = std::make_unique<QOpenGLContext>();
        context->setFormat(surface->format());
        if (!context->create() || !context->makeCurrent(surface.get())) {
            context.reset();
            return QCoreApplication::translate("CarRenderer",
                                               "this system offers no OpenGL to draw cars with");
        }
        scene = std::make_unique<CarScene>();
        QString why;
        if (!scene->initialize(&why)) {
            context->doneCurrent();
            context.reset();
            return QCoreApplication::translate("CarRenderer", "OpenGL cannot build the car's shaders: %1")
                .arg(why);
        }
        return QString();
    }

    template <typename T> T run(std::function<T()> job)
    {
        auto task = std::make_shared<std::packaged_task<T()>>(std::move(job));
        std::future<T> result = task->get_future();
        {
            std::lock_guard guard(lock);
            jobs.emplace_back([task] { (*task)(); });
        }
        changed.notify_all();
        return result.get();
    }
};

CarRenderer::CarRenderer() : m_worker(std::make_unique<Worker>())
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        m_worker->tried = true;
        m_worker->unavailable =
            QCoreApplication::translate("CarRenderer", "cars are drawn only with a display");
        return;
    }
    m_worker->thread = std::thread([w = m_worker.get()] { w->loop(); });
}

CarRenderer::~CarRenderer()
{
    if (m_worker->thread.joinable()) {
        {
            std::lock_guard guard(m_worker->lock);
            m_worker->stop = true;
        }
        m_worker->changed.notify_all();
        m_worker->thread.join();
    }
}

void CarRenderer::prepareWithoutDisplay()
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    // Qt's EGL platform with no screen behind it: Mesa draws into memory.
    qputenv("QT_QPA_PLATFORM", "eglfs");
    qputenv("QT_QPA_EGLFS_INTEGRATION", "none");
    qputenv("QT_QPA_EGLFS_FB", "/dev/null");
    qputenv("EGL_PLATFORM", "surfaceless");
}

QString CarRenderer::unavailable()
{
    Worker& w = *m_worker;
    {
        std::lock_guard guard(w.lock);
        if (w.tried)
            return w.unavailable;
    }
    const QString why = w.run<QString>([&w] {
        const QString problem = w.prepare();
        if (w.context)
            w.context->doneCurrent();
        return problem;
    });
    std::lock_guard guard(w.lock);
    w.tried = true;
    w.unavailable = why;
    return why;
}

Result<QImage> CarRenderer::render(const CarModel& car, const QImage& skin, int side, const CarCamera& camera)
{
    if (!car.hasBody())
        return car.bodyError;
    if (side < 1 || side > MaxRenderSide)
        return Error(err::InvalidCall,
                     QCoreApplication::translate("CarRenderer", "a picture's side must be 1 to %1 pixels")
                         .arg(MaxRenderSide));
    const QString why = unavailable();
    if (!why.isEmpty())
        return Error(err::InvalidCall, why);
    const CarGeometry geometry = carGeometry(car);
    Worker& w = *m_worker;
    return w.run<Result<QImage>>([&]() -> Result<QImage> {
        const QString problem = w.prepare();
        if (!problem.isEmpty())
            return Error(err::InvalidCall, problem);
        QOpenGLFramebufferObjectFormat format;
        format.setAttachment(QOpenGLFramebufferObject::Depth);
        format.setSamples(4);
        QOpenGLFramebufferObject target(side, side, format);
        if (!target.isValid() || !target.bind()) {
            w.context->doneCurrent();
            return Error(err::InvalidCall, QCoreApplication::translate(
                                               "CarRenderer", "OpenGL cannot draw a picture of that size"));
        }
        w.scene->setGeometry(geometry);
        w.scene->setSkin(skin);
        w.scene->paint(QSize(side, side), camera);
        QImage picture = target.toImage().convertToFormat(QImage::Format_RGB32);
        target.release();
        w.scene->setSkin(QImage());
        w.context->doneCurrent();
        return picture;
    });
}

Result<QImage> renderCarFolder(CarRenderer& renderer, FileSystem& fs, Pictures& pictures,
                               const QString& carPath, const QString& carFolder, const QString& skinPath,
                               int side, QStringList* missing)
{
    const CarModel car = readCarModel(fs, carPath, carFolder);
    if (!car.hasBody())
        return car.bodyError;
    if (missing)
        *missing = car.missing;
    const QString skinFile = skinPath.isEmpty() ? car.skinPath : skinPath;
    QImage skin;
    if (!skinFile.isEmpty()) {
        const int texture = std::min(CarScene::MaxSkinSide, std::max(256, side * 2));
        Result<QImage> loaded = pictures.loadToFit(skinFile, QSize(texture, texture));
        if (loaded.ok())
            skin = loaded.take();
        else if (missing)
            *missing << QCoreApplication::translate("CarRenderer", "The skin \"%1\": %2")
                            .arg(lastName(skinFile), loaded.error().description());
    }
    // A still picture need not leave room for the car to turn: a little closer than the view.
    CarCamera still;
    still.zoom = 1.1f;
    return renderer.render(car, skin, side, still);
}

} // namespace parkwen
