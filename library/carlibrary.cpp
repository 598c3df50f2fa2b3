#include "library/carlibrary.h"

#include "setup/gamesettings.h"

#include "library/carnames.h"
#include "library/carpicture.h"
#include "library/programs.h"
#include "platform/numbers.h"
#include "setup/paths_db.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace parkwen {

const QStringList& stockCarNames()
{
    static const QStringList names = {
        QStringLiteral("adeon"),   QStringLiteral("amw"),     QStringLiteral("beatall"),
        QStringLiteral("candy"),   QStringLiteral("cougar"),  QStringLiteral("dino"),
        QStringLiteral("flag"),    QStringLiteral("fone"),    QStringLiteral("gencar"),
        QStringLiteral("misc"),    QStringLiteral("mite"),    QStringLiteral("moss"),
        QStringLiteral("mouse"),   QStringLiteral("mud"),     QStringLiteral("panga"),
        QStringLiteral("q"),       QStringLiteral("r5"),      QStringLiteral("rc"),
        QStringLiteral("rotor"),   QStringLiteral("sgt"),     QStringLiteral("sugo"),
        QStringLiteral("tc1"),     QStringLiteral("tc2"),     QStringLiteral("tc3"),
        QStringLiteral("tc4"),     QStringLiteral("tc5"),     QStringLiteral("tc6"),
        QStringLiteral("toyeca"),  QStringLiteral("trolley"), QStringLiteral("ufo"),
        QStringLiteral("volken"),  QStringLiteral("wincar"),  QStringLiteral("wincar2"),
        QStringLiteral("wincar3"), QStringLiteral("wincar4"), QStringLiteral("phat")};
    return names;
}

bool isStockCar(const QString& name)
{
    return stockCarNames().contains(name, Qt::CaseSensitive);
}

CarLibrary::CarLibrary(Platform platform, QObject* parent) : QObject(parent), m_platform(std::move(platform))
{
    // After waiting for another Parkwen, what the lists show is read again before a change goes on.
    m_door.setAfterWait([this] {
        scanBoth();
        checkLimit();
    });
}

void CarLibrary::setThumbnailCache(ThumbCache* cache, int resident)
{
    m_cars.pictures().setCache(cache, resident);
    m_garage.pictures().setCache(cache, resident);
}

std::array<int, CarFolder::StockPositions> stockFlags(const CarFolder& folder)
{
    std::array<int, CarFolder::StockPositions> flags{};
    for (int row = 0; row + 1 < CarFolder::StockPositions && row < folder.list().count(); ++row)
        flags[size_t(row + 1)] = folder.isStockAt(row) ? -1 : 0;
    return flags;
}

QString countText(const CarFolder& folder)
{
    return QString::number(folder.count());
}

namespace {

// Rounds to the nearest 16-bit integer, halves to the even neighbour; 6 (overflow) outside the range.
Result<qint16> toInt16(double value)
{
    const double rounded = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return Error::of(err::Overflow);
    return static_cast<qint16>(rounded);
}

// The direct conversion of a reread: the whole text (blanks around it allowed) must be a number.
Result<qint16> convertWhole(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return Error::of(err::TypeMismatch);
    return toInt16(value);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Counts and the warning light

void CarLibrary::setCount(FolderRole role, qint64 count)
{
    CarFolder& folder = this->folder(role);
    folder.setCount(count);
    if (folder.isLoadedByGame())
        checkLimit();
    else
        emit changed();
}

void CarLibrary::checkLimit()
{
    const qint64 counted = m_game.active() ? m_game.loadedCount(m_cars.list()) : m_cars.count();
    m_display.overLimit = counted >= m_options.maxCars;
    emit changed();
}

void CarLibrary::readGame()
{
    m_game.read(m_platform.fs, m_cars.path(), GameSettings(m_platform.configHome()).packlist());
    checkLimit();
}

void CarLibrary::tellIfCarFolderNotLoaded()
{
    if (m_game.active() && !m_game.loadsCarFolder())
        m_platform.dialogs.plain(QCoreApplication::translate(
                                     "CarLibrary",
                                     "The packlist %1 does not load the Car Folder (%2): the game does not "
                                     "race the cars sent there. Switch it on in Packs, or choose another "
                                     "packlist in Settings.")
                                     .arg(m_game.packlist(), m_cars.path()));
}

void CarLibrary::playGame()
{
    Dialogs& dialogs = m_platform.dialogs;
    readGame();
    if (!m_game.folder()) {
        dialogs.plain(QCoreApplication::translate(
                          "CarLibrary",
                          "The Car Folder %1 is not inside a game folder: Parkwen cannot tell which "
                          "game to start.")
                          .arg(m_cars.path()));
        return;
    }
    if (m_display.overLimit &&
        dialogs.message(QCoreApplication::translate(
                            "CarLibrary", "The game would load as many cars as the Max Car Amount (%1) "
                                          "or more, and may break. Start it all the same?")
                            .arg(m_options.maxCars),
                        Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNoDefaultNo) != Dialogs::Answer::Yes)
        return;
    const QString chosen = GameSettings(m_platform.configHome()).program();
    const QString program = chosen.isEmpty() ? m_game.folder()->startScript() : chosen;
    if (Error e = m_platform.processes.startIn(m_game.folder()->path, program,
                                               GameFolder::playArguments(m_game.packlist())))
        dialogs.plain(QCoreApplication::translate("CarLibrary", "The game could not be started: %1")
                          .arg(e.description()));
}

// ---------------------------------------------------------------------------------------------
// Start-up and configuration

bool isStockSwitch(const QString& commandLine)
{
    return commandLine.toUpper() == QLatin1String("/ACC");
}

Result<PathsRecord> readPathsRecord(const Platform& platform)
{
    const QString file = joinPath(platform.configHome(), QStringLiteral("paths.mdb"));
    auto db = PathsDatabase::open(file);
    if (!db.ok())
        return db.error();
    auto records = db.value()->openRecordset();
    if (!records.ok())
        return records.error();
    PathsRecordset& rs = *records.value();
    PathsRecord paths;
    if (Error e = rs.moveFirst())
        return e;
    auto field = rs.field0();
    if (!field.ok())
        return field.error();
    paths.carFolder = field.value();
    rs.moveNext();
    field = rs.field0();
    if (!field.ok())
        return field.error();
    paths.garageFolder = field.value();
    rs.moveNext();
    field = rs.field0();
    if (!field.ok())
        return field.error();
    paths.maxText = field.value();
    // Pointing a folder control at a folder that is not there fails.
    if (!platform.fs.isFolder(paths.carFolder) || !platform.fs.isFolder(paths.garageFolder))
        return Error::of(err::PathNotFound);
    return paths;
}

Error CarLibrary::startupAttempt(const QString& commandLine)
{
    if (isStockSwitch(commandLine))
        m_options.listsStockCars = true;
    auto paths = readPathsRecord(m_platform);
    if (!paths.ok())
        return paths.error();
    auto max = toInt16(leadingNumber(paths.value().maxText));
    if (!max.ok())
        return max.error();
    takePaths(paths.value(), max.value());

    m_door.recover();
    scanBoth();
    readGame();
    tellIfCarFolderNotLoaded();

    const bool stockFirst = m_cars.isStockAt(0);
    m_display.canSendChosen = !stockFirst;
    m_display.canDeleteChosen = !stockFirst;
    auto first = m_cars.pictures().first();
    if (!first.ok())
        return first.error();
    m_display.picture = first.value();
    emit changed();
    return {};
}

bool CarLibrary::startupReading(const QString& commandLine)
{
    Error e = startupAttempt(commandLine);
    // An empty Paths table is a first setup that never finished: not set up, like a missing file.
    const bool notSetUp =
        e.fault() == err::CouldNotFindFile ||
        (e.fault() == err::NoCurrentRecord &&
         PathsDatabase::isUnfinished(joinPath(m_platform.configHome(), QStringLiteral("paths.mdb"))));
    if (notSetUp) {
        m_platform.dialogs.inform(
            QCoreApplication::translate("CarLibrary", "Rigwell.exe has not been run, running..."));
        // rigwell writes the database when its window closes, so the retry waits for it to end.
        if (Error started =
                m_platform.processes.startAndWait(programPath(m_platform, QStringLiteral("rigwell")))) {
            m_platform.dialogs.plain(started.miscMessage());
            return false;
        }
        e = startupAttempt(commandLine);
    }
    if (e.fault() == err::IndexOutOfBounds) {
        emit changed();
        return true;
    }
    if (e) {
        m_platform.dialogs.plain(e.miscMessage());
        return false;
    }
    return true;
}

bool CarLibrary::readFolders()
{
    auto paths = readPathsRecord(m_platform);
    auto max = paths.ok() ? toInt16(leadingNumber(paths.value().maxText)) : Result<qint16>(paths.error());
    if (!max.ok()) {
        m_platform.dialogs.plain(max.error().miscMessage());
        return false;
    }
    takePaths(paths.value(), max.value());
    return true;
}

void CarLibrary::takePaths(const PathsRecord& paths, qint16 max)
{
    m_cars.setPath(paths.carFolder);
    m_garage.setPath(paths.garageFolder);
    m_options.maxCars = max;
}

void CarLibrary::rereadPaths()
{
    // Everything is read before anything changes, so a failed reread leaves the window as it was.
    auto paths = readPathsRecord(m_platform);
    if (!paths.ok()) {
        m_platform.dialogs.plain(paths.error().miscMessage());
        return;
    }
    auto max = convertWhole(paths.value().maxText);
    if (!max.ok()) {
        m_platform.dialogs.plain(max.error().miscMessage());
        return;
    }
    // Another library: what Ctrl+Z remembers belongs to the old one.
    if (m_cars.path() != paths.value().carFolder || m_garage.path() != paths.value().garageFolder)
        emit foldersChanged();
    takePaths(paths.value(), max.value());
    m_door.recover();
    scanBoth();
    readGame();
}

void CarLibrary::scanBoth()
{
    // Never a move half done: a reader waits for another Parkwen's change to end. Should the wait
    // be given up, the folders are read as they are.
    const MoveEngine::Lock reading = m_door.readLock();
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(QCoreApplication::translate("CarLibrary", "Reading the car library"), 2);
    scan(m_cars);
    if (progress)
        progress->step(1);
    scan(m_garage);
    if (progress) {
        progress->step(2);
        progress->end();
    }
}

// ---------------------------------------------------------------------------------------------
// Choosing and opening

void CarLibrary::chooseRow(FolderRole role, int row)
{
    CarFolder& folder = this->folder(role);
    CarList& list = folder.list();
    if (row < 0 || row >= list.count())
        return;
    list.setSelectedRow(row);
    m_display.lastChosen = role;
    const QString text = list.text(row);
    m_display.caption = text;
    folder.setChosen(text);
    m_display.picture = folder.pictures().picture(carKey(text));
    // The game's own cars, listed in the stock-listing mode, stay where they are.
    if (folder.isLoadedByGame()) {
        m_display.canSendChosen = !folder.isStockAt(row);
        m_display.canDeleteChosen = !folder.isStockAt(row);
    }
    emit changed();
}

void CarLibrary::openChosen(FolderRole role)
{
    CarFolder& folder = this->folder(role);
    // A double click where no entry is selected opens nothing.
    if (!folder.list().hasSelection())
        return;
    m_display.lastChosen = role;
    const QString text = folder.list().selectedText();
    // Opening in the loaded folder chooses the car too, under the game's own name of "R5Turbo".
    if (folder.isLoadedByGame())
        folder.setChosen(text == QLatin1String("R5Turbo") ? QStringLiteral("R5") : text);
    emit changed();
    openCar(joinPath(folder.path(), text));
}

void CarLibrary::openCar(const QString& path)
{
    m_display.openedCarPath = path;
    emit detailsRequested(path);
}

// ---------------------------------------------------------------------------------------------
// Installed cars

bool CarLibrary::addInstalledCar(const QString& name, FolderRole role)
{
    FileSystem& fs = m_platform.fs;
    CarFolder& target = folder(role);
    const bool listsStock = target.isLoadedByGame() && m_options.listsStockCars;
    const QString path = joinPath(target.path(), name);
    if (isStockCar(name) && !listsStock)
        return false;
    if (target.isLoadedByGame() &&
        (path == otherThan(target).path() || name.toUpper() == QLatin1String("MISC")))
        return false;
    const QString picture = carPictureFile(fs, path);
    if (picture.isEmpty())
        return false;

    CarList& list = target.list();
    const QString key = carKey(name);
    // A car replaced under the same name shows its new picture, not the one registered before.
    auto loaded =
        m_platform.pictures.load(joinPath(path, picture), QSize(PictureStore::Size, PictureStore::Size));
    target.pictures().replace(key, loaded.ok() ? loaded.take() : QImage());
    if (list.rowOfKey(key) < 0) {
        const bool stock = listsStock && isStockCar(name) && list.count() + 1 < CarFolder::StockPositions;
        list.appendMany({{key, name, stock}});
        setCount(role, target.count() + 1);
    }
    emit changed();
    return true;
}

void CarLibrary::removeGoneCar(const QString& name, FolderRole role)
{
    CarFolder& source = folder(role);
    CarList& list = source.list();
    const int row = list.rowOfKey(carKey(name));
    if (row < 0)
        return;
    list.removeRow(row);
    setCount(role, source.count() - 1);
    if (source.chosen() == name)
        source.setChosen(list.selectedText());
    emit changed();
}

} // namespace parkwen
