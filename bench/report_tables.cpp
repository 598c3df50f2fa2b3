// The benchmark's report: Markdown tables of the figures the children and the start-ups gave.

#include "bench/parkwen_bench.h"

#include <cstdio>
#include <utility>

namespace parkwen::bench {

namespace {

void out(const QString& s)
{
    std::printf("%s\n", qPrintable(s));
}

} // namespace

void printHeading(const QString& machine, const QString& loadBefore, const QString& loadAfter,
                  const QString& command)
{
    out(QStringLiteral("Machine: %1  ").arg(machine));
    out(QStringLiteral("Load average (1, 5, 15 min) before: %1, after: %2  ").arg(loadBefore, loadAfter));
    out(QStringLiteral("Command: `%1`").arg(command));
    out(QString());
}

void printScanTables(const QList<int>& sizes, const FiguresBySize& scans)
{
    out(QStringLiteral("### Start-up scans (car scan + garage scan, N cars in each folder)"));
    out(QString());
    out(QStringLiteral(
        "| N + N | scans | cars/s | scans CPU | peak memory | raw read | 1/8 decode (1 core) | read + "
        "1/8 decode (both cores) | thumbnails (1 core) | naive decoder | naive CPU | Refresh |"));
    out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|---|---|"));
    for (int n : sizes) {
        const auto& v = scans[n];
        const double cars = v.value("listed_cars") + v.value("listed_garage");
        out(QStringLiteral("| %1 + %1 | %2 s | %3 | %4 s | %5 MB | %6 s | %7 s | %8 s | %9 s | %10 s | "
                           "%11 s | %12 s |")
                .arg(n)
                .arg(v.value("scan_s"), 0, 'f', 3)
                .arg(cars / v.value("scan_s"), 0, 'f', 0)
                .arg(v.value("scan_cpu_s"), 0, 'f', 2)
                .arg(v.value("hwm_scan_kb") / 1024, 0, 'f', 1)
                .arg(v.value("raw_read_s"), 0, 'f', 3)
                .arg(v.value("decode18_1t_s"), 0, 'f', 3)
                .arg(v.value("read_decode18_2t_s"), 0, 'f', 3)
                .arg(v.value("thumbs_1t_s"), 0, 'f', 3)
                .arg(v.value("naive_scan_s"), 0, 'f', 2)
                .arg(v.value("naive_scan_cpu_s"), 0, 'f', 2)
                .arg(v.value("refresh_s"), 0, 'f', 3));
    }
    out(QString());
    out(QStringLiteral(
        "| N + N | listed | messages | picture files (MB) | memory before scan | thumbnail | scans / "
        "(raw read + 1/8 decode) | scans / (read + 1/8 decode, both cores) | naive / scans | naive CPU / "
        "scans "
        "CPU |"));
    out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|"));
    for (int n : sizes) {
        const auto& v = scans[n];
        const double scan = v.value("scan_s");
        out(QStringLiteral("| %1 + %1 | %2 + %3 | %4 | %5 (%6) | %7 MB | %8 bytes | %9 | %10 | %11 | %12 |")
                .arg(n)
                .arg(v.value("listed_cars"))
                .arg(v.value("listed_garage"))
                .arg(v.value("messages") + v.value("messages_after_refresh"))
                .arg(v.value("picture_files"))
                .arg(v.value("picture_bytes") / 1e6, 0, 'f', 0)
                .arg(v.value("rss_before_scan_kb") / 1024, 0, 'f', 1)
                .arg(v.value("thumbnail_bytes"))
                .arg(scan / (v.value("raw_read_s") + v.value("decode18_1t_s")), 0, 'f', 2)
                .arg(scan / v.value("read_decode18_2t_s"), 0, 'f', 2)
                .arg(v.value("naive_scan_s") / scan, 0, 'f', 2)
                .arg(v.value("naive_scan_cpu_s") / v.value("scan_cpu_s"), 0, 'f', 2));
    }
}

void printGrowth(int small, int large, const FiguresBySize& scans)
{
    out(QString());
    out(QStringLiteral("Growth %1 -> %2 cars (%3x the cars): scans %4x, Refresh %5x, naive %6x.")
            .arg(small)
            .arg(large)
            .arg(double(large) / small, 0, 'f', 1)
            .arg(scans[large].value("scan_s") / scans[small].value("scan_s"), 0, 'f', 2)
            .arg(scans[large].value("refresh_s") / scans[small].value("refresh_s"), 0, 'f', 2)
            .arg(scans[large].value("naive_scan_s") / scans[small].value("naive_scan_s"), 0, 'f', 2));
}

void printCacheTable(const QList<int>& sizes, const FiguresBySize& scans, const FiguresBySize& cached)
{
    out(QString());
    out(QStringLiteral("### Scans and Refresh with the thumbnail cache (in the process, N + N)"));
    out(QString());
    out(QStringLiteral(
        "| N + N | scans without the cache | cold (empty cache) | warm (filled) | warm / cold | "
        "Refresh cold | Refresh warm | warm / cold | listed cold, warm | cache file |"));
    out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|"));
    for (int n : sizes) {
        const auto& c = cached[n];
        out(QStringLiteral("| %1 + %1 | %2 s | %3 s | %4 s | %5 | %6 s | %7 s | %8 | %9, %10 | %11 MB |")
                .arg(n)
                .arg(scans[n].value("scan_s"), 0, 'f', 3)
                .arg(c.value("cache_cold_scan_s"), 0, 'f', 3)
                .arg(c.value("cache_warm_scan_s"), 0, 'f', 3)
                .arg(c.value("cache_warm_scan_s") / c.value("cache_cold_scan_s"), 0, 'f', 2)
                .arg(c.value("cache_cold_refresh_s"), 0, 'f', 3)
                .arg(c.value("cache_warm_refresh_s"), 0, 'f', 3)
                .arg(c.value("cache_warm_refresh_s") / c.value("cache_cold_refresh_s"), 0, 'f', 2)
                .arg(c.value("cache_cold_listed"))
                .arg(c.value("cache_warm_listed"))
                .arg(c.value("cache_file_bytes") / 1e6, 0, 'f', 1));
    }
}

namespace {

void printStartupTable(const QList<int>& startupSizes, const FiguresBySize& startups)
{
    out(QString());
    out(QStringLiteral("### Start-up of the program, from outside (launch to both lists drawn, N + N)"));
    out(QString());
    out(QStringLiteral("| N + N | without the cache | cold (empty cache) | warm (filled) | warm / cold | "
                       "cold / without | peak memory without | peak cold | peak warm | counts checked |"));
    out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|"));
    for (int n : startupSizes) {
        const auto& v = startups[n];
        out(QStringLiteral("| %1 + %1 | %2 s | %3 s | %4 s | %5 | %6 | %7 MB | %8 MB | %9 MB | %10 |")
                .arg(n)
                .arg(v.value("nocache_s"), 0, 'f', 3)
                .arg(v.value("cold_s"), 0, 'f', 3)
                .arg(v.value("warm_s"), 0, 'f', 3)
                .arg(v.value("warm_s") / v.value("cold_s"), 0, 'f', 2)
                .arg(v.value("cold_s") / v.value("nocache_s"), 0, 'f', 2)
                .arg(v.value("nocache_kb") / 1024, 0, 'f', 1)
                .arg(v.value("cold_kb") / 1024, 0, 'f', 1)
                .arg(v.value("warm_kb") / 1024, 0, 'f', 1)
                .arg(v.value("wrong_counts") == 0
                         ? QStringLiteral("all %1 + %1").arg(n)
                         : QStringLiteral("**%1 wrong**").arg(v.value("wrong_counts"))));
    }
}

void printWindowAndListTable(const QList<int>& startupSizes, const FiguresBySize& startups)
{
    out(QString());
    out(QStringLiteral(
        "### The window and `parkwen --list car` with and without the cache (N + N; CPU: user + "
        "system of the whole run)"));
    out(QString());
    out(QStringLiteral(
        "| N + N | | without the cache | cold | warm | cold / without | warm / cold | CPU without | "
        "CPU cold | CPU warm | CPU cold / without |"));
    out(QStringLiteral("|---|---|---|---|---|---|---|---|---|---|---|"));
    for (int n : startupSizes) {
        const auto& v = startups[n];
        for (const auto& [label, prefix] :
             {std::pair{QStringLiteral("window"), QString()},
              std::pair{QStringLiteral("`--list car`"), QStringLiteral("list_")}}) {
            auto value = [&](const char* key) { return v.value(prefix + QString::fromLatin1(key)); };
            out(QStringLiteral("| %1 + %1 | %2 | %3 s | %4 s | %5 s | %6 | %7 | %8 s | %9 s | %10 s | %11 |")
                    .arg(n)
                    .arg(label)
                    .arg(value("nocache_s"), 0, 'f', 3)
                    .arg(value("cold_s"), 0, 'f', 3)
                    .arg(value("warm_s"), 0, 'f', 3)
                    .arg(value("cold_s") / value("nocache_s"), 0, 'f', 2)
                    .arg(value("warm_s") / value("cold_s"), 0, 'f', 3)
                    .arg(value("nocache_cpu_s"), 0, 'f', 2)
                    .arg(value("cold_cpu_s"), 0, 'f', 2)
                    .arg(value("warm_cpu_s"), 0, 'f', 2)
                    .arg(value("cold_cpu_s") / value("nocache_cpu_s"), 0, 'f', 2));
        }
    }
}

void printPeakGrowth(const QList<int>& startupSizes, const FiguresBySize& startups)
{
    const auto& small = startups[startupSizes.first()];
    const auto& large = startups[startupSizes.last()];
    out(QString());
    out(QStringLiteral("Peak memory growth %1 -> %2 cars a side: without the cache %3x, cold %4x, warm %5x.")
            .arg(startupSizes.first())
            .arg(startupSizes.last())
            .arg(large.value("nocache_kb") / small.value("nocache_kb"), 0, 'f', 2)
            .arg(large.value("cold_kb") / small.value("cold_kb"), 0, 'f', 2)
            .arg(large.value("warm_kb") / small.value("warm_kb"), 0, 'f', 2));
}

} // namespace

void printStartupTables(const QList<int>& startupSizes, const FiguresBySize& startups)
{
    printStartupTable(startupSizes, startups);
    printWindowAndListTable(startupSizes, startups);
    if (startupSizes.size() >= 2)
        printPeakGrowth(startupSizes, startups);
}

void printMoveTable(const QString& title, const QList<int>& moveSizes, const FiguresBySize& figures)
{
    out(QString());
    out(title);
    out(QString());
    out(QStringLiteral(
        "| N | command | time | cp -r + rm -r | ratio | cp -r + sync + rm -r | ratio | without "
        "the moves' flushes | its ratio to cp -r + rm -r |"));
    out(QStringLiteral("|---|---|---|---|---|---|---|---|---|"));
    for (int n : moveSizes) {
        const auto& v = figures[n];
        for (const QString& d : {QStringLiteral("gar"), QStringLiteral("car")}) {
            const double ours = v.value(QStringLiteral("all_%1_s").arg(d));
            const double ref = v.value(QStringLiteral("ref_%1_s").arg(d));
            const double refSync = v.value(QStringLiteral("ref_sync_%1_s").arg(d));
            const double unflushedAll = v.value(QStringLiteral("all_unflushed_%1_s").arg(d));
            out(QStringLiteral("| %1 | %2 | %3 s | %4 s | %5 | %6 s | %7 | %8 s | %9 |")
                    .arg(n)
                    .arg(d == QLatin1String("gar") ? QStringLiteral("\"All: Gar.\"")
                                                   : QStringLiteral("\"All: Car\""))
                    .arg(ours, 0, 'f', 3)
                    .arg(ref, 0, 'f', 3)
                    .arg(ours / ref, 0, 'f', 2)
                    .arg(refSync, 0, 'f', 3)
                    .arg(ours / refSync, 0, 'f', 2)
                    .arg(unflushedAll, 0, 'f', 3)
                    .arg(unflushedAll / ref, 0, 'f', 2));
        }
    }
    out(QString());
    for (int n : moveSizes) {
        const auto& v = figures[n];
        out(QStringLiteral("%1 cars: moved %2 to the garage and %3 back; %4 messages; peak memory %5 MB.  ")
                .arg(n)
                .arg(v.value("moved_to_garage"))
                .arg(v.value("moved_to_cars"))
                .arg(v.value("messages"))
                .arg(v.value("hwm_kb") / 1024, 0, 'f', 1));
    }
}

} // namespace parkwen::bench
