#include "details/ui/carview.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace parkwen {

namespace {

constexpr int kTurnMs = 33;         // about 30 frames a second while turning
constexpr float kTurnStep = 0.6f;   // degrees a frame: a turn in about 20 seconds
constexpr int kViewSkinSide = 1024; // skins are drawn from a copy no larger than this

} // namespace

CarGlWidget::CarGlWidget(QWidget* parent) : QOpenGLWidget(parent)
{
    setObjectName(QStringLiteral("CarModel"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 200);
    QSurfaceFormat format;
    format.setDepthBufferSize(24);
    format.setSamples(4);
    setFormat(format);
    setAccessibleName(tr("The car in 3D"));
    setAccessibleDescription(tr("Drag or press the arrow keys to turn it, the wheel or + and - to zoom, "
                                "Space to stop or start the turning, Home to put it back."));
    setToolTip(accessibleDescription());
    m_turn = new QTimer(this);
    m_turn->setInterval(kTurnMs);
    connect(m_turn, &QTimer::timeout, this, [this] {
        m_camera.yaw = std::fmod(m_camera.yaw + kTurnStep, 360.0f);
        update();
    });
}

CarGlWidget::~CarGlWidget()
{
    releaseScene();
}

void CarGlWidget::releaseScene()
{
    if (!m_scene || !context())
        return;
    makeCurrent();
    m_scene->release();
    m_scene.reset();
    doneCurrent();
}

void CarGlWidget::setCar(const CarModel& car)
{
    m_geometry = carGeometry(car);
    m_geometryChanged = true;
    update();
}

void CarGlWidget::setSkin(const QImage& skin)
{
    m_skin = skin;
    m_skinChanged = true;
    m_skinPending = true;
    update();
}

void CarGlWidget::resetCamera()
{
    m_camera = CarCamera();
    setTurning(true);
    update();
}

void CarGlWidget::setTurning(bool turning)
{
    m_wantsTurning = turning;
    updateTimer();
}

void CarGlWidget::setWaiting(bool waiting)
{
    m_waiting = waiting;
    updateTimer();
}

void CarGlWidget::updateTimer()
{
    if (m_wantsTurning && !m_waiting && isVisible())
        m_turn->start();
    else
        m_turn->stop();
}

bool CarGlWidget::isTurning() const
{
    return m_wantsTurning;
}

void CarGlWidget::initializeGL()
{
    m_scene = std::make_unique<CarScene>();
    if (!m_scene->initialize())
        m_scene.reset();
    m_geometryChanged = m_skinChanged = true;
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &CarGlWidget::releaseScene,
            Qt::UniqueConnection);
}

void CarGlWidget::paintGL()
{
    ++m_frames;
    if (!m_scene)
        return;
    if (m_geometryChanged) {
        m_scene->setGeometry(m_geometry);
        m_geometryChanged = false;
    }
    if (m_skinChanged) {
        m_scene->setSkin(m_skin);
        m_skinChanged = false;
    }
    m_scene->paint(size() * devicePixelRatio(), m_camera);
    if (m_skinPending) {
        m_skinPending = false;
        emit skinDrawn();
    }
}

void CarGlWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        m_camera.yaw += event->key() == Qt::Key_Left ? -10.0f : 10.0f;
        setTurning(false);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        m_camera.pitch =
            std::clamp(m_camera.pitch + (event->key() == Qt::Key_Up ? 5.0f : -5.0f), -5.0f, 89.0f);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        m_camera.zoom = std::min(m_camera.zoom * 1.15f, 8.0f);
        break;
    case Qt::Key_Minus:
        m_camera.zoom = std::max(m_camera.zoom / 1.15f, 0.25f);
        break;
    case Qt::Key_Space:
        setTurning(!m_wantsTurning);
        break;
    case Qt::Key_Home:
        resetCamera();
        break;
    default:
        QOpenGLWidget::keyPressEvent(event);
        return;
    }
    update();
}

void CarGlWidget::mousePressEvent(QMouseEvent* event)
{
    m_dragFrom = event->position().toPoint();
    setTurning(false);
    setFocus(Qt::MouseFocusReason);
}

void CarGlWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint now = event->position().toPoint();
    const QPoint moved = now - m_dragFrom;
    m_dragFrom = now;
    m_camera.yaw += float(moved.x()) * 0.5f;
    m_camera.pitch = std::clamp(m_camera.pitch + float(moved.y()) * 0.3f, -5.0f, 89.0f);
    update();
}

void CarGlWidget::wheelEvent(QWheelEvent* event)
{
    const float steps = float(event->angleDelta().y()) / 120.0f;
    m_camera.zoom = std::clamp(m_camera.zoom * std::pow(1.15f, steps), 0.25f, 8.0f);
    update();
}

void CarGlWidget::hideEvent(QHideEvent* event)
{
    m_turn->stop();
    QOpenGLWidget::hideEvent(event);
}

void CarGlWidget::showEvent(QShowEvent* event)
{
    QOpenGLWidget::showEvent(event);
    updateTimer();
}

// --- The view around it ---

CarView::CarView(Platform& platform, QWidget* parent) : QWidget(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("CarView"));
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("CarModelReason"));
    m_reason->setWordWrap(true);
    m_reason->setAlignment(Qt::AlignCenter);
    m_reason->setFrameShape(QFrame::StyledPanel);
    m_reason->setMinimumSize(240, 200);
    m_reason->setFocusPolicy(Qt::StrongFocus); // the reason can be reached and read from the keyboard
    m_reason->setAccessibleName(tr("The car in 3D"));
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("CarModelCaption"));
    m_caption->setWordWrap(true);
    m_tryOn = new QCheckBox(tr("Try on the other skin"), this);
    m_tryOn->setObjectName(QStringLiteral("TryOn"));
    m_tryOn->setToolTip(
        tr("Shows the car wearing the other skin selected in the skin area, before you Set it."));
    m_tryOn->setEnabled(false);
    m_pool = new QThreadPool(this);
    m_pool->setMaxThreadCount(1);
    connect(m_tryOn, &QCheckBox::toggled, this, [this] { wearChosen(); });

    auto* pages = new QWidget(this);
    m_pages = new QStackedLayout(pages);
    if (openGlAvailable()) {
        m_surface = new CarGlWidget(pages);
        m_pages->addWidget(m_surface);
    }
    m_pages->addWidget(m_reason);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(pages, 1);
    layout->addWidget(m_tryOn);
    layout->addWidget(m_caption);
    if (!m_surface)
        showReason(tr("The 3D view needs OpenGL, which this display does not offer."));
}

CarView::~CarView() = default;

bool CarView::openGlAvailable()
{
    static const bool available = [] {
        // Windows without a screen (offscreen, minimal) keep their pixels in memory, where Qt cannot
        // put an OpenGL widget even when it can make a context.
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            return false;
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext context;
        return context.create() && context.makeCurrent(&surface);
    }();
    return available;
}

void CarView::showReason(const QString& text)
{
    m_reason->setText(text);
    m_reason->setAccessibleDescription(text);
    m_pages->setCurrentWidget(m_reason);
}

QString CarView::reason() const
{
    return m_pages->currentWidget() == m_reason ? m_reason->text() : QString();
}

QString CarView::notes() const
{
    return m_caption->text();
}

void CarView::showCar(const QString& carPath, const QString& carFolder)
{
    const CarModel car = readCarModel(m_platform.fs, carPath, carFolder);
    m_missing = car.missing;
    if (!car.hasBody()) {
        showReason(tr("This car cannot be shown in 3D: %1").arg(car.bodyError.description()));
    } else if (m_surface) {
        m_surface->setCar(car);
        m_pages->setCurrentWidget(m_surface);
    }
    wearChosen();
}

void CarView::setCurrentSkin(const QString& path)
{
    // Shown again after "Set": the same name holds new paint, which the car now wears.
    m_current = path;
    m_worn.clear();
    {
        const QSignalBlocker quiet(m_tryOn);
        m_tryOn->setChecked(false);
    }
    wearChosen();
}

void CarView::setOtherSkin(const QString& path)
{
    m_other = path;
    m_tryOn->setEnabled(!path.isEmpty());
    if (path.isEmpty())
        m_tryOn->setChecked(false);
    wearChosen();
}

void CarView::tryOn(bool other)
{
    m_tryOn->setChecked(other && !m_other.isEmpty());
    wearChosen();
}

void CarView::wearChosen()
{
    const QString wanted = m_tryOn->isChecked() && !m_other.isEmpty() ? m_other : m_current;
    QStringList lines;
    if (!wanted.isEmpty())
        lines << (wanted == m_current ? tr("Wearing %1, the current skin.") : tr("Trying on %1."))
                     .arg(QFileInfo(wanted).fileName());
    for (const QString& problem : m_missing)
        lines << tr("Drawn without %1.").arg(problem);
    m_caption->setText(lines.join(QLatin1Char('\n')));
    if (wanted == m_worn)
        return;
    m_worn = wanted;
    if (!m_surface)
        return;
    if (m_decoding) {
        m_decoding->disconnect(this);
        m_decoding->deleteLater();
        m_decoding = nullptr;
    }
    if (wanted.isEmpty()) {
        m_surface->setSkin(QImage());
        m_surface->setWaiting(false);
        return;
    }
    // Large skins take a while to decode: the car keeps its paint until the new one is ready.
    auto* watcher = new QFutureWatcher<QImage>(this);
    m_decoding = watcher;
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher] {
        if (watcher != m_decoding)
            return;
        m_decoding = nullptr;
        watcher->deleteLater();
        m_surface->setSkin(watcher->result());
        m_surface->setWaiting(false);
    });
    m_surface->setWaiting(true);
    Pictures& pictures = m_platform.pictures;
    watcher->setFuture(QtConcurrent::run(m_pool, [&pictures, wanted] {
        Result<QImage> loaded = pictures.loadToFit(wanted, QSize(kViewSkinSide, kViewSkinSide));
        return loaded.ok() ? loaded.take() : QImage();
    }));
}

} // namespace parkwen
