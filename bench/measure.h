#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <functional>

class QByteArray;

namespace parkwen {
class CarLibrary;
}

namespace parkwen::bench {

// Measuring inside a benchmark process: wall-clock and CPU time, memory, and the figures it
// reports to its parent as "key=value" lines on stdout.

double seconds(const QElapsedTimer& t);
// User + system seconds of this process so far, all threads.
double cpuSeconds();
// A "VmHWM:"-style line of /proc/self/status, in kB.
qint64 statusKb(const char* key);
// Best (smallest) of `reps` runs of `work`, in seconds; `cpu` receives the CPU seconds (all
// threads) of that run.
double best(int reps, const std::function<void()>& work, double* cpu = nullptr);

void report(const char* key, double value);
void report(const char* key, qint64 value);

// Files and programs around the measurements.

QString readText(const QString& path);
QByteArray readAllBytes(const QString& path);
// Reads every file of every car in `folder` once so that all measurements start from the page cache.
void warmCache(const QString& folder);
// Runs `program` to its end; its exit code, or -1 when it crashed.
int run(const QString& program, const QStringList& args);
// Nothing left waiting to be written.
void syncDisk();

// Writes the paths database of a program folder: the Car Folder, the Garage Folder, at most 30000 cars.
void writePaths(const QString& programFolder, const QString& carFolder, const QString& garageFolder);
// Points a library at the two folders, as the paths database above does.
void pointAt(CarLibrary& cars, const QString& carFolder, const QString& garageFolder);

} // namespace parkwen::bench
