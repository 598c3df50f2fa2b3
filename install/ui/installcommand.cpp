#include "install/ui/installcommand.h"

#include "install/packinstall.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>

namespace parkwen {

// ---------------------------------------------------------------------------------------------
// The clash question

ClashAnswer QtInstallQuestions::clash(const CarClash& clash)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Parkwen"), clashText(clash), QMessageBox::NoButton,
                    m_parent);
    box.setObjectName(QStringLiteral("InstallClash"));
    // Action buttons keep the order they are added in: Replace, Keep Both, then Skip.
    QPushButton* replace =
        box.addButton(QCoreApplication::translate("InstallCommand", "Replace"), QMessageBox::ActionRole);
    QPushButton* keepBoth =
        box.addButton(QCoreApplication::translate("InstallCommand", "Keep Both"), QMessageBox::ActionRole);
    QPushButton* skip =
        box.addButton(QCoreApplication::translate("InstallCommand", "Skip"), QMessageBox::RejectRole);
    replace->setObjectName(QStringLiteral("Replace"));
    keepBoth->setObjectName(QStringLiteral("KeepBoth"));
    skip->setObjectName(QStringLiteral("Skip"));
    box.setDefaultButton(skip); // Enter never throws a car away
    box.setEscapeButton(skip);
    auto* forAll = new QCheckBox(QCoreApplication::translate("InstallCommand", "for all"), &box);
    forAll->setObjectName(QStringLiteral("ForAll"));
    forAll->setToolTip(QCoreApplication::translate(
        "InstallCommand", "Give the same answer to every further clash of this install"));
    box.setCheckBox(forAll);
    box.exec();
    ClashAnswer answer;
    answer.forAll = forAll->isChecked();
    if (box.clickedButton() == replace)
        answer.choice = ClashChoice::Replace;
    else if (box.clickedButton() == keepBoth)
        answer.choice = ClashChoice::KeepBoth;
    else
        answer.choice = ClashChoice::Skip;
    return answer;
}

// ---------------------------------------------------------------------------------------------
// Progress with Cancel

InstallProgress::InstallProgress(QWidget* parent, int delayMs)
    : QtProgress(QStringLiteral("Parkwen"),
                 Look{QStringLiteral("InstallProgress"),
                      QCoreApplication::translate("InstallCommand", "Cancel"), 380, false},
                 delayMs, parent)
{
}

// ---------------------------------------------------------------------------------------------
// The command

InstallCommand::InstallCommand(CarLibrary& cars, QWidget* parent) : m_cars(cars), m_parent(parent) {}

QStringList InstallCommand::chooseArchives(QWidget* parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("InstallCommand", "Install Cars"));
    dialog.setObjectName(QStringLiteral("InstallChooser"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(
        {QCoreApplication::translate("InstallCommand",
                                     "Car archives (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.xz *.txz "
                                     "*.tar.bz2)"),
         QCoreApplication::translate("InstallCommand", "All files (*)")});
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!downloads.isEmpty())
        dialog.setDirectory(downloads);
    dialog.resize(760, 480);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

std::optional<CarInstaller::Target> InstallCommand::askTarget(QWidget* parent, int count)
{
    QString pack;
    return askTargetOrPack(parent, count, false, pack);
}

std::optional<CarInstaller::Target> InstallCommand::askTargetOrPack(QWidget* parent, int count,
                                                                    bool offerPacks, QString& pack)
{
    pack.clear();
    const QString text =
        count == 1 ? QCoreApplication::translate("InstallCommand",
                                                 "Install the cars of this archive into which folder?")
                   : QCoreApplication::translate("InstallCommand",
                                                 "Install the cars of these %1 archives into which folder?")
                         .arg(count);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Parkwen"), text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("InstallWhere"));
    QPushButton* cars =
        box.addButton(QCoreApplication::translate("InstallCommand", "Car Folder"), QMessageBox::AcceptRole);
    QPushButton* garage = box.addButton(QCoreApplication::translate("InstallCommand", "Garage Folder"),
                                        QMessageBox::AcceptRole);
    QPushButton* packButton =
        offerPacks
            ? box.addButton(QCoreApplication::translate("InstallCommand", "A pack…"), QMessageBox::AcceptRole)
            : nullptr;
    QPushButton* cancel =
        box.addButton(QCoreApplication::translate("InstallCommand", "Cancel"), QMessageBox::RejectRole);
    cars->setObjectName(QStringLiteral("CarFolder"));
    garage->setObjectName(QStringLiteral("GarageFolder"));
    if (packButton)
        packButton->setObjectName(QStringLiteral("Pack"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == cars)
        return CarInstaller::Target::CarFolder;
    if (box.clickedButton() == garage)
        return CarInstaller::Target::GarageFolder;
    if (packButton && box.clickedButton() == packButton)
        pack = QInputDialog::getText(
            parent, QStringLiteral("Parkwen"),
            QCoreApplication::translate("InstallCommand",
                                        "Install into which pack? (A new one is made and switched "
                                        "on in the packlist.)"));
    return std::nullopt;
}

void InstallCommand::run()
{
    open(chooseFiles ? chooseFiles() : chooseArchives(m_parent));
}

void InstallCommand::open(const QStringList& files)
{
    if (files.isEmpty())
        return;
    QString pack;
    const auto target =
        chooseTarget
            ? chooseTarget(int(files.size()))
            : askTargetOrPack(m_parent, int(files.size()),
                              GameFolder::of(m_cars.folder(FolderRole::Cars).path()).has_value(), pack);
    if (!pack.isEmpty()) {
        installIntoPack(files, pack.trimmed());
        return;
    }
    if (!target)
        return;
    install(files, *target);
}

void InstallCommand::install(const QStringList& sources, CarInstaller::Target target)
{
    if (sources.isEmpty())
        return;
    Platform platform = m_cars.platform();
    InstallProgress progress(m_parent);
    platform.progress = &progress;
    QtInstallQuestions windowQuestions(platform.dialogs, m_parent);
    CarInstaller installer(platform, m_cars.folder(FolderRole::Cars).path(),
                           m_cars.folder(FolderRole::Garage).path(),
                           questions ? *questions : static_cast<InstallQuestions&>(windowQuestions));
    installer.setCancelCheck([&progress] { return progress.cancelled(); });
    const InstallSummary summary = installer.install(sources, target);

    // The lists follow entry by entry, as after a move; the last car installed is chosen, so that
    // its list shows it.
    auto roleOf = [](bool inGarage) { return inGarage ? FolderRole::Garage : FolderRole::Cars; };
    const FolderRole arrivedIn = roleOf(summary.toGarage);
    QString shown;
    for (const InstallSummary::Car& car : summary.installed) {
        if (!car.replacedName.isEmpty())
            m_cars.removeGoneCar(car.replacedName, roleOf(car.replacedInGarage));
        if (m_cars.addInstalledCar(car.name, arrivedIn))
            shown = car.name;
    }
    if (!shown.isEmpty()) {
        m_cars.chooseRow(arrivedIn, m_cars.folder(arrivedIn).list().rowOfText(shown));
    }
    const bool nothing = summary.installed.isEmpty() && summary.additions.isEmpty();
    platform.dialogs.message(summary.text(),
                             nothing ? Dialogs::Icon::Exclamation : Dialogs::Icon::Information);
}

void InstallCommand::installIntoPack(const QStringList& sources, const QString& pack)
{
    Platform platform = m_cars.platform();
    InstallProgress progress(m_parent);
    platform.progress = &progress;
    const PackInstall done = parkwen::installIntoPack(platform, m_cars.folder(FolderRole::Cars).path(), pack,
                                                      m_cars.game().packlist(), sources);
    m_cars.readGame();
    if (!done.refused.isEmpty()) {
        platform.dialogs.plain(done.refused);
        return;
    }
    const bool nothing = done.summary.installed.isEmpty() && done.summary.additions.isEmpty();
    platform.dialogs.message(done.summary.text(),
                             nothing ? Dialogs::Icon::Exclamation : Dialogs::Icon::Information);
}

} // namespace parkwen
