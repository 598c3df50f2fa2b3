// parkwen_tablebench: opening the car table on a large library, and sorting and filtering it.
//
//   parkwen_tablebench [--cars 5000] [--root DIR] [--no-drop]
//
// Generates --cars cars in a Car Folder and as many in a Garage Folder (bench/libgen, with
// parameter files of the game's layout naming their own models), then measures from outside, each
// in a new process: reading every parameters.txt once with cat, and opening the table (every
// folder read, the table filled, shown and painted), the first time with the disk cache dropped
// (unless --no-drop, or when it cannot be dropped) and a second time. Peak memory is the child's
// maximum resident set. Then, in one process, sorting by each numeric column and filtering at
// --cars x 2 rows. Prints Markdown.

#include "bench/benchplatform.h"
#include "bench/libgen.h"
#include "library/carlibrary.h"
#include "library/carstatscache.h"
#include "library/manymoves.h"
#include "library/ui/cartable.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

using namespace parkwen;
using bench::NoProcesses;
using bench::SilentDialogs;

namespace {

// A parameter file of the game's layout for car `index`, naming the car's own files.
QByteArray gameParameters(const QString& folder, int index)
{
    const QByteArray f = folder.toUtf8();
    QByteArray t = "{\r\nName \t\"" + f + "\"\r\n";
    const char* models[] = {"body.prm", "wheelfl.prm", "wheelfr.prm", "wheelbl.prm", "wheelbr.prm"};
    for (int i = 0; i < 5; ++i)
        t += "MODEL \t" + QByteArray::number(i) + " \t\"cars\\" + f + "\\" + models[i] + "\"\r\n";
    for (int i = 5; i < 19; ++i)
        t += "MODEL \t" + QByteArray::number(i) + " \t\"NONE\"\r\n";
    t += "TPAGE \t\"cars\\" + f + "\\car.bmp\"\r\nCOLL \t\"cars\\" + f + "\\hull.hul\"\r\n";
    t +=
        "Class \t" + QByteArray::number(index % 3) + "\r\nRating \t" + QByteArray::number(index % 5) + "\r\n";
    t += "SteerRate \t3.000000\r\nSteerMod \t0.400000\r\nTopSpeed \t" +
         QByteArray::number(30 + index % 170 / 10.0, 'f', 6) + "\r\nCoM \t0 0 0 ; Mass centre\r\n";
    t += "BODY {\r\nModelNum 0\r\nMass \t" + QByteArray::number(1 + (index % 100) / 100.0, 'f', 6) +
         "\r\nGrip \t0.012000\r\n}\r\n";
    for (int w = 0; w < 4; ++w)
        t += "WHEEL " + QByteArray::number(w) + " {\r\nIsPowered \t" +
             QByteArray(w < 2 || index % 2 ? "true" : "FALSE") +
             "\r\nSteerRatio \t-0.500000\r\nEngineRatio \t25000.000000\r\nMass \t0.150000\r\nGrip "
             "\t0.015000\r\n}\r\n";
    t += "AI {\r\nUnderThresh \t160.000000\r\n} ; End AI\r\n}\r\n";
    return t;
}

bool writeCars(const QString& folder, const bench::LibraryRecipe& recipe)
{
    if (!bench::generateLibrary(folder, recipe).isEmpty())
        return false;
    for (int i = 0; i < recipe.cars; ++i) {
        const QString name = bench::carName(recipe, i);
        const QString car = folder + QLatin1Char('/') + name;
        QFile p(car + QStringLiteral("/parameters.txt"));
        if (!p.open(QIODevice::WriteOnly | QIODevice::Truncate) || p.write(gameParameters(name, i)) < 0)
            return false;
        for (const char* model :
             {"body.prm", "wheelfl.prm", "wheelfr.prm", "wheelbl.prm", "wheelbr.prm", "hull.hul"}) {
            QFile m(car + QLatin1Char('/') + QLatin1String(model));
            if (!m.open(QIODevice::WriteOnly) || m.write(QByteArray(2048, 'm')) < 0)
                return false;
        }
    }
    return true;
}

bool dropCaches()
{
    ::sync();
    QFile f(QStringLiteral("/proc/sys/vm/drop_caches"));
    return f.open(QIODevice::WriteOnly) && f.write("3\n") == 2;
}

struct Run
{
    double seconds = 0;
    long peakKb = 0;
};

// Runs a program and waits for it: wall time from fork to exit, and its own peak memory.
Run runChild(const QStringList& arguments)
{
    QList<QByteArray> bytes;
    for (const QString& a : arguments)
        bytes << a.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage
    {
    };
    ::wait4(pid, &status, 0, &usage);
    return {timer.nsecsElapsed() / 1e9, usage.ru_maxrss};
}

// The car table over the library at `root`, on this machine, with nobody to answer.
struct TableOnDisk
{
    LocalFileSystem fs;
    QtPictures pictures;
    SilentDialogs dialogs;
    NoProcesses processes;
    CarLibrary cars{Platform{fs, pictures, dialogs, processes, QDir::tempPath()}};
    ManyMoves moves{cars};
    CarTable table{cars, moves};

    explicit TableOnDisk(const QString& root)
    {
        cars.folder(FolderRole::Cars).setPath(root + QStringLiteral("/cars"));
        cars.folder(FolderRole::Garage).setPath(root + QStringLiteral("/garage"));
    }
};

// In the child: opens the table on the library and paints it once.
int openTable(const QString& root)
{
    CarStatsCache cache(root + QStringLiteral("/carstats.bin"));
    TableOnDisk run(root);
    CarTable& table = run.table;
    table.statsCache = &cache;
    table.reload();
    table.show();
    table.repaint();
    QApplication::processEvents();
    return table.model().rowCount() > 0 ? 0 : 1;
}

double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

int sortAndFilter(const QString& root)
{
    TableOnDisk run(root);
    CarTable& table = run.table;
    table.reload();
    table.show();
    QApplication::processEvents();
    std::printf("| work at %d rows | ms |\n|---|---|\n", table.model().rowCount());
    auto row = [](const char* what, double ms) { std::printf("| %s | %.1f |\n", what, ms); };
    QTableView* view = table.view();
    row("sort by Speed",
        millisecondsOf([&] { view->sortByColumn(CarTableModel::Speed, Qt::AscendingOrder); }));
    row("sort by Speed, the other way",
        millisecondsOf([&] { view->sortByColumn(CarTableModel::Speed, Qt::DescendingOrder); }));
    row("sort by Name", millisecondsOf([&] { view->sortByColumn(CarTableModel::Name, Qt::AscendingOrder); }));
    row("sort by Size", millisecondsOf([&] { view->sortByColumn(CarTableModel::Size, Qt::AscendingOrder); }));
    row("sort by Health",
        millisecondsOf([&] { view->sortByColumn(CarTableModel::Health, Qt::AscendingOrder); }));
    row("filter: text \"7\"", millisecondsOf([&] { table.filter().setText(QStringLiteral("7")); }));
    row("filter: text \"17\"", millisecondsOf([&] { table.filter().setText(QStringLiteral("17")); }));
    row("filter: text cleared", millisecondsOf([&] { table.filter().setText(QString()); }));
    row("filter: Class Glow", millisecondsOf([&] { table.filter().setClass(QStringLiteral("Glow")); }));
    row("filter: Rating Pro as well",
        millisecondsOf([&] { table.filter().setRating(QStringLiteral("Pro")); }));
    row("filter: Problems only", millisecondsOf([&] { table.filter().setProblemsOnly(true); }));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--open"))
        return openTable(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("--sort"))
        return sortAndFilter(args[2]);

    int cars = 5000;
    QString root;
    bool drop = true;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--cars") && i + 1 < args.size())
            cars = args[++i].toInt();
        else if (args[i] == QLatin1String("--root") && i + 1 < args.size())
            root = args[++i];
        else if (args[i] == QLatin1String("--no-drop"))
            drop = false;
    }
    QTemporaryDir temporary;
    if (root.isEmpty())
        root = temporary.path();
    if (!QDir(root + QStringLiteral("/cars")).exists()) {
        std::fprintf(stderr, "generating %d + %d cars in %s\n", cars, cars, qPrintable(root));
        if (!writeCars(root + QStringLiteral("/cars"), {cars, 1, QStringLiteral("c")}) ||
            !writeCars(root + QStringLiteral("/garage"), {cars, 2, QStringLiteral("g")})) {
            std::fprintf(stderr, "could not write the library\n");
            return 1;
        }
    }
    const QString self = QApplication::applicationFilePath();
    const QStringList cat = {
        QStringLiteral("/bin/sh"), QStringLiteral("-c"),
        QStringLiteral("cat \"$0\"/cars/*/parameters.txt \"$0\"/garage/*/parameters.txt >/dev/null"), root};
    const bool dropped = drop && dropCaches();
    const Run catCold = runChild(cat);
    const Run catWarm = runChild(cat);
    // The first opening finds no statistics cache; it writes the one the second finds.
    QFile::remove(root + QStringLiteral("/carstats.bin"));
    if (dropped)
        dropCaches();
    const Run first = runChild({self, QStringLiteral("--open"), root});
    const Run second = runChild({self, QStringLiteral("--open"), root});

    std::printf("### The car table on %d + %d cars (from outside, a new process each)\n\n", cars, cars);
    std::printf("| | %s | second time |\n|---|---|---|\n",
                dropped ? "first time (disk cache dropped)" : "first time");
    std::printf("| cat of every parameters.txt | %.2f s | %.2f s |\n", catCold.seconds, catWarm.seconds);
    std::printf("| opening the table (start, read, fill, paint, end) | %.2f s | %.2f s |\n", first.seconds,
                second.seconds);
    std::printf("| opening / cat | %.1fx | %.1fx |\n", first.seconds / catCold.seconds,
                second.seconds / catWarm.seconds);
    std::printf("| peak memory of the table process | %ld MB | %ld MB |\n\n", first.peakKb / 1024,
                second.peakKb / 1024);
    std::fflush(stdout);
    runChild({self, QStringLiteral("--sort"), root});
    return 0;
}
