#pragma once

#include <QList>
#include <QMap>
#include <QString>

namespace parkwen::bench {

// The figures one measurement reports, by key ("scan_s", "hwm_kb", ...).
using Figures = QMap<QString, double>;
// The figures of each library size (cars in each folder).
using FiguresBySize = QMap<int, Figures>;

// The children: each runs in a process of its own, so that each peak memory figure belongs to one
// size, and prints its figures as "key=value" lines for the parent. They return the exit code.

// The scans of the library in `root` (its cars/ and garage/), the references they are held against
// and the naive decoder; with `scansOnly`, only the scans (for a profiler).
int scanChild(const QString& root, int reps, bool scansOnly = false);
// The scans and Refresh with the thumbnail cache, empty (cold) and filled (warm).
int cacheChild(const QString& root, int reps);
// The "All" moves of the Car Folder of `library`, copied into `workspace`, against cp -r + rm -r.
// The Garage Folder lies in `garageRoot` when given (another file system), else in the workspace.
int movesChild(const QString& library, const QString& workspace, int reps, const QString& garageRoot);

// The real program's start-up on the library in `root` (`cars` a side), measured from outside.
Figures startupFigures(const QString& root, int cars, int reps);

// The report's Markdown tables, on stdout.
void printHeading(const QString& machine, const QString& loadBefore, const QString& loadAfter,
                  const QString& command);
void printScanTables(const QList<int>& sizes, const FiguresBySize& scans);
void printGrowth(int small, int large, const FiguresBySize& scans);
void printCacheTable(const QList<int>& sizes, const FiguresBySize& scans, const FiguresBySize& cached);
void printStartupTables(const QList<int>& startupSizes, const FiguresBySize& startups);
void printMoveTable(const QString& title, const QList<int>& moveSizes, const FiguresBySize& figures);

} // namespace parkwen::bench
