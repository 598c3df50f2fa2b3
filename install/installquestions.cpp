#include "install/installquestions.h"
#include "install/installwords.h"

#include <QCoreApplication>

namespace parkwen {

using installwords::cutList;
using installwords::folderLabel;
using installwords::quoted;

QString DialogsInstallQuestions::clashText(const CarClash& clash)
{
    if (clash.inSameSource)
        return QCoreApplication::translate(
                   "CarInstaller",
                   "%1 holds two cars named %2.\n\nReplace the first with the second, keep both "
                   "(the second as %3), or skip the second?")
            .arg(clash.source, quoted(clash.name), quoted(clash.keepBothName));
    return QCoreApplication::translate(
               "CarInstaller",
               "The %1 already holds a car named %2.\n\nReplace it with %3 from %4, keep both "
               "(the new car as %5), or skip %3?")
               .arg(folderLabel(clash.existingInGarage), quoted(clash.existingName), quoted(clash.name),
                    clash.source, quoted(clash.keepBothName)) +
           (clash.existingDeletedForGood
                ? QCoreApplication::translate(
                      "CarInstaller",
                      "\n\nIts disk has no trash: if it is replaced, it will be deleted for good.")
                : QString());
}

bool DialogsInstallQuestions::addFiles(const QString& source, const QString& car, bool carInGarage,
                                       const QStringList& newFiles, const QStringList& existingFiles)
{
    QString text = QCoreApplication::translate(
                       "CarInstaller", "%1 holds files for the car %2 in the %3, without a parameters.txt: "
                                       "a skin pack or an update for that car.")
                       .arg(source, quoted(car), folderLabel(carInGarage));
    if (!newFiles.isEmpty())
        text += QCoreApplication::translate("CarInstaller", "\n\nNew files: ") + cutList(newFiles, 15) +
                QLatin1Char('.');
    if (!existingFiles.isEmpty())
        text += QCoreApplication::translate("CarInstaller",
                                            "\nFiles the car has already (you will be asked about each): ") +
                cutList(existingFiles, 15) + QLatin1Char('.');
    text += QCoreApplication::translate("CarInstaller", "\n\nAdd them to %1?").arg(quoted(car));
    return m_dialogs.message(text, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
}

bool DialogsInstallQuestions::replaceFile(const QString& source, const QString& car, const QString& file)
{
    const QString text =
        QCoreApplication::translate("CarInstaller",
                                    "The car %1 already has the file %2.\n\nReplace it with the one from %3?")
            .arg(quoted(car), quoted(file), source);
    return m_dialogs.message(text, Dialogs::Icon::Question, Dialogs::Buttons::YesNoDefaultNo) ==
           Dialogs::Answer::Yes;
}

} // namespace parkwen
