#include "setup/gamefolder.h"

#include "platform/filesystem.h"

#include <QDir>

namespace parkwen {

namespace {

// The packlist's name for the game folder's own content.
constexpr QLatin1StringView DefaultPack{"default"};

} // namespace

std::optional<GameFolder> GameFolder::of(const QString& carFolder)
{
    const QString cars = QDir::cleanPath(carFolder);
    if (lastName(cars) != QLatin1String("cars"))
        return std::nullopt;
    const QString above = parentFolder(cars);
    const QString aboveThat = parentFolder(above);
    if (lastName(aboveThat) == QLatin1String("packs") && !lastName(above).isEmpty())
        return GameFolder{parentFolder(aboveThat), lastName(above)};
    return GameFolder{above, QString(DefaultPack)};
}

QString GameFolder::packsFolder() const
{
    return joinPath(path, QStringLiteral("packs"));
}

QString GameFolder::packlistFile(const QString& packlist) const
{
    return joinPath(packsFolder(), packlist + QStringLiteral(".txt"));
}

QString GameFolder::carsOf(const QString& pack) const
{
    if (pack == DefaultPack)
        return joinPath(path, QStringLiteral("cars"));
    return joinPath(joinPath(packsFolder(), pack), QStringLiteral("cars"));
}

QString GameFolder::startScript() const
{
    return joinPath(path, QStringLiteral("rvgl"));
}

QStringList GameFolder::playArguments(const QString& packlist)
{
    if (packlist.isEmpty() || packlist == DefaultPack)
        return {};
    return {QStringLiteral("-packlist"), packlist};
}

} // namespace parkwen
