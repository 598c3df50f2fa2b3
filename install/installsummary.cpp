#include "install/installsummary.h"

#include "install/installwords.h"
#include "install/unpacker.h"

#include <QCoreApplication>
#include <QHash>

namespace parkwen {

using installwords::cutList;
using installwords::folderLabel;

namespace {

using Note = InstallSummary::Note;

// An installed car's name, with what else the user should know of it in brackets.
QString carText(const InstallSummary::Car& car)
{
    QStringList notes;
    if (!car.keptBeside.isEmpty())
        notes << QCoreApplication::translate("CarInstaller", "kept beside %1").arg(car.keptBeside);
    if (!car.replacedName.isEmpty())
        notes << QCoreApplication::translate("CarInstaller", "replacing %1 of the %2, which %3")
                     .arg(car.replacedName, folderLabel(car.replacedInGarage),
                          car.replacedToTrash
                              ? QCoreApplication::translate("CarInstaller", "went to the trash")
                              : QCoreApplication::translate("CarInstaller", "was deleted"));
    if (!car.hasPicture)
        notes << QCoreApplication::translate("CarInstaller",
                                             "it has no .jpg or .bmp picture, so the lists do not show it");
    if (notes.isEmpty())
        return car.name;
    return car.name + QStringLiteral(" (") + notes.join(QStringLiteral("; ")) + QLatin1Char(')');
}

QString installedText(const InstallSummary& summary, int maxNames)
{
    QStringList names;
    for (const InstallSummary::Car& car : summary.installed)
        names << carText(car);
    const qsizetype count = summary.installed.size();
    return QCoreApplication::translate("CarInstaller", "Installed into the %1 (%2 %3): %4.")
        .arg(folderLabel(summary.toGarage), countText(count),
             count == 1 ? QCoreApplication::translate("CarInstaller", "car")
                        : QCoreApplication::translate("CarInstaller", "cars"),
             cutList(names, maxNames));
}

QString whatOnly(const Note& note)
{
    return note.what;
}

QString whatAndWhy(const Note& note)
{
    return note.what + QStringLiteral(" (") + note.why + QLatin1Char(')');
}

// One part per group of notes: `heading` with the group's key and its items, the groups in the
// order their keys first come.
void appendGroups(QStringList& parts, const QString& heading, const QList<Note>& notes,
                  QString (*keyOf)(const Note&), QString (*itemOf)(const Note&), int maxNames)
{
    QStringList keys;
    QHash<QString, QStringList> items;
    for (const Note& note : notes) {
        const QString key = keyOf(note);
        if (!items.contains(key))
            keys << key;
        items[key] << itemOf(note);
    }
    for (const QString& key : std::as_const(keys))
        parts << heading.arg(key, cutList(items.value(key), maxNames));
}

} // namespace

QString InstallSummary::text(int maxNames) const
{
    QStringList parts;
    if (installed.isEmpty() && additions.isEmpty())
        parts << QCoreApplication::translate("CarInstaller", "No car was installed.");
    if (!installed.isEmpty())
        parts << installedText(*this, maxNames);
    for (const Addition& addition : additions)
        parts << QCoreApplication::translate("CarInstaller", "Added to %1 in the %2, from %3: %4.")
                     .arg(addition.car, folderLabel(addition.inGarage), addition.source,
                          cutList(addition.files, maxNames));
    // Cars passed over, grouped by the reason; what was refused or left out, by the source.
    const auto why = [](const Note& note) { return note.why; };
    const auto source = [](const Note& note) { return note.source; };
    appendGroups(parts, QCoreApplication::translate("CarInstaller", "Not installed (%1): %2."), skipped, why,
                 whatOnly, maxNames);
    appendGroups(parts,
                 QCoreApplication::translate("CarInstaller", "Refused in %1 as unsafe, not written: %2."),
                 refused, source, whatAndWhy, maxNames);
    appendGroups(parts,
                 QCoreApplication::translate("CarInstaller", "Left out of %1, as not part of any car: %2."),
                 leftOut, source, whatOnly, maxNames);
    for (const Note& note : failed)
        parts << QCoreApplication::translate("CarInstaller", "Nothing of %1 was installed: %2.")
                     .arg(note.source, note.why);
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace parkwen
