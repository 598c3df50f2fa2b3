// Writes a small demo car library and points the program folder's paths.mdb at it:
//   parkwen_makedemo <library folder> [program folder]
// The library gets a Car Folder ("cars") with a few stock-named folders and add-on cars, and a
// Garage Folder ("garage") with more cars. Every car has a picture, a parameters.txt and a skin;
// some have extra skins and parameter backups. A few cars have the troubles the health check finds.
// Beside the Car Folder stand a few packs and a packlist, as today's game has them.

#include "setup/paths_db.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cstdio>
#include <utility>

using namespace parkwen;

namespace {

struct DemoCar
{
    const char* folder;
    const char* title;
    QColor colour;
    const char* checksum; // the last line of the parameter file
    int skins;            // skins besides car.bmp
    bool backup;
    bool bmpPicture; // picture as carbox.bmp instead of a jpg
};

const DemoCar kCarFolder[] = {
    {"Blaster", "Blaster GT", QColor(220, 40, 40), "C6E1F2A9", 2, true, false},
    {"Cobalt", "Cobalt Cruiser", QColor(40, 90, 220), "4EEAE113", 0, false, false},
    {"Dune_Hopper", "Dune Hopper", QColor(230, 170, 40), "3D8A0777", 1, false, true},
    {"Emerald", "Emerald Arrow", QColor(30, 160, 90), "661A3B0B", 0, true, false},
    {"Fury", "Fury RS", QColor(150, 40, 170), "51F10C2D", 0, false, false},
    {"R5Turbo", "R5 Turbo", QColor(250, 200, 0), "22B21004", 1, false, false},
};
const DemoCar kGarage[] = {
    {"Apex", "Apex Predator", QColor(240, 100, 20), "CA8150F1", 0, false, false},
    {"Bolt", "Bolt", QColor(20, 180, 220), "72368A12", 1, true, false},
    {"Crimson_Tide", "Crimson Tide", QColor(180, 20, 60), "BE2A2001", 0, false, true},
    {"Ghost", "Ghost", QColor(200, 200, 210), "D2A54EEE", 0, false, false},
    {"Hornet", "Hornet", QColor(240, 220, 30), "CE02D123", 2, false, false},
    {"Jade", "Jade Runner", QColor(0, 140, 120), "9F9F9F9F", 0, false, false},
    {"Nitro_Nova", "Nitro Nova", QColor(90, 60, 200), "C6E1F000", 0, true, false},
    {"Pebble", "Pebble", QColor(140, 120, 100), "4EEAE999", 0, false, false},
};
// Stock-named folders: left out of the lists unless Parkwen is started with /ACC.
const char* kStockFolders[] = {"adeon", "rc", "phat", "misc"};

void drawCar(QImage& image, const QColor& colour, const QString& title)
{
    const int w = image.width();
    const int h = image.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(40, 50, 80));
    sky.setColorAt(0.6, QColor(110, 140, 190));
    sky.setColorAt(0.61, QColor(70, 70, 75));
    sky.setColorAt(1, QColor(35, 35, 40));
    p.fillRect(image.rect(), sky);
    // Road stripes
    p.setPen(QPen(QColor(230, 230, 230, 160), h / 60.0, Qt::DashLine));
    p.drawLine(QPointF(0, h * 0.85), QPointF(w, h * 0.85));
    // Body
    QPainterPath body;
    body.moveTo(w * 0.08, h * 0.66);
    body.cubicTo(w * 0.10, h * 0.50, w * 0.25, h * 0.48, w * 0.32, h * 0.47);
    body.cubicTo(w * 0.40, h * 0.33, w * 0.62, h * 0.32, w * 0.70, h * 0.46);
    body.cubicTo(w * 0.85, h * 0.48, w * 0.93, h * 0.52, w * 0.92, h * 0.66);
    body.closeSubpath();
    QLinearGradient paint(0, h * 0.3, 0, h * 0.7);
    paint.setColorAt(0, colour.lighter(160));
    paint.setColorAt(0.5, colour);
    paint.setColorAt(1, colour.darker(180));
    p.setPen(QPen(colour.darker(250), h / 120.0));
    p.setBrush(paint);
    p.drawPath(body);
    // Windows
    QPainterPath glass;
    glass.moveTo(w * 0.36, h * 0.47);
    glass.cubicTo(w * 0.42, h * 0.37, w * 0.60, h * 0.36, w * 0.66, h * 0.47);
    glass.closeSubpath();
    p.setBrush(QColor(170, 210, 240, 220));
    p.drawPath(glass);
    // Wheels
    for (double x : {0.25, 0.75}) {
        p.setBrush(QColor(20, 20, 20));
        p.drawEllipse(QPointF(w * x, h * 0.68), w * 0.09, w * 0.09);
        p.setBrush(QColor(190, 190, 200));
        p.drawEllipse(QPointF(w * x, h * 0.68), w * 0.04, w * 0.04);
    }
    // Name
    QFont font = p.font();
    font.setPixelSize(qMax(10, h / 10));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, h * 0.05, w, h * 0.2), Qt::AlignCenter, title);
}

// A parameters.txt being written line by line (the game's CR LF endings), its figures drawn from a
// generator seeded by the car's folder name, so that every demo gets the same files.
class ParameterText
{
public:
    explicit ParameterText(const DemoCar& car) : m_rng(qHash(QByteArray(car.folder))) {}

    void line(const QByteArray& s) { m_text += s + "\r\n"; }
    // The banner above each block of the file.
    void section(const QByteArray& title)
    {
        line(";====================");
        line("; " + title);
        line(";====================");
        line("");
    }
    QByteArray num(double lo, double hi)
    {
        return QByteArray::number(lo + (hi - lo) * m_rng.generateDouble(), 'f', 6);
    }
    int bounded(int highest) { return m_rng.bounded(highest); }
    QByteArray take() { return std::move(m_text); }

private:
    QRandomGenerator m_rng;
    QByteArray m_text;
};

void writeNameAndModels(ParameterText& t, const DemoCar& car, const QByteArray& f)
{
    t.line("{");
    t.line("");
    t.line(";============================================================");
    t.line("; Name");
    t.line(";============================================================");
    t.line("Name      \t\"" + QByteArray(car.title) + "\"");
    t.line("");
    t.section("Model Filenames");
    const char* models[] = {"body.prm", "wheelfl.prm", "wheelfr.prm", "wheelbl.prm", "wheelbr.prm"};
    for (int i = 0; i < 19; ++i)
        t.line("MODEL \t" + QByteArray::number(i) + " \t\"" +
               (i < 5 ? "cars\\" + f + "\\" + models[i] : QByteArray("NONE")) + "\"");
    t.line("TPAGE \t\"cars\\" + f + "\\car.bmp\"");
    t.line("COLL \t\"cars\\" + f + "\\hull.hul\"");
    t.line("EnvRGB \t200 200 200");
    t.line("");
}

void writeFrontend(ParameterText& t)
{
    t.section("Frontend");
    t.line("BestTime   \tTRUE");
    t.line("Selectable \tTRUE");
    t.line("Class      \t" + QByteArray::number(t.bounded(3)) +
           " \t\t\t; Engine type (0=Elec, 1=Glow, 2=Other)");
    t.line("Obtain     \t0 \t\t\t; Obtain method");
    t.line("Rating     \t" + QByteArray::number(t.bounded(5)) +
           " \t\t\t; Skill level (rookie, amateur, ...)");
    t.line("TopEnd     \t" + t.num(2800, 3600) + " \t\t\t; Actual top speed (mph) for frontend bars");
    t.line("Acc        \t" + t.num(3, 8) + " \t\t\t; Acceleration rating (empirical)");
    t.line("Weight     \t" + t.num(1, 2) + " \t\t\t; Scaled weight (for frontend bars)");
    t.line("Trans      \t0 \t\t\t; Transmission type");
    t.line("MaxRevs    \t0.500000 \t\t\t; Max Revs (for rev counter)");
    t.line("");
}

void writeHandling(ParameterText& t)
{
    t.section("Handling");
    t.line("SteerRate  \t" + t.num(2, 4) + " \t\t\t; Rate at which steer angle approaches value from input");
    t.line("SteerMod   \t" + t.num(0.2, 0.6) + " \t\t\t;");
    t.line("EngineRate \t4.500000 \t\t\t; Rate at which Engine voltage approaches set value");
    t.line("TopSpeed   \t" + t.num(32, 46) + " \t\t\t; Car's theoretical top speed");
    t.line("DownForceMod\t2.000000 \t\t\t; Down force modifier when car on floor");
    t.line("CoM        \t0.000000 -2.000000 -4.000000 \t\t; Centre of mass relative to model centre");
    t.line("Weapon     \t0.000000 -32.000000 64.000000 \t\t; Weapon generation offset");
    t.line("");
}

void writeBody(ParameterText& t)
{
    t.section("Body");
    t.line("BODY {\t\t; Start Body");
    t.line("ModelNum   \t0 \t\t\t; Model Number in above list");
    t.line("Offset     \t0, 0, 0 \t\t; Calculated in game");
    t.line("Mass       \t" + t.num(1.2, 2.2));
    t.line("Inertia    \t1000.000000 0.000000 0.000000");
    t.line("           \t0.000000 2000.000000 0.000000");
    t.line("           \t0.000000 0.000000 500.000000");
    t.line("Gravity\t\t2200 \t\t\t; No longer used");
    t.line("Hardness   \t0.000000");
    t.line("Resistance \t0.001000 \t\t\t; Linear air resistance");
    t.line("AngRes     \t0.001000 \t\t\t; Angular air resistance");
    t.line("ResMod     \t25.000000 \t\t\t; Ang air resistance scale when in air");
    t.line("Grip       \t" + t.num(0.008, 0.02) + " \t\t\t; Converts downforce to friction value");
    t.line("StaticFriction \t0.800000");
    t.line("KineticFriction \t0.400000");
    t.line("}     \t\t; End Body");
    t.line("");
}

void writeWheel(ParameterText& t, int wheel, bool powered)
{
    t.section("Wheel " + QByteArray::number(wheel));
    t.line("WHEEL " + QByteArray::number(wheel) + " { \t; Start Wheel");
    t.line("ModelNum \t" + QByteArray::number(wheel + 1));
    t.line("Offset1  \t" + QByteArray(wheel % 2 ? "24.000000" : "-24.000000") + " 4.000000 " +
           QByteArray(wheel < 2 ? "32.000000" : "-32.000000"));
    t.line("Offset2  \t0.000000 0.000000 0.000000");
    t.line("IsPresent   \tTRUE");
    t.line("IsPowered   \t" + QByteArray(powered ? "TRUE" : "FALSE"));
    t.line("IsTurnable  \t" + QByteArray(wheel < 2 ? "TRUE" : "FALSE"));
    t.line("SteerRatio  \t" + QByteArray(wheel < 2 ? "-0.500000" : "0.100000"));
    t.line("EngineRatio \t" + (powered ? t.num(18000, 32000) : QByteArray("0.000000")));
    t.line("Radius      \t11.000000");
    t.line("Mass        \t0.150000");
    t.line("Gravity     \t2200.000000");
    t.line("MaxPos      \t5.000000");
    t.line("SkidWidth   \t10.000000");
    t.line("ToeIn       \t0.000000");
    t.line("AxleFriction    \t0.020000");
    t.line("Grip            \t" + t.num(0.010, 0.018));
    t.line("StaticFriction  \t1.800000");
    t.line("KineticFriction \t1.700000");
    t.line("}          \t; End Wheel");
    t.line("");
}

void writeAi(ParameterText& t)
{
    t.section("AI");
    t.line("AI {\t\t ;Start AI");
    t.line("UnderThresh \t200.000000");
    t.line("UnderRange  \t1500.000000");
    t.line("OverThresh  \t1800.000000");
    t.line("OverRange   \t1500.000000");
    t.line("PullMag     \t0.000000");
    t.line("PullChange  \t0.000000");
    t.line("}           \t; End AI");
    t.line("");
}

// A parameters.txt in the game's layout for `car` in `folder`, ending in the car's checksum line.
QByteArray parameters(const DemoCar& car, const QString& folder)
{
    ParameterText t(car);
    writeNameAndModels(t, car, folder.toLatin1());
    writeFrontend(t);
    writeHandling(t);
    writeBody(t);
    // The back wheels are always driven, the front ones on some cars.
    const bool front = t.bounded(2) == 0;
    for (int wheel = 0; wheel < 4; ++wheel)
        writeWheel(t, wheel, wheel < 2 ? front : true);
    writeAi(t);
    t.line("}");
    t.line("");
    return t.take() + car.checksum;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A 256x256, 24-bit skin bitmap: 196,662 bytes, as the game's skins are.
QImage skin(const QColor& colour, int variant)
{
    QImage image(256, 256, QImage::Format_RGB888);
    image.fill(colour.darker(100 + 40 * variant));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(i % 2 ? colour.lighter(140 + 10 * variant) : colour.darker(130));
        p.setPen(Qt::NoPen);
        p.drawRect(0, i * 32 + variant * 6, 256, 10 + variant * 4);
    }
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(128, 128), 40, 40);
    p.setPen(QColor(20, 20, 20));
    QFont font = p.font();
    font.setPixelSize(44);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(88, 88, 80, 80), Qt::AlignCenter, QString::number(variant + 7));
    return image;
}

// A model the 3D view draws: one box, textured with the car's skin, `half` units from its middle on
// each axis (X right, Y down, Z forward; a game unit is 5 mm).
QByteArray boxModel(float hx, float hy, float hz, float y)
{
    QByteArray bytes;
    auto put16 = [&](qint16 v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
    auto put32 = [&](quint32 v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
    auto putF = [&](float v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
    // Corners: bit 0 X, bit 1 Y, bit 2 Z.
    const int faces[6][4] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1},
                             {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
    const float normals[6][3] = {{0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0}};
    put16(6);  // polygons
    put16(24); // vertices: four a face, each with the face's normal
    for (int f = 0; f < 6; ++f) {
        put16(0x001 | 0x002); // a quad, both sides
        put16(0);             // the car's skin
        for (int c = 0; c < 4; ++c)
            put16(qint16(f * 4 + c));
        for (int c = 0; c < 4; ++c)
            put32(0xffffffff);
        const float uv[4][2] = {{0.05f, 0.05f}, {0.95f, 0.05f}, {0.95f, 0.95f}, {0.05f, 0.95f}};
        for (const auto& corner : uv) {
            putF(corner[0]);
            putF(corner[1]);
        }
    }
    for (int f = 0; f < 6; ++f)
        for (int c = 0; c < 4; ++c) {
            const int corner = faces[f][c];
            putF(corner & 1 ? hx : -hx);
            putF(y + (corner & 2 ? hy : -hy));
            putF(corner & 4 ? hz : -hz);
            for (float n : normals[f])
                putF(n);
        }
    return bytes;
}

bool makeCar(const QString& parent, const DemoCar& car)
{
    const QString folder = parent + QLatin1Char('/') + QString::fromLatin1(car.folder);
    QDir().mkpath(folder);
    QImage picture(car.bmpPicture ? 256 : 480, car.bmpPicture ? 256 : 360, QImage::Format_RGB32);
    drawCar(picture, car.colour, QString::fromLatin1(car.title));
    bool ok =
        picture.save(folder + (car.bmpPicture ? QStringLiteral("/box.bmp") : QStringLiteral("/carbox.jpg")),
                     car.bmpPicture ? "BMP" : "JPG", 90);
    const QByteArray params = parameters(car, QString::fromLatin1(car.folder).toLower());
    ok = ok && writeFile(folder + QStringLiteral("/parameters.txt"), params);
    ok = ok && skin(car.colour, 0).save(folder + QStringLiteral("/car.bmp"), "BMP");
    const char* extra[] = {"car_race.bmp", "car_night.bmp"};
    for (int i = 0; i < car.skins && i < 2; ++i)
        ok = ok && skin(car.colour.toHsv().toRgb(), i + 1)
                       .save(folder + QLatin1Char('/') + QLatin1String(extra[i]), "BMP");
    if (car.backup) {
        QByteArray backup = params;
        backup.replace("Name      \t\"" + QByteArray(car.title) + "\"",
                       "Name      \t\"" + QByteArray(car.title) + " (stock tune)\"");
        ok = ok && writeFile(folder + QStringLiteral("/Backup.txt"), backup);
    }
    ok = ok && writeFile(folder + QStringLiteral("/readme.txt"),
                         QByteArray(car.title) + " - a demo car for Parkwen.\r\n");
    ok = ok && writeFile(folder + QStringLiteral("/body.prm"), boxModel(20, 7, 44, 2));
    for (const char* wheel : {"wheelfl.prm", "wheelfr.prm", "wheelbl.prm", "wheelbr.prm"})
        ok = ok && writeFile(folder + QLatin1Char('/') + QLatin1String(wheel), boxModel(4, 11, 11, 0));
    ok = ok && writeFile(folder + QStringLiteral("/hull.hul"), "demo hull\n");
    return ok;
}

// One car of each kind the health check finds.
bool makeTroubledCars(const QString& cars, const QString& garage)
{
    bool ok = true;
    // A folder renamed after its parameters were written: its paths name "cars\viper".
    const DemoCar viper{"Viper_2", "Viper", QColor(200, 30, 30), "0000AAAA", 0, false, false};
    ok = ok && makeCar(cars, viper);
    ok = ok && writeFile(cars + QStringLiteral("/Viper_2/parameters.txt"),
                         parameters(viper, QStringLiteral("viper")));
    // A file of the shared "misc" folder that is not there.
    const DemoCar fogger{"Fogger", "Fogger", QColor(120, 160, 160), "0000BBBB", 0, false, false};
    ok = ok && makeCar(garage, fogger);
    QByteArray foggy = parameters(fogger, QStringLiteral("fogger"));
    foggy.replace("MODEL \t17 \t\"NONE\"", "MODEL \t17 \t\"cars\\misc\\foglights.prm\"");
    ok = ok && writeFile(garage + QStringLiteral("/Fogger/parameters.txt"), foggy);
    // A parameter-only variant of Blaster, without a picture of its own.
    const DemoCar blasterR{"Blaster_R", "Blaster R", QColor(220, 40, 40), "0000CCCC", 0, false, false};
    QDir().mkpath(cars + QStringLiteral("/Blaster_R"));
    QByteArray variant = parameters(blasterR, QStringLiteral("blaster"));
    variant.replace("TPAGE", "TCARBOX \t\"cars\\blaster\\carbox.jpg\"\r\nTPAGE");
    ok = ok && writeFile(cars + QStringLiteral("/Blaster_R/parameters.txt"), variant);
    // Twins: the name of another car, and a folder one letter case away from another.
    const DemoCar cobalt{"Cobalt_Copy", "Cobalt Cruiser", QColor(40, 90, 220), "0000DDDD", 0, false, false};
    ok = ok && makeCar(cars, cobalt);
    const DemoCar fury{"fury", "Fury Classic", QColor(150, 40, 170), "0000EEEE", 0, false, false};
    ok = ok && makeCar(cars, fury);
    // Not a car: a skin pack's folder without parameters.txt.
    QDir().mkpath(cars + QStringLiteral("/Skin_Pack"));
    ok = ok && skin(QColor(60, 60, 200), 1).save(cars + QStringLiteral("/Skin_Pack/newskin.bmp"), "BMP");
    // (No hidden leftover of an interrupted move: recovery would greet every start with a message.)
    return ok;
}

// The demo library is laid out as a game folder: beside its Car Folder ("cars") it has packs and a
// packlist, as today's game reads them. One car of a pack replaces a car of the game's own, one
// is built by the game from the files of two packs, and one pack is switched off.
bool makePacks(const QString& library)
{
    const QString packs = library + QStringLiteral("/packs");
    bool ok = true;
    const DemoCar rva[] = {
        {"Comet", "Comet", QColor(250, 120, 170), "0000F001", 1, false, false},
        {"Cobalt", "Cobalt Cruiser II", QColor(30, 60, 160), "0000F002", 0, false, false},
        {"Sprint", "Sprint", QColor(90, 200, 250), "0000F003", 0, false, false},
    };
    for (const DemoCar& car : rva)
        ok = ok && makeCar(packs + QStringLiteral("/rva/cars"), car);
    // io's Sprint brings its own parameters and skin but no models: the game takes rva's.
    const DemoCar sprint{"Sprint", "Sprint Evo", QColor(250, 90, 40), "0000F004", 0, false, false};
    ok = ok && makeCar(packs + QStringLiteral("/io/cars"), sprint);
    for (const char* model : {"body.prm", "wheelfl.prm", "wheelfr.prm", "wheelbl.prm", "wheelbr.prm"})
        QFile::remove(packs + QStringLiteral("/io/cars/Sprint/") + QLatin1String(model));
    const DemoCar wisp{"Wisp", "Wisp", QColor(220, 220, 250), "0000F005", 0, false, false};
    ok = ok && makeCar(packs + QStringLiteral("/spare/cars"), wisp);
    QDir().mkpath(packs + QStringLiteral("/local"));
    return ok && writeFile(packs + QStringLiteral("/default.txt"),
                           "; the demo's packs\r\ndefault\r\nrva\r\nio\r\n;spare\r\nlocal *\r\n");
}

} // namespace

int main(int argc, char* argv[])
{
    // Painting text needs a GUI application; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: parkwen_makedemo <library folder> [program folder]\n");
        return 2;
    }
    const QString library = QDir(args.at(1)).absolutePath();
    const QString program =
        args.size() > 2 ? QDir(args.at(2)).absolutePath() : QCoreApplication::applicationDirPath();
    const QString cars = library + QStringLiteral("/cars");
    const QString garage = library + QStringLiteral("/garage");
    QDir(library).removeRecursively();
    QDir().mkpath(cars);
    QDir().mkpath(garage);

    bool ok = true;
    for (const DemoCar& car : kCarFolder)
        ok = ok && makeCar(cars, car);
    for (const DemoCar& car : kGarage)
        ok = ok && makeCar(garage, car);
    for (const char* stock : kStockFolders) {
        const DemoCar car{stock, stock, QColor(120, 120, 130), "00000000", 0, false, false};
        ok = ok && makeCar(cars, car);
    }
    ok = ok && makeTroubledCars(cars, garage);
    ok = ok && makePacks(library);
    if (!ok) {
        std::fprintf(stderr, "could not write the demo library into %s\n", qPrintable(library));
        return 1;
    }

    const QString dbFile = program + QStringLiteral("/paths.mdb");
    QFile::remove(dbFile);
    auto db = PathsDatabase::create(dbFile);
    if (!db.ok()) {
        std::fprintf(stderr, "could not create %s: %s\n", qPrintable(dbFile),
                     qPrintable(db.error().description()));
        return 1;
    }
    auto rs = db.value()->openRecordset();
    for (const QString& value : {cars, garage, QStringLiteral("8")}) {
        if (!rs.ok() || rs.value()->addNew() || rs.value()->setField0(value) || rs.value()->update()) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(dbFile));
            return 1;
        }
    }
    std::printf("Demo library: %s\nPaths database: %s\n", qPrintable(library), qPrintable(dbFile));
    return 0;
}
