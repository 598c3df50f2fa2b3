#include "details/carscene.h"

#include <QOpenGLShaderProgram>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace parkwen {

namespace {

// The shaders read as GLSL 1.10 on desktop OpenGL and as GLSL ES 1.00 on OpenGL ES (Qt defines the
// precision words away on the desktop).
const char* const kVertexShader = R"(
attribute highp vec3 a_position;
attribute mediump vec3 a_normal;
attribute mediump vec2 a_uv;
attribute mediump vec4 a_colour;
attribute mediump float a_textured;
uniform highp mat4 u_transform;
varying highp vec3 v_position;
varying mediump vec3 v_normal;
varying mediump vec2 v_uv;
varying mediump vec4 v_colour;
varying mediump float v_textured;
void main()
{
    v_position = a_position;
    v_normal = a_normal;
    v_uv = a_uv;
    v_colour = a_colour;
    v_textured = a_textured;
    gl_Position = u_transform * vec4(a_position, 1.0);
}
)";

const char* const kFragmentShader = R"(
uniform sampler2D u_skin;
uniform mediump float u_hasSkin;
uniform mediump float u_flat;
uniform highp vec3 u_eye;
uniform mediump vec3 u_light;
varying highp vec3 v_position;
varying mediump vec3 v_normal;
varying mediump vec2 v_uv;
varying mediump vec4 v_colour;
varying mediump float v_textured;
void main()
{
    if (u_flat > 0.5) {
        gl_FragColor = v_colour;
        return;
    }
    mediump vec3 n = v_normal;
    if (dot(n, n) < 1e-6)
        n = vec3(0.0, 1.0, 0.0);
    n = normalize(n);
    // Both sides of every polygon are drawn; each is lit as the side facing the viewer.
    if (dot(n, u_eye - v_position) < 0.0)
        n = -n;
    mediump float light = 0.55 + 0.5 * max(dot(n, u_light), 0.0);
    mediump vec4 base = v_colour;
    if (v_textured > 0.5) {
        base = u_hasSkin > 0.5 ? texture2D(u_skin, v_uv) : vec4(0.62, 0.62, 0.62, 1.0);
        base.a *= v_colour.a;
    }
    gl_FragColor = vec4(min(base.rgb * light, vec3(1.0)), base.a);
}
)";

enum Attribute { Position, Normal, Uv, Colour, Textured };

// The game's axes (Y down, Z forward) in OpenGL's (Y up, Z towards the viewer).
QVector3D toGl(const QVector3D& v)
{
    return QVector3D(v.x(), -v.y(), -v.z());
}

void appendVertex(std::vector<float>& out, const PrmMesh& mesh, const PrmPolygon& p, int corner,
                  const QVector3D& offset)
{
    const PrmVertex& v = mesh.vertices[p.index[size_t(corner)]];
    const QVector3D pos = toGl(v.position + offset);
    const QVector3D normal = toGl(v.normal);
    const quint32 c = p.colour[size_t(corner)];
    const bool seeThrough = p.type & (PrmPolygon::Translucent | PrmPolygon::Additive);
    const float alpha = seeThrough ? float((c >> 24) & 0xff) / 255.0f : 1.0f;
    out.insert(out.end(), {pos.x(), pos.y(), pos.z(), normal.x(), normal.y(), normal.z(),
                           p.uv[size_t(2 * corner)], p.uv[size_t(2 * corner + 1)],
                           float((c >> 16) & 0xff) / 255.0f, float((c >> 8) & 0xff) / 255.0f,
                           float(c & 0xff) / 255.0f, alpha, p.isTextured() ? 1.0f : 0.0f});
}

void appendPolygons(std::vector<float>& out, const CarPart& part, int kind)
{
    for (const PrmPolygon& p : part.mesh.polygons) {
        const int polygonKind = (p.type & PrmPolygon::Additive)      ? 2
                                : (p.type & PrmPolygon::Translucent) ? 1
                                                                     : 0;
        if (polygonKind != kind)
            continue;
        for (int corner : {0, 1, 2})
            appendVertex(out, part.mesh, p, corner, part.offset);
        if (p.isQuad())
            for (int corner : {0, 2, 3})
                appendVertex(out, part.mesh, p, corner, part.offset);
    }
}

} // namespace

CarGeometry carGeometry(const CarModel& car)
{
    CarGeometry g;
    if (!car.hasBody())
        return g;
    QList<const CarPart*> parts{&car.body};
    for (const CarPart& p : car.parts)
        parts << &p;
    int done = 0;
    for (int kind = 0; kind < 3; ++kind) {
        for (const CarPart* part : parts)
            appendPolygons(g.vertices, *part, kind);
        const int count = int(g.vertices.size() / CarGeometry::FloatsPerVertex) - done;
        (kind == 0 ? g.opaque : kind == 1 ? g.translucent : g.additive) = count;
        done += count;
    }
    if (g.vertices.empty())
        return g;
    g.minimum = g.maximum = QVector3D(g.vertices[0], g.vertices[1], g.vertices[2]);
    for (size_t i = 0; i < g.vertices.size(); i += CarGeometry::FloatsPerVertex) {
        const QVector3D v(g.vertices[i], g.vertices[i + 1], g.vertices[i + 2]);
        g.minimum = QVector3D(std::min(g.minimum.x(), v.x()), std::min(g.minimum.y(), v.y()),
                              std::min(g.minimum.z(), v.z()));
        g.maximum = QVector3D(std::max(g.maximum.x(), v.x()), std::max(g.maximum.y(), v.y()),
                              std::max(g.maximum.z(), v.z()));
    }
    return g;
}

CarScene::CarScene() = default;

CarScene::~CarScene() = default;

bool CarScene::initialize(QString* why)
{
    initializeOpenGLFunctions();
    m_program = std::make_unique<QOpenGLShaderProgram>();
    const bool built = m_program->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) &&
                       m_program->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader);
    m_program->bindAttributeLocation("a_position", Position);
    m_program->bindAttributeLocation("a_normal", Normal);
    m_program->bindAttributeLocation("a_uv", Uv);
    m_program->bindAttributeLocation("a_colour", Colour);
    m_program->bindAttributeLocation("a_textured", Textured);
    if (!built || !m_program->link()) {
        if (why)
            *why = m_program->log();
        m_program.reset();
        return false;
    }
    glGenBuffers(1, &m_buffer);
    glGenBuffers(1, &m_groundBuffer);
    glGenTextures(1, &m_texture);
    return true;
}

void CarScene::release()
{
    if (!m_program)
        return;
    glDeleteBuffers(1, &m_buffer);
    glDeleteBuffers(1, &m_groundBuffer);
    glDeleteTextures(1, &m_texture);
    m_program.reset();
    m_count = 0;
}

void CarScene::setGeometry(const CarGeometry& geometry)
{
    if (!m_program)
        return;
    m_ranges = geometry;
    m_ranges.vertices.clear();
    m_count = geometry.opaque + geometry.translucent + geometry.additive;
    glBindBuffer(GL_ARRAY_BUFFER, m_buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(geometry.vertices.size() * sizeof(float)),
                 geometry.vertices.data(), GL_STATIC_DRAW);

    // The ground: a plain square under the lowest point of the car, wide enough to fill the view.
    const QVector3D centre = (geometry.minimum + geometry.maximum) / 2;
    const float reach = std::max(1.0f, (geometry.maximum - geometry.minimum).length()) * 60.0f;
    const float y = geometry.minimum.y();
    const QColor ground = QColor::fromRgb(GroundColour);
    std::vector<float> square;
    for (const auto& [dx, dz] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, -1}, {1, 1}, {-1, 1}})
        square.insert(square.end(),
                      {centre.x() + dx * reach, y, centre.z() + dz * reach, 0, 1, 0, 0, 0,
                       float(ground.redF()), float(ground.greenF()), float(ground.blueF()), 1, 0});
    glBindBuffer(GL_ARRAY_BUFFER, m_groundBuffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(square.size() * sizeof(float)), square.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void CarScene::setSkin(const QImage& skin)
{
    m_hasSkin = !skin.isNull();
    if (!m_program || !m_hasSkin)
        return;
    QImage image = skin;
    if (image.width() > MaxSkinSide || image.height() > MaxSkinSide)
        image = image.scaled(MaxSkinSide, MaxSkinSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_RGBA8888);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // Row 0 is the top of the picture, where the models' texture coordinates start.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width(), image.height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.constBits());
    glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glBindTexture(GL_TEXTURE_2D, 0);
}

namespace {

struct Eye
{
    QMatrix4x4 transform; // OpenGL's axes to clip space
    QVector3D position;
};

Eye eyeFor(const CarGeometry& g, QSize pixels, const CarCamera& camera)
{
    const QVector3D centre = (g.minimum + g.maximum) / 2;
    const float radius = std::max(1.0f, (g.maximum - g.minimum).length() / 2);
    const float fov = 30.0f;
    const float aspect = pixels.height() > 0 ? float(pixels.width()) / float(pixels.height()) : 1.0f;
    // The car fits the narrower of the two angles of view.
    const float halfAngle = std::atan(std::tan(qDegreesToRadians(fov / 2)) * std::min(1.0f, aspect));
    const float zoom = std::clamp(camera.zoom, 0.25f, 8.0f);
    // The whole bounding sphere stays in view as the car turns.
    const float distance = radius / std::sin(halfAngle) / zoom;
    const float yaw = qDegreesToRadians(camera.yaw);
    const float pitch = qDegreesToRadians(std::clamp(camera.pitch, -10.0f, 89.0f));
    const QVector3D eye = centre + distance * QVector3D(std::cos(pitch) * std::sin(yaw), std::sin(pitch),
                                                        std::cos(pitch) * std::cos(yaw));
    QMatrix4x4 projection;
    projection.perspective(fov, aspect, std::max(0.5f, distance - radius * 2), distance + radius * 120);
    QMatrix4x4 view;
    view.lookAt(eye, centre, QVector3D(0, 1, 0));
    return Eye{projection * view, eye};
}

} // namespace

QMatrix4x4 cameraTransform(const CarGeometry& geometry, QSize pixels, const CarCamera& camera)
{
    QMatrix4x4 fromGame;
    fromGame.scale(1, -1, -1);
    return eyeFor(geometry, pixels, camera).transform * fromGame;
}

void CarScene::paint(QSize pixels, const CarCamera& camera)
{
    const QColor ground = QColor::fromRgb(GroundColour);
    glViewport(0, 0, pixels.width(), pixels.height());
    glClearColor(ground.redF(), ground.greenF(), ground.blueF(), 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!m_program || m_count == 0)
        return;
    const Eye eye = eyeFor(m_ranges, pixels, camera);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_CULL_FACE);
    m_program->bind();
    m_program->setUniformValue("u_transform", eye.transform);
    m_program->setUniformValue("u_eye", eye.position);
    m_program->setUniformValue("u_light", QVector3D(-0.45f, 0.8f, 0.4f).normalized());
    m_program->setUniformValue("u_skin", 0);
    m_program->setUniformValue("u_hasSkin", m_hasSkin ? 1.0f : 0.0f);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, m_texture);

    const auto bindVertices = [this](GLuint buffer) {
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        const int stride = CarGeometry::FloatsPerVertex * int(sizeof(float));
        const std::pair<int, int> layout[] = {{3, 0}, {3, 3}, {2, 6}, {4, 8}, {1, 12}};
        for (int a = Position; a <= Textured; ++a) {
            m_program->enableAttributeArray(a);
            m_program->setAttributeBuffer(a, GL_FLOAT, layout[a].second * int(sizeof(float)), layout[a].first,
                                          stride);
        }
    };
    m_program->setUniformValue("u_flat", 1.0f);
    bindVertices(m_groundBuffer);
    glDrawArrays(GL_TRIANGLES, 0, 6);

    m_program->setUniformValue("u_flat", 0.0f);
    bindVertices(m_buffer);
    glDisable(GL_BLEND);
    glDrawArrays(GL_TRIANGLES, 0, m_ranges.opaque);
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDrawArrays(GL_TRIANGLES, m_ranges.opaque, m_ranges.translucent);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDrawArrays(GL_TRIANGLES, m_ranges.opaque + m_ranges.translucent, m_ranges.additive);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    for (int a = Position; a <= Textured; ++a)
        m_program->disableAttributeArray(a);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    m_program->release();
}

} // namespace parkwen
