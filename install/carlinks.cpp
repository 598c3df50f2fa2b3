#include "install/carlinks.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace parkwen {

namespace {

QString joinNames(const QStringList& names, qsizetype count)
{
    return names.mid(0, count).join(QLatin1Char('/'));
}

QString keyOf(const QStringList& names)
{
    return names.join(QLatin1Char('/')).toCaseFolded();
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

// Nothing is written through a link: it could lead anywhere once followed. Every name declared as a
// link counts, whichever declaration of it the disk would hold.
QSet<QString> linkNamesOf(const QList<SourceEntry>& entries, const QList<CheckedEntry>& checked,
                          const QList<qsizetype>& carEntries)
{
    QSet<QString> linkNames;
    for (qsizetype i : carEntries)
        if (entries[i].kind == SourceEntry::Kind::Symlink)
            linkNames.insert(keyOf(checked[i].relative));
    return linkNames;
}

bool runsThroughLink(const QStringList& names, const QSet<QString>& linkNames)
{
    for (qsizetype k = 1; k < names.size(); ++k)
        if (linkNames.contains(joinNames(names, k).toCaseFolded()))
            return true;
    return false;
}

// Records the names the entry makes (its own and the folders above it); true when one of them was
// made before as anything but a folder, or is made now as anything but a folder.
bool declaresTwice(const QStringList& names, SourceEntry::Kind kind,
                   QHash<QString, SourceEntry::Kind>& declared)
{
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
    return twice;
}

// Refuses the entries written through a link and those declared twice; the links still standing.
QList<qsizetype> refuseThroughLinksAndTwice(const QList<SourceEntry>& entries, QList<CheckedEntry>& checked,
                                            const QList<qsizetype>& carEntries)
{
    const QSet<QString> linkNames = linkNamesOf(entries, checked, carEntries);
    // Each name is made once, by its first declaration: a name declared again (as a folder and a
    // link, a link and a file...) could only be written over, or through, what the first made.
    QHash<QString, SourceEntry::Kind> declared;
    QList<qsizetype> linkEntries;
    for (qsizetype i : carEntries) {
        CheckedEntry& entry = checked[i];
        const SourceEntry::Kind kind = entries[i].kind;
        if (runsThroughLink(entry.relative, linkNames)) {
            entry.refusal = QCoreApplication::translate("CarPlan", "a path that runs through a link");
            continue;
        }
        if (declaresTwice(entry.relative, kind, declared))
            entry.refusal = QCoreApplication::translate("CarPlan", "a name the archive declares twice");
        else if (kind == SourceEntry::Kind::Symlink)
            linkEntries << i;
    }
    return linkEntries;
}

// A link that leads out is not made, which can change where the links through it lead: those are
// checked again, until every link that stays leads inside the car as the disk will hold it.
void refuseLinksLeadingOut(const QList<SourceEntry>& entries, QList<CheckedEntry>& checked,
                           const QList<qsizetype>& linkEntries)
{
    QHash<QString, QString> links; // the car's links by their names ignoring case -> target
    for (qsizetype i : linkEntries)
        links.insert(keyOf(checked[i].relative), entries[i].linkTarget);
    QHash<QString, QList<qsizetype>> throughIt; // link -> the links whose check went through it
    QList<qsizetype> toCheck = linkEntries;
    while (!toCheck.isEmpty()) {
        const qsizetype i = toCheck.takeLast();
        CheckedEntry& entry = checked[i];
        if (!entry.refusal.isEmpty())
            continue;
        QStringList folder = entry.relative;
        folder.removeLast();
        int follows = 0;
        QSet<QString> used;
        if (entries[i].linkTarget.isEmpty() ||
            !resolveInside(links, folder, entries[i].linkTarget, follows, used)) {
            entry.refusal = QCoreApplication::translate("CarPlan", "a link that points outside its car");
            const QString key = keyOf(entry.relative);
            links.remove(key);
            toCheck += throughIt.take(key);
            continue;
        }
        for (const QString& key : std::as_const(used))
            throughIt[key] << i;
    }
}

} // namespace

void refuseUnsafeCarEntries(const QList<SourceEntry>& entries, QList<CheckedEntry>& checked,
                            const QList<qsizetype>& carEntries)
{
    // The links' targets are checked before anything is written.
    refuseLinksLeadingOut(entries, checked, refuseThroughLinksAndTwice(entries, checked, carEntries));
}

} // namespace parkwen
