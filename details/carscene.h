#pragma once

#include "details/carmodel.h"

#include <QColor>
#include <QImage>
#include <QMatrix4x4>
#include <QOpenGLFunctions>
#include <QSize>
#include <QVector3D>

#include <memory>
#include <vector>

class QOpenGLShaderProgram;

namespace parkwen {

// Where the camera stands: turned `yaw` degrees about the car, `pitch` degrees above it, and
// `zoom` times closer than the distance that shows the whole car.
struct CarCamera
{
    static constexpr float DefaultYaw = 215.0f; // the front left corner towards the viewer
    static constexpr float DefaultPitch = 20.0f;
    float yaw = DefaultYaw;
    float pitch = DefaultPitch;
    float zoom = 1.0f;
};

// The triangles of a car for drawing, in OpenGL's axes (X right, Y up, Z towards the viewer):
// position, normal, texture coordinates, colour and whether the skin paints it, a vertex each.
struct CarGeometry
{
    static constexpr int FloatsPerVertex = 13;
    std::vector<float> vertices;
    // The opaque triangles come first, then the translucent, then the additive ones (vertices).
    int opaque = 0;
    int translucent = 0;
    int additive = 0;
    QVector3D minimum; // the bounds of the car
    QVector3D maximum;

    bool isEmpty() const { return vertices.empty(); }
};

// The body and parts of a car in OpenGL's axes, each part at its offset. Quads become two triangles;
// an untextured polygon takes its corners' colours, a textured one the skin (its colours' alpha
// counts only on translucent polygons).
CarGeometry carGeometry(const CarModel& car);

// Maps a point in the game's axes to clip space, as a scene of `geometry` draws it for that size and
// camera.
QMatrix4x4 cameraTransform(const CarGeometry& geometry, QSize pixels, const CarCamera& camera);

// Draws a car on a plain ground with the OpenGL context current when its functions are called. Both
// the details window's view and the renderer behind pictures and --render draw through it.
class CarScene : protected QOpenGLFunctions
{
public:
    static constexpr QRgb GroundColour = 0xffc9ccc4;
    // The largest skin side kept for drawing; larger skins are scaled down first.
    static constexpr int MaxSkinSide = 2048;

    CarScene();
    ~CarScene();
    CarScene(const CarScene&) = delete;
    CarScene& operator=(const CarScene&) = delete;

    // Builds the shaders in the current context; false (and why) when they do not build.
    bool initialize(QString* why = nullptr);
    // Frees what the scene holds in the current context.
    void release();

    void setGeometry(const CarGeometry& geometry);
    // The skin the textured polygons wear; a null image paints them grey.
    void setSkin(const QImage& skin);
    bool hasCar() const { return m_count > 0; }

    // Draws into the bound framebuffer of `pixels` device pixels.
    void paint(QSize pixels, const CarCamera& camera);

private:
    std::unique_ptr<QOpenGLShaderProgram> m_program;
    GLuint m_buffer = 0;
    GLuint m_groundBuffer = 0;
    GLuint m_texture = 0;
    bool m_hasSkin = false;
    int m_count = 0;
    CarGeometry m_ranges; // the ranges and bounds, without the vertices
};

} // namespace parkwen
