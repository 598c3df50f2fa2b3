#include "bench/libgen.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <numeric>
#include <vector>

namespace parkwen::bench {

namespace {

// splitmix64: tiny, fast, and the same on every platform (unlike the standard distributions).
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [0, n).
    int below(int n) { return int(next() % std::uint64_t(n)); }
    // In [lo, hi].
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    double unit() { return double(next() >> 11) / double(1ull << 53); }

private:
    std::uint64_t m_state;
};

std::uint64_t mix(std::uint64_t a, std::uint64_t b)
{
    Rng r(a * 0x100000001B3ull ^ (b + 0x9E3779B97F4A7C15ull));
    r.next();
    return r.next();
}

// FNV-1a over the UTF-16 code units: the same on every machine, unlike qHash.
std::uint64_t textHash(const QString& text)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (QChar c : text) {
        h ^= c.unicode();
        h *= 0x100000001b3ull;
    }
    return h;
}

struct Rgb
{
    double r, g, b;
};

Rgb randomColour(Rng& rng, int lo = 0, int hi = 255)
{
    return {double(rng.between(lo, hi)), double(rng.between(lo, hi)), double(rng.between(lo, hi))};
}

Rgb lerp(const Rgb& a, const Rgb& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

int clampByte(double v)
{
    return v < 0 ? 0 : v > 255 ? 255 : int(v);
}

// A shaded ellipse: brighter towards a light spot, so it reads as a rounded object.
struct Blob
{
    double cx, cy, rx, ry;
    Rgb colour;
    double lightX, lightY;
};

const char* const kSyllables[] = {"ka",  "vo",  "ri",  "zen", "tor", "mac", "lu",  "dra", "phi", "sta",
                                  "gor", "nex", "qui", "bel", "tra", "mon", "sly", "fer", "dux", "ola",
                                  "rex", "vin", "jet", "cor", "sab", "tek", "hal", "mir", "pax", "ula"};
constexpr int kSyllableCount = int(sizeof kSyllables / sizeof kSyllables[0]);

} // namespace

QString carName(const LibraryRecipe& recipe, int index)
{
    Rng rng(mix(recipe.seed, std::uint64_t(index) + 1));
    QString name;
    const int parts = rng.between(2, 3);
    for (int i = 0; i < parts; ++i)
        name += QLatin1String(kSyllables[rng.below(kSyllableCount)]);
    // Mixed letter case, as real libraries have; the lists sort ignoring it.
    if (rng.below(3) == 0)
        name[0] = name[0].toUpper();
    const char* const styles[] = {"_", " ", "-", ""};
    name += QLatin1String(styles[rng.below(4)]);
    name += recipe.tag + QStringLiteral("%1").arg(index, 5, 10, QLatin1Char('0'));
    return name;
}

QImage photoLikePicture(std::uint64_t seed, int width, int height)
{
    Rng rng(seed);
    const Rgb skyTop = randomColour(rng, 40, 140);
    const Rgb skyLow = lerp(skyTop, Rgb{235, 235, 245}, 0.7);
    const Rgb groundNear = randomColour(rng, 30, 120);
    const Rgb groundFar = lerp(groundNear, skyLow, 0.5);
    const double horizon = height * (0.40 + 0.2 * rng.unit());
    const double stripe = 0.05 + 0.1 * rng.unit();

    std::vector<Blob> blobs;
    // Scenery: soft shapes behind the car.
    const int scenery = rng.between(5, 10);
    for (int i = 0; i < scenery; ++i) {
        const double rx = width * (0.05 + 0.2 * rng.unit());
        blobs.push_back({width * rng.unit(), horizon - rx * 0.3 * rng.unit(), rx,
                         rx * (0.3 + 0.6 * rng.unit()), randomColour(rng, 20, 200), rng.unit() * 2 - 1, -1});
    }
    // The car: a body, a cabin and two wheels.
    const double carX = width * (0.35 + 0.3 * rng.unit());
    const double carY = height * 0.68;
    const double carW = width * (0.28 + 0.08 * rng.unit());
    const Rgb paint = randomColour(rng, 30, 230);
    blobs.push_back({carX, carY, carW, carW * 0.22, paint, -0.4, -0.8});
    blobs.push_back({carX - carW * 0.1, carY - carW * 0.2, carW * 0.5, carW * 0.18,
                     lerp(paint, Rgb{20, 30, 40}, 0.5), -0.3, -0.9});
    for (double side : {-0.6, 0.6})
        blobs.push_back(
            {carX + side * carW, carY + carW * 0.18, carW * 0.17, carW * 0.17, Rgb{25, 25, 28}, -0.2, -0.5});

    QImage image(width, height, QImage::Format_RGB32);
    const int noise = 11;
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            Rgb c;
            if (y < horizon) {
                c = lerp(skyTop, skyLow, y / horizon);
            } else {
                const double t = (y - horizon) / (height - horizon);
                c = lerp(groundFar, groundNear, t);
                // Furrows that widen towards the viewer.
                const double s = std::sin((x - width / 2.0) * stripe / (0.2 + t) + t * 40);
                c = lerp(c, Rgb{c.r * 0.7, c.g * 0.7, c.b * 0.7}, 0.5 + 0.5 * s);
            }
            for (const Blob& b : blobs) {
                const double dx = (x - b.cx) / b.rx;
                const double dy = (y - b.cy) / b.ry;
                const double d = dx * dx + dy * dy;
                if (d > 1)
                    continue;
                const double lit = std::clamp(0.55 + 0.45 * -(dx * b.lightX + dy * b.lightY) / 1.2, 0.2, 1.2);
                const double edge = std::min(1.0, (1 - d) * 8); // soft rim
                c = lerp(c, Rgb{b.colour.r * lit, b.colour.g * lit, b.colour.b * lit}, edge);
            }
            line[x] =
                qRgb(clampByte(c.r + rng.between(-noise, noise)), clampByte(c.g + rng.between(-noise, noise)),
                     clampByte(c.b + rng.between(-noise, noise)));
        }
    }
    return image;
}

QByteArray skinBmp(std::uint64_t seed)
{
    constexpr int side = 256;
    constexpr int rowBytes = side * 3; // already a multiple of 4
    QByteArray bytes(54 + rowBytes * side, '\0');
    auto put16 = [&](int at, quint16 v) {
        bytes[at] = char(v & 0xff);
        bytes[at + 1] = char(v >> 8);
    };
    auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((v >> (8 * i)) & 0xff);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, 54);   // pixel data offset
    put32(14, 40);   // BITMAPINFOHEADER
    put32(18, side); // width
    put32(22, side); // height, positive: bottom-up
    put16(26, 1);    // planes
    put16(28, 24);   // bits per pixel
    put32(34, quint32(rowBytes * side));
    put32(38, 2835); // 72 dpi
    put32(42, 2835);

    Rng rng(seed);
    const Rgb a = randomColour(rng, 40, 220);
    const Rgb b = randomColour(rng, 40, 220);
    const int cell = 1 << rng.between(3, 5);
    uchar* p = reinterpret_cast<uchar*>(bytes.data()) + 54;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            Rgb c = lerp(a, b, (x + y) / double(2 * side));
            if (((x / cell) + (y / cell)) % 2)
                c = lerp(c, Rgb{255, 255, 255}, 0.25);
            *p++ = uchar(clampByte(c.b + rng.between(-6, 6)));
            *p++ = uchar(clampByte(c.g + rng.between(-6, 6)));
            *p++ = uchar(clampByte(c.r + rng.between(-6, 6)));
        }
    }
    return bytes;
}

QByteArray parametersText(const QString& name, std::uint64_t seed)
{
    Rng rng(seed);
    QByteArray text;
    text += "{\r\n\r\n;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;\r\n";
    text += ";;; Generated car for the benchmark\r\n";
    text += ";;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;\r\n\r\n";
    text += "Name      \t\"" + name.toLatin1() + "\"\r\n\r\n";
    const char* const keys[] = {"TopSpeed",  "Mass",    "Grip",    "SteerRate", "EngineRate",
                                "Downforce", "Gravity", "Inertia", "Offset",    "Radius",
                                "SpringK",   "Damping", "Friction"};
    for (int block = 0; block < 12; ++block) {
        text += "BLOCK " + QByteArray::number(block) + " {\r\n";
        for (const char* key : keys)
            text += "\t" + QByteArray(key) + "\t\t" + QByteArray::number(rng.unit() * 100, 'f', 6) + "\r\n";
        text += "}\r\n\r\n";
    }
    text += "}\r\n";
    return text;
}

QString generateLibrary(const QString& folder, const LibraryRecipe& recipe)
{
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot create ") + folder;
    std::vector<int> indexes(size_t(recipe.cars));
    std::iota(indexes.begin(), indexes.end(), 0);
    std::mutex failureLock;
    QString failure;
    auto fail = [&](const QString& what) {
        std::lock_guard<std::mutex> lock(failureLock);
        if (failure.isEmpty())
            failure = what;
    };
    auto write = [&](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            fail(QStringLiteral("cannot write ") + path);
    };
    QtConcurrent::blockingMap(indexes, [&](int index) {
        const QString name = carName(recipe, index);
        const QString car = folder + QLatin1Char('/') + name;
        if (!QDir().mkpath(car)) {
            fail(QStringLiteral("cannot create ") + car);
            return;
        }
        const std::uint64_t carSeed = mix(mix(recipe.seed, textHash(recipe.tag)), std::uint64_t(index));
        write(car + QStringLiteral("/parameters.txt"), parametersText(name, carSeed));
        write(car + QStringLiteral("/car.bmp"), skinBmp(carSeed + 1));
        if (hasJpeg(index)) {
            QByteArray jpeg;
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            if (!photoLikePicture(carSeed + 2).save(&buffer, "JPG", 85))
                fail(QStringLiteral("cannot encode the picture of ") + name);
            write(car + QStringLiteral("/carbox.jpg"), jpeg);
        }
    });
    return failure;
}

} // namespace parkwen::bench
