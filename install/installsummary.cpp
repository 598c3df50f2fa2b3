#include "install/installsummary.h"

#include "install/installwords.h"
#include "install/unpacker.h"

#include <QCoreApplication>
#include <QHash>

namespace parkwen {

using installwords::cutList;
using installwords::folderLabel;

QString InstallSummary::text(int maxNames) const
{
    QStringList parts;
    const QString destination = folderLabel(toGarage);
    if (installed.isEmpty() && additions.isEmpty())
        parts << QCoreApplication::translate("CarInstaller", "No car was installed.");
    if (!installed.isEmpty()) {
        QStringList names;
        for (const Car& car : installed) {
            QString text = car.name;
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
                notes << QCoreApplication::translate(
                    "CarInstaller", "it has no .jpg or .bmp picture, so the lists do not show it");
            if (!notes.isEmpty())
                text += QStringLiteral(" (") + notes.join(QStringLiteral("; ")) + QLatin1Char(')');
            names << text;
        }
        parts << QCoreApplication::translate("CarInstaller", "Installed into the %1 (%2 %3): %4.")
                     .arg(destination, countText(installed.size()),
                          installed.size() == 1 ? QCoreApplication::translate("CarInstaller", "car")
                                                : QCoreApplication::translate("CarInstaller", "cars"),
                          cutList(names, maxNames));
    }
    for (const Addition& addition : additions)
        parts << QCoreApplication::translate("CarInstaller", "Added to %1 in the %2, from %3: %4.")
                     .arg(addition.car, folderLabel(addition.inGarage), addition.source,
                          cutList(addition.files, maxNames));

    // Cars passed over, grouped by the reason.
    QStringList reasons;
    QHash<QString, QStringList> byReason;
    for (const Note& note : skipped) {
        if (!byReason.contains(note.why))
            reasons << note.why;
        byReason[note.why] << note.what;
    }
    for (const QString& why : std::as_const(reasons))
        parts << QCoreApplication::translate("CarInstaller", "Not installed (%1): %2.")
                     .arg(why, cutList(byReason.value(why), maxNames));

    auto bySource = [&](const QList<Note>& notes, const QString& heading, bool withWhy) {
        QStringList sources;
        QHash<QString, QStringList> items;
        for (const Note& note : notes) {
            if (!items.contains(note.source))
                sources << note.source;
            items[note.source] << (withWhy ? note.what + QStringLiteral(" (") + note.why + QLatin1Char(')')
                                           : note.what);
        }
        for (const QString& source : std::as_const(sources))
            parts << heading.arg(source, cutList(items.value(source), maxNames));
    };
    bySource(refused,
             QCoreApplication::translate("CarInstaller", "Refused in %1 as unsafe, not written: %2."), true);
    bySource(leftOut,
             QCoreApplication::translate("CarInstaller", "Left out of %1, as not part of any car: %2."),
             false);
    for (const Note& note : failed)
        parts << QCoreApplication::translate("CarInstaller", "Nothing of %1 was installed: %2.")
                     .arg(note.source, note.why);
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace parkwen
