#pragma once

#include "library/carfolder.h"
#include "library/gamewatch.h"
#include "library/librarydoor.h"
#include "library/moveengine.h"
#include "platform/platform.h"

#include <QObject>
#include <QSet>

#include <array>
#include <functional>
#include <optional>

namespace parkwen {

// The stock cars that ship with the game, recognised by exact (case-sensitive) folder name.
const QStringList& stockCarNames();
bool isStockCar(const QString& name);

// The car library behind the main window: its car folders (the Car Folder and the Garage Folder,
// each a CarFolder with its list, pictures, count and chosen car) and the Max Car Amount, and the
// commands that act on them. It owns no widgets and knows no keys; the main window draws this state
// and maps its controls' events to these commands.
class CarLibrary : public QObject
{
    Q_OBJECT
public:
    static constexpr int LastCarList = -1;
    static constexpr int LastGarageList = 0;
    static constexpr int StockFlagCount = CarFolder::StockPositions;

    explicit CarLibrary(Platform platform, QObject* parent = nullptr);

    Platform& platform() { return m_platform; }

    // --- The folders ---
    CarFolder& folder(FolderRole role) { return role == FolderRole::Cars ? m_cars : m_garage; }
    const CarFolder& folder(FolderRole role) const { return role == FolderRole::Cars ? m_cars : m_garage; }
    const QString& carFolder() const { return m_cars.path(); }
    const QString& garageFolder() const { return m_garage.path(); }
    qint16 maxCars() const { return m_maxCars; }
    // The stock-listing mode ("/ACC"): the car list shows the stock cars too.
    bool listsStockCars() const { return m_listsStockCars; }
    void setCarFolder(const QString& folder) { m_cars.setPath(folder); }
    void setGarageFolder(const QString& folder) { m_garage.setPath(folder); }
    void setMaxCars(qint16 max) { m_maxCars = max; }
    void setListsStockCars(bool on) { m_listsStockCars = on; }

    // --- The lists ---
    const CarList& carList() const { return m_cars.list(); }
    const CarList& garageList() const { return m_garage.list(); }
    // The lists as item models for the window's views, which only read them.
    QAbstractItemModel* carListModel() { return &m_cars.list(); }
    QAbstractItemModel* garageListModel() { return &m_garage.list(); }
    const PictureStore& carPictures() const { return m_cars.pictures(); }
    const PictureStore& garagePictures() const { return m_garage.pictures(); }
    // Keeps the decoded pictures of both lists in `cache` between runs.
    void setThumbnailCache(ThumbCache* cache, int resident = PictureStore::Resident);
    // Frees the decoded pictures of both lists; the next scan decodes them again.
    void dropPictures()
    {
        m_cars.pictures().clear();
        m_garage.pictures().clear();
    }
    // Per car-list position 1..150: -1 when the entry there is a stock car, as the stock-listing
    // mode has always numbered them. Position 0 is unused. The flag itself is the entry's.
    std::array<int, StockFlagCount> stockFlags() const;

    // --- The chosen cars ---
    const QString& chosenCar() const { return m_cars.chosen(); }
    const QString& chosenGarageCar() const { return m_garage.chosen(); }
    // Names the car the next car-list command acts on, as a click on its entry would.
    void setChosenCar(const QString& name) { m_cars.setChosen(name); }
    void setChosenGarageCar(const QString& name) { m_garage.setChosen(name); }
    // The list chosen in last: LastCarList or LastGarageList.
    int lastChosenList() const { return m_lastChosenList; }
    void setLastChosenList(int list) { m_lastChosenList = list; }
    // The car folder opened last.
    const QString& openedCarPath() const { return m_openedCarPath; }
    // The picture of the car chosen last, and the caption of its frame ("Picture" before any).
    const QImage& shownPicture() const { return m_shownPicture; }
    const QString& pictureCaption() const { return m_pictureCaption; }
    // Whether the chosen car may be sent to the garage (">>") or deleted: not a stock car.
    bool canSendChosen() const { return m_canSendChosen; }
    bool canDeleteChosen() const { return m_canDeleteChosen; }
    // Turns sending and deleting the chosen car off or on, as choosing a stock car or another does.
    void setChosenCarActions(bool enabled)
    {
        m_canSendChosen = enabled;
        m_canDeleteChosen = enabled;
    }

    // --- Counts ---
    // The counts as the window shows them.
    QString carCountText() const { return countText(m_cars); }
    QString garageCountText() const { return countText(m_garage); }
    static QString countText(const CarFolder& folder) { return QString::number(folder.count()); }
    // Sets a folder's count; the count of a folder the game loads is checked against the Max Car
    // Amount.
    void setCount(CarFolder& folder, qint64 count);
    // The car count has reached the Max Car Amount: the warning light flashes. With a packlist,
    // every car the game loads counts.
    bool isOverLimit() const { return m_overLimit; }

    // --- Today's game: packs, the packlist chosen, and starting it ---
    const GameWatch& game() const { return m_game; }
    // What the game loads, read again (start-up, Refresh, a packlist changed or chosen).
    void readGame();
    // "Play": the light's check (over the limit, the player is asked), then the game program in the
    // game folder with the chosen packlist.
    void playGame();

    // Opens the car details window for a car folder (modal). Set by the application.
    std::function<void(const QString& carPath)> openDetails;

    // --- Start-up and configuration ---
    // Reads the command line switch: "/ACC" in any letter case, exactly.
    static bool isStockSwitch(const QString& commandLine);
    // The start-up reading. Returns false when the program must end.
    bool startupReading(const QString& commandLine);
    // Only the folders and the Max Car Amount of the start-up reading, without the scans (for a
    // command that reads one car). False after telling why.
    bool readFolders();
    // Reads the paths again and rescans; a failure is reported and leaves the previous state.
    void rereadPaths();
    // Starts the setup program, then reads the paths again.
    void runSetup();

    // --- Scans ---
    // Replaces `path` by its last name and tells whether that name is a stock car.
    static bool reduceToCarName(QString& path);
    // Lists the cars of a folder with their pictures and sets its count.
    void scan(CarFolder& folder);
    void scanCarFolder() { scan(m_cars); }
    void scanGarageFolder() { scan(m_garage); }

    // --- Choosing and opening ---
    // Chooses the entry at `row` of a folder's list, as a click on it does.
    void chooseRow(CarFolder& folder, int row);
    void chooseCarRow(int row) { chooseRow(m_cars, row); }
    void chooseGarageRow(int row) { chooseRow(m_garage, row); }
    // Opens the details of the entry chosen in a folder's list.
    void openChosen(CarFolder& folder);
    void openChosenCar() { openChosen(m_cars); }
    void openChosenGarageCar() { openChosen(m_garage); }
    void openCar(const QString& path);

    // --- Commands ---
    void sendChosenToGarage();
    void bringChosenToCarFolder();
    void bringAllToCarFolder();
    // Sends every car of the car list to the garage.
    void sendAllToGarage();
    // Deletes the chosen car after asking.
    void deleteChosen();
    // Moves one car and keeps the lists, counts and picture in step, as sending or bringing the
    // chosen car would with `name` chosen. Every failure is told to the user once.
    MoveOutcome moveCarNamed(const QString& name, bool toGarage);
    // Moves a car folder the lists do not show (it has no picture) to the other folder, through the
    // same engine and with the same messages as the list moves; the lists do not change.
    MoveOutcome moveUnlistedCar(const QString& name, bool toGarage);
    // Finishes what an earlier run left unfinished, under the library lock; runs at start-up and
    // when the paths are read again, never in a run that only reads.
    void recoverInterruptedMoves();
    // A run that only reads (a listing, statistics): nothing on the disk changes, not even
    // recovery.
    void setOnlyReads(bool onlyReads) { m_onlyReads = onlyReads; }
    MoveEngine& moveEngine() { return m_engine; }
    // The door for writes inside a car of the library: the engine's lock on both folders.
    CarDoor& carDoor() { return m_door; }
    // Takes the library lock for a command that changes the folders; when it had to wait for
    // another Parkwen, the lists are read again first. A lock not held has been reported.
    MoveEngine::Lock lockForChange();
    // A car that left both folders while this library waited for another Parkwen is told of by
    // name; true when `name` was such a car.
    bool tellIfGoneWhileWaiting(const QString& name);
    // Copies ahead, with one flush, the named cars a command is about to move between file systems
    // (see MoveEngine::prepareBatch); keep the result alive while the command moves them.
    MoveEngine::Batch prepareMoves(const QStringList& names, bool toGarage);
    // Deletes the chosen car; without `ask` the question is left out (the caller has asked already).
    void deleteChosenCar(bool ask);
    // Deletes a car folder the lists do not show, the way deleting the chosen car would (the caller
    // has asked already), telling the user of a failure the same way. True when it is gone.
    bool deleteUnlistedCar(const QString& name, bool fromCars);
    // Starts the help viewer.
    void showHelp();
    // Resets the game's "Selected Car" number (only where the system has a registry).
    void resetSelectedCarNumber();

    // --- Installed cars ---
    // A car just installed into a folder joins the end of that folder's list with its picture, and
    // the count goes up by one, as after a move; nothing is rescanned. False when the scan would not
    // list it (no picture file, or a stock name it leaves out).
    bool addInstalledCar(const QString& name, bool inGarage);
    // Appends cars with their decoded pictures (`pictures[i]` is `entries[i]`'s) to the car list,
    // as a scan lists them, without counting them: a library built in memory, for the benchmarks.
    void appendToCarList(std::vector<CarEntry> entries, const QList<QImage>& pictures);
    // A car that left a folder (replaced by an installed one) leaves its list; the count goes down.
    void removeGoneCar(const QString& name, bool inGarage);

signals:
    // Something the window shows changed (counts, picture, caption, buttons, light).
    void changed();
    // The window should give the keyboard focus to a list (LastCarList or LastGarageList).
    void focusRequested(int list);
    // The settings now name other folders than before.
    void foldersChanged();

public:
    struct PathsRecord
    {
        QString carFolder;
        QString garageFolder;
        QString maxText;
    };
    // The three records of paths.mdb, read without touching the folders.
    Result<PathsRecord> readPaths();

private:
    Error startupAttempt(const QString& commandLine);
    // The path of a program of the program folder.
    QString programPath(const QString& name) const;
    Error startProgram(const QString& name, const QStringList& arguments = {});
    // The car scan, then the garage scan, under one progress report.
    void scanBoth();
    // The lists again after waiting for another Parkwen, remembering which cars left both folders.
    void rereadAfterWait();
    // A stock entry of the stock-listing mode, which ">>" may not send.
    bool isProtectedStockEntry(const QString& name) const;
    // The picture a list shows once a move or deletion took the chosen car from `folder`, and
    // whether the next car chosen there may be sent away or deleted.
    void showWhatRemains(CarFolder& folder);
    // Moves every car of `source` to the other folder ("All"), passing the game's own.
    void moveAll(CarFolder& source);
    CarFolder& otherThan(const CarFolder& folder) { return &folder == &m_cars ? m_garage : m_cars; }
    // A car another Parkwen moved while this one waited: already in `target` counts as moved, gone
    // from both lists is told of; none when the move goes on.
    std::optional<MoveOutcome> settledWhileWaiting(const QString& name, const CarList& source,
                                                   const CarList& target);
    // Tells the user what a move that did not happen means; false for such a move.
    bool reportMove(const MoveResult& moved);
    // Tells the user of a deletion that did not finish; false when nothing was deleted.
    bool reportDeletion(const DeleteResult& deleted, const QString& name);
    void showPictureOf(const QString& key, const PictureStore& store);
    void checkLimit();
    // Says so when the chosen packlist does not load the Car Folder.
    void tellIfCarFolderNotLoaded();

    Platform m_platform;
    MoveEngine m_engine{m_platform.fs, &m_platform.dialogs};
    LibraryDoor m_door{*this};
    bool m_onlyReads = false;

    CarFolder m_cars{FolderRole::Cars};
    CarFolder m_garage{FolderRole::Garage};
    qint16 m_maxCars = 0;
    bool m_listsStockCars = false;

    int m_lastChosenList = LastGarageList;
    QString m_openedCarPath;
    QString m_pictureCaption = QStringLiteral("Picture");
    QImage m_shownPicture;
    bool m_canSendChosen = true;
    bool m_canDeleteChosen = true;
    bool m_overLimit = false;
    GameWatch m_game;
    // The cars that left both lists while this library last waited for another Parkwen.
    QSet<QString> m_goneWhileWaiting;
};

} // namespace parkwen
