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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QString root = QStringLiteral("/tmp/parkwen-install-bench");
    int cars = 200;
    int reps = 3;
    quint64 seed = 1;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--root"))
            root = args[i + 1];
        else if (args[i] == QLatin1String("--cars"))
            cars = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--reps"))
            reps = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--seed"))
            seed = args[i + 1].toULongLong();
    }
    QDir().mkpath(root);
    const QString source = root + QStringLiteral("/source");
    const QString zip = root + QStringLiteral("/pack.zip");
    if (!QFileInfo::exists(zip)) {
        QDir(source).removeRecursively();
        bench::LibraryRecipe recipe;
        recipe.cars = cars;
        recipe.seed = seed;
        recipe.tag = QStringLiteral("p");
        const QString failed = bench::generateLibrary(source, recipe);
        if (!failed.isEmpty() || !writeZip(source, zip)) {
            std::fprintf(stderr, "cannot make the pack: %s\n", qPrintable(failed));
            return 1;
        }
    }
    // Warm the page cache with the archive.
    {
        QFile file(zip);
        file.open(QIODevice::ReadOnly);
        while (!file.read(1 << 20).isEmpty()) {
        }
    }

    LocalFileSystem fs;
    QtPictures pictures;
    SilentDialogs dialogs;
    NoProcesses processes;
    Platform platform{fs, pictures, dialogs, processes, root};
    FixedInstallAnswers answers;

    QList<double> bsdtarMs;
    QList<double> installMs;
    Tree bsdtarTree;
    Tree installTree;
    int installed = 0;
    for (int rep = 0; rep < reps; ++rep) {
        const QString out = root + QStringLiteral("/bsdtar");
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        syncDisk();
        QElapsedTimer timer;
        timer.start();
        const int rc = QProcess::execute(QStringLiteral("bsdtar"),
                                         {QStringLiteral("-xf"), zip, QStringLiteral("-C"), out});
        bsdtarMs << double(timer.nsecsElapsed()) / 1e6;
        if (rc != 0) {
            std::fprintf(stderr, "bsdtar failed\n");
            return 1;
        }
        bsdtarTree = measure(out);
        QDir(out).removeRecursively();

        const QString carFolder = root + QStringLiteral("/cars");
        const QString garageFolder = root + QStringLiteral("/garage");
        QDir(carFolder).removeRecursively();
        QDir(garageFolder).removeRecursively();
        QDir().mkpath(carFolder);
        QDir().mkpath(garageFolder);
        syncDisk();
        timer.start();
        CarInstaller installer(platform, carFolder, garageFolder, answers);
        const InstallSummary summary = installer.install({zip}, CarInstaller::Target::CarFolder);
        installMs << double(timer.nsecsElapsed()) / 1e6;
        installed = int(summary.installed.size());
        installTree = measure(carFolder);
        QDir(carFolder).removeRecursively();
    }
    syncDisk();

    const double bestBsdtar = *std::min_element(bsdtarMs.begin(), bsdtarMs.end());
    const double bestInstall = *std::min_element(installMs.begin(), installMs.end());
    std::printf("## Installing a %d-car zip pack\n\n", cars);
    std::printf("Machine: %s, %d cores; archive %.1f MB, %d files, %.1f MB unpacked.\n\n",
                qPrintable(QSysInfo::prettyProductName()), QThread::idealThreadCount(),
                QFileInfo(zip).size() / 1e6, bsdtarTree.files, bsdtarTree.bytes / 1e6);
    std::printf("| | best of %d (ms) | median (ms) | runs (ms) |\n|---|---:|---:|---|\n", reps);
    auto row = [&](const char* what, const QList<double>& runs) {
        QStringList list;
        for (double ms : runs)
            list << QString::number(ms, 'f', 0);
        std::printf("| %s | %.0f | %.0f | %s |\n", what, *std::min_element(runs.begin(), runs.end()),
                    median(runs), qPrintable(list.join(QStringLiteral(", "))));
    };
    row("`bsdtar -xf pack.zip`", bsdtarMs);
    row("Parkwen install into the Car Folder", installMs);
    std::printf("\nRatio (best install / best bsdtar): %.2f; median ratio %.2f. Cars installed: %d; files %d "
                "(bsdtar %d), bytes %lld (bsdtar %lld).\n",
                bestInstall / bestBsdtar, median(installMs) / median(bsdtarMs), installed, installTree.files,
                bsdtarTree.files, static_cast<long long>(installTree.bytes),
                static_cast<long long>(bsdtarTree.bytes));
    return 0;
}
