#include "library/carhealth.h"

#include "details/paramrefs.h"
#include "details/skins.h"
#include "details/textbuffer.h"
#include "library/carlibrary.h"
#include "library/carpicture.h"
#include "library/carstatscache.h"
#include "library/moveengine.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QtConcurrent/QtConcurrentMap>
#include <QThreadPool>

#include <functional>

namespace parkwen {

namespace {

const QString kParameters = QStringLiteral("parameters.txt");
const QString kLeftoverPrefix = QStringLiteral(".parkwen-");
// Folders read at once: enough to keep a disk's queue full, few enough for a small machine.
constexpr int kReaders = 8;

// Finds names inside folders ignoring case, remembering what it found: many cars name the same
// files of other folders (the aerial of "misc").
class PathFinder
{
public:
    explicit PathFinder(FileSystem& fs) : m_fs(fs) {}

    // The name on disk of `name` inside `folder`; empty when there is none.
    QString step(const QString& folder, const QString& name)
    {
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            return QString();
        const QString key = folder + QLatin1Char('\n') + name.toLower();
        auto it = m_known.constFind(key);
        if (it != m_known.constEnd())
            return *it;
        QString actual = m_fs.resolve(folder, name);
        if (!m_fs.exists(joinPath(folder, actual)))
            actual.clear();
        m_known.insert(key, actual);
        return actual;
    }

    // The names on disk of `parts` below `base`; empty when one of them is missing.
    QStringList walk(QString base, const QStringList& parts)
    {
        QStringList names;
        for (const QString& part : parts) {
            const QString actual = step(base, part);
            if (actual.isEmpty())
                return {};
            names << actual;
            base = joinPath(base, actual);
        }
        return names;
    }

private:
    FileSystem& m_fs;
    QHash<QString, QString> m_known;
};

QString findIgnoringCase(const QStringList& names, const QString& name)
{
    for (const QString& n : names)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return QString();
}

QString whatItNames(const QString& key)
{
    if (key == QLatin1String("MODEL"))
        return QCoreApplication::translate("CarHealth", "a model");
    if (key == QLatin1String("TPAGE"))
        return QCoreApplication::translate("CarHealth", "the skin");
    if (key == QLatin1String("TCARBOX"))
        return QCoreApplication::translate("CarHealth", "the box picture");
    if (key == QLatin1String("TSHADOW"))
        return QCoreApplication::translate("CarHealth", "the shadow");
    if (key == QLatin1String("COLL"))
        return QCoreApplication::translate("CarHealth", "the collision hull");
    return QCoreApplication::translate("CarHealth", "a sound");
}

// Size and time of a folder; sizes of everything inside it, sub-folders included.
void measure(FileSystem& fs, const QString& folder, CarRecord& car)
{
    const QByteArray top = QFile::encodeName(folder);
    car.arrivedMs = fs.nodeInfo(top).modifiedNs / 1000000;
    QList<QByteArray> pending{top};
    while (!pending.isEmpty()) {
        const QByteArray current = pending.takeLast();
        const Result<QList<QByteArray>> names = fs.nodeNames(current);
        if (!names.ok())
            continue;
        for (const QByteArray& name : names.value()) {
            const QByteArray path = current + '/' + name;
            const FileSystem::NodeInfo info = fs.nodeInfo(path);
            if (info.kind == FileSystem::NodeInfo::Kind::Folder)
                pending << path;
            else if (info.kind == FileSystem::NodeInfo::Kind::File)
                car.bytes += info.size;
        }
    }
}

struct Context
{
    FileSystem& fs;
    Pictures& pictures;
    PathFinder finder;
    QString carFolder;
    QString carFolderName; // as on disk: the first part of the paths the cars write
    QString gameFolder;
};

void checkPaths(Context& cx, CarRecord& car, const QList<ParamPath>& paths, const QStringList& ownFiles)
{
    QStringList reported;
    for (const ParamPath& p : paths) {
        const QStringList parts = pathParts(p.path);
        if (parts.isEmpty() || reported.contains(p.path))
            continue;
        // A car names its own files by the folder it is meant to have in the Car Folder; the same
        // holds while it waits in the garage.
        const bool own = parts.size() >= 3 && parts[0].compare(cx.carFolderName, Qt::CaseInsensitive) == 0 &&
                         parts[1].compare(car.folderName, Qt::CaseInsensitive) == 0;
        bool found = false;
        if (own && parts.size() == 3)
            found = !findIgnoringCase(ownFiles, parts[2]).isEmpty();
        else if (own)
            found = !cx.finder.walk(car.path, parts.mid(2)).isEmpty();
        else
            found = !cx.finder.walk(cx.gameFolder, parts).isEmpty();
        if (found)
            continue;
        reported << p.path;

        CarProblem problem;
        problem.kind = CarProblem::Kind::BrokenPath;
        problem.path = p.path;
        const QStringList inOwn =
            cx.finder.walk(car.path, parts.size() >= 3 ? parts.mid(2) : parts.mid(parts.size() - 1));
        if (!inOwn.isEmpty()) {
            const QChar separator = p.path.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
            problem.fixedPath = (QStringList{cx.carFolderName, car.folderName} + inOwn).join(separator);
        }
        problem.text =
            problem.fixedPath.isEmpty()
                ? QCoreApplication::translate(
                      "CarHealth", "Names %1, \"%2\", which is not there: the game shows the car without "
                                   "it, or not at all.")
                      .arg(whatItNames(p.key), p.path)
                : QCoreApplication::translate(
                      "CarHealth", "Names %1, \"%2\", which is not there but is in the car's own folder: "
                                   "\"Fix paths\" points at it.")
                      .arg(whatItNames(p.key), p.path);
        car.problems << problem;
    }
}

// A car the lists do not show: why, and what could show it.
void checkUnlisted(Context& cx, CarRecord& car, const QList<ParamPath>& paths)
{
    if (isStockCar(car.folderName))
        return;
    CarProblem problem;
    problem.kind = CarProblem::Kind::NotListed;
    problem.text = QCoreApplication::translate(
        "CarHealth", "Not in Parkwen's lists: the folder has no picture (.jpg or .bmp) to show the car "
                     "by, though the game offers it.");
    const QStringList box = pathParts(boxPicturePath(ParamRefs{QString(), paths}));
    if (!box.isEmpty()) {
        const QStringList names = cx.finder.walk(cx.gameFolder, box);
        if (!names.isEmpty() && (matchesPattern(names.last(), QStringLiteral("*.bmp")) ||
                                 matchesPattern(names.last(), QStringLiteral("*.jpg")))) {
            car.boxSource = joinPath(cx.gameFolder, names.join(QLatin1Char('/')));
            problem.text +=
                QCoreApplication::translate(
                    "CarHealth", " Its box picture is \"%1\": \"Show in the lists\" copies it here.")
                    .arg(box.join(QLatin1Char('/')));
        }
    }
    car.problems << problem;

    // A parameter-only variant names the models of another car.
    for (const ParamPath& p : paths) {
        if (p.key != QLatin1String("MODEL"))
            continue;
        const QStringList parts = pathParts(p.path);
        if (parts.size() < 3 || parts[1].compare(car.folderName, Qt::CaseInsensitive) == 0)
            break;
        const bool installed = !cx.finder.step(cx.carFolder, parts[1]).isEmpty();
        CarProblem variant;
        variant.kind = CarProblem::Kind::BorrowedParts;
        variant.other = parts[1];
        variant.text =
            installed
                ? QCoreApplication::translate(
                      "CarHealth", "A variant of \"%1\": it has only its parameters and uses the models "
                                   "of that car, which is installed.")
                      .arg(parts[1])
                : QCoreApplication::translate(
                      "CarHealth", "A variant of \"%1\": it has only its parameters and uses the models "
                                   "of that car, which is not installed, so the game cannot show it.")
                      .arg(parts[1]);
        car.problems << variant;
        break;
    }
}

// What depends on the folder's own files: its size, time, files and picture.
void readFolder(Context& cx, CarReading& r, const QString& path, bool inGarage)
{
    CarRecord& car = r.car;
    car.path = path;
    car.folderName = lastName(path);
    car.inGarage = inGarage;
    measure(cx.fs, path, car);
    r.folderNs = cx.fs.nodeInfo(QFile::encodeName(path)).modifiedNs;
    r.files = cx.fs.listFiles(path);
    r.parameters = findIgnoringCase(r.files, kParameters);
    car.picture = carPictureFile(cx.fs, path);
    car.listed = !car.picture.isEmpty();
}

// What depends on parameters.txt alone: the statistics, the name, the paths, or why it is no car.
void readParameters(Context& cx, CarReading& r)
{
    CarRecord& car = r.car;
    CarProblem notACar;
    notACar.kind = CarProblem::Kind::NotACar;
    if (r.parameters.isEmpty()) {
        notACar.text =
            QCoreApplication::translate("CarHealth", "Not a car: the folder has no parameters.txt.");
        car.problems << notACar;
        return;
    }
    const Result<QByteArray> text = cx.fs.readFile(joinPath(car.path, r.parameters));
    if (!text.ok()) {
        notACar.text =
            QCoreApplication::translate("CarHealth", "Not a car: its parameters.txt cannot be read (%1).")
                .arg(text.error().description());
        car.problems << notACar;
        return;
    }
    TextBuffer buffer(QString::fromLatin1(text.value()));
    if (!isParameterFile(buffer)) {
        notACar.text = QCoreApplication::translate("CarHealth",
                                                   "Not a car: its parameters.txt holds no car parameters.");
        car.problems << notACar;
        return;
    }
    car.hasParameters = true;
    loadparams(buffer, car.stats);
    ParamRefs refs = readParamRefs(text.value());
    car.nameInParameters = refs.name;
    r.paths = std::move(refs.paths);
}

// Everything about a folder that depends on the folder alone. With a reading kept from before, the
// statistics are taken from it when parameters.txt is the very file it was, and nothing is read
// when the folder's own files are unchanged too.
CarReading readOne(Context& cx, const QString& path, bool inGarage, const CarReading* kept = nullptr,
                   bool* unchanged = nullptr)
{
    if (kept && kept->car.inGarage == inGarage && kept->car.path == path) {
        const FileStamp now =
            kept->parameters.isEmpty() ? FileStamp() : cx.fs.stamp(joinPath(path, kept->parameters));
        const bool sameParameters = now == kept->parametersStamp;
        if (sameParameters && cx.fs.nodeInfo(QFile::encodeName(path)).modifiedNs == kept->folderNs) {
            if (unchanged)
                *unchanged = true;
            return *kept;
        }
        CarReading r;
        readFolder(cx, r, path, inGarage);
        if (sameParameters && r.parameters == kept->parameters) {
            r.parametersStamp = now;
            r.car.hasParameters = kept->car.hasParameters;
            r.car.stats = kept->car.stats;
            r.car.nameInParameters = kept->car.nameInParameters;
            r.car.problems = kept->car.problems;
            r.paths = kept->paths;
        } else {
            r.parametersStamp =
                r.parameters.isEmpty() ? FileStamp() : cx.fs.stamp(joinPath(path, r.parameters));
            readParameters(cx, r);
        }
        if (r.car.hasParameters)
            r.car.skins = int(Skins::skinsOf(cx.fs, cx.pictures, path).size());
        return r;
    }
    CarReading r;
    readFolder(cx, r, path, inGarage);
    // The stamp before the read: a change while reading makes the next survey read it again.
    if (!r.parameters.isEmpty())
        r.parametersStamp = cx.fs.stamp(joinPath(path, r.parameters));
    readParameters(cx, r);
    if (r.car.hasParameters)
        r.car.skins = int(Skins::skinsOf(cx.fs, cx.pictures, path).size());
    return r;
}

// What the rest of the library makes of a reading: the files it names elsewhere, whether it is shown.
CarRecord judge(Context& cx, const CarReading& r)
{
    CarRecord car = r.car;
    if (!car.hasParameters)
        return car;
    checkPaths(cx, car, r.paths, r.files);
    if (!car.listed)
        checkUnlisted(cx, car, r.paths);
    return car;
}

CarRecord surveyOne(Context& cx, const QString& path, bool inGarage, CarStatsCache* cache = nullptr)
{
    if (!cache)
        return judge(cx, readOne(cx, path, inGarage));
    bool unchanged = false;
    const CarReading reading = readOne(cx, path, inGarage, cache->find(path), &unchanged);
    if (unchanged)
        cache->keep(path);
    else
        cache->store(reading);
    return judge(cx, reading);
}

} // namespace

void findTwins(QList<CarRecord>& cars)
{
    for (CarRecord& car : cars)
        car.problems.removeIf([](const CarProblem& p) {
            return p.kind == CarProblem::Kind::SameName || p.kind == CarProblem::Kind::SameFolderName;
        });
    QHash<QString, QList<int>> byName;
    QHash<QString, QList<int>> byFolder;
    for (int i = 0; i < cars.size(); ++i) {
        if (cars[i].hasParameters && !cars[i].nameInParameters.trimmed().isEmpty())
            byName[cars[i].nameInParameters.trimmed().toLower()] << i;
        if (!cars[i].folderName.startsWith(kLeftoverPrefix))
            byFolder[cars[i].folderName.toLower()] << i;
    }
    for (const QList<int>& group : std::as_const(byName)) {
        for (int i : group) {
            for (int j : group) {
                if (i == j)
                    continue;
                CarProblem twin;
                twin.kind = CarProblem::Kind::SameName;
                twin.other = cars[j].path;
                twin.text =
                    QCoreApplication::translate(
                        "CarHealth", "Another car is also called \"%1\" inside its parameters.txt (%2): "
                                     "the game shows both under one name.")
                        .arg(cars[i].nameInParameters.trimmed(), cars[j].path);
                cars[i].problems << twin;
                break;
            }
        }
    }
    for (const QList<int>& group : std::as_const(byFolder)) {
        for (int i : group) {
            for (int j : group) {
                if (cars[i].folderName == cars[j].folderName)
                    continue;
                CarProblem twin;
                twin.kind = CarProblem::Kind::SameFolderName;
                twin.other = cars[j].path;
                twin.text = QCoreApplication::translate(
                                "CarHealth",
                                "The folder \"%1\" differs from this one only in letter case: on a system "
                                "that ignores case they are one car, and one would replace the other.")
                                .arg(cars[j].path);
                cars[i].problems << twin;
                break;
            }
        }
    }
}

QStringList carFoldersIn(FileSystem& fs, const QString& folder, const QString& skip, bool inGarage)
{
    QStringList paths;
    const Result<QStringList> folders = fs.listFolders(folder);
    if (!folders.ok())
        return paths;
    for (const QString& path : folders.value())
        if (path != skip &&
            (inGarage || lastName(path).compare(QLatin1String("misc"), Qt::CaseInsensitive) != 0))
            paths << path;
    return paths;
}

namespace {

void surveyFolder(Context& cx, CarStatsCache* cache, const QString& folder, const QString& skip,
                  bool inGarage, QList<CarRecord>& out)
{
    // The folders are read on a pool of threads: on a cold disk most of the time is waiting for it,
    // and the waits of several folders overlap. Reading touches nothing but the disk; the cache and
    // the judging stay on this thread, in folder order.
    struct Read
    {
        CarReading reading;
        bool unchanged = false;
    };
    const QStringList paths = carFoldersIn(cx.fs, folder, skip, inGarage);
    const std::function<Read(const QString&)> readAt = [&cx, cache, inGarage](const QString& path) {
        Read r;
        r.reading = readOne(cx, path, inGarage, cache ? cache->find(path) : nullptr, &r.unchanged);
        return r;
    };
    QThreadPool pool;
    pool.setMaxThreadCount(kReaders);
    const QList<Read> reads = QtConcurrent::blockingMapped<QList<Read>>(&pool, paths, readAt);
    for (const Read& r : reads) {
        if (cache && r.unchanged)
            cache->keep(r.reading.car.path);
        else if (cache)
            cache->store(r.reading);
        out << judge(cx, r.reading);
    }
    // Hidden leftovers of an interrupted move or delete.
    const Result<QList<QByteArray>> names = cx.fs.nodeNames(QFile::encodeName(folder));
    if (!names.ok())
        return;
    for (const QByteArray& raw : names.value()) {
        const QString name = QFile::decodeName(raw);
        if (!name.startsWith(kLeftoverPrefix))
            continue;
        CarRecord left;
        left.folderName = name;
        left.path = joinPath(folder, name);
        left.inGarage = inGarage;
        measure(cx.fs, left.path, left);
        CarProblem problem;
        problem.kind = CarProblem::Kind::Leftover;
        problem.text = QCoreApplication::translate(
            "CarHealth", "A hidden leftover Parkwen kept while recovering from an interrupted change: "
                         "look inside, keep what you need, then delete it.");
        left.problems << problem;
        out << left;
    }
}

} // namespace

bool CarRecord::fixablePaths() const
{
    for (const CarProblem& p : problems)
        if (p.kind == CarProblem::Kind::BrokenPath && !p.fixedPath.isEmpty())
            return true;
    return false;
}

QString CarRecord::healthText() const
{
    if (problems.isEmpty())
        return QCoreApplication::translate("CarHealth", "OK");
    QString first;
    switch (problems.first().kind) {
    case CarProblem::Kind::BrokenPath:
        first = QCoreApplication::translate("CarHealth", "Broken path");
        break;
    case CarProblem::Kind::NotListed:
        first = QCoreApplication::translate("CarHealth", "Not in the lists");
        break;
    case CarProblem::Kind::BorrowedParts:
        first = QCoreApplication::translate("CarHealth", "Variant");
        break;
    case CarProblem::Kind::SameName:
        first = QCoreApplication::translate("CarHealth", "Twin name");
        break;
    case CarProblem::Kind::SameFolderName:
        first = QCoreApplication::translate("CarHealth", "Twin folder");
        break;
    case CarProblem::Kind::NotACar:
        first = QCoreApplication::translate("CarHealth", "Not a car");
        break;
    case CarProblem::Kind::Leftover:
        first = QCoreApplication::translate("CarHealth", "Leftover");
        break;
    }
    if (problems.size() > 1)
        first += QCoreApplication::translate("CarHealth", " (+%1 more)").arg(problems.size() - 1);
    return first;
}

QString CarRecord::healthDetails() const
{
    QStringList lines;
    for (const CarProblem& p : problems)
        lines << p.text;
    return lines.join(QLatin1Char('\n'));
}

QList<CarRecord> surveyLibrary(FileSystem& fs, Pictures& pictures, const QString& carFolder,
                               const QString& garageFolder, CarStatsCache* cache)
{
    // Read as no other Parkwen is changing them: a car being moved is never taken for a broken one.
    MoveEngine door(fs);
    const MoveEngine::Lock reading = door.lock({carFolder, garageFolder}, LockKind::Shared);
    Context cx{fs, pictures, PathFinder(fs), carFolder, lastName(carFolder), parentFolder(carFolder)};
    QList<CarRecord> cars;
    surveyFolder(cx, cache, carFolder, garageFolder, false, cars);
    if (!garageFolder.isEmpty() && garageFolder != carFolder)
        surveyFolder(cx, cache, garageFolder, QString(), true, cars);
    findTwins(cars);
    return cars;
}

CarRecord surveyCar(FileSystem& fs, Pictures& pictures, const QString& carFolder, const QString& path,
                    bool inGarage)
{
    Context cx{fs, pictures, PathFinder(fs), carFolder, lastName(carFolder), parentFolder(carFolder)};
    return surveyOne(cx, path, inGarage);
}

Result<QString> fixPaths(FileSystem& fs, const CarRecord& car)
{
    const QString parameters = fs.resolve(car.path, kParameters);
    const QString file = joinPath(car.path, parameters);
    const Result<QByteArray> text = fs.readFile(file);
    if (!text.ok())
        return text.error();
    QList<PathReplacement> replacements;
    for (const ParamPath& p : readParamRefs(text.value()).paths) {
        for (const CarProblem& problem : car.problems) {
            if (problem.kind == CarProblem::Kind::BrokenPath && !problem.fixedPath.isEmpty() &&
                problem.path == p.path) {
                replacements.append({p, problem.fixedPath});
                break;
            }
        }
    }
    if (replacements.isEmpty())
        return Error::of(err::InvalidCall);
    const std::optional<QByteArray> fixed = replacePaths(text.value(), replacements);
    if (!fixed)
        return Error::of(err::InvalidCall);

    QString backup = QStringLiteral("Parameters before Fix paths.txt");
    for (int n = 2; fs.exists(joinPath(car.path, fs.resolve(car.path, backup))); ++n)
        backup = QStringLiteral("Parameters before Fix paths %1.txt").arg(n);
    if (Error e = fs.copyFile(file, joinPath(car.path, backup)))
        return e;
    if (Error e = fs.writeFileAtomic(file, *fixed))
        return e;
    return backup;
}

Result<QString> showInLists(FileSystem& fs, const CarRecord& car)
{
    if (car.boxSource.isEmpty())
        return Error::of(err::InvalidCall);
    const QString name = lastName(car.boxSource);
    const QString target = joinPath(car.path, name);
    if (fs.exists(joinPath(car.path, fs.resolve(car.path, name))))
        return Error::of(err::FileExists, target);
    if (Error e = fs.copyFile(car.boxSource, target))
        return e;
    return name;
}

} // namespace parkwen
