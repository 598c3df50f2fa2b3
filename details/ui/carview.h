#pragma once

#include "details/carmodel.h"
#include "details/carscene.h"
#include "platform/platform.h"

#include <QImage>
#include <QOpenGLWidget>
#include <QPoint>
#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QStackedLayout;
class QThreadPool;
class QTimer;
template <typename T> class QFutureWatcher;

namespace parkwen {

// The OpenGL surface of the car view: the car turning slowly on its ground. Drag to turn it, the
// wheel to zoom; keys: arrows turn and tilt, + and - zoom, Space stops or starts the turning, Home
// puts it back as it was.
class CarGlWidget : public QOpenGLWidget
{
    Q_OBJECT
public:
    explicit CarGlWidget(QWidget* parent = nullptr);
    ~CarGlWidget() override;

    void setCar(const CarModel& car);
    void setSkin(const QImage& skin);
    void resetCamera();
    void setTurning(bool turning);
    bool isTurning() const;
    // While a skin is being decoded the car holds still, leaving the processor to the decoding.
    void setWaiting(bool waiting);
    const CarCamera& camera() const { return m_camera; }
    // Frames drawn so far (the benchmark counts them).
    qint64 framesDrawn() const { return m_frames; }

signals:
    // A frame was drawn with the skin last given.
    void skinDrawn();

protected:
    void initializeGL() override;
    void paintGL() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void releaseScene();

    std::unique_ptr<CarScene> m_scene;
    CarGeometry m_geometry;
    QImage m_skin;
    bool m_geometryChanged = false;
    bool m_skinChanged = false;
    bool m_skinPending = false;
    CarCamera m_camera;
    QTimer* m_turn = nullptr;
    bool m_wantsTurning = true;
    bool m_waiting = false;
    void updateTimer();
    QPoint m_dragFrom;
    qint64 m_frames = 0;
};

// The car in 3D beside the skin area of the details window, wearing its current skin, or the other
// skin selected in the skin area while "Try on" is ticked. Where the car cannot be drawn (no OpenGL,
// a body missing or damaged) it says why instead.
class CarView : public QWidget
{
    Q_OBJECT
public:
    CarView(Platform& platform, QWidget* parent = nullptr);
    ~CarView() override;

    // Whether this display offers OpenGL to draw with (tried once).
    static bool openGlAvailable();

    // Reads the car's models; `carFolder` is where other cars' files are looked for.
    void showCar(const QString& carPath, const QString& carFolder);
    // The skins the view can wear: the current one and the other one selected (empty: none).
    void setCurrentSkin(const QString& path);
    void setOtherSkin(const QString& path);
    // Puts the selected other skin on (true) or the current one back (false).
    void tryOn(bool other);

    // What the view says instead of the car; empty while it shows the car.
    QString reason() const;
    // The skin file the car wears (or is about to), and what it was drawn without.
    QString wornSkin() const { return m_worn; }
    QString notes() const;
    CarGlWidget* surface() const { return m_surface; }

private:
    void wearChosen();
    void showReason(const QString& text);

    Platform& m_platform;
    QStackedLayout* m_pages = nullptr;
    CarGlWidget* m_surface = nullptr;
    QLabel* m_reason = nullptr;
    QLabel* m_caption = nullptr;
    QCheckBox* m_tryOn = nullptr;
    QString m_current;
    QString m_other;
    QString m_worn;
    QStringList m_missing;
    QFutureWatcher<QImage>* m_decoding = nullptr;
    // Its own worker for decoding skins; destroyed with the view, it waits for the one running.
    QThreadPool* m_pool = nullptr;
};

} // namespace parkwen
