#include "install/carplan.h"

#include "install/carlinks.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace parkwen {

namespace {

const QString kParameters = QStringLiteral("parameters.txt");

bool isCarsFolderName(const QString& name)
{
    return name.compare(QLatin1String("cars"), Qt::CaseInsensitive) == 0;
}

QString joinNames(const QStringList& names, qsizetype count)
{
    return names.mid(0, count).join(QLatin1Char('/'));
}

bool hasControlCharacters(const QString& name)
{
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// The text with its control characters shown as "?", for messages of one line.
QString visibleText(QString text)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    return text;
}

// The sorting of one source's entries, step by step.
struct Sorting
{
    explicit Sorting(const QList<SourceEntry>& sourceEntries) : entries(sourceEntries) {}

    const QList<SourceEntry>& entries;
    QList<CheckedEntry> checked; // beside each entry
    ArchivePlan plan;
    bool rootCar = false;                   // a parameters.txt at the root: the whole source is one car
    QHash<QString, int> carIndex;           // a car's archive folder -> its place among the plan's cars
    QList<bool> carRefused;                 // beside each car
    QHash<QString, int> additionIndex;      // a skin pack's archive folder -> its place among the additions
    QHash<QString, qint64> carFilesWritten; // "car/relative" -> size of files already planned, for hard links

    // The car a path lies in, or -1.
    int carOf(const QStringList& names) const
    {
        if (rootCar)
            return 0;
        for (qsizetype k = 1; k < names.size(); ++k) {
            const auto it = carIndex.constFind(joinNames(names, k));
            if (it != carIndex.constEnd())
                return it.value();
        }
        return -1;
    }
    // How many names of a path the car's own folder takes.
    qsizetype depthOf(int car) const
    {
        return rootCar ? 0 : plan.cars[car].archiveFolder.count(QLatin1Char('/')) + 1;
    }
};

// Checks every path once.
void checkPaths(Sorting& s)
{
    s.checked.resize(s.entries.size());
    for (qsizetype i = 0; i < s.entries.size(); ++i) {
        const SourceEntry& entry = s.entries[i];
        CheckedEntry& c = s.checked[i];
        switch (splitEntryPath(entry.path, c.names)) {
        case PathCheck::Absolute:
            s.plan.refused.append({entry.path, QCoreApplication::translate("CarPlan", "an absolute path")});
            continue;
        case PathCheck::Climbs:
            s.plan.refused.append(
                {entry.path, QCoreApplication::translate("CarPlan", "a path that climbs out with \"..\"")});
            continue;
        case PathCheck::Empty:
            continue;
        case PathCheck::Ok:
            break;
        }
        if (isPackingLeftover(c.names))
            continue;
        if (entry.kind == SourceEntry::Kind::Other) {
            s.plan.refused.append(
                {entry.path, QCoreApplication::translate("CarPlan", "a device, pipe or socket, not a file")});
            continue;
        }
        c.usable = true;
    }
}

// Every folder holding a parameters.txt; one at the root makes the whole source a car.
QSet<QString> parameterFolders(Sorting& s)
{
    QSet<QString> carFolders;
    for (qsizetype i = 0; i < s.entries.size(); ++i) {
        const SourceEntry::Kind kind = s.entries[i].kind;
        if (!s.checked[i].usable || (kind != SourceEntry::Kind::File && kind != SourceEntry::Kind::Hardlink))
            continue;
        const QStringList& names = s.checked[i].names;
        if (names.last().compare(kParameters, Qt::CaseInsensitive) != 0)
            continue;
        if (names.size() == 1)
            s.rootCar = true;
        else
            carFolders.insert(joinNames(names, names.size() - 1));
    }
    return carFolders;
}

// A car inside another car is part of it.
QSet<QString> outermostOf(const QSet<QString>& carFolders)
{
    QSet<QString> outermost;
    for (const QString& folder : carFolders) {
        const QStringList names = folder.split(QLatin1Char('/'));
        bool inside = false;
        for (qsizetype k = 1; k < names.size() && !inside; ++k)
            inside = carFolders.contains(joinNames(names, k));
        if (!inside)
            outermost.insert(folder);
    }
    return outermost;
}

// Cars in the order the source first mentions them.
void listCarsInOrder(Sorting& s, const QSet<QString>& wanted)
{
    for (qsizetype i = 0; i < s.entries.size(); ++i) {
        if (!s.checked[i].usable)
            continue;
        const QStringList& names = s.checked[i].names;
        // A folder entry names its own folder too: the car's folder entry is its first mention.
        const qsizetype deepest =
            s.entries[i].kind == SourceEntry::Kind::Folder ? names.size() : names.size() - 1;
        for (qsizetype k = 1; k <= deepest; ++k) {
            const QString folder = joinNames(names, k);
            if (wanted.contains(folder) && !s.carIndex.contains(folder)) {
                s.carIndex.insert(folder, int(s.plan.cars.size()));
                s.plan.cars.append({names[k - 1], folder, {}, 0});
                break;
            }
        }
    }
}

void findCars(Sorting& s, const QString& sourceName)
{
    const QSet<QString> carFolders = parameterFolders(s);
    if (s.rootCar) {
        s.plan.cars.append({sourceName, QString(), {}, 0});
        s.carIndex.insert(QString(), 0);
        return;
    }
    listCarsInOrder(s, outermostOf(carFolders));
}

// A car whose name holds control characters (a line break would split every one-name-a-line list)
// is refused whole.
void refuseControlNames(Sorting& s)
{
    s.carRefused.fill(false, s.plan.cars.size());
    for (qsizetype c = 0; c < s.plan.cars.size(); ++c) {
        const FoundCar& car = s.plan.cars[c];
        if (!hasControlCharacters(car.name))
            continue;
        s.carRefused[c] = true;
        s.plan.refused.append(
            {visibleText(car.archiveFolder.isEmpty() ? car.name : car.archiveFolder + QLatin1Char('/')),
             QCoreApplication::translate("CarPlan", "a car name with control characters")});
    }
}

// What each entry of a car makes, relative to the car; the entries of each car, but for its own
// folder entry.
QList<QList<qsizetype>> entriesByCar(Sorting& s)
{
    QList<QList<qsizetype>> carEntries(s.plan.cars.size());
    for (qsizetype i = 0; i < s.entries.size(); ++i) {
        CheckedEntry& entry = s.checked[i];
        if (!entry.usable)
            continue;
        const int car = s.carOf(entry.names);
        if (car < 0 || s.carRefused[car])
            continue;
        entry.relative = entry.names.mid(s.depthOf(car));
        if (!entry.relative.isEmpty())
            carEntries[car] << i;
    }
    return carEntries;
}

QString fileKey(int car, const QString& relative)
{
    return QString::number(car) + QLatin1Char('/') + relative;
}

// A hard link is a copy of a file of the same car written before it, and nothing else: its target
// relative to the car, and the bytes it copies. False when it names anything else.
bool resolveHardLink(const Sorting& s, const SourceEntry& entry, int car, PlannedEntry& planned,
                     qint64& bytes)
{
    QStringList targetNames;
    const qsizetype depth = s.depthOf(car);
    if (splitEntryPath(entry.linkTarget, targetNames) != PathCheck::Ok || targetNames.size() <= depth ||
        s.carOf(targetNames) != car)
        return false;
    const QString relative = targetNames.mid(depth).join(QLatin1Char('/'));
    const auto target = s.carFilesWritten.constFind(fileKey(car, relative));
    if (target == s.carFilesWritten.constEnd())
        return false;
    planned.linkTarget = relative;
    bytes = target.value();
    return true;
}

void addToCar(Sorting& s, qsizetype i, int car)
{
    const SourceEntry& entry = s.entries[i];
    const CheckedEntry& checked = s.checked[i];
    if (checked.relative.isEmpty())
        return; // the car's own folder entry
    if (!checked.refusal.isEmpty()) {
        s.plan.refused.append({entry.path, checked.refusal});
        return;
    }
    const QString relative = checked.relative.join(QLatin1Char('/'));
    PlannedEntry planned{int(i), relative, entry.kind, entry.size, QString()};
    qint64 bytes = entry.kind == SourceEntry::Kind::File ? qMax<qint64>(0, entry.size) : 0;
    if (entry.kind == SourceEntry::Kind::Symlink) {
        planned.linkTarget = entry.linkTarget;
    } else if (entry.kind == SourceEntry::Kind::Hardlink && !resolveHardLink(s, entry, car, planned, bytes)) {
        s.plan.refused.append(
            {entry.path, QCoreApplication::translate("CarPlan", "a link that points outside its car")});
        return;
    }
    if (entry.kind == SourceEntry::Kind::File || entry.kind == SourceEntry::Kind::Hardlink)
        s.carFilesWritten.insert(fileKey(car, relative), bytes);
    FoundCar& found = s.plan.cars[car];
    found.bytes += bytes;
    found.entries.append(planned);
}

// A skin pack: files under cars/<name>/ (or <name>/ at the root) for a car already installed.
// False when the entry is no such file.
bool addToSkinPack(Sorting& s, qsizetype i, const std::function<bool(const QString&)>& isExistingCar)
{
    const SourceEntry& entry = s.entries[i];
    const QStringList& names = s.checked[i].names;
    if (entry.kind != SourceEntry::Kind::File || names.size() < 2)
        return false;
    qsizetype at = 0;
    for (qsizetype k = names.size() - 2; k >= 0; --k) {
        if (isCarsFolderName(names[k]) && k + 1 < names.size() - 1) {
            at = k + 1;
            break;
        }
    }
    const QString folder = joinNames(names, at + 1);
    auto it = s.additionIndex.constFind(folder);
    if (it == s.additionIndex.constEnd() && !isExistingCar(names[at]))
        return false;
    int index = 0;
    if (it == s.additionIndex.constEnd()) {
        index = int(s.plan.additions.size());
        s.additionIndex.insert(folder, index);
        s.plan.additions.append({names[at], folder, {}, 0});
    } else {
        index = it.value();
    }
    FoundAddition& addition = s.plan.additions[index];
    addition.files.append(
        {int(i), names.mid(at + 1).join(QLatin1Char('/')), entry.kind, entry.size, QString()});
    if (entry.size > 0)
        addition.bytes += entry.size;
    return true;
}

// Puts every usable entry into its car or skin pack; the entries left out, but for folders.
QList<qsizetype> sortEntries(Sorting& s, const std::function<bool(const QString&)>& isExistingCar)
{
    QList<qsizetype> leftOutEntries;
    for (qsizetype i = 0; i < s.entries.size(); ++i) {
        if (!s.checked[i].usable)
            continue;
        const int car = s.carOf(s.checked[i].names);
        if (car >= 0) {
            if (!s.carRefused[car])
                addToCar(s, i, car);
            continue;
        }
        if (addToSkinPack(s, i, isExistingCar))
            continue;
        if (s.entries[i].kind != SourceEntry::Kind::Folder)
            leftOutEntries << i;
    }
    return leftOutEntries;
}

// Names what is left out by its outermost folder that holds no car, or by the file itself.
void nameLeftOut(Sorting& s, const QList<qsizetype>& leftOutEntries)
{
    QSet<QString> ancestors;
    auto addAncestors = [&](const QString& folder) {
        const QStringList names = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (qsizetype k = 1; k <= names.size(); ++k)
            ancestors.insert(joinNames(names, k));
    };
    for (const FoundCar& car : std::as_const(s.plan.cars))
        addAncestors(car.archiveFolder);
    for (const FoundAddition& addition : std::as_const(s.plan.additions))
        addAncestors(addition.archiveFolder);
    QSet<QString> named;
    for (qsizetype i : leftOutEntries) {
        const QStringList& names = s.checked[i].names;
        QString label = names.join(QLatin1Char('/'));
        for (qsizetype k = 1; k < names.size(); ++k) {
            const QString folder = joinNames(names, k);
            if (!ancestors.contains(folder)) {
                label = folder + QLatin1Char('/');
                break;
            }
        }
        if (!named.contains(label)) {
            named.insert(label);
            s.plan.leftOut << label;
        }
    }
}

} // namespace

PathCheck splitEntryPath(const QString& path, QStringList& names)
{
    names.clear();
    if (path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char('\\')) ||
        (path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter()))
        return PathCheck::Absolute;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == QLatin1Char('/') || path[i] == QLatin1Char('\\')) {
            const QString name = path.mid(start, i - start);
            start = i + 1;
            if (name.isEmpty() || name == QLatin1String("."))
                continue;
            if (name == QLatin1String(".."))
                return PathCheck::Climbs;
            names << name;
        }
    }
    return names.isEmpty() ? PathCheck::Empty : PathCheck::Ok;
}

QString sourceBaseName(const QString& path)
{
    QString name = QFileInfo(path).fileName();
    static const char* const suffixes[] = {".tar.gz", ".tar.xz", ".tar.bz2", ".tgz", ".txz",
                                           ".tbz2",   ".tar",    ".zip",     ".7z",  ".rar"};
    for (const char* suffix : suffixes) {
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive) &&
            name.size() > qsizetype(qstrlen(suffix)))
            return name.left(name.size() - qsizetype(qstrlen(suffix)));
    }
    if (QFileInfo(path).isDir())
        return name;
    const QString base = QFileInfo(path).completeBaseName();
    return base.isEmpty() ? name : base;
}

bool isPackingLeftover(const QStringList& names)
{
    for (const QString& name : names)
        if (name == QLatin1String("__MACOSX"))
            return true;
    const QString& last = names.last();
    return last == QLatin1String(".DS_Store") || last.startsWith(QLatin1String("._"));
}

ArchivePlan planArchive(const QList<SourceEntry>& entries, const QString& sourceName,
                        const std::function<bool(const QString&)>& isExistingCar)
{
    Sorting s(entries);
    checkPaths(s);
    findCars(s, sourceName);
    refuseControlNames(s);
    const QList<QList<qsizetype>> carEntries = entriesByCar(s);
    for (const QList<qsizetype>& car : carEntries)
        refuseUnsafeCarEntries(entries, s.checked, car);
    const QList<qsizetype> leftOutEntries = sortEntries(s, isExistingCar);
    for (qsizetype c = s.plan.cars.size() - 1; c >= 0; --c)
        if (s.carRefused[c])
            s.plan.cars.removeAt(c);
    nameLeftOut(s, leftOutEntries);
    return s.plan;
}

} // namespace parkwen
