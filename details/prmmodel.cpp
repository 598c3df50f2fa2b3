#include "details/prmmodel.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace parkwen {

namespace {

constexpr qsizetype kPolygonBytes = 60;
constexpr qsizetype kVertexBytes = 24;
// Real files hold up to a few hundred meshes; a file of empty meshes must not make millions.
constexpr int kMaxMeshes = 4096;

Error damaged(const QString& why)
{
    return Error(err::InvalidPicture,
                 QCoreApplication::translate("PrmModel", "The model file is damaged: %1").arg(why));
}

// Little-endian values at a position the caller has checked.
class Reader
{
public:
    explicit Reader(const QByteArray& bytes) : m_data(bytes.constData()) {}
    qint16 i16(qsizetype at) const { return qFromLittleEndian<qint16>(m_data + at); }
    quint16 u16(qsizetype at) const { return qFromLittleEndian<quint16>(m_data + at); }
    quint32 u32(qsizetype at) const { return qFromLittleEndian<quint32>(m_data + at); }
    float f32(qsizetype at) const
    {
        const quint32 bits = u32(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const char* m_data;
};

float finiteOrZero(float value)
{
    return std::isfinite(value) ? value : 0.0f;
}

PrmPolygon readPolygon(const Reader& r, qsizetype at)
{
    PrmPolygon p;
    p.type = r.u16(at);
    p.texture = r.i16(at + 2);
    for (int i = 0; i < 4; ++i)
        p.index[size_t(i)] = r.u16(at + 4 + 2 * i);
    for (int i = 0; i < 4; ++i)
        p.colour[size_t(i)] = r.u32(at + 12 + 4 * i);
    for (int i = 0; i < 8; ++i)
        p.uv[size_t(i)] = finiteOrZero(r.f32(at + 28 + 4 * i));
    return p;
}

Result<PrmVertex> readVertex(const Reader& r, qsizetype at, int number)
{
    float v[6];
    for (int i = 0; i < 6; ++i)
        v[i] = r.f32(at + 4 * i);
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(v[i]) || std::fabs(v[i]) > MaxPrmCoordinate)
            return damaged(
                QCoreApplication::translate("PrmModel", "vertex %1 lies at no usable position").arg(number));
    }
    return PrmVertex{QVector3D(v[0], v[1], v[2]),
                     QVector3D(finiteOrZero(v[3]), finiteOrZero(v[4]), finiteOrZero(v[5]))};
}

// Reads the mesh at `at`, moving `at` past it.
Result<PrmMesh> readMesh(const QByteArray& bytes, qsizetype& at, int meshNumber)
{
    const Reader r(bytes);
    const qsizetype size = bytes.size();
    if (size - at < 4)
        return damaged(QCoreApplication::translate("PrmModel", "mesh %1 is cut short").arg(meshNumber));
    const int polygonCount = r.i16(at);
    const int vertexCount = r.i16(at + 2);
    if (polygonCount < 0 || vertexCount < 0)
        return damaged(
            QCoreApplication::translate("PrmModel", "mesh %1 gives a negative count").arg(meshNumber));
    at += 4;
    // Both counts are below 32768, so the sizes cannot overflow; the file must hold them.
    const qsizetype needed = polygonCount * kPolygonBytes + vertexCount * kVertexBytes;
    if (size - at < needed)
        return damaged(QCoreApplication::translate("PrmModel", "mesh %1 counts more than the file holds")
                           .arg(meshNumber));

    PrmMesh mesh;
    mesh.polygons.reserve(polygonCount);
    for (int i = 0; i < polygonCount; ++i, at += kPolygonBytes) {
        PrmPolygon p = readPolygon(r, at);
        for (int c = 0; c < p.corners(); ++c)
            if (p.index[size_t(c)] >= vertexCount)
                return damaged(QCoreApplication::translate("PrmModel",
                                                           "polygon %1 of mesh %2 uses a vertex the "
                                                           "mesh does not have")
                                   .arg(i)
                                   .arg(meshNumber));
        mesh.polygons.append(p);
    }
    mesh.vertices.reserve(vertexCount);
    for (int i = 0; i < vertexCount; ++i, at += kVertexBytes) {
        Result<PrmVertex> v = readVertex(r, at, i);
        if (!v.ok())
            return v.error();
        mesh.vertices.append(v.value());
    }
    return mesh;
}

} // namespace

Result<PrmModel> readPrm(const QByteArray& bytes)
{
    if (bytes.size() > MaxPrmBytes)
        return damaged(
            QCoreApplication::translate("PrmModel", "it is larger than %1 MB").arg(MaxPrmBytes >> 20));
    if (bytes.isEmpty())
        return damaged(QCoreApplication::translate("PrmModel", "it is empty"));
    PrmModel model;
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (model.meshes.size() >= kMaxMeshes)
            return damaged(
                QCoreApplication::translate("PrmModel", "it holds more than %1 meshes").arg(kMaxMeshes));
        Result<PrmMesh> mesh = readMesh(bytes, at, int(model.meshes.size()) + 1);
        if (!mesh.ok())
            return mesh.error();
        model.meshes.append(mesh.take());
    }
    return model;
}

Result<PrmModel> loadPrm(FileSystem& fs, const QString& path)
{
    if (!fs.exists(path) || fs.isFolder(path))
        return Error::of(err::FileNotFound);
    Result<QByteArray> bytes = fs.readBytes(path, MaxPrmBytes);
    if (!bytes.ok())
        return bytes.error();
    return readPrm(bytes.value());
}

} // namespace parkwen
