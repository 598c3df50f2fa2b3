#pragma once

#include "install/carinstaller.h"
#include "library/carlibrary.h"
#include "platform/qt/qtprogress.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace parkwen {

// Asks the clash question in a box of its own: "Replace", "Keep Both" or "Skip", with "for all".
class QtInstallQuestions : public DialogsInstallQuestions
{
public:
    QtInstallQuestions(Dialogs& dialogs, QWidget* parent) : DialogsInstallQuestions(dialogs), m_parent(parent)
    {
    }
    ClashAnswer clash(const CarClash& clash) override;

private:
    QWidget* m_parent;
};

// The progress of an install, shown once it has run for half a second, with a Cancel button. Only
// the dialog takes input while it is up; the window behind it waits.
class InstallProgress : public QtProgress
{
public:
    explicit InstallProgress(QWidget* parent, int delayMs = 500);
};

// "Install Cars" (and F6): choose archives, choose the folder, install, bring the lists up to date
// and show the summary. Drops onto a list install into that list's folder directly.
class InstallCommand
{
public:
    InstallCommand(CarLibrary& cars, QWidget* parent);

    // Stand-ins for the file chooser and the folder question (tests, scripted demos).
    std::function<QStringList()> chooseFiles;
    std::function<std::optional<CarInstaller::Target>(int count)> chooseTarget;
    // The questions during an install; the window's boxes when null.
    InstallQuestions* questions = nullptr;

    void run();
    // Archives handed over from outside (a file manager's "Open With"): where to, then the install.
    void open(const QStringList& files);
    void install(const QStringList& sources, CarInstaller::Target target);

    // The file chooser: several archives at once, any suffix (archives are told apart by content).
    static QStringList chooseArchives(QWidget* parent);
    // "Car Folder", "Garage Folder" or "Cancel".
    static std::optional<CarInstaller::Target> askTarget(QWidget* parent, int count);
    // The same with "A pack…" beside them, when the Car Folder stands in a game folder: `pack` is
    // then the pack named (an empty target with an empty pack: cancelled).
    static std::optional<CarInstaller::Target> askTargetOrPack(QWidget* parent, int count, bool offerPacks,
                                                               QString& pack);
    // Installs into a pack of the game (made and switched on when new) and shows the summary.
    void installIntoPack(const QStringList& sources, const QString& pack);

private:
    CarLibrary& m_cars;
    QWidget* m_parent;
};

} // namespace parkwen
