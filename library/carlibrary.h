#pragma once

#include "library/carlist.h"
#include "library/moveengine.h"
#include "platform/platform.h"

#include <QObject>

#include <array>
#include <functional>

namespace parkwen {

// The stock cars that ship with the game, recognised by exact (case-sensitive) folder name.
const QStringList& stockCarNames();
bool isStockCar(const QString& name);

// The car library behind the main window: configuration, the two lists with their picture stores,
// the counts, the selections, the stock flags and the warning light, and the commands that act on
// them. It owns no widgets; the window draws this state and forwards its events here.
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
    QString carFolder;    // DLB
    QString garageFolder; // DLB2
    qint16 maxCars = 0;
    bool stockMode = false; // "/ACC"

    // --- Lists ---
    PictureStore CarpList;
    PictureStore GargList;
    CarList Cart3{CarpList};
    CarList Gartery{GargList};
    // Per car-list position 1..150: -1 when the entry there is a stock car. Position 0 is unused.
    std::array<int, StockFlagCount> stockFlags{};

    // --- Window state ---
    QString carSelection;
    QString garageSelection;
    int lastSelected = LastGarageList;
    QString carPath;
    bool overLimit = false;
    bool lightPhase = false;
    bool lightLit = false; // the picture the light shows now: false resting (l1), true lit (l2)
    QString frameCaption = QStringLiteral("Picture"); // PikFra
    QImage picture;                                   // Pikcha
    bool garterEnabled = true;                        // ">>"
    bool delEnabled = true;                           // "Del. Car"

    // Count captions. Setting Cam runs the over-limit check.
    const QString& cam() const { return m_cam; }
    const QString& gam() const { return m_gam; }
    void setCam(const QString& caption);
    void setGam(const QString& caption);
    // Adds `delta` to the number a count caption shows.
    void addToCam(int delta);
    void addToGam(int delta);

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
    // The paths reread (Refresh); failures are reported and leave the previous state.
    void Refra_Click();
    // Starts the setup program, then rereads the paths.
    void RUNA_Click();

    // --- Scans ---
    // Replaces `path` by its last name and tells whether that name is a stock car.
    static bool Noncus(QString& path);
    void LoadCard();
    void LoadGuard();

    // --- Choosing and opening ---
    void Cart3_NodeClick(int row);
    void Gartery_NodeClick(int row);
    void Cart3_DblClick();
    void Gartery_DblClick();
    void OpenUp(const QString& path);

    // --- Commands ---
    void Garter_Click(); // ">>"
    void Carter_Click(); // "<<"
    void CopAll_Click(); // "All: Car"
    void DelAll_Click(); // "All: Gar."
    void Del_Click();    // "Del. Car"
    // Moves one car (">>" when toGarage) and keeps the lists, counts and picture in step, as ">>" or
    // "<<" would with `name` in their selection. Every failure is told to the user once.
    MoveOutcome moveCarNamed(const QString& name, bool toGarage);
    // Moves a car folder the lists do not show (it has no picture) to the other folder, through the
    // same engine and with the same messages as ">>" and "<<"; the lists do not change.
    MoveOutcome moveUnlistedCar(const QString& name, bool toGarage);
    // Finishes what an earlier run left unfinished, under the library lock; runs at start-up and
    // when the paths are read again, never in a run that only reads.
    void recoverInterruptedMoves();
    // A run that only reads (a listing, statistics): nothing on the disk changes, not even
    // recovery.
    void setOnlyReads(bool onlyReads) { m_onlyReads = onlyReads; }
    MoveEngine& moveEngine() { return m_engine; }
    // Copies ahead, with one flush, the named cars a command is about to move between file systems
    // (see MoveEngine::prepareBatch); keep the result alive while the command moves them.
    MoveEngine::Batch prepareMoves(const QStringList& names, bool toGarage);
    // "Del. Car"; without `ask` the question is left out (the caller has asked already).
    void deleteChosenCar(bool ask);
    // Deletes a car folder the lists do not show, the way "Del. Car" would delete it (the caller has
    // asked already), telling the user of a failure as "Del. Car" does. True when it is gone.
    bool deleteUnlistedCar(const QString& name, bool fromCars);
    void Mama_Click(); // "Help"
    void Reg_Click();  // "Reset Reg."
    // A key pressed anywhere in the window; returns true when it was a shortcut.
    bool keyDown(int key);

    // --- Installed cars ---
    // A car just installed into a folder joins the end of that folder's list with its picture, and
    // the count goes up by one, as after a move; nothing is rescanned. False when the scan would not
    // list it (no picture file, or a stock name it leaves out).
    bool addInstalledCar(const QString& name, bool inGarage);
    // A car that left a folder (replaced by an installed one) leaves its list; the count goes down.
    void removeGoneCar(const QString& name, bool inGarage);

    // --- Warning light ---
    void overLimitCheck();
    void Electricity_Timer();

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
    // A stock entry of the stock-listing mode, which ">>" may not send.
    bool isProtectedStockEntry(const QString& name) const;
    void shiftStockFlagsDown(int position);
    // Tells the user what a move that did not happen means; false for such a move.
    bool reportMove(const MoveResult& moved);
    // Tells the user of a deletion that did not finish; false when nothing was deleted.
    bool reportDeletion(const DeleteResult& deleted, const QString& name);
    void showPictureOf(const QString& key, const PictureStore& store);

    Platform m_platform;
    MoveEngine m_engine{m_platform.fs, &m_platform.dialogs};
    bool m_onlyReads = false;
    QString m_cam = QStringLiteral("0");
    QString m_gam = QStringLiteral("0");
};

} // namespace parkwen
