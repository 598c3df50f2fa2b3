#pragma once

#include "library/carlist.h"
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

// The car library behind the main window: the two folders and the Max Car Amount, the car list and
// the garage list with their picture stores, the counts, the chosen cars, the stock flags, and the
// commands that act on them. It owns no widgets and knows no keys; the main window draws this state
// and maps its controls' events to these commands.
class CarLibrary : public QObject
{
    Q_OBJECT
public:
    static constexpr int LastCarList = -1;
    static constexpr int LastGarageList = 0;
    static constexpr int StockFlagCount = 151;

    explicit CarLibrary(Platform platform, QObject* parent = nullptr);

    Platform& platform() { return m_platform; }

    // --- Configuration ---
    const QString& carFolder() const { return m_carFolder; }
    const QString& garageFolder() const { return m_garageFolder; }
    qint16 maxCars() const { return m_maxCars; }
    // The stock-listing mode ("/ACC"): the car list shows the stock cars too.
    bool listsStockCars() const { return m_listsStockCars; }
    void setCarFolder(const QString& folder) { m_carFolder = folder; }
    void setGarageFolder(const QString& folder) { m_garageFolder = folder; }
    void setMaxCars(qint16 max) { m_maxCars = max; }
    void setListsStockCars(bool on) { m_listsStockCars = on; }

    // --- The lists ---
    const CarList& carList() const { return m_carList; }
    const CarList& garageList() const { return m_garageList; }
    // The lists as item models for the window's views, which only read them.
    QAbstractItemModel* carListModel() { return &m_carList; }
    QAbstractItemModel* garageListModel() { return &m_garageList; }
    const PictureStore& carPictures() const { return m_carPictures; }
    const PictureStore& garagePictures() const { return m_garagePictures; }
    // Keeps the decoded pictures of both lists in `cache` between runs.
    void setThumbnailCache(ThumbCache* cache, int resident = PictureStore::Resident);
    // Frees the decoded pictures of both lists; the next scan decodes them again.
    void dropPictures()
    {
        m_carPictures.clear();
        m_garagePictures.clear();
    }
    // Per car-list position 1..150: -1 when the entry there is a stock car. Position 0 is unused.
    const std::array<int, StockFlagCount>& stockFlags() const { return m_stockFlags; }

    // --- The chosen cars ---
    const QString& chosenCar() const { return m_chosenCar; }
    const QString& chosenGarageCar() const { return m_chosenGarageCar; }
    // Names the car the next car-list command acts on, as a click on its entry would.
    void setChosenCar(const QString& name) { m_chosenCar = name; }
    void setChosenGarageCar(const QString& name) { m_chosenGarageCar = name; }
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
    // The count captions. Setting the car count checks it against the Max Car Amount.
    const QString& carCountText() const { return m_carCount; }
    const QString& garageCountText() const { return m_garageCount; }
    void setCarCountText(const QString& caption);
    void setGarageCountText(const QString& caption);
    // Adds `delta` to the number a count caption shows.
    void addToCarCount(int delta);
    void addToGarageCount(int delta);
    // The car count has reached the Max Car Amount: the warning light flashes.
    bool isOverLimit() const { return m_overLimit; }

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
    void scanCarFolder();
    void scanGarageFolder();

    // --- Choosing and opening ---
    // Chooses the entry at `row` of a list, as a click on it does.
    void chooseCarRow(int row);
    void chooseGarageRow(int row);
    // Opens the details of the entry chosen in a list.
    void openChosenCar();
    void openChosenGarageCar();
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

    // Reads a caption as a number from its leading numeric part (0 when it has none).
    static double leadingNumber(const QString& text);

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
    void shiftStockFlagsDown(int position);
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

    Platform m_platform;
    MoveEngine m_engine{m_platform.fs, &m_platform.dialogs};
    bool m_onlyReads = false;

    QString m_carFolder;
    QString m_garageFolder;
    qint16 m_maxCars = 0;
    bool m_listsStockCars = false;

    PictureStore m_carPictures;
    PictureStore m_garagePictures;
    CarList m_carList{m_carPictures};
    CarList m_garageList{m_garagePictures};
    std::array<int, StockFlagCount> m_stockFlags{};

    QString m_chosenCar;
    QString m_chosenGarageCar;
    int m_lastChosenList = LastGarageList;
    QString m_openedCarPath;
    QString m_pictureCaption = QStringLiteral("Picture");
    QImage m_shownPicture;
    bool m_canSendChosen = true;
    bool m_canDeleteChosen = true;

    QString m_carCount = QStringLiteral("0");
    QString m_garageCount = QStringLiteral("0");
    bool m_overLimit = false;
    // The cars that left both lists while this library last waited for another Parkwen.
    QSet<QString> m_goneWhileWaiting;
};

} // namespace parkwen
