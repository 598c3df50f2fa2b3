#pragma once

// Car folders, parameter files and bitmaps for the tests of parameter files, skins and imports.

#include "details/imports.h"
#include "tests/support/carfolders.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace parkwen::test {

// A parameter file in the game's layout. Every line a car takes over on import carries `tag`, so a
// test can count whose lines a merged file holds: 19 model lines, a texture and a collision line,
// 20 model-number lines and 24 offset lines (the first of which is passed over by the merge).
inline QByteArray paramsText(const QByteArray& tag, const QByteArray& name,
                             const QByteArray& skin = "car.bmp", const QByteArray& topSpeed = "38.000000")
{
    QByteArrayList l;
    l << "{"
      << ";===================="
      << "; Parameters of " + tag << ";===================="
      << "Name      \t\"" + name + "\""
      << ""
      << ";===================="
      << "; Model Filenames"
      << ";===================="
      << "";
    for (int i = 0; i < 19; ++i)
        l << "MODEL \t" + QByteArray::number(i) + " \t\"cars\\" + tag + "\\part" + QByteArray::number(i) +
                 ".prm\"";
    l << "TPAGE \t\"cars\\" + tag + "\\" + skin + "\"";
    l << "COLL \t\"cars\\" + tag + "\\hull.hul\"";
    l << ""
      << "TopSpeed \t" + topSpeed << "Class      \t1"
      << "Rating     \t3"
      << "";
    l << "BODY {\t\t; Start Body";
    int modelNums = 0;
    int offsets = 0;
    auto block = [&](int modelNumLines, int offsetLines) {
        for (int i = 0; i < modelNumLines; ++i)
            l << "ModelNum    \t" + QByteArray::number(modelNums++) + " ; " + tag;
        for (int i = 0; i < offsetLines; ++i)
            l << "Offset" + QByteArray::number(i + 1) + "     \t" + QByteArray::number(offsets++) +
                     ".000000 0.0 0.0 ; " + tag;
    };
    block(1, 4);
    l << "Mass      \t1.500000"
      << "}";
    for (int w = 0; w < 4; ++w) {
        l << "WHEEL " + QByteArray::number(w) + " {";
        block(1, 2);
        l << "IsPowered \tTRUE"
          << "Grip      \t0.020000"
          << "}";
        l << "SPRING " + QByteArray::number(w) + " {";
        block(1, 1);
        l << "}";
        l << "PIN " + QByteArray::number(w) + " {";
        block(1, 1);
        l << "}";
        l << "AXLE " + QByteArray::number(w) + " {";
        block(1, 1);
        l << "}";
    }
    l << "SPINNER {";
    block(1, 0);
    l << "}"
      << "AERIAL {";
    block(2, 0);
    l << "}"
      << "AI {"
      << "}"
      << ""
      << "}"
      << ""
      << "b7e9d8a1"
      << "";
    return l.join("\r\n");
}

// A real 24-bit bitmap file; 256 x 256 gives 196662 bytes, a skin.
inline QByteArray bmp24(int width, int height, QColor colour = Qt::blue)
{
    const int row = (width * 3 + 3) & ~3;
    const quint32 size = 54 + row * height;
    QByteArray b(int(size), '\0');
    auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xff);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    b[26] = 1;
    b[28] = 24;
    put32(34, quint32(row * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int at = 54 + y * row + x * 3;
            b[at] = char(colour.blue());
            b[at + 1] = char(colour.green());
            b[at + 2] = char(colour.red());
        }
    return b;
}

inline void writeSkin(const QString& path, QColor colour = Qt::blue)
{
    writeBytes(path, bmp24(256, 256, colour));
}

// A picture encoded as `format` ("PNG", "JPG", "BMP"), whatever name it is then written under: the
// textures of today's game keep the ".bmp" name on PNG and JPEG data. `colour` fills the left half,
// white the right, so a preview shows which picture it is.
inline QByteArray encodedPicture(int width, int height, const char* format, QColor colour = Qt::blue)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + width / 2, colour.rgb());
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A PNG whose header reads well but whose pixel data is ruined.
inline QByteArray damagedPngData(int side)
{
    QByteArray png = encodedPicture(side, side, "PNG");
    for (qsizetype i = 41; i < png.size(); ++i)
        png[i] = char(0x5a);
    return png;
}

// A PNG whose header is ruined (its checksum no longer matches).
inline QByteArray damagedPngHeader(int side)
{
    QByteArray png = encodedPicture(side, side, "PNG");
    png[17] = char(png[17] ^ 0x40);
    return png;
}

// Choosers answering from a script. A file chooser tries its queued paths in turn, as a user pressing
// OK on each; the first one accepted is returned, and when all are refused it was closed.
class ScriptedChoosers : public ImportChoosers
{
public:
    QQueue<QStringList> parameterTries;
    QQueue<QStringList> bitmapTries;
    QQueue<std::optional<QString>> skinAnswers;
    QStringList openedAt;
    QList<QStringList> skinsOffered;

    std::optional<QString> chooseParameters(const QString& folder, const Accept& accept) override
    {
        return tryAll(folder, parameterTries, accept);
    }
    std::optional<QString> chooseBitmap(const QString& folder, const Accept& accept) override
    {
        return tryAll(folder, bitmapTries, accept);
    }
    std::optional<QString> chooseSkin(const QString&, const QStringList& skins) override
    {
        skinsOffered << skins;
        return skinAnswers.isEmpty() ? std::nullopt : skinAnswers.dequeue();
    }

private:
    std::optional<QString> tryAll(const QString& folder, QQueue<QStringList>& tries, const Accept& accept)
    {
        openedAt << folder;
        if (tries.isEmpty())
            return std::nullopt;
        for (const QString& path : tries.dequeue())
            if (accept(path))
                return path;
        return std::nullopt;
    }
};

} // namespace parkwen::test
