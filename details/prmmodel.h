#pragma once

#include "platform/error.h"
#include "platform/filesystem.h"

#include <QByteArray>
#include <QList>
#include <QVector3D>

#include <array>

namespace parkwen {

// One polygon of a model: a triangle or a quad, its corners given by their vertex numbers.
struct PrmPolygon
{
    enum Flag : quint16 { Quad = 0x001, DoubleSided = 0x002, Translucent = 0x004, Additive = 0x100 };

    quint16 type = 0;
    qint16 texture = -1; // -1: untextured; any other value: the car's skin
    std::array<quint16, 4> index{};
    std::array<quint32, 4> colour{}; // one a corner, 0xAARRGGBB
    std::array<float, 8> uv{};       // u, v for each corner

    bool isQuad() const { return type & Quad; }
    int corners() const { return isQuad() ? 4 : 3; }
    bool isTextured() const { return texture != -1; }
};

struct PrmVertex
{
    QVector3D position; // game units of 5 mm; X right, Y down, Z forward
    QVector3D normal;
};

// One mesh: a level of detail of a model.
struct PrmMesh
{
    QList<PrmPolygon> polygons;
    QList<PrmVertex> vertices;
};

// A model file: its meshes, the most detailed first.
struct PrmModel
{
    QList<PrmMesh> meshes;
};

// The largest model file read; a car's largest is a few hundred kilobytes.
constexpr qint64 MaxPrmBytes = 32 * 1024 * 1024;
// A coordinate further from the origin than this (in game units: 500 m) is no car's.
constexpr float MaxPrmCoordinate = 100000.0f;

// Reads the meshes of a model file. A file that is cut short, holds a negative count, a corner
// past its vertices, or a position that is no number or lies far out is refused with the reason
// (error 481); normals and texture coordinates that are no number are read as 0.
Result<PrmModel> readPrm(const QByteArray& bytes);
// The same for a file on disk; a missing file is error 53.
Result<PrmModel> loadPrm(FileSystem& fs, const QString& path);

} // namespace parkwen
