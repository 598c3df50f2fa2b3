#include "app/cli/carjson.h"
#include "app/cli/commands.h"

#include "library/carhealth.h"
#include "library/carlibrary.h"
#include "library/carstatscache.h"
#include "library/gamecontent.h"
#include "library/thumbcache.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <optional>

namespace parkwen {

int Commands::survey(CarLibrary& library, const CommandLine& line)
{
    const Result<PathsRecord> paths = readPathsRecord(library.platform());
    if (!paths.ok()) {
        tell(paths.error().miscMessage());
        return Failed;
    }
    // The readings are kept beside the thumbnails, and under the same switch (--no-cache).
    std::optional<CarStatsCache> cache;
    if (m_thumbnails && !m_thumbnails->besideFile(CarStatsCache::FileName).isEmpty())
        cache.emplace(m_thumbnails->besideFile(CarStatsCache::FileName));
    const QList<CarRecord> cars = surveyLibrary(m_platform.fs, m_platform.pictures, paths.value().carFolder,
                                                paths.value().garageFolder, cache ? &*cache : nullptr);
    if (cache)
        cache->save();
    const bool check = line.command == CommandLine::Command::Check;

    QList<const CarRecord*> shown;
    for (const CarRecord& car : cars) {
        if (check ? !car.healthy()
                  : line.folder == CommandLine::Folder::All ||
                        car.inGarage == (line.folder == CommandLine::Folder::Garage))
            shown << &car;
    }
    if (line.json) {
        QJsonArray array;
        for (const CarRecord* car : shown)
            array.append(carJson(*car));
        m_out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    } else {
        for (const CarRecord* car : shown) {
            m_out << car->path << '\n';
            for (const CarProblem& problem : car->problems)
                m_out << QStringLiteral("    ") << problem.text << '\n';
        }
    }
    if (!check) {
        m_out.flush();
        return Done;
    }
    // The game's packs: cars it mixes from several packs, packs it cannot find, a Car Folder it
    // does not load.
    QStringList packProblems;
    const std::optional<GameFolder> game = GameFolder::of(paths.value().carFolder);
    if (game && m_platform.fs.isFolder(game->packsFolder()))
        packProblems = GameContent::read(m_platform.fs, *game, QString()).problems();
    if (!line.json && !packProblems.isEmpty()) {
        m_out << game->packsFolder() << '\n';
        for (const QString& problem : packProblems)
            m_out << QStringLiteral("    ") << problem << '\n';
    }
    m_out.flush();
    if (!line.json)
        tell(
            shown.isEmpty()
                ? QCoreApplication::translate("Commands", "No problems found in %1 folders.").arg(cars.size())
                : QCoreApplication::translate("Commands", "%1 of %2 folders have problems.")
                      .arg(shown.size())
                      .arg(cars.size()));
    return shown.isEmpty() && packProblems.isEmpty() ? Done : Failed;
}

} // namespace parkwen
