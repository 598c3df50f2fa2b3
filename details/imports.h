#pragma once

#include "details/paramfiles.h"
#include "details/skins.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace parkwen {

// The windows an import asks the user through. The details window supplies real choosers; tests
// answer from a script. Each returns nothing when it was closed without an accepted choice.
class ImportChoosers
{
public:
    // Called with the chosen file's full path when the user presses OK; shows its own message and
    // returns false to keep the chooser open.
    using Accept = std::function<bool(const QString& path)>;

    virtual ~ImportChoosers() = default;
    // The parameter chooser ("*.txt" files), opening at `folder`.
    virtual std::optional<QString> chooseParameters(const QString& folder, const Accept& accept) = 0;
    // The bitmap chooser ("*.bmp" files with a preview), opening at `folder`.
    virtual std::optional<QString> chooseBitmap(const QString& folder, const Accept& accept) = 0;
    // The skin chooser: one of `skins`, file names of the car's folder `carPath`.
    virtual std::optional<QString> chooseSkin(const QString& carPath, const QStringList& skins) = 0;
};

// The choosers' tests on OK. Each shows its message when it refuses.
bool acceptParameters(FileSystem& fs, Dialogs& dialogs, const QString& path);
bool acceptBitmap(FileSystem& fs, Pictures& pictures, Dialogs& dialogs, const QString& path);

// The counts of car lines an imported parameter file takes over.
struct MergeCounts
{
    int models = 0;
    int textures = 0;
    int collisions = 0;
    int modelNumbers = 0;
    int offsets = 0;
};

// Gives an imported parameter file (`imported`) the car's own model, texture, collision,
// model-number and offset lines from `car`, the car's parameters.txt. The texture line keeps the
// car's folder path and names the skin that `chooseSkin` returns, or stays the car's own when it
// returns nothing. Lines of a word that either file lacks, or has fewer of, stay as imported.
QByteArray mergeCarLines(const QByteArray& imported, const QByteArray& car,
                         const std::function<std::optional<QString>()>& chooseSkin,
                         MergeCounts* counts = nullptr);

// What the imports work on.
struct ImportContext
{
    FileSystem& fs;
    Pictures& pictures;
    Dialogs& dialogs;
    ImportChoosers& choosers;
    // Where the choosers open: the Car Folder.
    QString startFolder;
};

// "Import" of the parameter area: a parameter file from anywhere becomes a new, titled parameter
// file of the car, listed at the end of `params`. True when a file was imported.
bool importParameters(ImportContext& context, ParamFiles& params);
// "Import" of the skin area: a bitmap from anywhere becomes a new other skin of the car.
bool importSkin(ImportContext& context, Skins& skins, const QString& carPath);

} // namespace parkwen
