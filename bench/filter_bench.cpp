// parkwen_filterbench: how long one keystroke in a list's filter box takes with thousands of cars.
//
//   parkwen_filterbench [--cars 10000] [--seed 1]
//
// Builds the real main window over a car list of --cars entries (names as players' cars have them:
// words, numbers, blanks, hyphens, underscores, some accented letters), shows it, and types words
// into the car list's filter box key by key, then deletes them key by key. Each keystroke is timed
// from the key event until the list has filtered, laid itself out and painted. Runs on the
// offscreen platform unless a display is set. Prints a Markdown table; PARKWEN_BENCH_VERBOSE=1
// also prints each keystroke.

#include "bench/benchplatform.h"
#include "library/ui/carlistview.h"
#include "library/ui/castle.h"
#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"
#include "platform/qt/qtprocesses.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cstdio>

using namespace parkwen;
using bench::SilentDialogs;

namespace {

// splitmix64: the same names for the same seed on every machine.
struct Random
{
    quint64 state;
    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
};

QString carName(Random& r, int i)
{
    static const QStringList words = {
        QStringLiteral("Ferrari"), QStringLiteral("Mustang"), QStringLiteral("Turbo"),
        QStringLiteral("Rally"),   QStringLiteral("Évora"),   QStringLiteral("Škoda"),
        QStringLiteral("Nitro"),   QStringLiteral("Buggy"),   QStringLiteral("GT"),
        QStringLiteral("Drift"),   QStringLiteral("Citroën"), QStringLiteral("Mini"),
        QStringLiteral("Police"),  QStringLiteral("Monster"), QStringLiteral("Truck"),
        QStringLiteral("Zoom"),    QStringLiteral("McLaren"), QStringLiteral("Speedy"),
        QStringLiteral("Retro"),   QStringLiteral("Ghost")};
    static const QStringList joins = {QStringLiteral(" "), QStringLiteral("_"), QStringLiteral("-")};
    QString name;
    const int parts = 1 + r.below(3);
    for (int p = 0; p < parts; ++p) {
        if (p)
            name += joins[r.below(int(joins.size()))];
        name += words[r.below(int(words.size()))];
    }
    return name + joins[r.below(int(joins.size()))] + QString::number(i);
}

QImage thumbnail(QColor colour)
{
    QImage image(PictureStore::Size, PictureStore::Size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter p(&image);
    p.fillRect(8, 30, 48, 16, Qt::white);
    return image;
}

void typeKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    auto option = [&](const QString& name, int fallback) {
        const qsizetype at = args.indexOf(name);
        return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
    };
    const int count = option(QStringLiteral("--cars"), 10000);
    Random random{quint64(option(QStringLiteral("--seed"), 1))};

    LocalFileSystem fs;
    QtPictures pictures;
    SilentDialogs dialogs;
    QtProcesses processes;
    CarLibrary cars(Platform{fs, pictures, dialogs, processes, QCoreApplication::applicationDirPath()});
    Castle castle(cars);

    // Thumbnails are shared images, as a list holds one decoded picture per car.
    const QList<QImage> shades = {thumbnail(QColor(200, 40, 40)), thumbnail(QColor(40, 90, 200)),
                                  thumbnail(QColor(40, 160, 80))};
    std::vector<CarEntry> entries;
    QList<QImage> thumbnails;
    entries.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const QString name = carName(random, i);
        thumbnails.append(shades[i % shades.size()]);
        entries.push_back({name + QStringLiteral("CAR"), name});
    }
    CarFolder& listed = cars.folder(FolderRole::Cars);
    for (size_t i = 0; i < entries.size(); ++i)
        listed.pictures().add(entries[i].key, thumbnails[qsizetype(i)]);
    listed.list().appendMany(std::move(entries));
    cars.setCount(FolderRole::Cars, count);

    castle.resize(1280, 900);
    castle.show();
    QApplication::processEvents();
    auto* view = castle.findChild<CarListView*>(QStringLiteral("Cart3"));
    QLineEdit* box = view->filterBox();
    box->setFocus();
    QApplication::processEvents();

    QList<double> typed, erased;
    QStringList lines;
    auto settle = [&] {
        QApplication::processEvents();
        view->viewport()->repaint(); // the paint of the entries now shown counts too
    };
    QElapsedTimer timer;
    for (const QString& word :
         {QStringLiteral("ferrari"), QStringLiteral("evora gt"), QStringLiteral("skoda"),
          QStringLiteral("zoom-1"), QStringLiteral("mclaren_speedy")}) {
        for (QChar c : word) {
            timer.start();
            typeKey(box, c.toUpper().unicode(), QString(c));
            settle();
            typed << timer.nsecsElapsed() / 1e6;
            if (qEnvironmentVariableIsSet("PARKWEN_BENCH_VERBOSE"))
                std::printf("%s %.2f %s\n", qPrintable(box->text()), typed.last(),
                            qPrintable(view->shownLine()->text()));
        }
        lines << QStringLiteral("| \"%1\" | %2 |").arg(word, view->shownLine()->text());
        while (!box->text().isEmpty()) {
            timer.start();
            typeKey(box, Qt::Key_Backspace, QString());
            settle();
            erased << timer.nsecsElapsed() / 1e6;
        }
    }

    auto stats = [](QList<double> v) {
        std::sort(v.begin(), v.end());
        double sum = 0;
        for (double x : v)
            sum += x;
        return QStringLiteral("%1 | %2 | %3 | %4")
            .arg(v.size())
            .arg(sum / v.size(), 0, 'f', 2)
            .arg(v[v.size() / 2], 0, 'f', 2)
            .arg(v.last(), 0, 'f', 2);
    };
    std::printf("Filter of the car list, %d entries, platform %s\n\n", count,
                qPrintable(QGuiApplication::platformName()));
    std::printf("| keystrokes | count | mean ms | median ms | max ms |\n|---|---|---|---|---|\n");
    std::printf("| typing | %s |\n", qPrintable(stats(typed)));
    std::printf("| deleting | %s |\n\n", qPrintable(stats(erased)));
    std::printf("| typed | line under the list |\n|---|---|\n");
    for (const QString& line : std::as_const(lines))
        std::printf("%s\n", qPrintable(line));
    return 0;
}
