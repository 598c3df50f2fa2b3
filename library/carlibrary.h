#pragma once

#include "library/carfolder.h"
#include "library/gamewatch.h"
#include "library/librarydoor.h"
#include "library/moveengine.h"
#include "platform/platform.h"

#include <QImage>
#include <QObject>

#include <array>
#include <optional>

namespace parkwen {

namespace test {
struct LibraryFixture;
}

// The stock cars that ship with the game, recognised by exact (case-sensitive) folder name.
const QStringList& stockCarNames();
bool isStockCar(const QString& name);

// How the library lists its cars, from the settings and the command line.
struct LibraryOptions
{
    // The most cars the game loads before it breaks: at this count the warning light flashes.
    qint16 maxCars = 0;
    // The stock-listing mode ("/ACC"): the car list shows the stock cars too.
    bool listsStockCars = false;
};

// What the main window shows beside the lists: the picture and its caption, which list was chosen
// in last, whether the chosen car may be sent away or deleted, and the warning light.
struct LibraryDisplay
{
    FolderRole lastChosen = FolderRole::Garage;
    QString openedCarPath; // the car folder opened last
    QImage picture;        // the picture of the car chosen last
    QString caption = QStringLiteral("Picture");
    // Whether the chosen car may be sent to the garage (">>") or deleted: not a stock car.
    bool canSendChosen = true;
    bool canDeleteChosen = true;
    // The car count has reached the Max Car Amount; with a packlist, every car the game loads
    // counts.
    bool overLimit = false;
};

// The three records of paths.mdb.
struct PathsRecord
{
    QString carFolder;
    QString garageFolder;
    QString maxText;
};
// Reads paths.mdb without touching the folders; a folder that is not there is an error.
Result<PathsRecord> readPathsRecord(const Platform& platform);

// Replaces `path` by its last name and tells whether that name is a stock car.
bool reduceToCarName(QString& path);
// Reads the command line switch of the stock-listing mode: "/ACC" in any letter case, exactly.
bool isStockSwitch(const QString& commandLine);
// Per car-list position 1..150: -1 when the entry there is a stock car, as the stock-listing mode
// has always numbered them. Position 0 is unused. The flag itself is the entry's.
std::array<int, CarFolder::StockPositions> stockFlags(const CarFolder& folder);
// A folder's count as the window shows it.
QString countText(const CarFolder& folder);

// The car library behind the main window: its car folders (the Car Folder and the Garage Folder,
// each a CarFolder with its list, pictures, count and chosen car), the options they are listed
// with, and the commands that act on them. Every change goes through the door. It owns no widgets
// and knows no keys; the main window draws this state and maps its controls' events to these
// commands.
class CarLibrary : public QObject
{
    Q_OBJECT
public:
    explicit CarLibrary(Platform platform, QObject* parent = nullptr);

    Platform& platform() { return m_platform; }
    CarFolder& folder(FolderRole role) { return role == FolderRole::Cars ? m_cars : m_garage; }
    const CarFolder& folder(FolderRole role) const { return role == FolderRole::Cars ? m_cars : m_garage; }
    LibraryOptions& options() { return m_options; }
    const LibraryDisplay& display() const { return m_display; }
    LibraryDoor& door() { return m_door; }
    // Keeps the decoded pictures of every folder in `cache` between runs.
    void setThumbnailCache(ThumbCache* cache, int resident = PictureStore::Resident);
    // Sets a folder's count; the count of a folder the game loads is held against the Max Car
    // Amount.
    void setCount(FolderRole role, qint64 count);

    // What the game loads (packs and the chosen packlist), read again at start-up, on Refresh and
    // when a packlist changes or is chosen.
    const GameWatch& game() const { return m_game; }
    void readGame();
    // "Play": the light's check (over the limit, the player is asked), then the game program in the
    // game folder with the chosen packlist.
    void playGame();

    // The start-up reading. Returns false when the program must end.
    bool startupReading(const QString& commandLine);
    // Only the folders and the Max Car Amount of the start-up reading, without the scans (for a
    // command that reads one car). False after telling why.
    bool readFolders();
    // Reads the paths again and rescans; a failure is reported and leaves the previous state.
    void rereadPaths();

    // Lists the cars of a folder with their pictures and sets its count.
    void scan(FolderRole role);
    // Chooses the entry at `row` of a folder's list, as a click on it does.
    void chooseRow(FolderRole role, int row);
    // Opens the details of the entry chosen in a folder's list, or of any car folder.
    void openChosen(FolderRole role);
    void openCar(const QString& path);

    // ">>" and "<<": moves the car chosen in `from` to the other folder.
    void moveChosenFrom(FolderRole from);
    // "All": moves every car of `from` to the other folder, passing the game's own.
    void moveAllFrom(FolderRole from);
    // Deletes the car chosen in the list chosen last; without `ask` the question is left out (the
    // caller has asked already).
    void deleteChosen(bool ask = true);
    // Moves one car to `to` and keeps the lists, counts and picture in step, as moving the chosen
    // car would with `name` chosen. Every failure is told to the user once.
    MoveOutcome moveCarNamed(const QString& name, FolderRole to);

    // A car just installed into a folder joins the end of that folder's list with its picture, and
    // the count goes up by one, as after a move; nothing is rescanned. False when the scan would not
    // list it (no picture file, or a stock name it leaves out).
    bool addInstalledCar(const QString& name, FolderRole role);
    // A car that left a folder (replaced by an installed one) leaves its list; the count goes down.
    void removeGoneCar(const QString& name, FolderRole role);

signals:
    // Something the window shows changed (counts, picture, caption, buttons, light).
    void changed();
    // The window should give the keyboard focus to a folder's list.
    void focusRequested(FolderRole role);
    // The settings now name other folders than before.
    void foldersChanged();
    // The details window should open for a car folder (modally).
    void detailsRequested(const QString& carPath);

private:
    // Tests start from a state of the buttons no command leaves by itself.
    friend struct test::LibraryFixture;

    Error startupAttempt(const QString& commandLine);
    // The folders and the Max Car Amount from paths.mdb; `max` is how its text is read.
    void takePaths(const PathsRecord& paths, qint16 max);
    // The car scan, then the garage scan, under one progress report.
    void scanBoth();
    void scan(CarFolder& folder);
    // A stock entry of the stock-listing mode, which ">>" may not send.
    bool isProtectedStockEntry(const QString& name) const;
    // The picture a list shows once a move or deletion took the chosen car from `folder`, and
    // whether the next car chosen there may be sent away or deleted.
    void showWhatRemains(CarFolder& folder);
    CarFolder& otherThan(const CarFolder& folder) { return &folder == &m_cars ? m_garage : m_cars; }
    // A car another Parkwen moved while this one waited: already in `target` counts as moved, gone
    // from both lists is told of; none when the move goes on.
    std::optional<MoveOutcome> settledWhileWaiting(const QString& name, const CarList& source,
                                                   const CarList& target);
    // Brings the lists, counts and picture in step with a car that moved on the disk.
    void showMoved(const QString& name, CarFolder& source, CarFolder& target);
    void checkLimit();
    // Says so when the chosen packlist does not load the Car Folder.
    void tellIfCarFolderNotLoaded();

    Platform m_platform;
    CarFolder m_cars{FolderRole::Cars};
    CarFolder m_garage{FolderRole::Garage};
    LibraryDoor m_door{m_platform, m_cars, m_garage};
    LibraryOptions m_options;
    LibraryDisplay m_display;
    GameWatch m_game;
};

} // namespace parkwen
