// Opening the car details window on cars of today's game: how long until the window is filled and
// until its skin pictures are shown, and how much memory it takes. Not a test: it writes large
// textures and runs for a minute.
//
//   build/bin/parkwen_detailsbench [--root /tmp/parkwen-details-bench] [--reps 3]
//
// Each car is measured in a process of its own, so that memory one measurement leaves with the
// allocator never hides the peak of the next.

#include "details/ui/sett.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qtpictures.h"
#include "platform/qt/qtprocesses.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QSysInfo>
#include <QThread>
#include <QThreadPool>

#include <cstdio>
#include <ctime>

using namespace parkwen;

namespace {

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double statusMb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Lets the peak (VmHWM) start again from the present size.
void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2);
}

QByteArray parameters(const QByteArray& folder)
{
    QByteArray text = "{\r\nName\t\"" + folder + "\"\r\n";
    for (int i = 0; i < 19; ++i)
        text += "MODEL\t" + QByteArray::number(i) + "\t\"cars\\" + folder + "\\body.prm\"\r\n";
    text += "TPAGE\t\"cars\\" + folder + "\\car.bmp\"\r\nCOLL\t\"cars\\" + folder + "\\hull.hul\"\r\n";
    text += "TopSpeed\t38.000000\r\nClass\t1\r\nRating\t3\r\nBODY {\r\nMass\t1.500000\r\n}\r\n";
    for (int w = 0; w < 4; ++w)
        text += "WHEEL " + QByteArray::number(w) +
                " {\r\nIsPowered\tTRUE\r\nGrip\t0.020000\r\n"
                "SteerRatio\t-0.3\r\nEngineRatio\t30000.0\r\n}\r\n";
    text += "AI {\r\n}\r\n}\r\n\r\nb7e9d8a1\r\n";
    return text;
}

// A texture like a car's paint: panels of colour with fine noise, which a PNG compresses about as
// well as a real skin (some 18 MB at 4096 pixels).
QImage texture(int side, quint32 seed)
{
    QImage image(side, side, QImage::Format_RGB32);
    quint32 s = seed;
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            s = s * 1664525u + 1013904223u;
            const int noise = int(s >> 27);
            line[x] = qRgb((x / 64 * 37 + int(seed) + noise) & 255, (y / 64 * 53 + noise) & 255,
                           ((x ^ y) >> 4) & 255);
        }
    }
    return image;
}

// A car folder with `count` skins: car.bmp (the current one) and car1.bmp ... as `format`.
QString makeCar(const QString& root, const QString& name, int side, const char* format, int count)
{
    const QString folder = root + QLatin1Char('/') + name;
    const QString done = folder + QStringLiteral("/.complete");
    if (QFile::exists(done))
        return folder;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QFile params(folder + QStringLiteral("/parameters.txt"));
    params.open(QIODevice::WriteOnly);
    params.write(parameters(name.toLatin1()));
    params.close();
    std::fprintf(stderr, "writing %d textures of %d pixels into %s\n", count, side, qPrintable(folder));
    // Two different pictures, the rest copies: only the current skin and the first other one are
    // decoded when the window opens.
    for (int i = 0; i < count; ++i) {
        const QString file =
            folder + (i == 0 ? QStringLiteral("/car.bmp") : QStringLiteral("/car%1.bmp").arg(i));
        if (i < 2)
            texture(side, quint32(7 + i * 101)).save(file, format);
        else
            QFile::copy(folder + QStringLiteral("/car1.bmp"), file);
    }
    QFile(done).open(QIODevice::WriteOnly);
    return folder;
}

struct Opening
{
    double filled = 0;   // statistics and lists shown
    double pictures = 0; // and both skin pictures
    double cpu = 0;
    double windowThreadCpu = 0; // the window's own thread, until it is filled
    double peakAbove = 0;       // MB above the size before the window
};

Opening openOnce(Platform platform, const QString& car)
{
    DetailsContext context;
    context.carPath = car;
    context.selectedEntry = QFileInfo(car).fileName();
    context.picture = QImage(64, 64, QImage::Format_RGB16);
    context.picture.fill(Qt::darkGreen);
    QCoreApplication::processEvents();
    resetPeak();
    const double before = statusMb("VmRSS:");
    const double cpu = cpuSeconds();
    const double threadCpu = threadCpuSeconds();
    QElapsedTimer t;
    t.start();
    Opening o;
    {
        Sett sett(platform, context);
        sett.show();
        while (!sett.isFilled())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QCoreApplication::processEvents();
        o.filled = double(t.nsecsElapsed()) / 1e9;
        o.windowThreadCpu = threadCpuSeconds() - threadCpu;
        sett.waitForPictures();
        QCoreApplication::processEvents();
        o.pictures = double(t.nsecsElapsed()) / 1e9;
        o.cpu = cpuSeconds() - cpu;
        const bool shown = !sett.findChild<QLabel*>(QStringLiteral("kakar"))->pixmap().isNull() &&
                           !sett.findChild<QLabel*>(QStringLiteral("OtherIm"))->pixmap().isNull();
        if (!shown)
            std::fprintf(stderr, "warning: a skin picture of %s is missing\n", qPrintable(car));
    }
    o.peakAbove = statusMb("VmHWM:") - before;
    return o;
}

// What the window did before: both pictures decoded in full, one after the other, then scaled.
Opening naiveOnce(const QString& car)
{
    resetPeak();
    const double before = statusMb("VmRSS:");
    const double cpu = cpuSeconds();
    QElapsedTimer t;
    t.start();
    for (const char* name : {"/car.bmp", "/car1.bmp"}) {
        QImageReader reader(car + QLatin1String(name));
        const QImage full = reader.read();
        const QImage shown = full.scaled(92, 92, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (shown.isNull())
            std::fprintf(stderr, "warning: %s%s did not decode\n", qPrintable(car), name);
    }
    Opening o;
    o.pictures = double(t.nsecsElapsed()) / 1e9;
    o.cpu = cpuSeconds() - cpu;
    o.peakAbove = statusMb("VmHWM:") - before;
    return o;
}

// Reads every file of the folder once, so that all runs find them in the page cache.
void warm(const QString& folder)
{
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
        QFile f(file.filePath());
        if (f.open(QIODevice::ReadOnly))
            while (!f.read(1 << 20).isEmpty()) {
            }
    }
}

// One car, in this process: the first opening gives the memory, the best of `reps` the times.
int measure(const QString& label, const QString& folder, int reps)
{
    LocalFileSystem fs;
    QtPictures pictures;
    QtDialogs dialogs(QStringLiteral("Parkwen"));
    QtProcesses processes;
    const Platform platform{fs, pictures, dialogs, processes, QCoreApplication::applicationDirPath()};
    warm(folder);
    const Opening first = openOnce(platform, folder);
    Opening best = first;
    for (int r = 1; r < reps; ++r) {
        const Opening o = openOnce(platform, folder);
        if (o.pictures < best.pictures)
            best = o;
    }
    Opening naive = naiveOnce(folder);
    const double naivePeak = naive.peakAbove;
    for (int r = 1; r < reps; ++r) {
        const Opening o = naiveOnce(folder);
        if (o.pictures < naive.pictures)
            naive = o;
    }
    std::printf(
        "| %s | %.1f MB | %.3f s | %.3f s | %.3f s | %.3f s | %.1f MB | %.3f s | %.3f s | %.1f MB |\n",
        qPrintable(label), double(QFileInfo(folder + QStringLiteral("/car1.bmp")).size()) / 1e6, best.filled,
        best.windowThreadCpu, best.pictures, best.cpu, first.peakAbove, naive.pictures, naive.cpu, naivePeak);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (qEnvironmentVariableIntValue("PARKWEN_BENCH_WORKERS") > 0)
        QThreadPool::globalInstance()->setMaxThreadCount(
            qEnvironmentVariableIntValue("PARKWEN_BENCH_WORKERS"));
    QString root = QStringLiteral("/tmp/parkwen-details-bench");
    int reps = 3;
    QString only;
    QString label;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--root"))
            root = args[++i];
        else if (args[i] == QLatin1String("--reps"))
            reps = qMax(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--only"))
            only = args[++i];
        else if (args[i] == QLatin1String("--label"))
            label = args[++i];
    }
    if (!only.isEmpty())
        return measure(label, only, reps);

    struct Case
    {
        QString label;
        QString folder;
    };
    const Case cases[] = {
        {QStringLiteral("six 256² BMP skins (a 1999 car)"),
         makeCar(root, QStringLiteral("classic"), 256, "BMP", 6)},
        {QStringLiteral("six 1024² PNG skins"), makeCar(root, QStringLiteral("modern1k"), 1024, "PNG", 6)},
        {QStringLiteral("six 4096² PNG skins"), makeCar(root, QStringLiteral("modern4k"), 4096, "PNG", 6)},
        {QStringLiteral("six 4096² JPEG skins"),
         makeCar(root, QStringLiteral("modern4kjpeg"), 4096, "JPEG", 6)},
    };

    std::printf("Machine: %d logical CPUs, %s, Qt %s  \n", QThread::idealThreadCount(),
                qPrintable(QSysInfo::prettyProductName()), qVersion());
    std::printf("Load average before: %s  \n", qPrintable(loadAverage()));
    std::printf("Command: `build/bin/parkwen_detailsbench --reps %d`\n\n", reps);
    std::printf("| car | skin file | window filled | its thread's CPU | skins shown | CPU (all threads) | "
                "peak memory above before | naive: both decoded in full | naive CPU | naive peak memory |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);
    for (const Case& c : cases) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--only"), c.folder, QStringLiteral("--label"), c.label,
                     QStringLiteral("--reps"), QString::number(reps)});
        child.waitForFinished(-1);
        std::fputs(child.readAllStandardOutput().constData(), stdout);
        std::fflush(stdout);
    }
    std::printf("\nLoad average after: %s\n", qPrintable(loadAverage()));
    return 0;
}
