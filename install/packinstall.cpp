#include "install/packinstall.h"

#include "install/carinstaller.h"
#include "library/packlistediting.h"

#include <QCoreApplication>

namespace parkwen {

PackInstall installIntoPack(Platform platform, const QString& carFolder, const QString& pack,
                            const QString& packlist, const QStringList& files)
{
    PackInstall result;
    const std::optional<GameFolder> game = GameFolder::of(carFolder);
    if (!game) {
        result.refused =
            QCoreApplication::translate(
                "PackInstall", "The Car Folder %1 is not inside a game folder, so there are no packs "
                               "to install into.")
                .arg(carFolder);
        return result;
    }
    if (const QString problem = Packlist::nameProblem(pack);
        !problem.isEmpty() || pack == Packlist::DefaultPack) {
        result.refused = problem.isEmpty()
                             ? QCoreApplication::translate("PackInstall",
                                                           "default is the game folder itself: install into "
                                                           "the Car Folder.")
                             : problem;
        return result;
    }
    FileSystem& fs = platform.fs;
    const QString packFolder = joinPath(game->packsFolder(), pack);
    result.created = !fs.isFolder(packFolder);
    for (const QString& folder : {game->packsFolder(), packFolder, game->carsOf(pack)})
        if (!fs.isFolder(folder))
            if (Error e = fs.createFolder(folder)) {
                result.refused =
                    QCoreApplication::translate("PackInstall", "The pack %1 could not be made: %2")
                        .arg(packFolder, e.description());
                return result;
            }
    FixedInstallAnswers answers(ClashChoice::Skip, false);
    const QString cars = game->carsOf(pack);
    CarInstaller installer(platform, cars, cars, answers);
    result.summary = installer.install(files, CarInstaller::Target::CarFolder);
    if (result.created) {
        PacklistEditing editing(fs, platform.dialogs, *game);
        editing.read(packlist);
        result.enabled = editing.setEnabled(pack, true);
    }
    return result;
}

} // namespace parkwen
