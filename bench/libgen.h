#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace parkwen::bench {

// Writes synthetic car libraries for the benchmark. Everything is derived from the seed, so the
// same seed gives the same folders, names and pixels.
//
// Each car is a folder with a parameters.txt and a 256x256 24-bit skin car.bmp (196,662 bytes).
// Even-numbered cars also hold a 640x480 photo-like carbox.jpg, which is then their picture; the
// others are pictured by their skin.
struct LibraryRecipe
{
    int cars = 1000;
    std::uint64_t seed = 1;
    // Distinguishes libraries generated with the same seed (the Car and the Garage Folder): it is
    // part of every car name, so the two never share a name.
    QString tag = QStringLiteral("c");
};

constexpr qint64 SkinBytes = 196662;

// The name of car `index` (0-based) of a library.
QString carName(const LibraryRecipe& recipe, int index);
// True when car `index` has a JPEG picture.
inline bool hasJpeg(int index)
{
    return index % 2 == 0;
}

QImage photoLikePicture(std::uint64_t seed, int width = 640, int height = 480);
// A 256x256 24-bit BMP file, bottom-up rows, no palette.
QByteArray skinBmp(std::uint64_t seed);
QByteArray parametersText(const QString& name, std::uint64_t seed);

// Writes the cars of `recipe` into `folder` (created when missing), on every core. Returns an empty
// string on success, else what went wrong.
QString generateLibrary(const QString& folder, const LibraryRecipe& recipe);

} // namespace parkwen::bench
