#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace parkwen {

// The game folder a Car Folder belongs to: the folder holding it when it is `<game>/cars`, or
// `<game>` when it is `<game>/packs/<pack>/cars`.
struct GameFolder
{
    QString path;
    // The pack whose cars/ is the Car Folder; `default` when it is the game folder's own.
    QString carFolderPack;

    static std::optional<GameFolder> of(const QString& carFolder);

    QString packsFolder() const;
    // packs/NAME.txt
    QString packlistFile(const QString& packlist) const;
    // Where a pack's cars are: the game folder's own for `default`.
    QString carsOf(const QString& pack) const;
    // The game's start script at the top of its folder, which picks the binary for the system.
    QString startScript() const;
    // The game's arguments for a packlist: none for `default`, which it reads unless told otherwise.
    static QStringList playArguments(const QString& packlist);
};

} // namespace parkwen
