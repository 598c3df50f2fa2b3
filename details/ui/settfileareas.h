#pragma once

#include "details/detailscontext.h"
#include "details/textbuffer.h"
#include "platform/platform.h"

#include <QStringList>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace parkwen {

class HorizontalUpDown;
class ImportChoosers;

// The controls of the details window's parameter and skin areas, and the window's state the areas
// keep. All belong to the window, which outlives the areas.
struct SettFileControls
{
    QWidget* window;          // the parent of the chooser windows
    QListWidget* params;      // Params
    QListWidget* xtrabmps;    // Xtrabmps
    HorizontalUpDown* picSel; // PicSel
    QLabel* kakar;
    QLabel* otherIm;
    QLabel* cartIt; // Cart_It
    QPushButton* setskin;
    QPushButton* delS;
    TextBuffer& rtb;         // RTB
    QStringList& paramFiles; // entry k of Params is the file paramFiles[k]
    QString& currentSkin;    // the skin file named by the parameter file last read
    bool& foundSkin;         // whether the car has other skins
    const bool& filled;      // the commands wait for the opening sequence
};

// What the areas ask of the window.
struct SettFileWindow
{
    // Reads the statistics from RTB and shows them, with the current skin.
    std::function<void()> loadparams;
    // Shows the picture file `name` of the car folder in an image control.
    std::function<void(QLabel* image, const QString& name)> showCarPicture;
};

// The commands of the details window's parameter and skin areas. The work is done by ParamFiles,
// Skins and the imports; the commands here run them and draw the result on the window's controls.
// The window forwards its handlers here; the areas know the window only through its controls and
// the two requests above.
class SettFileAreas
{
public:
    SettFileAreas(Platform& platform, const DetailsContext& context, const QString& carPath,
                  SettFileControls controls, SettFileWindow window);
    ~SettFileAreas();

    // Asks through `choosers` instead of the real chooser windows; nullptr brings those back.
    void setChoosers(ImportChoosers* choosers) { m_scripted = choosers; }

    // --- Parameter area ---
    void listParams();
    void par(const QString& path);
    void par2();
    void Params_Click();
    void Bacup_Click();
    void Settt_Click();
    void DelP_Click();
    void Impit_Click();

    // --- Skin area ---
    void listSkins();
    void PicSel_Change();
    void setskin_Click();
    void Bakbit_Click();
    void DelS_Click();
    void IMMPIT_Click();

private:
    struct Files;
    // The parameter files, the skins and the real choosers, made with their first use.
    Files& files();
    ImportChoosers& choosers();
    // Puts the list of parameter files into Params and the table, selecting `row` (-1: none).
    void drawParams(int row);
    void drawSkins();

    Platform& m_platform;
    const DetailsContext& m_context;
    const QString& m_carPath;
    SettFileControls m_c;
    SettFileWindow m_window;
    std::unique_ptr<Files> m_files;
    ImportChoosers* m_scripted = nullptr;
};

} // namespace parkwen
