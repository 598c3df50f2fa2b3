#include "library/carlibrary.h"

#include "library/carnames.h"
#include "library/carpicture.h"
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
    m_engine.setAfterWait([this] { rereadAfterWait(); });
}

MoveEngine::Lock CarLibrary::lockForChange()
{
    MoveEngine::Lock held = m_engine.lock({m_carFolder, m_garageFolder});
    if (!held.held())
        m_platform.dialogs.plain(MoveEngine::busyError().description());
    return held;
}

void CarLibrary::rereadAfterWait()
{
    if (m_carFolder.isEmpty() && m_garageFolder.isEmpty())
        return; // no folders read yet, so nothing stale
    QSet<QString> before;
    for (const CarList* list : {&m_carList, &m_garageList})
        for (const QString& name : list->texts())
            before.insert(name);
    scanBoth();
    checkLimit();
    for (const CarList* list : {&m_carList, &m_garageList})
        for (const QString& name : list->texts())
            before.remove(name);
    m_goneWhileWaiting = before;
    emit changed();
}

bool CarLibrary::tellIfGoneWhileWaiting(const QString& name)
{
    if (!m_goneWhileWaiting.contains(name))
        return false;
    m_platform.dialogs.plain(
        QCoreApplication::translate("CarLibrary",
                                    "%1 is no longer in the Car Folder or the Garage Folder: another Parkwen "
                                    "moved or deleted it.")
            .arg(name));
    return true;
}

void CarLibrary::setThumbnailCache(ThumbCache* cache, int resident)
{
    m_carPictures.setCache(cache, resident);
    m_garagePictures.setCache(cache, resident);
}

double CarLibrary::leadingNumber(const QString& text)
{
    return parkwen::leadingNumber(text);
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

void CarLibrary::setCarCountText(const QString& caption)
{
    m_carCount = caption;
    checkLimit();
}

void CarLibrary::setGarageCountText(const QString& caption)
{
    m_garageCount = caption;
    emit changed();
}

void CarLibrary::addToCarCount(int delta)
{
    setCarCountText(QString::number(qint64(leadingNumber(m_carCount)) + delta));
}

void CarLibrary::addToGarageCount(int delta)
{
    setGarageCountText(QString::number(qint64(leadingNumber(m_garageCount)) + delta));
}

void CarLibrary::checkLimit()
{
    m_overLimit = leadingNumber(m_carCount) >= m_maxCars;
    emit changed();
}

// ---------------------------------------------------------------------------------------------
// Start-up and configuration

bool CarLibrary::isStockSwitch(const QString& commandLine)
{
    return commandLine.toUpper() == QLatin1String("/ACC");
}

Result<CarLibrary::PathsRecord> CarLibrary::readPaths()
{
    const QString file = joinPath(m_platform.configHome(), QStringLiteral("paths.mdb"));
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
    if (!m_platform.fs.isFolder(paths.carFolder) || !m_platform.fs.isFolder(paths.garageFolder))
        return Error::of(err::PathNotFound);
    return paths;
}

Error CarLibrary::startupAttempt(const QString& commandLine)
{
    if (isStockSwitch(commandLine))
        m_listsStockCars = true;
    auto paths = readPaths();
    if (!paths.ok())
        return paths.error();
    auto max = toInt16(leadingNumber(paths.value().maxText));
    if (!max.ok())
        return max.error();
    m_carFolder = paths.value().carFolder;
    m_garageFolder = paths.value().garageFolder;
    m_maxCars = max.value();

    recoverInterruptedMoves();
    scanBoth();

    const bool stockFirst = m_stockFlags[1] == -1;
    m_canSendChosen = !stockFirst;
    m_canDeleteChosen = !stockFirst;
    auto first = m_carPictures.first();
    if (!first.ok())
        return first.error();
    m_shownPicture = first.value();
    emit changed();
    return {};
}

bool CarLibrary::startupReading(const QString& commandLine)
{
    Error e = startupAttempt(commandLine);
    // An empty Paths table is a first setup that never finished: not set up, like a missing file.
    const bool notSetUp =
        e.number() == err::CouldNotFindFile ||
        (e.number() == err::NoCurrentRecord &&
         PathsDatabase::isUnfinished(joinPath(m_platform.configHome(), QStringLiteral("paths.mdb"))));
    if (notSetUp) {
        m_platform.dialogs.inform(
            QCoreApplication::translate("CarLibrary", "Rigwell.exe has not been run, running..."));
        // rigwell writes the database when its window closes, so the retry waits for it to end.
        if (Error started = m_platform.processes.startAndWait(programPath(QStringLiteral("rigwell")))) {
            m_platform.dialogs.plain(started.miscMessage());
            return false;
        }
        e = startupAttempt(commandLine);
    }
    if (e.number() == err::IndexOutOfBounds) {
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
    auto paths = readPaths();
    auto max = paths.ok() ? toInt16(leadingNumber(paths.value().maxText)) : Result<qint16>(paths.error());
    if (!max.ok()) {
        m_platform.dialogs.plain(max.error().miscMessage());
        return false;
    }
    m_carFolder = paths.value().carFolder;
    m_garageFolder = paths.value().garageFolder;
    m_maxCars = max.value();
    return true;
}

void CarLibrary::rereadPaths()
{
    // Everything is read before anything changes, so a failed reread leaves the window as it was.
    auto paths = readPaths();
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
    if (m_carFolder != paths.value().carFolder || m_garageFolder != paths.value().garageFolder)
        emit foldersChanged();
    m_carFolder = paths.value().carFolder;
    m_garageFolder = paths.value().garageFolder;
    m_maxCars = max.value();
    recoverInterruptedMoves();
    scanBoth();
    checkLimit();
}

void CarLibrary::scanBoth()
{
    // Never a move half done: a reader waits for another Parkwen's change to end. Should the wait
    // be given up, the folders are read as they are.
    const MoveEngine::Lock reading = m_engine.lock({m_carFolder, m_garageFolder}, LockKind::Shared);
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(QCoreApplication::translate("CarLibrary", "Reading the car library"), 2);
    scanCarFolder();
    if (progress)
        progress->step(1);
    scanGarageFolder();
    if (progress) {
        progress->step(2);
        progress->end();
    }
}

void CarLibrary::runSetup()
{
    if (Error e = startProgram(QStringLiteral("rigwell"))) {
        m_platform.dialogs.plain(e.miscMessage());
        return;
    }
    rereadPaths();
}

QString CarLibrary::programPath(const QString& name) const
{
#ifdef Q_OS_WIN
    return joinPath(m_platform.programFolder, name + QStringLiteral(".exe"));
#else
    return joinPath(m_platform.programFolder, name);
#endif
}

Error CarLibrary::startProgram(const QString& name, const QStringList& arguments)
{
    return m_platform.processes.start(programPath(name), arguments);
}

// ---------------------------------------------------------------------------------------------
// Choosing and opening

void CarLibrary::showPictureOf(const QString& key, const PictureStore& store)
{
    m_shownPicture = store.picture(key);
}

void CarLibrary::chooseCarRow(int row)
{
    if (row < 0 || row >= m_carList.count())
        return;
    m_carList.setSelectedRow(row);
    m_lastChosenList = LastCarList;
    const QString text = m_carList.text(row);
    m_pictureCaption = text;
    m_chosenCar = text;
    showPictureOf(carKey(m_chosenCar), m_carPictures);
    const int position = row + 1;
    const bool stock = position < StockFlagCount && m_stockFlags[size_t(position)] == -1;
    m_canSendChosen = !stock;
    m_canDeleteChosen = !stock;
    emit changed();
}

void CarLibrary::chooseGarageRow(int row)
{
    if (row < 0 || row >= m_garageList.count())
        return;
    m_garageList.setSelectedRow(row);
    m_lastChosenList = LastGarageList;
    const QString text = m_garageList.text(row);
    m_pictureCaption = text;
    m_chosenGarageCar = text;
    showPictureOf(carKey(m_chosenGarageCar), m_garagePictures);
    emit changed();
}

void CarLibrary::openChosenCar()
{
    // A double click where no entry is selected opens nothing.
    if (!m_carList.hasSelection())
        return;
    m_lastChosenList = LastCarList;
    const QString text = m_carList.selectedText();
    m_chosenCar = text == QLatin1String("R5Turbo") ? QStringLiteral("R5") : text;
    emit changed();
    openCar(joinPath(m_carFolder, text));
}

void CarLibrary::openChosenGarageCar()
{
    if (!m_garageList.hasSelection())
        return;
    m_lastChosenList = LastGarageList;
    emit changed();
    openCar(joinPath(m_garageFolder, m_garageList.selectedText()));
}

void CarLibrary::openCar(const QString& path)
{
    m_openedCarPath = path;
    if (openDetails)
        openDetails(path);
}

// ---------------------------------------------------------------------------------------------
// Installed cars

bool CarLibrary::addInstalledCar(const QString& name, bool inGarage)
{
    FileSystem& fs = m_platform.fs;
    const QString folder = joinPath(inGarage ? m_garageFolder : m_carFolder, name);
    if (isStockCar(name) && (inGarage || !m_listsStockCars))
        return false;
    if (!inGarage && (folder == m_garageFolder || name.toUpper() == QLatin1String("MISC")))
        return false;
    const QString picture = carPictureFile(fs, folder);
    if (picture.isEmpty())
        return false;

    CarList& list = inGarage ? m_garageList : m_carList;
    PictureStore& store = inGarage ? m_garagePictures : m_carPictures;
    const QString key = carKey(name);
    // A car replaced under the same name shows its new picture, not the one registered before.
    auto loaded =
        m_platform.pictures.load(joinPath(folder, picture), QSize(PictureStore::Size, PictureStore::Size));
    store.replace(key, loaded.ok() ? loaded.take() : QImage());
    if (list.rowOfKey(key) < 0) {
        list.append(key, name);
        if (inGarage) {
            addToGarageCount(1);
        } else {
            const int position = list.count();
            if (m_listsStockCars && isStockCar(name) && position < StockFlagCount)
                m_stockFlags[size_t(position)] = -1;
            addToCarCount(1);
        }
    }
    emit changed();
    return true;
}

void CarLibrary::appendToCarList(std::vector<CarEntry> entries, const QList<QImage>& pictures)
{
    for (size_t i = 0; i < entries.size() && qsizetype(i) < pictures.size(); ++i)
        m_carPictures.add(entries[i].key, pictures[qsizetype(i)]);
    m_carList.appendMany(std::move(entries));
}

void CarLibrary::removeGoneCar(const QString& name, bool inGarage)
{
    CarList& list = inGarage ? m_garageList : m_carList;
    const int row = list.rowOfKey(carKey(name));
    if (row < 0)
        return;
    list.removeRow(row);
    QString& selection = inGarage ? m_chosenGarageCar : m_chosenCar;
    if (inGarage) {
        addToGarageCount(-1);
    } else {
        if (m_listsStockCars)
            shiftStockFlagsDown(row + 1);
        addToCarCount(-1);
    }
    if (selection == name)
        selection = list.selectedText();
    emit changed();
}

// ---------------------------------------------------------------------------------------------
// Help, registry, keys

void CarLibrary::showHelp()
{
    if (Error e = startProgram(QStringLiteral("hovlen")))
        m_platform.dialogs.plain(
            QCoreApplication::translate("CarLibrary", "Parkwen could not start the help viewer:\n") +
            e.description());
}

void CarLibrary::resetSelectedCarNumber()
{
#ifdef Q_OS_WIN
    const QString file = joinPath(m_platform.programFolder, QStringLiteral("Parkwen.reg"));
    if (Error e = m_platform.processes.start(QStringLiteral("C:\\windows\\regedit.exe"), {file}))
        m_platform.dialogs.plain(
            QCoreApplication::translate("CarLibrary", "Parkwen could not start the registry editor:\n") +
            e.description());
#else
    m_platform.dialogs.inform(QCoreApplication::translate(
        "CarLibrary", "This system has no registry, so there is no \"Selected Car\" number "
                      "to reset. Nothing was changed."));
#endif
}

} // namespace parkwen
