#include "carplan.h"

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

// Follows a link's target from the folder that holds it, through the other links of the same car;
// the names of the place it reaches inside the car, or nothing when it leaves the car.
std::optional<QStringList> resolveInside(const QHash<QString, QString>& links, QStringList folder,
                                         const QString& target, int depth)
{
    if (depth > 16)
        return std::nullopt;
    if (target.startsWith(QLatin1Char('/')) || target.startsWith(QLatin1Char('\\')) ||
        (target.size() >= 2 && target[1] == QLatin1Char(':')))
        return std::nullopt;
    const QStringList parts = target.split(QRegularExpression(QStringLiteral("[/\\\\]")), Qt::SkipEmptyParts);
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
        const auto link = links.constFind(folder.join(QLatin1Char('/')));
        if (link != links.constEnd()) {
            folder.removeLast();
            auto reached = resolveInside(links, folder, link.value(), depth + 1);
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
    static const char* const suffixes[] = {".tar.gz", ".tar.xz", ".tar.bz2", ".tgz", ".txz", ".tbz2",
                                           ".tar",    ".zip",    ".7z",      ".rar"};
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
            plan.refused.append({entry.path, QStringLiteral("an absolute path")});
            continue;
        case PathCheck::Climbs:
            plan.refused.append({entry.path, QStringLiteral("a path that climbs out with \"..\"")});
            continue;
        case PathCheck::Empty:
            continue;
        case PathCheck::Ok:
            break;
        }
        if (isPackingLeftover(c.names))
            continue;
        if (entry.kind == SourceEntry::Kind::Other) {
            plan.refused.append({entry.path, QStringLiteral("a device, pipe or socket, not a file")});
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
            const qsizetype deepest = entries[i].kind == SourceEntry::Kind::Folder ? names.size() : names.size() - 1;
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

    // The links of each car, to check where they lead before anything is written.
    QList<QHash<QString, QString>> links(plan.cars.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!checked[i].usable || entries[i].kind != SourceEntry::Kind::Symlink)
            continue;
        const int car = carOf(checked[i].names);
        if (car < 0)
            continue;
        const qsizetype depth = rootCar ? 0 : plan.cars[car].archiveFolder.count(QLatin1Char('/')) + 1;
        links[car].insert(checked[i].names.mid(depth).join(QLatin1Char('/')), entries[i].linkTarget);
    }

    QHash<QString, int> additionIndex;
    QSet<QString> carFilesWritten; // "car/relative" of files already planned, for hard links
    QList<qsizetype> leftOutEntries;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!checked[i].usable)
            continue;
        const SourceEntry& entry = entries[i];
        const QStringList& names = checked[i].names;
        const int car = carOf(names);
        if (car >= 0) {
            FoundCar& found = plan.cars[car];
            const qsizetype depth = rootCar ? 0 : found.archiveFolder.count(QLatin1Char('/')) + 1;
            const QStringList relativeNames = names.mid(depth);
            if (relativeNames.isEmpty())
                continue; // the car's own folder entry
            const QString relative = relativeNames.join(QLatin1Char('/'));
            // Nothing is written through a link: it could lead anywhere once followed.
            bool throughLink = false;
            for (qsizetype k = 1; k < relativeNames.size() && !throughLink; ++k)
                throughLink = links[car].contains(joinNames(relativeNames, k));
            if (throughLink) {
                plan.refused.append({entry.path, QStringLiteral("a path that runs through a link")});
                continue;
            }
            PlannedEntry planned{int(i), relative, entry.kind, entry.size, QString()};
            if (entry.kind == SourceEntry::Kind::Symlink) {
                QStringList folder = relativeNames;
                folder.removeLast();
                if (entry.linkTarget.isEmpty() || !resolveInside(links[car], folder, entry.linkTarget, 0)) {
                    plan.refused.append({entry.path, QStringLiteral("a link that points outside its car")});
                    continue;
                }
                planned.linkTarget = entry.linkTarget;
            } else if (entry.kind == SourceEntry::Kind::Hardlink) {
                QStringList targetNames;
                const bool valid = splitEntryPath(entry.linkTarget, targetNames) == PathCheck::Ok;
                const qsizetype carDepth = depth;
                const bool sameCar = valid && targetNames.size() > carDepth &&
                                     carOf(targetNames) == car &&
                                     carFilesWritten.contains(QString::number(car) + QLatin1Char('/') +
                                                              targetNames.mid(carDepth).join(QLatin1Char('/')));
                if (!sameCar) {
                    plan.refused.append({entry.path, QStringLiteral("a link that points outside its car")});
                    continue;
                }
                planned.linkTarget = targetNames.mid(carDepth).join(QLatin1Char('/'));
            }
            if (entry.kind == SourceEntry::Kind::File || entry.kind == SourceEntry::Kind::Hardlink)
                carFilesWritten.insert(QString::number(car) + QLatin1Char('/') + relative);
            if (entry.kind == SourceEntry::Kind::File && entry.size > 0)
                found.bytes += entry.size;
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
                addition.files.append({int(i), names.mid(at + 1).join(QLatin1Char('/')), entry.kind, entry.size,
                                       QString()});
                if (entry.size > 0)
                    addition.bytes += entry.size;
                continue;
            }
        }
        if (entry.kind != SourceEntry::Kind::Folder)
            leftOutEntries << i;
    }

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
