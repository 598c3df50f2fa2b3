// The pack commands of the command line: --packs, --enable-pack, --disable-pack and --list loaded.

#include "app/cli/commands.h"

#include "install/carinstaller.h"
#include "install/packinstall.h"
#include "library/carlibrary.h"
#include "library/gamecontent.h"
#include "library/moveengine.h"
#include "setup/gamesettings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace parkwen {

namespace {

QString says(const char* text)
{
    return QCoreApplication::translate("Commands", text);
}

QString stateWord(const PackState& pack)
{
    if (!pack.exists)
        return QStringLiteral("missing");
    return pack.enabled ? QStringLiteral("loaded") : QStringLiteral("off");
}

} // namespace

int Commands::packCommand(const QString& carFolder, const CommandLine& line)
{
    const std::optional<GameContent> read = readGame(carFolder, line);
    if (!read)
        return Failed;
    const GameContent& content = *read;
    for (const QString& twins : content.caseTwins())
        tell(says("Two packs differ only in letter case (the game tells them apart): %1").arg(twins));
    switch (line.command) {
    case CommandLine::Command::Packs:
        return printPacks(content, line.json);
    case CommandLine::Command::EnablePack:
    case CommandLine::Command::DisablePack:
        return changePacklist(content, line.name, line.command == CommandLine::Command::EnablePack);
    default:
        return printLoaded(content, line.json);
    }
}

std::optional<GameContent> Commands::readGame(const QString& carFolder, const CommandLine& line)
{
    const std::optional<GameFolder> game = GameFolder::of(carFolder);
    if (!game) {
        tell(
            says(
                "The Car Folder %1 is not the cars folder of a game folder or of a pack, so Parkwen finds no "
                "game around it.")
                .arg(carFolder));
        return std::nullopt;
    }
    const QString packlist = chosenPacklist(line);
    if (const QString problem = Packlist::nameProblem(packlist); !problem.isEmpty()) {
        tell(problem);
        return std::nullopt;
    }
    GameContent content = GameContent::read(m_platform.fs, *game, packlist);
    // Only the default packlist may be missing: then the game loads its own folder.
    if (packlist != Packlist::DefaultPack && !content.hasPacklist()) {
        tell(says("There is no packlist %1.").arg(game->packlistFile(packlist)));
        return std::nullopt;
    }
    return content;
}

QString Commands::chosenPacklist(const CommandLine& line)
{
    return line.packlist.isEmpty() ? GameSettings(m_platform.configHome()).packlist() : line.packlist;
}

int Commands::play(CarLibrary& library, const CommandLine& line)
{
    const std::optional<GameContent> read = readGame(library.folder(FolderRole::Cars).path(), line);
    if (!read)
        return Failed;
    const GameContent& content = *read;
    const std::optional<GameFolder> game = content.game();
    const QString packlist = content.packlistName();
    // The light's check: with a packlist, every car the game loads counts, as in the window.
    GameWatch watch;
    watch.read(m_platform.fs, library.folder(FolderRole::Cars).path(), packlist);
    const bool over = watch.active() ? watch.loadedCount(library.folder(FolderRole::Cars).list()) >=
                                           library.options().maxCars
                                     : library.folder(FolderRole::Cars).count() >= library.options().maxCars;
    if (over && !line.yes) {
        tell(says("The game would load as many cars as the Max Car Amount (%1) or more, and may break; --yes "
                  "starts it all the same.")
                 .arg(library.options().maxCars));
        return Failed;
    }
    const QString chosen = GameSettings(m_platform.configHome()).program();
    const QString program = chosen.isEmpty() ? game->startScript() : chosen;
    if (Error e = m_platform.processes.startIn(game->path, program, GameFolder::playArguments(packlist))) {
        tell(says("The game could not be started: %1").arg(e.description()));
        return Failed;
    }
    return Done;
}

int Commands::printPacks(const GameContent& content, bool json)
{
    if (!content.hasPacklist())
        tell(says("There is no packlist %1: the game loads its own folder only.")
                 .arg(content.game().packlistFile(content.packlistName())));
    QJsonArray array;
    for (const PackState& pack : content.packs()) {
        if (!content.hasPacklist() && pack.name != Packlist::DefaultPack)
            continue;
        if (json) {
            QJsonObject object;
            object[QStringLiteral("pack")] = pack.name;
            object[QStringLiteral("state")] = stateWord(pack);
            object[QStringLiteral("order")] = pack.enabled ? pack.order + 1 : QJsonValue();
            object[QStringLiteral("writable")] = pack.writable;
            object[QStringLiteral("cars")] = pack.cars;
            array.append(object);
            continue;
        }
        QString state = stateWord(pack);
        if (pack.enabled)
            state += QLatin1Char(' ') + QString::number(pack.order + 1);
        m_out << pack.name << (pack.writable ? QStringLiteral(" *") : QString()) << '\t' << state << '\t'
              << pack.cars << '\n';
    }
    if (json)
        m_out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    m_out.flush();
    return Done;
}

int Commands::printLoaded(const GameContent& content, bool json)
{
    QJsonArray array;
    for (const PackCar& car : content.cars()) {
        if (car.state != PackCar::State::Loaded)
            continue;
        if (!json) {
            m_out << car.name << '\t' << car.pack << '\n';
            continue;
        }
        QJsonObject object;
        object[QStringLiteral("car")] = car.name;
        object[QStringLiteral("pack")] = car.pack;
        object[QStringLiteral("path")] = car.path;
        object[QStringLiteral("replaces")] = QJsonArray::fromStringList(car.replaces);
        object[QStringLiteral("mixed")] = car.mixed();
        array.append(object);
    }
    if (json)
        m_out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    m_out.flush();
    return Done;
}

int Commands::changePacklist(const GameContent& content, const QString& pack, bool enable)
{
    if (const QString problem = Packlist::nameProblem(pack); !problem.isEmpty()) {
        tell(problem);
        return Failed;
    }
    if (!content.packlistError().isEmpty()) {
        tell(says("The packlist %1 cannot be read (%2); Parkwen leaves it as it is.")
                 .arg(content.game().packlistFile(content.packlistName()), content.packlistError()));
        return Failed;
    }
    const bool exists =
        pack == Packlist::DefaultPack || m_platform.fs.isFolder(joinPath(content.game().packsFolder(), pack));
    if (enable && !exists) {
        tell(says("There is no pack named %1 in %2.").arg(pack, content.game().packsFolder()));
        return Failed;
    }
    // Without any packlist, the first change writes one that still loads the game's own folder.
    Packlist list = content.packlist();
    const bool changed = enable ? list.enable(pack) : list.disable(pack);
    if (!changed) {
        tell(enable ? says("The pack %1 is on already.").arg(pack)
                    : says("The pack %1 is off already.").arg(pack));
        return Done;
    }
    MoveEngine door(m_platform.fs);
    bool changedMeanwhile = false;
    const std::optional<QByteArray> expected =
        content.hasPacklist() ? std::optional<QByteArray>(content.packlistBytes()) : std::nullopt;
    const QString file = content.game().packlistFile(content.packlistName());
    if (Error e = door.writePacklist(file, expected, list.bytes(), changedMeanwhile)) {
        tell(says("The packlist %1 could not be written: %2").arg(file, e.description()));
        return Failed;
    }
    if (changedMeanwhile) {
        tell(
            says("The packlist %1 was changed by another program meanwhile; nothing was written.").arg(file));
        return Failed;
    }
    return Done;
}

int Commands::installIntoPack(CarLibrary& library, const CommandLine& line)
{
    const QString packlist = chosenPacklist(line);
    const PackInstall done = parkwen::installIntoPack(
        library.platform(), library.folder(FolderRole::Cars).path(), line.pack, packlist, line.files);
    if (!done.refused.isEmpty()) {
        tell(done.refused);
        return Failed;
    }
    const int status = reportInstall(done.summary);
    if (done.created && !done.enabled)
        return Failed;
    const std::optional<GameFolder> game = GameFolder::of(library.folder(FolderRole::Cars).path());
    if (!done.created && game && !GameContent::read(m_platform.fs, *game, packlist).loads(line.pack))
        tell(says("The pack %1 is off in the packlist %2: its cars are not raced until it is switched on "
                  "(--enable-pack %1).")
                 .arg(line.pack, packlist));
    return status;
}

} // namespace parkwen
