// The car drawn from its models: opening the details window on a car whose skin is an 8192-pixel
// PNG (time until the 3D view's first frame wearing it), frames a second while the car turns in a
// 1280 x 720 view, and `parkwen --render` of 1,000 cars, with the peak memory of each. Not a test:
// it writes a large texture and a thousand cars and runs for minutes. Run it on a display (Xvfb).
//
//   xvfb-run -s "-screen 0 1600x900x24" build/bin/parkwen_modelbench --realcars ../shared/realcars
//       [--root /tmp/parkwen-model-bench] [--cars 1000] [--shots DIR]
//
// With --shots it instead opens the details window of three real cars, tries two skins on each and
// saves what the screen shows.

#include "details/ui/carview.h"
#include "details/ui/sett.h"
#include "details/ui/updown.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qtpictures.h"
#include "platform/qt/qtprocesses.h"
#include "setup/paths_db.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

#include <sys/resource.h>

#include <ctime>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace parkwen;

namespace {

double peakMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Lets the peak (VmHWM) start again from the present size.
void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// Runs the event loop until `done`, sleeping between events (a busy loop would take the processor
// from what is measured).
bool waitFor(const std::function<bool()>& done, int ms = 60000)
{
    QElapsedTimer t;
    t.start();
    QTimer tick;
    tick.start(10);
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
}

struct Platformed
{
    LocalFileSystem fs;
    QtPictures pictures;
    QtDialogs dialogs{QStringLiteral("Parkwen")};
    QtProcesses processes;
    Platform platform() { return Platform{fs, pictures, dialogs, processes, QString()}; }
};

// Opens the details window of `car` and waits for the 3D view's first frame wearing the current skin.
int openLargeSkin(const QString& root, const QString& realCars)
{
    const QString car = root + QStringLiteral("/large/gleam");
    if (!QFile::exists(car + QStringLiteral("/.complete"))) {
        copyFolder(realCars + QStringLiteral("/gleam"), car);
        // The car's own paint at 8192 pixels, with fine noise so that it compresses as a painted
        // skin of that size does (tens of megabytes), not as a blown-up one.
        QImage skin =
            QImage(car + QStringLiteral("/car.bmp")).convertToFormat(QImage::Format_RGB32).scaled(8192, 8192);
        quint32 seed = 7;
        for (int y = 0; y < skin.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(skin.scanLine(y));
            for (int x = 0; x < skin.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                const int n = int(seed >> 28) - 8;
                line[x] = qRgb(std::clamp(qRed(line[x]) + n, 0, 255), std::clamp(qGreen(line[x]) + n, 0, 255),
                               std::clamp(qBlue(line[x]) + n, 0, 255));
            }
        }
        skin.save(car + QStringLiteral("/car.bmp"), "PNG");
        QFile(car + QStringLiteral("/.complete")).open(QIODevice::WriteOnly);
    }
    Platformed p;
    resetPeak();
    const double before = peakMb();
    QElapsedTimer t;
    t.start();
    const double cpu = cpuSeconds();
    DetailsContext context;
    context.carPath = car;
    Sett sett(p.platform(), context);
    sett.resize(1280, 560);
    sett.show();
    CarGlWidget* surface = sett.carView()->surface();
    if (!surface)
        return 1;
    bool drawn = false;
    QObject::connect(surface, &CarGlWidget::skinDrawn, [&] { drawn = true; });
    waitFor([&] { return sett.isFilled(); });
    const qint64 filled = t.elapsed();
    qint64 firstFrame = -1;
    waitFor([&] {
        if (firstFrame < 0 && surface->framesDrawn() > 0)
            firstFrame = t.elapsed();
        return drawn;
    });
    const qint64 wearing = t.elapsed();
    std::printf(
        "| details window, gleam with an 8192 x 8192 PNG skin (%lld MB) | filled %lld ms, first frame %lld "
        "ms "
        "| first frame wearing the skin %lld ms, %.2f s of CPU (all threads; the skin area decodes the same "
        "file meanwhile) | peak %.0f MB (%.0f MB before) |\n",
        QFileInfo(car + QStringLiteral("/car.bmp")).size() >> 20, filled, firstFrame, wearing,
        cpuSeconds() - cpu, peakMb(), before);
    return 0;
}

// Frames a second while a real car turns in a 1280 x 720 view.
int turning(const QString& realCars)
{
    Platformed p;
    Platform platform = p.platform();
    CarView view(platform);
    view.resize(1280, 720 + 42); // the view itself 1280 x 720, with the box and the line below it
    view.show();
    view.showCar(realCars + QStringLiteral("/gleam"), QString());
    view.setCurrentSkin(realCars + QStringLiteral("/gleam/car.bmp"));
    CarGlWidget* surface = view.surface();
    bool drawn = false;
    QObject::connect(surface, &CarGlWidget::skinDrawn, [&] { drawn = true; });
    waitFor([&] { return drawn; });
    // As fast as it can draw: the turning timer asks for 30 frames a second, the window asks again
    // after each frame here.
    QObject::connect(surface, &QOpenGLWidget::frameSwapped, surface, [surface] { surface->update(); });
    surface->update();
    const qint64 start = surface->framesDrawn();
    const double cpu = cpuSeconds();
    QElapsedTimer t;
    t.start();
    waitFor([&] { return t.elapsed() >= 5000; }, 10000);
    const double frames = double(surface->framesDrawn() - start);
    std::printf(
        "| turning gleam at %d x %d (4x multisampling) | %.1f frames a second | %.1f frames a second of CPU "
        "(all threads, Mesa's included) | peak %.0f MB |\n",
        surface->width(), surface->height(), frames * 1000.0 / double(t.elapsed()),
        frames / (cpuSeconds() - cpu), peakMb());
    return 0;
}

// parkwen --render of `count` cars, each a copy of one of the real cars, one process each.
int renderMany(const QString& root, const QString& realCars, int count, const QString& programFolder)
{
    const QString prog = root + QStringLiteral("/prog");
    const QString cars = root + QStringLiteral("/game/cars");
    QDir().mkpath(prog);
    QDir().mkpath(cars);
    QDir().mkpath(root + QStringLiteral("/garage"));
    QDir().mkpath(root + QStringLiteral("/pictures"));
    QFile::remove(prog + QStringLiteral("/parkwen"));
    QFile::copy(programFolder + QStringLiteral("/parkwen"), prog + QStringLiteral("/parkwen"));
    if (!QFile::exists(prog + QStringLiteral("/paths.mdb"))) {
        auto db = PathsDatabase::create(prog + QStringLiteral("/paths.mdb"));
        auto rs = db.value()->openRecordset();
        for (const QString& record : {cars, root + QStringLiteral("/garage"), QStringLiteral("2000")}) {
            rs.value()->addNew();
            rs.value()->setField0(record);
            rs.value()->update();
        }
    }
    const QStringList real = QDir(realCars).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString source = real[i % real.size()];
        const QString name = QStringLiteral("%1_%2").arg(source).arg(i, 4, 10, QLatin1Char('0'));
        const QString folder = cars + QLatin1Char('/') + name;
        if (!QFile::exists(folder + QStringLiteral("/parameters.txt")))
            copyFolder(realCars + QLatin1Char('/') + source, folder);
        // Its own paths, in any letter case, as a car installed under that name has them.
        QFile original(realCars + QLatin1Char('/') + source + QStringLiteral("/parameters.txt"));
        original.open(QIODevice::ReadOnly);
        QString text = QString::fromLatin1(original.readAll());
        text.replace(
            QRegularExpression(QStringLiteral("cars([\\\\/])") + source + QStringLiteral("([\\\\/])"),
                               QRegularExpression::CaseInsensitiveOption),
            QStringLiteral("cars\\1") + name + QStringLiteral("\\2"));
        QFile params(folder + QStringLiteral("/parameters.txt"));
        params.open(QIODevice::WriteOnly | QIODevice::Truncate);
        params.write(text.toLatin1());
        names << name;
    }
    int failed = 0;
    QElapsedTimer t;
    t.start();
    for (const QString& name : names) {
        QProcess process;
        process.start(prog + QStringLiteral("/parkwen"),
                      {QStringLiteral("--render"), name,
                       root + QStringLiteral("/pictures/") + name + QStringLiteral(".png")});
        process.waitForFinished(60000);
        failed += process.exitCode() != 0;
    }
    const qint64 ms = t.elapsed();
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    std::printf("| parkwen --render of %d cars (copies of the eight real cars), one process each | %.1f s in "
                "all, %.0f ms a "
                "car | %d failed | peak %.0f MB a process |\n",
                count, double(ms) / 1000.0, double(ms) / count, failed, double(usage.ru_maxrss) / 1024.0);
    return failed ? 1 : 0;
}

// The details window of three real cars, each wearing its current skin and then trying on others.
int screenshots(const QString& realCars, const QString& shots)
{
    QDir().mkpath(shots);
    Platformed p;
    for (const QString& car : {QStringLiteral("gleam"), QStringLiteral("baddrc"), QStringLiteral("2022")}) {
        DetailsContext context;
        context.carPath = realCars + QLatin1Char('/') + car;
        context.picture = QImage(context.carPath + QStringLiteral("/carbox.bmp")).scaled(64, 64);
        Sett sett(p.platform(), context);
        sett.resize(1500, 620);
        sett.move(20, 20);
        sett.show();
        waitFor([&] { return sett.isFilled(); });
        CarView* view = sett.carView();
        const auto grab = [&](const QString& name) {
            waitFor([&] { return !view->surface() || view->surface()->framesDrawn() > 2; }, 5000);
            bool drawn = false;
            if (view->surface()) {
                QObject::connect(view->surface(), &CarGlWidget::skinDrawn, [&] { drawn = true; });
                waitFor([&] { return drawn; }, 10000);
            }
            waitFor([] { return false; }, 700);
            sett.waitForPictures();
            QCoreApplication::processEvents();
            const QString file =
                shots + QLatin1Char('/') + car + QLatin1Char('-') + name + QStringLiteral(".png");
            sett.screen()->grabWindow(0).save(file);
            std::printf("%s: wearing %s; %s\n", qPrintable(file), qPrintable(view->wornSkin()),
                        qPrintable(view->notes().replace(QLatin1Char('\n'), QLatin1Char(' '))));
        };
        grab(QStringLiteral("1-current"));
        sett.findChild<QCheckBox*>(QStringLiteral("TryOn"))->setChecked(true);
        grab(QStringLiteral("2-tried-on"));
        auto* picSel = sett.findChild<HorizontalUpDown*>(QStringLiteral("PicSel"));
        for (int other = 1; other <= picSel->maximum(); ++other) {
            picSel->setValue(other);
            grab(QStringLiteral("%1-stepped").arg(other + 2));
        }
    }
    return 0;
}

QString argument(const QStringList& args, const QString& name, const QString& fallback)
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString root = argument(args, QStringLiteral("--root"), QStringLiteral("/tmp/parkwen-model-bench"));
    const QString realCars =
        QDir(argument(args, QStringLiteral("--realcars"), QStringLiteral("../shared/realcars")))
            .absolutePath();
    const QString mode = argument(args, QStringLiteral("--child"), QString());
    if (args.contains(QStringLiteral("--shots")))
        return screenshots(realCars, argument(args, QStringLiteral("--shots"), QStringLiteral("shots")));
    if (mode == QLatin1String("open"))
        return openLargeSkin(root, realCars);
    if (mode == QLatin1String("turn"))
        return turning(realCars);
    if (mode == QLatin1String("render"))
        return renderMany(root, realCars,
                          argument(args, QStringLiteral("--cars"), QStringLiteral("1000")).toInt(),
                          QCoreApplication::applicationDirPath());
    // Each measurement in a process of its own, so that one's peak never hides in another's.
    std::printf("| what | measured | | | |\n|---|---|---|---|---|\n");
    std::fflush(stdout);
    int status = 0;
    for (const char* child : {"open", "turn", "render"}) {
        QStringList childArgs = args.mid(1);
        childArgs << QStringLiteral("--child") << QString::fromLatin1(child);
        status |= QProcess::execute(QCoreApplication::applicationFilePath(), childArgs);
    }
    return status;
}
