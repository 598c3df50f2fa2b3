#include "bench/measure.h"

#include "library/carlibrary.h"
#include "setup/paths_db.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/resource.h>

#include <cstdio>
#include <limits>

namespace parkwen::bench {

double seconds(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

qint64 statusKb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

double best(int reps, const std::function<void()>& work, double* cpu)
{
    double result = std::numeric_limits<double>::max();
    for (int i = 0; i < reps; ++i) {
        const double c0 = cpuSeconds();
        QElapsedTimer t;
        t.start();
        work();
        const double wall = seconds(t);
        if (wall < result) {
            result = wall;
            if (cpu)
                *cpu = cpuSeconds() - c0;
        }
    }
    return result;
}

void report(const char* key, double value)
{
    std::printf("%s=%.6f\n", key, value);
}

void report(const char* key, qint64 value)
{
    std::printf("%s=%lld\n", key, static_cast<long long>(value));
}

QString readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QByteArray readAllBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void warmCache(const QString& folder)
{
    for (const QFileInfo& car : QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QFileInfo& file : QDir(car.filePath()).entryInfoList(QDir::Files))
            readAllBytes(file.filePath());
}

int run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    p.waitForFinished(-1);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void syncDisk()
{
    run(QStringLiteral("sync"), {});
}

void writePaths(const QString& programFolder, const QString& carFolder, const QString& garageFolder)
{
    auto db = PathsDatabase::create(QDir(programFolder).filePath(QStringLiteral("paths.mdb")));
    auto rs = db.value()->openRecordset();
    for (const QString& record : {carFolder, garageFolder, QStringLiteral("30000")}) {
        rs.value()->addNew();
        rs.value()->setField0(record);
        rs.value()->update();
    }
}

void pointAt(CarLibrary& cars, const QString& carFolder, const QString& garageFolder)
{
    cars.folder(FolderRole::Cars).setPath(carFolder);
    cars.folder(FolderRole::Garage).setPath(garageFolder);
    cars.options().maxCars = 30000;
}

} // namespace parkwen::bench
