// parkwen_genlibrary: writes a synthetic car library for trying the program on thousands of cars.
//
//   parkwen_genlibrary <folder> <cars> [--seed N] [--tag T]

#include "bench/libgen.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    parkwen::bench::LibraryRecipe recipe;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--seed") && i + 1 < args.size())
            recipe.seed = args[++i].toULongLong();
        else if (args[i] == QLatin1String("--tag") && i + 1 < args.size())
            recipe.tag = args[++i];
        else
            positional << args[i];
    }
    bool countOk = false;
    if (positional.size() == 2)
        recipe.cars = positional[1].toInt(&countOk);
    if (!countOk || recipe.cars < 0) {
        std::fprintf(stderr, "usage: parkwen_genlibrary <folder> <cars> [--seed N] [--tag T]\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    const QString failure = parkwen::bench::generateLibrary(positional[0], recipe);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "parkwen_genlibrary: %s\n", qPrintable(failure));
        return 1;
    }
    std::printf("%d cars written to %s in %.1f s\n", recipe.cars, qPrintable(positional[0]),
                timer.elapsed() / 1000.0);
    return 0;
}
