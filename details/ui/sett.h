#pragma once

#include "details/detailscontext.h"
#include "details/paramreader.h"
#include "details/textbuffer.h"
#include "details/ui/settfileareas.h"
#include "platform/platform.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;

namespace parkwen {

class CarView;
class HorizontalUpDown;
class ImportChoosers;
class Previews;
class SettActions;
class StatBarImage;

// The car details window: one car's name, picture and statistics, its parameter files and its
// skins. Shown modally over the main window; filled once by Timer1 right after it is shown.
//
// The window itself (layout, opening, statistics, keys) lives in sett.cpp; the commands of the
// parameter and skin areas live in SettFileAreas, to which the handlers below hand over. The
// commands with a key are actions of the window (SettActions), made from DetailsCommands.
class Sett : public QDialog
{
    Q_OBJECT
public:
    Sett(Platform platform, DetailsContext context, QWidget* parent = nullptr);
    ~Sett() override;

    // --- Opening ---
    // The opening sequence. Timer1 runs it once after the window is shown; later calls do nothing.
    void Timer1_Timer();
    bool isFilled() const { return m_filled; }

    // --- Statistics ---
    // Reads the statistics from RTB (load the file to show into it first) and shows them, with
    // the current skin in kakar. Captions it cannot read keep what they showed.
    void loadparams();
    // Whether RTB holds a car parameter file ("BODY {" in any case).
    bool isParameterFile() const;
    const CarStatistics& statistics() const { return m_stats; }

    // --- Parameter area ---
    // An entry of Params was chosen (click or arrow keys).
    void Params_Click() { m_fileAreas->Params_Click(); }
    void Bacup_Click() { m_fileAreas->Bacup_Click(); } // F2
    void Settt_Click() { m_fileAreas->Settt_Click(); } // F3
    void DelP_Click() { m_fileAreas->DelP_Click(); }
    void Impit_Click() { m_fileAreas->Impit_Click(); } // F1
    // Opening step 8: fills Params and the parameter file table from the car folder's text files.
    void listParams() { m_fileAreas->listParams(); }
    // Adds the name field of the parameter file at `path` to Params.
    void par(const QString& path) { m_fileAreas->par(path); }
    // Titles the imported copy held in RTB and adds the title to Params.
    void par2() { m_fileAreas->par2(); }

    // --- Skin area ---
    void PicSel_Change() { m_fileAreas->PicSel_Change(); }
    void setskin_Click() { m_fileAreas->setskin_Click(); } // F5
    void Bakbit_Click() { m_fileAreas->Bakbit_Click(); }   // F4
    void DelS_Click() { m_fileAreas->DelS_Click(); }
    void IMMPIT_Click() { m_fileAreas->IMMPIT_Click(); }
    // Opening step 7: fills Xtrabmps from the car folder's bitmaps and shows the first other skin.
    void listSkins() { m_fileAreas->listSkins(); }

    // --- Shared state ---
    Platform& platform() { return m_platform; }
    const DetailsContext& context() const { return m_context; }
    const QString& carPath() const { return m_carPath; }
    TextBuffer& RTB() { return m_rtb; }
    TextBuffer& RTB2() { return m_rtb2; }
    TextBuffer& R3() { return m_r3; }
    const QString& currentSkin() const { return m_currentSkin; }
    QStringList& paramFiles() { return m_paramFiles; }
    bool foundSkin() const { return m_foundSkin; }

    // The file listers: names in the folder they point at (the car folder once the window is
    // filled) matching "*.txt" / "*.bmp", by name ignoring case. They re-read the folder each time.
    QStringList parfil() const;
    QStringList BMPfil() const;

    // Shows the picture file `name` of the car folder (found ignoring case) in an image control,
    // fitted to the control; clears the image when the name is empty or the file does not load.
    // The picture is decoded in the background and appears when it is ready.
    void showCarPicture(QLabel* image, const QString& name);
    // Waits until every picture asked for is shown.
    void waitForPictures();
    // The car in 3D beside the skin area.
    CarView* carView() const { return m_carView; }

protected:
    void showEvent(QShowEvent* event) override;

    Platform m_platform;
    DetailsContext m_context;
    QString m_carPath;
    TextBuffer m_rtb;  // RTB: the file being read or edited
    TextBuffer m_rtb2; // RTB2: the car's own parameters during an import's merge
    TextBuffer m_r3;   // R3: the texture line during an import's merge
    CarStatistics m_stats;
    // The skin file named by the parameter file last read (empty when it names none).
    QString m_currentSkin;
    // The parameter file table: entry k of Params is the file m_paramFiles[k]; entry 0 is
    // "Parameters.txt". The parameter area fills and keeps it.
    QStringList m_paramFiles;
    bool m_foundSkin = false;
    // Where parfil and BMPfil point; empty until the opening sequence sets it.
    QString m_listerFolder;
    bool m_filled = false;

    // The commands with a key (F1-F5), which their buttons trigger too.
    SettActions* m_actions = nullptr;

    // --- Controls (objectName = the name in brackets) ---
    QLabel* m_moniker = nullptr; // Moniker
    QLabel* m_pic = nullptr;     // Pic
    // Parameter area (Picture2)
    QWidget* m_paramArea = nullptr;
    QLabel* m_label1 = nullptr;
    // Params: filling it should block its signals (QSignalBlocker), since a change of the
    // current row runs Params_Click.
    QListWidget* m_params = nullptr;
    QPushButton* m_bacup = nullptr;
    QPushButton* m_settt = nullptr;
    QPushButton* m_impit = nullptr;
    QPushButton* m_delP = nullptr;
    QLabel* m_label3 = nullptr;
    // Statistics
    QLabel* m_speed = nullptr;
    QLabel* m_class = nullptr;
    QLabel* m_rating = nullptr;
    QLabel* m_grip = nullptr;
    StatBarImage* m_barGrip = nullptr;
    QLabel* m_turn = nullptr;
    StatBarImage* m_barTurn = nullptr;
    QLabel* m_axle = nullptr;
    StatBarImage* m_barAxle = nullptr;
    QLabel* m_mass = nullptr;
    QLabel* m_base = nullptr;
    QLabel* m_trans = nullptr;
    // Skin area (Picture1)
    QWidget* m_skinArea = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label5 = nullptr;
    QLabel* m_kakar = nullptr;
    QPushButton* m_bakbit = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_otherIm = nullptr;
    QLabel* m_cartIt = nullptr;
    HorizontalUpDown* m_picSel = nullptr;
    QPushButton* m_setskin = nullptr;
    QPushButton* m_immpit = nullptr;
    QPushButton* m_delS = nullptr;
    QLabel* m_label6 = nullptr;
    // Xtrabmps: the other skins' file names; never shown.
    QListWidget* m_xtrabmps = nullptr;
    QTimer* m_timer1 = nullptr;
    Previews* m_previews = nullptr;
    CarView* m_carView = nullptr;
    // The file kakar shows and its stamp: showing it again unchanged decodes nothing.
    QString m_kakarPath;
    FileStamp m_kakarStamp;
    std::unique_ptr<SettFileAreas> m_fileAreas;

private:
    friend void setImportChoosers(Sett& window, ImportChoosers* choosers);

    void buildWindow();
    QWidget* buildStatistics();
    QWidget* buildParameterArea();
    QWidget* buildSkinArea();
    // Puts the statistics in m_stats on the labels and bars.
    void showStatistics();
};

} // namespace parkwen
