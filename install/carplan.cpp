#include "install/carplan.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <optional>

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

// Follows a link's target from the folder that holds it, through the other links of the same car;
// the names of the place it reaches inside the car, or nothing when it leaves the car. `links` is
// keyed by the links' names ignoring case; `used` gathers the keys of the links followed. Like the
// system, it follows at most 40 links in all: past that the link leads nowhere, and a crafted
// archive cannot make the check take for ever.
std::optional<QStringList> resolveInside(const QHash<QString, QString>& links, QStringList folder,
                                         const QString& target, int& follows, QSet<QString>& used)
{
    if (target.startsWith(QLatin1Char('/')) || target.startsWith(QLatin1Char('\\')) ||
        (target.size() >= 2 && target[1] == QLatin1Char(':')))
        return std::nullopt;
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    const QStringList parts = target.split(separators, Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (folder.isEmpty())
                return std::nullopt;
            folder.removeLast();
            continue;
        }
        folder << part;
        const QString key = folder.join(QLatin1Char('/')).toCaseFolded();
        const auto link = links.constFind(key);
        if (link != links.constEnd()) {
            if (++follows > 40)
                return std::nullopt;
            used.insert(key);
            folder.removeLast();
            auto reached = resolveInside(links, folder, link.value(), follows, used);
            if (!reached)
                return std::nullopt;
            folder = *reached;
        }
    }
    return folder;
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
    ArchivePlan plan;

    // Check every path once.
    struct Checked
    {
        QStringList names;
        bool usable = false;
    };
    QList<Checked> checked(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const SourceEntry& entry = entries[i];
        Checked& c = checked[i];
        switch (splitEntryPath(entry.path, c.names)) {
        case PathCheck::Absolute:
            plan.refused.append({entry.path, QCoreApplication::translate("CarPlan", "an absolute path")});
            continue;
        case PathCheck::Climbs:
            plan.refused.append(
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
            plan.refused.append(
                {entry.path, QCoreApplication::translate("CarPlan", "a device, pipe or socket, not a file")});
            continue;
        }
        c.usable = true;
    }

    // Every folder holding a parameters.txt is a car; a car inside another car is part of it.
    QSet<QString> carFolders;
    bool rootCar = false;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const SourceEntry::Kind kind = entries[i].kind;
        if (!checked[i].usable || (kind != SourceEntry::Kind::File && kind != SourceEntry::Kind::Hardlink))
            continue;
        const QStringList& names = checked[i].names;
        if (names.last().compare(kParameters, Qt::CaseInsensitive) != 0)
            continue;
        if (names.size() == 1)
            rootCar = true;
        else
            carFolders.insert(joinNames(names, names.size() - 1));
    }
    QStringList outermost;
    for (const QString& folder : std::as_const(carFolders)) {
        if (rootCar)
            break;
        const QStringList names = folder.split(QLatin1Char('/'));
        bool inside = false;
        for (qsizetype k = 1; k < names.size() && !inside; ++k)
            inside = carFolders.contains(joinNames(names, k));
        if (!inside)
            outermost << folder;
    }
    // Cars in the order the archive first mentions them.
    QHash<QString, int> carIndex;
    auto carOf = [&](const QStringList& names) -> int {
        if (rootCar)
            return 0;
        for (qsizetype k = 1; k < names.size(); ++k) {
            const auto it = carIndex.constFind(joinNames(names, k));
            if (it != carIndex.constEnd())
                return it.value();
        }
        return -1;
    };
    if (rootCar) {
        plan.cars.append({sourceName, QString(), {}, 0});
        carIndex.insert(QString(), 0);
    } else {
        QSet<QString> wanted(outermost.begin(), outermost.end());
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (!checked[i].usable)
                continue;
            const QStringList& names = checked[i].names;
            // A folder entry names its own folder too: the car's folder entry is its first mention.
            const qsizetype deepest =
                entries[i].kind == SourceEntry::Kind::Folder ? names.size() : names.size() - 1;
            for (qsizetype k = 1; k <= deepest; ++k) {
                const QString folder = joinNames(names, k);
                if (wanted.contains(folder) && !carIndex.contains(folder)) {
                    carIndex.insert(folder, int(plan.cars.size()));
                    plan.cars.append({names[k - 1], folder, {}, 0});
                    break;
                }
            }
        }
    }

    // A car whose name holds control characters (a line break would split every one-name-a-line
    // list) is refused whole.
    QList<bool> carRefused(plan.cars.size(), false);
    for (qsizetype c = 0; c < plan.cars.size(); ++c) {
        const FoundCar& car = plan.cars[c];
        if (!hasControlCharacters(car.name))
            continue;
        carRefused[c] = true;
        plan.refused.append(
            {visibleText(car.archiveFolder.isEmpty() ? car.name : car.archiveFolder + QLatin1Char('/')),
             QCoreApplication::translate("CarPlan", "a car name with control characters")});
    }

    // What each entry of a car makes, relative to the car, and why it is refused, if it is.
    QList<QStringList> relatives(entries.size());
    QList<QString> refusal(entries.size());
    QList<QList<qsizetype>> carEntries(plan.cars.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!checked[i].usable)
            continue;
        const int car = carOf(checked[i].names);
        if (car < 0 || carRefused[car])
            continue;
        const qsizetype depth = rootCar ? 0 : plan.cars[car].archiveFolder.count(QLatin1Char('/')) + 1;
        relatives[i] = checked[i].names.mid(depth);
        if (!relatives[i].isEmpty()) // not the car's own folder entry
            carEntries[car] << i;
    }
    // The links each car will hold, by their names ignoring case, to check where they lead before
    // anything is written.
    QList<QHash<QString, QString>> links(plan.cars.size());
    for (qsizetype car = 0; car < plan.cars.size(); ++car) {
        // Nothing is written through a link: it could lead anywhere once followed. Every name declared
        // as a link counts, whichever declaration of it the disk would hold.
        QSet<QString> linkNames;
        for (qsizetype i : std::as_const(carEntries[car]))
            if (entries[i].kind == SourceEntry::Kind::Symlink)
                linkNames.insert(relatives[i].join(QLatin1Char('/')).toCaseFolded());
        // Each name is made once, by its first declaration: a name declared again (as a folder and a
        // link, a link and a file...) could only be written over, or through, what the first made.
        QHash<QString, SourceEntry::Kind> declared;
        QList<qsizetype> linkEntries;
        for (qsizetype i : std::as_const(carEntries[car])) {
            const QStringList& names = relatives[i];
            const SourceEntry::Kind kind = entries[i].kind;
            bool throughLink = false;
            for (qsizetype k = 1; k < names.size() && !throughLink; ++k)
                throughLink = linkNames.contains(joinNames(names, k).toCaseFolded());
            if (throughLink) {
                refusal[i] = QCoreApplication::translate("CarPlan", "a path that runs through a link");
                continue;
            }
            bool twice = false;
            for (qsizetype k = 1; k <= names.size(); ++k) {
                const bool own = k == names.size();
                const SourceEntry::Kind made = own ? kind : SourceEntry::Kind::Folder;
                const QString key = joinNames(names, k).toCaseFolded();
                const auto at = declared.constFind(key);
                if (at == declared.constEnd())
                    declared.insert(key, made);
                else if (at.value() != SourceEntry::Kind::Folder || made != SourceEntry::Kind::Folder)
                    twice = true;
            }
            if (twice)
                refusal[i] = QCoreApplication::translate("CarPlan", "a name the archive declares twice");
            else if (kind == SourceEntry::Kind::Symlink)
                linkEntries << i;
        }
        for (qsizetype i : std::as_const(linkEntries))
            links[car].insert(relatives[i].join(QLatin1Char('/')).toCaseFolded(), entries[i].linkTarget);
        // A link that leads out is not made, which can change where the links through it lead: those
        // are checked again, until every link that stays leads inside the car as the disk will hold it.
        QHash<QString, QList<qsizetype>> throughIt; // link -> the links whose check went through it
        QList<qsizetype> toCheck = linkEntries;
        while (!toCheck.isEmpty()) {
            const qsizetype i = toCheck.takeLast();
            if (!refusal[i].isEmpty())
                continue;
            QStringList folder = relatives[i];
            folder.removeLast();
            int follows = 0;
            QSet<QString> used;
            if (entries[i].linkTarget.isEmpty() ||
                !resolveInside(links[car], folder, entries[i].linkTarget, follows, used)) {
                refusal[i] = QCoreApplication::translate("CarPlan", "a link that points outside its car");
                const QString key = relatives[i].join(QLatin1Char('/')).toCaseFolded();
                links[car].remove(key);
                toCheck += throughIt.take(key);
                continue;
            }
            for (const QString& key : std::as_const(used))
                throughIt[key] << i;
        }
    }

    QHash<QString, int> additionIndex;
    QHash<QString, qint64> carFilesWritten; // "car/relative" -> size of files already planned, for hard links
    QList<qsizetype> leftOutEntries;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!checked[i].usable)
            continue;
        const SourceEntry& entry = entries[i];
        const QStringList& names = checked[i].names;
        const int car = carOf(names);
        if (car >= 0 && carRefused[car])
            continue;
        if (car >= 0) {
            FoundCar& found = plan.cars[car];
            const qsizetype depth = rootCar ? 0 : found.archiveFolder.count(QLatin1Char('/')) + 1;
            const QStringList& relativeNames = relatives[i];
            if (relativeNames.isEmpty())
                continue; // the car's own folder entry
            if (!refusal[i].isEmpty()) {
                plan.refused.append({entry.path, refusal[i]});
                continue;
            }
            const QString relative = relativeNames.join(QLatin1Char('/'));
            PlannedEntry planned{int(i), relative, entry.kind, entry.size, QString()};
            qint64 bytes = entry.kind == SourceEntry::Kind::File ? qMax<qint64>(0, entry.size) : 0;
            if (entry.kind == SourceEntry::Kind::Symlink) {
                planned.linkTarget = entry.linkTarget;
            } else if (entry.kind == SourceEntry::Kind::Hardlink) {
                // A copy of a file of the same car written before it, and nothing else.
                QStringList targetNames;
                const bool valid = splitEntryPath(entry.linkTarget, targetNames) == PathCheck::Ok;
                const auto target =
                    valid && targetNames.size() > depth && carOf(targetNames) == car
                        ? carFilesWritten.constFind(QString::number(car) + QLatin1Char('/') +
                                                    targetNames.mid(depth).join(QLatin1Char('/')))
                        : carFilesWritten.constEnd();
                if (target == carFilesWritten.constEnd()) {
                    plan.refused.append({entry.path, QCoreApplication::translate(
                                                         "CarPlan", "a link that points outside its car")});
                    continue;
                }
                planned.linkTarget = targetNames.mid(depth).join(QLatin1Char('/'));
                bytes = target.value();
            }
            if (entry.kind == SourceEntry::Kind::File || entry.kind == SourceEntry::Kind::Hardlink)
                carFilesWritten.insert(QString::number(car) + QLatin1Char('/') + relative, bytes);
            found.bytes += bytes;
            found.entries.append(planned);
            continue;
        }

        // A skin pack: files under cars/<name>/ (or <name>/ at the root) for a car already installed.
        if (entry.kind == SourceEntry::Kind::File && names.size() >= 2) {
            qsizetype at = -1;
            for (qsizetype k = names.size() - 2; k >= 0; --k) {
                if (isCarsFolderName(names[k]) && k + 1 < names.size() - 1) {
                    at = k + 1;
                    break;
                }
            }
            if (at < 0 && names.size() >= 2)
                at = 0;
            const QString folder = joinNames(names, at + 1);
            if (additionIndex.contains(folder) || isExistingCar(names[at])) {
                auto it = additionIndex.constFind(folder);
                int index = 0;
                if (it == additionIndex.constEnd()) {
                    index = int(plan.additions.size());
                    additionIndex.insert(folder, index);
                    plan.additions.append({names[at], folder, {}, 0});
                } else {
                    index = it.value();
                }
                FoundAddition& addition = plan.additions[index];
                addition.files.append(
                    {int(i), names.mid(at + 1).join(QLatin1Char('/')), entry.kind, entry.size, QString()});
                if (entry.size > 0)
                    addition.bytes += entry.size;
                continue;
            }
        }
        if (entry.kind != SourceEntry::Kind::Folder)
            leftOutEntries << i;
    }

    for (qsizetype c = plan.cars.size() - 1; c >= 0; --c)
        if (carRefused[c])
            plan.cars.removeAt(c);

    // Name what is left out by its outermost folder that holds no car, or by the file itself.
    QSet<QString> ancestors;
    auto addAncestors = [&](const QString& folder) {
        const QStringList names = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (qsizetype k = 1; k <= names.size(); ++k)
            ancestors.insert(joinNames(names, k));
    };
    for (const FoundCar& car : std::as_const(plan.cars))
        addAncestors(car.archiveFolder);
    for (const FoundAddition& addition : std::as_const(plan.additions))
        addAncestors(addition.archiveFolder);
    QSet<QString> named;
    for (qsizetype i : std::as_const(leftOutEntries)) {
        const QStringList& names = checked[i].names;
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
            plan.leftOut << label;
        }
    }
    return plan;
}

} // namespace parkwen
