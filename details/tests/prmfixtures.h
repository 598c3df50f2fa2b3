#pragma once

#include "tests/support/carfolders.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QtEndian>
#include <QVector3D>

#include <array>
#include <cstring>

namespace parkwen::test {

// Model files written polygon by polygon, as the game's tools write them.
struct PrmPoly
{
    quint16 type = 0x001; // a quad
    qint16 texture = 0;
    std::array<quint16, 4> index{};
    quint32 colour = 0xff808080;
};

inline void putI16(QByteArray& out, qint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

inline void putU32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

inline void putFloat(QByteArray& out, float v)
{
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    putU32(out, bits);
}

inline QByteArray prmMesh(const QList<PrmPoly>& polygons, const QList<QVector3D>& vertices)
{
    QByteArray out;
    putI16(out, qint16(polygons.size()));
    putI16(out, qint16(vertices.size()));
    for (const PrmPoly& p : polygons) {
        putI16(out, qint16(p.type));
        putI16(out, p.texture);
        for (quint16 i : p.index)
            putI16(out, qint16(i));
        for (int c = 0; c < 4; ++c)
            putU32(out, p.colour);
        for (float uv : {0.1f, 0.1f, 0.9f, 0.1f, 0.9f, 0.9f, 0.1f, 0.9f})
            putFloat(out, uv);
    }
    for (const QVector3D& v : vertices) {
        for (float c : {v.x(), v.y(), v.z()})
            putFloat(out, c);
        const QVector3D n = v.normalized();
        for (float c : {n.x(), n.y(), n.z()})
            putFloat(out, c);
    }
    return out;
}

// A box of six quads around `centre` reaching `half` each way, in the game's axes.
inline QByteArray prmBox(QVector3D centre, QVector3D half, qint16 texture, quint32 colour = 0xff808080,
                         quint16 type = 0x001)
{
    QList<QVector3D> v;
    for (int i = 0; i < 8; ++i)
        v << centre + QVector3D(i & 1 ? half.x() : -half.x(), i & 2 ? half.y() : -half.y(),
                                i & 4 ? half.z() : -half.z());
    const std::array<std::array<quint16, 4>, 6> faces = {
        {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}}};
    QList<PrmPoly> polygons;
    for (const auto& f : faces)
        polygons << PrmPoly{type, texture, f, colour};
    return prmMesh(polygons, v);
}

// A car whose body is a box painted with its skin and whose wheels are untextured boxes in
// `wheelColour`, at the offsets given (front left, front right, back left, back right).
struct BoxCar
{
    QVector3D bodyHalf{30, 12, 50};
    std::array<QVector3D, 4> wheels{QVector3D(-34, 8, 30), QVector3D(34, 8, 30), QVector3D(-34, 8, -30),
                                    QVector3D(34, 8, -30)};
    quint32 wheelColour = 0xff0000ff; // blue
    QColor skin = Qt::red;
    QString folderInPaths; // the folder name the paths use; the car's own when empty
};

inline QString writeBoxCar(const QString& carFolder, const QString& name, const BoxCar& car = BoxCar())
{
    const QString path = makeFolder(carFolder, name);
    const QString own = car.folderInPaths.isEmpty() ? name : car.folderInPaths;
    writeBytes(path + "/body.prm", prmBox(QVector3D(), car.bodyHalf, 0));
    writeBytes(path + "/wheel.prm", prmBox(QVector3D(), QVector3D(6, 8, 8), -1, car.wheelColour));
    QImage skin(64, 64, QImage::Format_RGB32);
    skin.fill(car.skin);
    skin.save(path + "/car.bmp", "PNG"); // PNG under a .bmp name, as today's cars have it
    QByteArray text = "Name \"Box\"\r\n";
    text += QStringLiteral("MODEL 0 \"cars\\%1\\body.prm\"\r\nMODEL 1 \"cars/%1/wheel.prm\"\r\n")
                .arg(own)
                .toLatin1();
    for (int i = 2; i < 17; ++i)
        text += "MODEL " + QByteArray::number(i) + " \"NONE\"\r\n";
    text += "MODEL 17 \"cars\\misc\\Aerial.m\"\r\n";
    text += QStringLiteral("TPAGE \"cars\\%1\\car.bmp\"\r\n").arg(own).toLatin1();
    text += "BODY {\t; Start Body\r\nModelNum 0\r\nOffset 0, 0, 0\r\n}\r\n";
    for (int w = 0; w < 4; ++w) {
        const QVector3D o = car.wheels[size_t(w)];
        text += QStringLiteral("WHEEL %1 { ; Start Wheel\r\nModelNum 1\r\nOffset1 %2 %3 %4\r\n"
                               "Offset2 0.000000 0.000000 0.000000\r\nIsPresent TRUE\r\n}\r\n")
                    .arg(w)
                    .arg(o.x())
                    .arg(o.y())
                    .arg(o.z())
                    .toLatin1();
    }
    text += "SPINNER {\r\nModelNum -1\r\n}\r\n";
    writeBytes(path + "/parameters.txt", text);
    return path;
}

} // namespace parkwen::test
