#pragma once

#include "library/carlibrary.h"
#include "library/manymoves.h"
#include "library/packlistediting.h"
#include "library/programs.h"
#include "library/ui/castleactions.h"
#include "library/ui/warninglight.h"

#include <QMetaMethod>
#include <QWidget>

class QGridLayout;
class QGroupBox;
class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QTimer;
class QUrl;

namespace parkwen {

class BothFolders;
class CarListView;
class CarStatsCache;
class CarTable;

// The main window: the car list and the garage list side by side, the picture of the car chosen
// last, the toolbox and the warning light. It draws the CarLibrary's state and forwards every
// event to it.
class Castle : public QWidget
{
    Q_OBJECT
public:
    static constexpr int TwipsPerPixel = 15;
    static constexpr int PictureFrameWidth = 3735; // twips

    explicit Castle(CarLibrary& cars, QWidget* parent = nullptr);

    CarLibrary& cars() { return m_cars; }

    // Keeps the car table's readings between openings (none: every opening reads every folder).
    CarStatsCache* statsCache = nullptr;
    // Every command of the window, with its keys; the buttons and the lists' menu trigger these.
    CastleActions& actions() { return *m_actions; }
    // Pictures of the light: resting and lit.
    void setLightPictures(const QPixmap& resting, const QPixmap& lit);

    // Lays the controls out for a client area of W x H twips (runs on every resize).
    void layoutControls(int W, int H);

    // The move commands of the session and their undo.
    ManyMoves& moves() { return m_moves; }
    // Takes back the last command: a move command's cars go back, or the last change to a packlist
    // made in the Packs window (Ctrl+Z).
    void undo();
    // "Car Table" and F7: the table of every car of both folders, read afresh.
    void CarTable_Click();
    CarTable* carTable() const { return m_table; }
    // The context menu of a list, for the entries chosen in it.
    QMenu* listMenu(CarListView* view);

signals:
    // The set commands live outside the car library; the program connects them.
    void createSetRequested();
    void editSetRequested();
    void loadSetRequested();
    void setOnlyRequested();
    void removeSetRequested();
    // "Install Cars" and F6; archives or folders dropped onto a list (true: the garage list).
    void installRequested();
    void installDropped(const QStringList& paths, bool toGarage);
    // Adds cars to a set the player chooses (the car table's "Add to Set").
    void addToSetRequested(const QStringList& names);
    // "Keys": connected, it replaces the built-in keys window (tests).
    void keysRequested();
    // Opens a car's folder in the desktop's file manager; unconnected, the desktop's own opener.
    void folderOpenRequested(const QUrl& folder);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Building the window, in the order its controls are made (castlecontrols.cpp).
    void makeLists();
    void makeMoveButtons();
    void makePicture();
    // The toolbox's buttons and instructions; `row` ends as the grid's next free row.
    QGridLayout* makeToolbox(int& row);
    void makeCounts(QGridLayout* toolbox, int row);
    void acceptInstallDrops();
    void applyStyle();
    QPushButton* makeButton(CastleActions::Command command, const char* name);
    // Connects every command to its handler.
    void connectActions();
    // Whether the program listens to one of the signals above.
    template <typename Signal> bool isListened(Signal signal) const
    {
        return isSignalConnected(QMetaMethod::fromSignal(signal));
    }
    QLabel* makeInstruction(const char* name, const QString& text);

    void refresh();
    void connectList(CarListView* view, bool carList);
    // Chooses the entry chosen last in a list, as a click on it does.
    void chooseLead(CarListView* view);
    QStringList chosenNames(CarListView* view) const;
    // ">>" (toGarage) or "<<": one chosen car as the buttons always did, several in one command.
    void sendChosenFrom(FolderRole from);
    void focusFilter();
    // "Show in File Manager" of the lists' menu: the folder of the entry chosen last in that list.
    void showChosenInFileManager();

    // The controls' events, each handed to the library's command for it. This is the one place
    // where a control's name meets what the library calls the command.
    void Cart3_NodeClick(int row) { m_cars.chooseRow(FolderRole::Cars, row); } // a car-list entry clicked
    void Gartery_NodeClick(int row)
    {
        m_cars.chooseRow(FolderRole::Garage, row);
    }                                                              // a garage-list entry clicked
    void Cart3_DblClick() { m_cars.openChosen(FolderRole::Cars); } // its details opened
    void Gartery_DblClick() { m_cars.openChosen(FolderRole::Garage); }
    void Garter_Click() { sendChosenFrom(FolderRole::Cars); }       // ">>"
    void Carter_Click() { sendChosenFrom(FolderRole::Garage); }     // "<<"
    void CopAll_Click();                                            // "All: Car"
    void DelAll_Click();                                            // "All: Gar."
    void Del_Click();                                               // "Del. Car"
    void Mama_Click() { showHelp(m_cars.platform()); }              // "Help"
    void Reg_Click() { resetSelectedCarNumber(m_cars.platform()); } // "Reset Reg."
    void Refra_Click() { m_cars.rereadPaths(); }                    // "Refresh"
    void RUNA_Click() { runSetup(m_cars); }                         // "Settings"
    void ksl_Click();                                               // "Keys"
    void Crete_Click() { emit createSetRequested(); }               // "Create Set"
    void Ed_It_Click() { emit editSetRequested(); }                 // "Edit Set"
    void SetLdPlus_Click();                                         // "Load set"
    void SetLdOnly_Click();                                         // "Set only"
    void SetRemv_Click();                                           // "Rem. Set"
    void Install_Click() { emit installRequested(); }               // "Install Cars"
    void Packs_Click();                                             // "Packs"
    void Play_Click() { m_cars.playGame(); }                        // "Play"
    // The warning light's timer: flashes while the car count is over the limit.
    void Electricity_Timer();

    CarLibrary& m_cars;
    ManyMoves m_moves{m_cars};
    CastleActions* m_actions;
    CarListView* m_menuList = nullptr; // the list whose menu was opened last
    BothFolders* m_marks;
    CarListView* m_Cart3;
    CarListView* m_Gartery;
    CarListView* m_lastUsedList = nullptr; // the list Ctrl+F filters
    bool m_choosing = false;               // a list's own choice is being handed to the library
    QLabel* m_Label1;
    QLabel* m_Label2;
    QPushButton* m_Garter;
    QPushButton* m_Carter;
    QGroupBox* m_PikFra;
    QLabel* m_Pikcha;
    QGroupBox* m_AmtFra;
    QPushButton* m_Del;
    QLabel* m_Light;
    QLabel* m_l1;
    QLabel* m_l2;
    QLabel* m_Cam;
    QLabel* m_Gam;
    QLabel* m_loadedLine; // how many cars the game loads, from how many packs
    QTimer* m_Electricity;
    WarningLight m_light;
    CarTable* m_table = nullptr;
    // The Packs window's commands on the game of the Car Folder, kept so that Ctrl+Z can take the
    // last packlist change back after the window is closed.
    std::unique_ptr<PacklistEditing> m_packEditing;
    // The move history's size when a packlist last changed: while it is the same, Ctrl+Z undoes the
    // packlist change, the newer of the two.
    int m_movesAtPackChange = -1;
};

} // namespace parkwen
