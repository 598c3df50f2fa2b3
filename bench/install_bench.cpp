// parkwen_install_bench: installing a pack of cars from a zip archive, beside bsdtar unpacking the
// same archive.
//
//   parkwen_install_bench [--root DIR] [--cars 200] [--reps 3] [--seed 1]
//
// It generates the cars (the same generator as parkwen_bench), packs them as MyPack/cars/<name>/...
// into one zip archive through libarchive, then, --reps times each and alternating, unpacks the
// archive with `bsdtar -xf` into an empty folder and installs it with the program's installer into
// an empty Car Folder. Each run starts after a `sync`, on a warm page cache (the archive is read
// once first). It prints a Markdown report; the best run of each counts.

#include "bench/benchplatform.h"
#include "bench/libgen.h"
#include "install/carinstaller.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QThread>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace parkwen;
using bench::NoProcesses;
using bench::SilentDialogs;

namespace {

bool writeZip(const QString& sourceCars, const QString& zip)
{
    struct archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    if (archive_write_open_filename(a, QFile::encodeName(zip).constData()) != ARCHIVE_OK)
        return false;
    QStringList files;
    QDirIterator it(sourceCars, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(sourceCars).relativeFilePath(it.next());
    files.sort();
    for (const QString& relative : std::as_const(files)) {
        QFile file(sourceCars + QLatin1Char('/') + relative);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = file.readAll();
        struct archive_entry* e = archive_entry_new();
        archive_entry_set_pathname_utf8(e, (QStringLiteral("MyPack/cars/") + relative).toUtf8().constData());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, bytes.size());
        archive_write_header(a, e);
        archive_write_data(a, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
    return true;
}

void syncDisk()
{
    ::sync();
}

struct Tree
{
    int files = 0;
    qint64 bytes = 0;
};

Tree measure(const QString& folder)
{
    Tree tree;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++tree.files;
        tree.bytes += it.fileInfo().size();
    }
    return tree;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What the command line asks for.
struct Options
{
    QString root = QStringLiteral("/tmp/parkwen-install-bench");
    int cars = 200;
    int reps = 3;
    quint64 seed = 1;
};

Options readOptions(const QStringList& args)
{
    Options o;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--root"))
            o.root = args[i + 1];
        else if (args[i] == QLatin1String("--cars"))
            o.cars = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--reps"))
            o.reps = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--seed"))
            o.seed = args[i + 1].toULongLong();
    }
    return o;
}

// Generates the cars and packs them into `zip`, unless an earlier run left the archive.
bool ensurePack(const Options& o, const QString& zip)
{
    if (QFileInfo::exists(zip))
        return true;
    const QString source = o.root + QStringLiteral("/source");
    QDir(source).removeRecursively();
    bench::LibraryRecipe recipe;
    recipe.cars = o.cars;
    recipe.seed = o.seed;
    recipe.tag = QStringLiteral("p");
    const QString failed = bench::generateLibrary(source, recipe);
    if (!failed.isEmpty() || !writeZip(source, zip)) {
        std::fprintf(stderr, "cannot make the pack: %s\n", qPrintable(failed));
        return false;
    }
    return true;
}

// Reads the archive once so that every run finds it in the page cache.
void warmPageCache(const QString& zip)
{
    QFile file(zip);
    file.open(QIODevice::ReadOnly);
    while (!file.read(1 << 20).isEmpty()) {
    }
}

// The times of each run, and what the last run of each left on disk.
struct Runs
{
    QList<double> bsdtarMs;
    QList<double> installMs;
    Tree bsdtarTree;
    Tree installTree;
    int installed = 0;
};

// One `bsdtar -xf` into an empty folder; false when bsdtar failed.
bool timeBsdtar(const QString& root, const QString& zip, Runs& runs)
{
    const QString out = root + QStringLiteral("/bsdtar");
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    syncDisk();
    QElapsedTimer timer;
    timer.start();
    const int rc =
        QProcess::execute(QStringLiteral("bsdtar"), {QStringLiteral("-xf"), zip, QStringLiteral("-C"), out});
    runs.bsdtarMs << double(timer.nsecsElapsed()) / 1e6;
    if (rc != 0) {
        std::fprintf(stderr, "bsdtar failed\n");
        return false;
    }
    runs.bsdtarTree = measure(out);
    QDir(out).removeRecursively();
    return true;
}

// One install of the archive into an empty Car Folder.
void timeInstall(const Platform& platform, InstallQuestions& answers, const QString& root, const QString& zip,
                 Runs& runs)
{
    const QString carFolder = root + QStringLiteral("/cars");
    const QString garageFolder = root + QStringLiteral("/garage");
    QDir(carFolder).removeRecursively();
    QDir(garageFolder).removeRecursively();
    QDir().mkpath(carFolder);
    QDir().mkpath(garageFolder);
    syncDisk();
    QElapsedTimer timer;
    timer.start();
    CarInstaller installer(platform, carFolder, garageFolder, answers);
    const InstallSummary summary = installer.install({zip}, CarInstaller::Target::CarFolder);
    runs.installMs << double(timer.nsecsElapsed()) / 1e6;
    runs.installed = int(summary.installed.size());
    runs.installTree = measure(carFolder);
    QDir(carFolder).removeRecursively();
}

void printReport(const Options& o, const QString& zip, const Runs& runs)
{
    const double bestBsdtar = *std::min_element(runs.bsdtarMs.begin(), runs.bsdtarMs.end());
    const double bestInstall = *std::min_element(runs.installMs.begin(), runs.installMs.end());
    std::printf("## Installing a %d-car zip pack\n\n", o.cars);
    std::printf("Machine: %s, %d cores; archive %.1f MB, %d files, %.1f MB unpacked.\n\n",
                qPrintable(QSysInfo::prettyProductName()), QThread::idealThreadCount(),
                QFileInfo(zip).size() / 1e6, runs.bsdtarTree.files, runs.bsdtarTree.bytes / 1e6);
    std::printf("| | best of %d (ms) | median (ms) | runs (ms) |\n|---|---:|---:|---|\n", o.reps);
    auto row = [&](const char* what, const QList<double>& times) {
        QStringList list;
        for (double ms : times)
            list << QString::number(ms, 'f', 0);
        std::printf("| %s | %.0f | %.0f | %s |\n", what, *std::min_element(times.begin(), times.end()),
                    median(times), qPrintable(list.join(QStringLiteral(", "))));
    };
    row("`bsdtar -xf pack.zip`", runs.bsdtarMs);
    row("Parkwen install into the Car Folder", runs.installMs);
    std::printf("\nRatio (best install / best bsdtar): %.2f; median ratio %.2f. Cars installed: %d; files %d "
                "(bsdtar %d), bytes %lld (bsdtar %lld).\n",
                bestInstall / bestBsdtar, median(runs.installMs) / median(runs.bsdtarMs), runs.installed,
                runs.installTree.files, runs.bsdtarTree.files, static_cast<long long>(runs.installTree.bytes),
                static_cast<long long>(runs.bsdtarTree.bytes));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const Options options = readOptions(app.arguments());
    QDir().mkpath(options.root);
    const QString zip = options.root + QStringLiteral("/pack.zip");
    if (!ensurePack(options, zip))
        return 1;
    warmPageCache(zip);

    LocalFileSystem fs;
    QtPictures pictures;
    SilentDialogs dialogs;
    NoProcesses processes;
    const Platform platform{fs, pictures, dialogs, processes, options.root};
    FixedInstallAnswers answers;
    Runs runs;
    for (int rep = 0; rep < options.reps; ++rep) {
        if (!timeBsdtar(options.root, zip, runs))
            return 1;
        timeInstall(platform, answers, options.root, zip, runs);
    }
    syncDisk();
    printReport(options, zip, runs);
    return 0;
}
