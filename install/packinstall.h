#pragma once

#include "install/installsummary.h"
#include "platform/platform.h"

#include <QString>
#include <QStringList>

namespace parkwen {

class InstallQuestions;

// What an install into a pack did.
struct PackInstall
{
    InstallSummary summary;
    bool created = false; // the pack was made for it
    bool enabled = false; // and switched on in the packlist
    // Why nothing was installed before any archive was read (empty otherwise).
    QString refused;
};

// Installs the cars of `files` into the pack `pack` of the game around `carFolder`, through the
// same staging as any install. A new pack is made and switched on in `packlist` in the same step. A
// pack may belong to the game's launcher: a car of a name it holds already is skipped, never replaced,
// and no file is added to one.
PackInstall installIntoPack(Platform platform, const QString& carFolder, const QString& pack,
                            const QString& packlist, const QStringList& files);

} // namespace parkwen
