// parkwen_bench: how fast the car library is at thousands of cars.
//
//   parkwen_bench [--root DIR] [--sizes 1000,5000] [--moves 1000] [--startup 1000,5000] [--reps 3]
//                 [--seed 1] [--other-fs DIR]
//
// --other-fs names a folder on another file system (a second mount, e.g. a tmpfs): the "All" moves
// then run a second time with the Garage Folder there.
// For each size N it generates (once, cached under --root) a Car Folder and a Garage Folder of N
// cars each, then runs the measurements of that size in a child process of its own, so that each
// peak memory figure belongs to one size. The start-up of the real program is measured from
// outside: launch to the main window shown, without the thumbnail cache, with an empty one and
// with a filled one. It prints a Markdown report on stdout.
//
// Every timing is wall-clock on a warm page cache (the files are read once before measuring);
// where a figure is repeated (--reps), the best run counts, which filters out other work on a
// shared machine.

#include "bench/parkwen_bench.h"
#include "bench/libgen.h"
#include "bench/measure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>

using namespace parkwen::bench;

namespace {

// ---------------------------------------------------------------------------------------------
// Parent: generation, children, report

Figures runChild(const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), args);
    p.waitForFinished(-1);
    Figures values;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            values.insert(QString::fromLatin1(line.left(eq)), line.mid(eq + 1).toDouble());
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        std::fprintf(stderr, "child %s failed\n", qPrintable(args.join(QLatin1Char(' '))));
    else
        std::fprintf(stderr, "child %s done\n", qPrintable(args.join(QLatin1Char(' '))));
    return values;
}

bool ensureLibrary(const QString& root, int cars, std::uint64_t seed)
{
    const QString marker = root + QStringLiteral("/.complete-%1").arg(seed);
    if (QFile::exists(marker))
        return true;
    QDir(root).removeRecursively();
    QElapsedTimer t;
    t.start();
    for (const auto& [folder, tag] : {std::pair{QStringLiteral("cars"), QStringLiteral("c")},
                                      std::pair{QStringLiteral("garage"), QStringLiteral("g")}}) {
        LibraryRecipe recipe;
        recipe.cars = cars;
        recipe.seed = seed;
        recipe.tag = tag;
        const QString failure = generateLibrary(root + QLatin1Char('/') + folder, recipe);
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "generation failed: %s\n", qPrintable(failure));
            return false;
        }
    }
    QFile f(marker);
    f.open(QIODevice::WriteOnly);
    std::fprintf(stderr, "generated %d + %d cars in %s (%.0f s)\n", cars, cars, qPrintable(root), seconds(t));
    return true;
}

QList<int> sizesOf(const QString& text)
{
    QList<int> out;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        out << part.toInt();
    return out;
}

QString machine()
{
    QString cpu = QStringLiteral("unknown");
    for (const QString& line : readText(QStringLiteral("/proc/cpuinfo")).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("model name"))) {
            cpu = line.section(QLatin1Char(':'), 1).trimmed();
            break;
        }
    qint64 memKb = 0;
    for (const QString& line : readText(QStringLiteral("/proc/meminfo")).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("MemTotal:")))
            memKb = line.section(QLatin1Char(':'), 1).trimmed().section(QLatin1Char(' '), 0, 0).toLongLong();
    return QStringLiteral("%1 logical CPUs (%2), %3 GB memory, %4 %5, Qt %6")
        .arg(QThread::idealThreadCount())
        .arg(cpu)
        .arg(double(memKb) / 1024 / 1024, 0, 'f', 1)
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion(), QString::fromLatin1(qVersion()));
}

QString loadAverage()
{
    return readText(QStringLiteral("/proc/loadavg")).section(QLatin1Char(' '), 0, 2);
}

// Generates (once, cached under `root`) the library of each size measured.
bool ensureLibraries(const QString& root, QList<int> all, std::uint64_t seed)
{
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    for (int n : all)
        if (!ensureLibrary(root + QStringLiteral("/lib%1").arg(n), n, seed))
            return false;
    return true;
}

QString libraryOf(const QString& root, int n)
{
    return root + QStringLiteral("/lib%1").arg(n);
}

// One child process of `mode` (--scan-child, --cache-child) per size.
FiguresBySize runChildren(const QString& mode, const QString& root, const QList<int>& sizes, int reps)
{
    FiguresBySize figures;
    for (int n : sizes)
        figures[n] = runChild({mode, libraryOf(root, n), QStringLiteral("--reps"), QString::number(reps)});
    return figures;
}

FiguresBySize measureStartups(const QString& root, const QList<int>& startupSizes, int reps)
{
    FiguresBySize startups;
    for (int n : startupSizes) {
        startups[n] = startupFigures(libraryOf(root, n), n, reps);
        std::fprintf(stderr, "start-up %d done\n", n);
    }
    return startups;
}

// The moves of each size on one file system and, with `otherFs`, onto another.
void runMoveChildren(const QString& root, const QList<int>& moveSizes, int reps, const QString& otherFs,
                     FiguresBySize& moves, FiguresBySize& movesAcross)
{
    for (int n : moveSizes) {
        const QStringList args = {QStringLiteral("--moves-child"), libraryOf(root, n),
                                  root + QStringLiteral("/moves"), QStringLiteral("--reps"),
                                  QString::number(reps)};
        moves[n] = runChild(args);
        if (!otherFs.isEmpty())
            movesAcross[n] = runChild(args + QStringList{QStringLiteral("--garage-root"), otherFs});
    }
}

int parent(const QString& root, const QList<int>& sizes, const QList<int>& moveSizes,
           const QList<int>& startupSizes, int reps, std::uint64_t seed, const QString& otherFs,
           const QString& command)
{
    if (!ensureLibraries(root, sizes + moveSizes + startupSizes, seed))
        return 1;

    const QString loadBefore = loadAverage();
    const FiguresBySize scans = runChildren(QStringLiteral("--scan-child"), root, sizes, reps);
    const FiguresBySize cached = runChildren(QStringLiteral("--cache-child"), root, sizes, reps);
    const FiguresBySize startups = measureStartups(root, startupSizes, reps);
    FiguresBySize moves;
    FiguresBySize movesAcross;
    runMoveChildren(root, moveSizes, reps, otherFs, moves, movesAcross);
    const QString loadAfter = loadAverage();

    printHeading(machine(), loadBefore, loadAfter, command);
    if (!sizes.isEmpty())
        printScanTables(sizes, scans);
    if (sizes.size() >= 2)
        printGrowth(sizes.first(), sizes.last(), scans);
    if (!sizes.isEmpty())
        printCacheTable(sizes, scans, cached);
    if (!startupSizes.isEmpty())
        printStartupTables(startupSizes, startups);
    if (!moveSizes.isEmpty())
        printMoveTable(
            QStringLiteral("### \"All\" moves on one file system (N cars, one folder to the other)"),
            moveSizes, moves);
    if (!movesAcross.isEmpty())
        printMoveTable(
            QStringLiteral("### \"All\" moves onto another file system (Garage Folder in %1)").arg(otherFs),
            moveSizes, movesAcross);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString root = QStringLiteral("/tmp/parkwen-bench");
    QString sizes = QStringLiteral("1000,5000");
    QString moveSizes = QStringLiteral("1000");
    QString startupSizes = QStringLiteral("1000,5000");
    int reps = 3;
    std::uint64_t seed = 1;
    QString otherFs;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString next = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QLatin1String("--scan-child"))
            return scanChild(next, args.value(i + 3).toInt() > 0 ? args.value(i + 3).toInt() : reps);
        if (a == QLatin1String("--profile-scans")) // for a profiler: only the scans, --reps times
            return scanChild(next, args.value(i + 3).toInt() > 0 ? args.value(i + 3).toInt() : reps, true);
        if (a == QLatin1String("--cache-child"))
            return cacheChild(next, args.value(i + 3).toInt() > 0 ? args.value(i + 3).toInt() : reps);
        if (a == QLatin1String("--moves-child"))
            return movesChild(
                next, args.value(i + 2), args.value(i + 4).toInt() > 0 ? args.value(i + 4).toInt() : reps,
                args.value(i + 5) == QLatin1String("--garage-root") ? args.value(i + 6) : QString());
        if (a == QLatin1String("--root")) {
            root = next;
            ++i;
        } else if (a == QLatin1String("--sizes")) {
            sizes = next;
            ++i;
        } else if (a == QLatin1String("--moves")) {
            moveSizes = next;
            ++i;
        } else if (a == QLatin1String("--startup")) {
            startupSizes = next;
            ++i;
        } else if (a == QLatin1String("--reps")) {
            reps = std::max(1, next.toInt());
            ++i;
        } else if (a == QLatin1String("--seed")) {
            seed = next.toULongLong();
            ++i;
        } else if (a == QLatin1String("--other-fs")) {
            otherFs = next;
            ++i;
        } else {
            std::fprintf(stderr, "usage: parkwen_bench [--root DIR] [--sizes 1000,5000] [--moves 1000] "
                                 "[--startup 1000,5000] [--reps 3] [--seed 1] [--other-fs DIR]\n");
            return 2;
        }
    }
    return parent(root, sizesOf(sizes), sizesOf(moveSizes), sizesOf(startupSizes), reps, seed, otherFs,
                  QStringLiteral("build/bin/parkwen_bench ") + args.join(QLatin1Char(' ')));
}
