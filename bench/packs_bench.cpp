// What the game loads under a packlist, read for a game folder of 10,000 cars of its own and 50
// packs holding 10,000 more (a tenth of them also in an earlier pack, so the game merges them):
//   parkwen_packsbench [work folder or game folder] [runs] [folder for pictures of the windows]
// Prints the first reading (disk caches as the generator left them), the best of the next ones,
// the first and second opening of the Packs window and of the table's "Loaded by the game" (drawn
// offscreen without a display), and the peak memory.

#include "bench/measure.h"
#include "library/gamecontent.h"
#include "library/ui/loadedview.h"
#include "library/ui/packswindow.h"
#include "platform/qt/localfilesystem.h"
#include "tests/support/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace parkwen;

namespace {

bool writeCar(const QString& folder, const QString& name, const QByteArray& body)
{
    if (!QDir().mkpath(folder + QLatin1Char('/') + name))
        return false;
    for (const char* file : {"parameters.txt", "body.prm", "car.bmp"}) {
        QFile out(folder + QLatin1Char('/') + name + QLatin1Char('/') + QLatin1String(file));
        if (!out.open(QIODevice::WriteOnly) || out.write(body) != body.size())
            return false;
    }
    return true;
}

bool generate(const QString& game)
{
    QByteArray packlist = "default\n";
    for (int i = 0; i < 10000; ++i)
        if (!writeCar(game + QStringLiteral("/cars"), QStringLiteral("own%1").arg(i),
                      "MODEL 0 \"cars\\x\\body.prm\"\n"))
            return false;
    for (int p = 0; p < 50; ++p) {
        const QString pack = QStringLiteral("pack%1").arg(p, 2, 10, QLatin1Char('0'));
        packlist += pack.toUtf8() + (p % 10 == 9 ? "\n;" : "\n");
        for (int c = 0; c < 200; ++c) {
            // Every tenth car is also in the pack before, and replaces it.
            const QString name = c % 10 == 0 && p > 0 ? QStringLiteral("p%1c%2").arg(p - 1).arg(c)
                                                      : QStringLiteral("p%1c%2").arg(p).arg(c);
            if (!writeCar(game + QStringLiteral("/packs/") + pack + QStringLiteral("/cars"), name, "x"))
                return false;
        }
    }
    packlist += "local *\n";
    QFile out(game + QStringLiteral("/packs/default.txt"));
    return out.open(QIODevice::WriteOnly) && out.write(packlist) == packlist.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    // A game folder itself (the demo library, say), or a work folder to generate one in.
    const QString game =
        QFile::exists(work + QStringLiteral("/packs")) ? work : work + QStringLiteral("/game");
    const QString shots = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    if (!QFile::exists(game + QStringLiteral("/packs/default.txt"))) {
        QElapsedTimer made;
        made.start();
        if (!generate(game)) {
            std::fprintf(stderr, "could not write the game folder into %s\n", qPrintable(game));
            return 1;
        }
        std::printf("generated 20,000 cars in %.1f s\n", bench::seconds(made));
    }
    LocalFileSystem fs;
    const GameFolder folder = *GameFolder::of(game + QStringLiteral("/cars"));
    int loaded = 0;
    int packs = 0;
    QElapsedTimer first;
    first.start();
    {
        const GameContent content = GameContent::read(fs, folder, QString());
        loaded = content.loadedCount();
        packs = int(content.packs().size());
    }
    const double firstSeconds = bench::seconds(first);
    const double again = bench::best(runs, [&] { GameContent::read(fs, folder, QString()); });
    std::printf("packs listed: %d, cars loaded: %d\n", packs, loaded);
    std::printf("loaded view, first reading: %.3f s\n", firstSeconds);
    std::printf("loaded view, next readings (best of %d): %.3f s\n", runs, again);
    std::printf("peak memory after the readings: %lld kB\n",
                static_cast<long long>(bench::statusKb("VmHWM:")));

    // The windows, opened and drawn as a player opens them: a reading, the rows, the first paint.
    test::ScriptedDialogs dialogs;
    for (int opening = 1; opening <= 2; ++opening) {
        QElapsedTimer packsWindow;
        packsWindow.start();
        {
            PacksWindow window(fs, dialogs, folder, QStringLiteral("default"));
            window.show();
            QCoreApplication::processEvents();
            if (!shots.isEmpty())
                window.grab().save(shots + QStringLiteral("/packs-window.png"));
        }
        const double packsSeconds = bench::seconds(packsWindow);
        QElapsedTimer loadedView;
        loadedView.start();
        {
            LoadedView view(GameContent::read(fs, folder, QString()));
            view.show();
            QCoreApplication::processEvents();
            if (!shots.isEmpty())
                view.grab().save(shots + QStringLiteral("/loaded-view.png"));
        }
        std::printf("opening %d: Packs window %.3f s, Loaded by the game %.3f s\n", opening, packsSeconds,
                    bench::seconds(loadedView));
    }
    std::printf("peak memory: %lld kB\n", static_cast<long long>(bench::statusKb("VmHWM:")));
    return 0;
}
