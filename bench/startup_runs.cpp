// The real program's start-up, measured from outside: launch to the main window shown, without the
// thumbnail cache, with an empty one and with a filled one; and `parkwen --list car` the same ways.

#include "bench/measure.h"
#include "bench/parkwen_bench.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace parkwen::bench {

namespace {

struct Startup
{
    double seconds = -1;   // launch to both lists drawn (a command: launch to its end)
    double cpuSeconds = 0; // user + system, the whole run to its end
    qint64 peakKb = 0;
    QString counts; // "cars=N garage=N cam=N gam=N"; a command: "lines=N"
};

// CPU time of the children waited for so far.
double childCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Starts parkwen from `programFolder` on the offscreen platform and waits for the line it prints
// once its main window is drawn; then waits for it to end (it writes what is left to the cache).
Startup startProgram(const QString& programFolder, const QString& cacheHome, bool noCache,
                     const QStringList& command = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
    env.insert(QStringLiteral("PARKWEN_STARTUP_PROBE"), QStringLiteral("1"));
    env.remove(QStringLiteral("PARKWEN_NO_CACHE"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.setStandardErrorFile(QProcess::nullDevice());
    const QStringList args = command + (noCache ? QStringList{QStringLiteral("--no-cache")} : QStringList{});
    Startup s;
    const double cpuBefore = childCpuSeconds();
    QElapsedTimer t;
    t.start();
    p.start(programFolder + QStringLiteral("/parkwen"), args);
    if (!command.isEmpty()) {
        // A command: launch to its end, its output lines counted.
        p.waitForFinished(120000);
        s.seconds = seconds(t);
        s.cpuSeconds = childCpuSeconds() - cpuBefore;
        s.counts = QStringLiteral("lines=%1").arg(p.readAllStandardOutput().count('\n'));
        return s;
    }
    QByteArray out;
    while (!out.contains('\n') && p.waitForReadyRead(120000))
        out += p.readAllStandardOutput();
    if (out.startsWith("shown "))
        s.seconds = seconds(t);
    p.waitForFinished(120000);
    s.cpuSeconds = childCpuSeconds() - cpuBefore;
    const QByteArray line = out.trimmed();
    for (const QByteArray& field : line.split(' ')) {
        if (field.startsWith("hwm_kb="))
            s.peakKb = field.mid(7).toLongLong();
        else if (field.contains('='))
            s.counts += QString::fromLatin1(field) + QLatin1Char(' ');
    }
    s.counts = s.counts.trimmed();
    return s;
}

// A portable copy of the program beside this benchmark, pointed at the library in `root`.
bool makeProgramFolder(const QTemporaryDir& program, const QString& root)
{
    const QString self = QCoreApplication::applicationDirPath() + QStringLiteral("/parkwen");
    if (!QFile::copy(self, program.filePath(QStringLiteral("parkwen")))) {
        std::fprintf(stderr, "no program at %s\n", qPrintable(self));
        return false;
    }
    for (const char* name : {"blank.pkn", "portable"}) {
        QFile f(program.filePath(QString::fromLatin1(name)));
        f.open(QIODevice::WriteOnly);
    }
    writePaths(program.path(), root + QStringLiteral("/cars"), root + QStringLiteral("/garage"));
    return true;
}

// Keeps the best time and CPU time of each way, and (with `peak`) the highest peak memory.
void keepBest(Figures& v, const QString& name, const Startup& s, bool peak)
{
    const QString time = name + QStringLiteral("_s");
    const QString cpu = name + QStringLiteral("_cpu_s");
    if (!v.contains(time) || s.seconds < v[time])
        v[time] = s.seconds;
    if (!v.contains(cpu) || s.cpuSeconds < v[cpu])
        v[cpu] = s.cpuSeconds;
    if (peak) {
        const QString kb = name + QStringLiteral("_kb");
        v[kb] = std::max(v.value(kb), double(s.peakKb));
    }
}

} // namespace

// Cold (empty cache), warm (filled by the start before) and without the cache, `reps` rounds;
// the best time of each and the highest peak memory.
Figures startupFigures(const QString& root, int cars, int reps)
{
    Figures v;
    QTemporaryDir program;
    QTemporaryDir cacheHome;
    if (!makeProgramFolder(program, root))
        return v;
    warmCache(root + QStringLiteral("/cars"));
    warmCache(root + QStringLiteral("/garage"));
    const QString expected = QStringLiteral("cars=%1 garage=%1 cam=%1 gam=%1").arg(cars);
    int wrong = 0;
    auto take = [&](const QString& name, const Startup& s) {
        if (s.seconds < 0 || s.counts != expected) {
            std::fprintf(stderr, "start-up %s: %s\n", qPrintable(name), qPrintable(s.counts));
            ++wrong;
            return;
        }
        keepBest(v, name, s, true);
    };
    // `parkwen --list car` the same three ways: launch to its end.
    const QStringList list{QStringLiteral("--list"), QStringLiteral("car")};
    auto takeList = [&](const QString& name, const Startup& s) {
        if (s.seconds < 0 || s.counts != QStringLiteral("lines=%1").arg(cars)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(s.counts));
            ++wrong;
            return;
        }
        keepBest(v, name, s, false);
    };
    const QString cacheFolder = cacheHome.filePath(QStringLiteral("parkwen"));
    for (int r = 0; r < reps; ++r) {
        take(QStringLiteral("nocache"), startProgram(program.path(), cacheHome.path(), true));
        QDir(cacheFolder).removeRecursively();
        take(QStringLiteral("cold"), startProgram(program.path(), cacheHome.path(), false));
        take(QStringLiteral("warm"), startProgram(program.path(), cacheHome.path(), false));
        takeList(QStringLiteral("list_nocache"), startProgram(program.path(), cacheHome.path(), true, list));
        QDir(cacheFolder).removeRecursively();
        takeList(QStringLiteral("list_cold"), startProgram(program.path(), cacheHome.path(), false, list));
        takeList(QStringLiteral("list_warm"), startProgram(program.path(), cacheHome.path(), false, list));
    }
    v[QStringLiteral("wrong_counts")] = wrong;
    return v;
}

} // namespace parkwen::bench
