#include "details/ui/settfileareas.h"

#include "details/imports.h"
#include "details/paramfiles.h"
#include "details/skins.h"
#include "details/ui/qtimportchoosers.h"
#include "details/ui/updown.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace parkwen {

namespace {

QString importStartFolder(FileSystem& fs, const DetailsContext& context, const QString& carPath)
{
    if (!context.carFolder.isEmpty() && fs.isFolder(context.carFolder))
        return context.carFolder;
    const qsizetype at = carPath.lastIndexOf(QLatin1Char('/'));
    return at > 0 ? carPath.left(at) : carPath;
}

} // namespace

struct SettFileAreas::Files
{
    Files(Platform& platform, const QString& carPath, QWidget* window, CarDoor* door)
        : params(platform.fs, platform.dialogs, carPath),
          skins(platform.fs, platform.pictures, platform.dialogs, carPath),
          qtChoosers(platform.fs, platform.pictures, window)
    {
        params.setDoor(door);
        skins.setDoor(door);
    }

    ParamFiles params;
    Skins skins;
    QtImportChoosers qtChoosers;
};

SettFileAreas::SettFileAreas(Platform& platform, const DetailsContext& context, const QString& carPath,
                             SettFileControls controls, SettFileWindow window)
    : m_platform(platform), m_context(context), m_carPath(carPath), m_c(controls), m_window(std::move(window))
{
}

SettFileAreas::~SettFileAreas() = default;

SettFileAreas::Files& SettFileAreas::files()
{
    if (!m_files)
        m_files = std::make_unique<Files>(m_platform, m_carPath, m_c.window, m_context.door);
    return *m_files;
}

ImportChoosers& SettFileAreas::choosers()
{
    return m_scripted ? *m_scripted : files().qtChoosers;
}

// Signals are blocked: a change of the current row would run the show command.
void SettFileAreas::drawParams(int row)
{
    const QSignalBlocker block(m_c.params);
    m_c.params->clear();
    m_c.paramFiles.clear();
    for (const ParamFiles::Entry& e : files().params.entries()) {
        m_c.params->addItem(e.title);
        m_c.paramFiles << e.fileName;
    }
    m_c.params->setCurrentRow(row < m_c.params->count() ? row : -1);
}

void SettFileAreas::drawSkins()
{
    const Skins& skins = files().skins;
    m_c.xtrabmps->clear();
    m_c.xtrabmps->addItems(skins.others());
    {
        const QSignalBlocker block(m_c.picSel);
        m_c.picSel->setRange(0, skins.maximum());
        m_c.picSel->setValue(skins.value());
    }
    m_c.foundSkin = skins.found();
    m_c.setskin->setEnabled(skins.found());
    m_c.delS->setEnabled(skins.found());
    m_c.cartIt->setText(skins.shownName());
    m_window.showCarPicture(m_c.otherIm, skins.shownName());
}

// --- Parameter area ---
// The commands wait for the opening sequence: before it the lists do not exist yet.

void SettFileAreas::listParams()
{
    ParamFiles& params = files().params;
    params.showText = [this](const QByteArray& text) {
        m_c.rtb.setText(QString::fromLatin1(text));
        m_window.loadparams();
    };
    params.fill();
    drawParams(-1);
}

void SettFileAreas::par(const QString& path)
{
    ParamFiles& params = files().params;
    m_c.rtb.setPosition(0);
    if (m_c.rtb.load(m_platform.fs, path))
        return;
    params.addFile(lastName(path), m_c.rtb.bytes());
    drawParams(m_c.params->currentRow());
}

void SettFileAreas::par2()
{
    // Titles the copy held in RTB. The import lists it once the copy has been written, so that the
    // list never shows a file that is not there.
    QByteArray text = m_c.rtb.bytes();
    files().params.askImportedTitle(text);
    m_c.rtb.setText(QString::fromLatin1(text));
}

void SettFileAreas::Params_Click()
{
    if (!m_c.filled)
        return;
    files().params.showEntry(m_c.params->currentRow());
}

void SettFileAreas::Bacup_Click()
{
    if (!m_c.filled)
        return;
    if (files().params.backUp())
        drawParams(m_c.params->currentRow());
}

void SettFileAreas::Settt_Click()
{
    if (!m_c.filled)
        return;
    files().params.setAsCurrent(m_c.params->currentRow());
}

void SettFileAreas::DelP_Click()
{
    if (!m_c.filled)
        return;
    if (files().params.deleteEntry(m_c.params->currentRow()))
        drawParams(-1);
}

void SettFileAreas::Impit_Click()
{
    if (!m_c.filled)
        return;
    ImportContext context{m_platform.fs, m_platform.pictures, m_platform.dialogs, choosers(),
                          importStartFolder(m_platform.fs, m_context, m_carPath)};
    if (importParameters(context, files().params))
        drawParams(m_c.params->currentRow());
}

// --- Skin area ---

void SettFileAreas::listSkins()
{
    files().skins.list(m_c.currentSkin);
    drawSkins();
}

void SettFileAreas::PicSel_Change()
{
    if (!m_c.filled)
        return;
    files().skins.showOther(m_c.picSel->value());
    drawSkins();
}

void SettFileAreas::setskin_Click()
{
    if (!m_c.filled)
        return;
    if (files().skins.setChosenAsCurrent(m_c.currentSkin))
        m_window.showCarPicture(m_c.kakar, m_c.currentSkin);
}

void SettFileAreas::Bakbit_Click()
{
    if (!m_c.filled)
        return;
    files().skins.backUpCurrent(m_c.currentSkin);
    drawSkins();
}

void SettFileAreas::DelS_Click()
{
    if (!m_c.filled)
        return;
    files().skins.deleteChosen();
    drawSkins();
}

void SettFileAreas::IMMPIT_Click()
{
    if (!m_c.filled)
        return;
    ImportContext context{m_platform.fs, m_platform.pictures, m_platform.dialogs, choosers(),
                          importStartFolder(m_platform.fs, m_context, m_carPath)};
    if (importSkin(context, files().skins, m_carPath))
        drawSkins();
}

} // namespace parkwen
