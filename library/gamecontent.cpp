#include "library/gamecontent.h"

#include "details/paramrefs.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLocale>
#include <QSet>

namespace parkwen {

namespace {

constexpr qint64 MaxPacklistBytes = 1024 * 1024;

QString says(const char* text)
{
    return QCoreApplication::translate("GameContent", text);
}

// Every file below `folder`, relative to it, hidden ones aside.
void filesBelow(FileSystem& fs, const QString& folder, const QString& relative, QStringList& out,
                int depth = 0)
{
    if (depth > 16)
        return; // a link loop, or a tree no car has
    const QString here = relative.isEmpty() ? folder : joinPath(folder, relative);
    for (const QString& file : fs.listFiles(here))
        out << (relative.isEmpty() ? file : relative + QLatin1Char('/') + file);
    const Result<QStringList> folders = fs.listFolders(here);
    if (!folders.ok())
        return;
    for (const QString& sub : folders.value()) {
        const QString name = lastName(sub);
        filesBelow(fs, folder, relative.isEmpty() ? name : relative + QLatin1Char('/') + name, out,
                   depth + 1);
    }
}

bool hasParameters(FileSystem& fs, const QString& carPath)
{
    // resolve() gives the name back when nothing matches; the game finds the file in any case.
    const QString name = fs.resolve(carPath, QStringLiteral("parameters.txt"));
    return fs.exists(joinPath(carPath, name));
}

} // namespace

QString loadedSentence(int cars, int packs)
{
    const char* text =
        cars == 1 ? (packs == 1 ? QT_TRANSLATE_NOOP("GameContent", "The game loads 1 car from 1 pack.")
                                : QT_TRANSLATE_NOOP("GameContent", "The game loads 1 car from %2 packs."))
                  : (packs == 1 ? QT_TRANSLATE_NOOP("GameContent", "The game loads %1 cars from 1 pack.")
                                : QT_TRANSLATE_NOOP("GameContent", "The game loads %1 cars from %2 packs."));
    QString sentence = QCoreApplication::translate("GameContent", text);
    if (cars != 1)
        sentence = sentence.arg(QLocale().toString(cars));
    if (packs != 1)
        sentence = sentence.arg(QLocale().toString(packs));
    return sentence;
}

GameContent GameContent::read(FileSystem& fs, const GameFolder& game, const QString& packlist)
{
    GameContent content;
    content.m_game = game;
    content.m_packlistName = packlist.isEmpty() ? QString(Packlist::DefaultPack) : packlist;
    const QString file = game.packlistFile(content.m_packlistName);
    content.m_hasPacklist = fs.exists(file);
    if (content.m_hasPacklist) {
        Result<QByteArray> bytes = fs.readBytes(file, MaxPacklistBytes);
        if (bytes.ok())
            content.m_bytes = bytes.take();
        else
            content.m_packlistError = bytes.error().description();
    }
    // Without a packlist the game reads its own folder only.
    content.m_packlist = content.m_hasPacklist ? Packlist::fromBytes(content.m_bytes) : Packlist::fresh();
    content.readPacks(fs);
    content.readCars(fs);
    content.weighTwins(fs);
    return content;
}

void GameContent::readPacks(FileSystem& fs)
{
    QStringList folders;
    const Result<QStringList> listed = fs.listFolders(m_game.packsFolder());
    if (listed.ok())
        for (const QString& path : listed.value())
            folders << lastName(path);
    const QStringList enabled = m_packlistError.isEmpty() ? m_packlist.enabledPacks() : QStringList();
    const QString writable = m_packlist.writablePack();
    auto state = [&](const QString& name) {
        PackState pack;
        pack.name = name;
        pack.exists = name == Packlist::DefaultPack ? fs.isFolder(m_game.path) : folders.contains(name);
        pack.order = int(enabled.indexOf(name));
        pack.enabled = pack.order >= 0;
        pack.writable = pack.enabled && name == writable;
        return pack;
    };
    for (const QString& name : enabled)
        m_packs << state(name);
    if (!enabled.contains(Packlist::DefaultPack))
        m_packs << state(QString(Packlist::DefaultPack));
    for (const QString& name : folders)
        if (!enabled.contains(name) && name != Packlist::DefaultPack)
            m_packs << state(name);
}

void GameContent::readCars(FileSystem& fs)
{
    // Per car name, the loaded car folders of that name: (order, index in m_cars).
    QHash<QString, QList<QPair<int, qsizetype>>> loaded;
    for (PackState& pack : m_packs) {
        if (!pack.exists)
            continue;
        const Result<QStringList> folders = fs.listFolders(m_game.carsOf(pack.name));
        // The writable pack is empty until the game writes to it.
        if (pack.enabled && pack.name != Packlist::DefaultPack && !pack.writable) {
            const Result<QStringList> inside = fs.listFolders(joinPath(m_game.packsFolder(), pack.name));
            if (!inside.ok() || inside.value().isEmpty())
                m_emptyLoaded << pack.name;
        }
        if (!folders.ok())
            continue;
        for (const QString& path : folders.value()) {
            if (!hasParameters(fs, path))
                continue;
            ++pack.cars;
            PackCar car;
            car.name = lastName(path);
            car.pack = pack.name;
            car.path = path;
            if (pack.enabled)
                loaded[car.name].append({pack.order, m_cars.size()});
            m_cars << car;
        }
    }
    for (auto it = loaded.begin(); it != loaded.end(); ++it) {
        QList<QPair<int, qsizetype>>& holders = it.value();
        std::sort(holders.begin(), holders.end());
        PackCar& winner = m_cars[holders.last().second];
        winner.state = PackCar::State::Loaded;
        for (qsizetype i = 0; i + 1 < holders.size(); ++i) {
            PackCar& hidden = m_cars[holders.at(i).second];
            hidden.state = PackCar::State::Hidden;
            hidden.hiddenBy = winner.pack;
            winner.replaces << hidden.pack;
        }
    }
}

void GameContent::weighTwins(FileSystem& fs)
{
    QHash<QString, QList<qsizetype>> byName; // car name -> its loaded and hidden folders, in order
    for (qsizetype i = 0; i < m_cars.size(); ++i)
        if (m_cars.at(i).state != PackCar::State::NotEnabled)
            byName[m_cars.at(i).name] << i;
    for (qsizetype i = 0; i < m_cars.size(); ++i) {
        PackCar& car = m_cars[i];
        if (car.state != PackCar::State::Loaded || car.replaces.isEmpty())
            continue;
        // The game's merged view, as if the packs were unpacked in order: later files win.
        QHash<QString, QString> spelling;
        for (const QString& pack : car.replaces + QStringList{car.pack}) {
            QStringList files;
            filesBelow(fs, joinPath(m_game.carsOf(pack), car.name), QString(), files);
            for (const QString& file : files) {
                const QString key = file.toLower();
                car.fileSources.remove(spelling.value(key));
                spelling[key] = file;
                car.fileSources[file] = pack;
            }
        }
        // Whole by itself: its parameters.txt, and every file of its own folder that it names.
        const QString own = car.path;
        const QString parameters = fs.resolve(own, QStringLiteral("parameters.txt"));
        Result<QByteArray> bytes = fs.readBytes(joinPath(own, parameters), FileSystem::MaxTextFileBytes);
        car.whole = bytes.ok();
        if (!car.whole)
            continue;
        for (const ParamPath& named : readParamRefs(bytes.value()).paths) {
            const QStringList parts = pathParts(named.path);
            if (parts.size() < 3 || parts.at(0).compare(QLatin1String("cars"), Qt::CaseInsensitive) ||
                parts.at(1).compare(car.name, Qt::CaseInsensitive))
                continue; // another car's file, or the stock misc folder's
            const QString relative = parts.mid(2).join(QLatin1Char('/')).toLower();
            if (car.fileSources.value(spelling.value(relative)) != car.pack)
                car.whole = false;
        }
    }
}

int GameContent::loadedCount() const
{
    int n = 0;
    for (const PackCar& car : m_cars)
        n += car.state == PackCar::State::Loaded;
    return n;
}

int GameContent::packsLoadedFrom() const
{
    QSet<QString> packs;
    for (const PackCar& car : m_cars)
        if (car.state == PackCar::State::Loaded)
            packs.insert(car.pack);
    return int(packs.size());
}

bool GameContent::loads(const QString& pack) const
{
    for (const PackState& state : m_packs)
        if (state.name == pack)
            return state.enabled;
    return false;
}

QStringList GameContent::problems() const
{
    QStringList out;
    if (!m_packlistError.isEmpty())
        out << says("The packlist %1 cannot be read (%2).")
                   .arg(m_game.packlistFile(m_packlistName), m_packlistError);
    if (!loads(m_game.carFolderPack))
        out << says("The packlist %1 does not load the Car Folder (%2): cars sent there are not raced.")
                   .arg(m_packlistName, m_game.carsOf(m_game.carFolderPack));
    for (const PackState& pack : m_packs)
        if (pack.enabled && !pack.exists)
            out << says("The packlist %1 names the pack %2, which is not in %3.")
                       .arg(m_packlistName, pack.name, m_game.packsFolder());
    for (const QString& pack : m_emptyLoaded)
        out << says("The pack %1 is loaded but holds nothing the game reads.").arg(pack);
    for (const PackCar& car : m_cars) {
        if (!car.mixed())
            continue;
        QStringList from;
        for (auto it = car.fileSources.cbegin(); it != car.fileSources.cend(); ++it)
            from << QStringLiteral("%1 from %2").arg(it.key(), it.value());
        out << says("%1: the game mixes the files of the packs %2 into one car: %3.")
                   .arg(car.name, (car.replaces + QStringList{car.pack}).join(QStringLiteral(", ")),
                        from.join(QStringLiteral(", ")));
    }
    return out;
}

QStringList GameContent::caseTwins() const
{
    QStringList out;
    QHash<QString, QString> seen;
    for (const PackState& pack : m_packs) {
        const QString key = pack.name.toLower();
        if (seen.contains(key) && seen.value(key) != pack.name)
            out << seen.value(key) + QStringLiteral(" / ") + pack.name;
        seen.insert(key, pack.name);
    }
    return out;
}

} // namespace parkwen
