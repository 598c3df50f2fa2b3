// The commands of the details window's parameter and skin areas. The work is done by ParamFiles,
// Skins and the imports; the handlers here run them and draw the result.

#include "details/ui/sett.h"

#include "details/imports.h"
#include "details/paramfiles.h"
#include "details/skins.h"
#include "details/ui/qtimportchoosers.h"
#include "details/ui/settfiles.h"
#include "details/ui/updown.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace parkwen {

namespace {

// The parameter files, the skins and the choosers of one open details window. A child of the
// window, created with its first use, so that it lives exactly as long as the window.
class SettFiles : public QObject
{
public:
    SettFiles(Sett& window, Platform& platform)
        : QObject(&window), params(platform.fs, platform.dialogs, window.carPath()),
          skins(platform.fs, platform.pictures, platform.dialogs, window.carPath()),
          qtChoosers(platform.fs, platform.pictures, &window)
    {
        setObjectName(QStringLiteral("SettFiles"));
    }

    ImportChoosers& choosers() { return scripted ? *scripted : qtChoosers; }

    ParamFiles params;
    Skins skins;
    QtImportChoosers qtChoosers;
    ImportChoosers* scripted = nullptr;
};

SettFiles& filesOf(Sett& window)
{
    auto* files = window.findChild<SettFiles*>(QStringLiteral("SettFiles"), Qt::FindDirectChildrenOnly);
    if (!files)
        files = new SettFiles(window, window.platform());
    return *files;
}

// Puts the list of parameter files into Params and the table, selecting `row` (-1: none).
// Signals are blocked: a change of the current row would run the show command.
void drawParams(QListWidget* list, QStringList& table, const ParamFiles& params, int row)
{
    const QSignalBlocker block(list);
    list->clear();
    table.clear();
    for (const ParamFiles::Entry& e : params.entries()) {
        list->addItem(e.title);
        table << e.fileName;
    }
    list->setCurrentRow(row < list->count() ? row : -1);
}

struct SkinControls
{
    QListWidget* xtrabmps;
    HorizontalUpDown* picSel;
    QLabel* otherIm;
    QLabel* cartIt;
    QPushButton* setskin;
    QPushButton* delS;
    bool& foundSkin;
};

void drawSkins(Sett& window, const SkinControls& c, const Skins& skins)
{
    c.xtrabmps->clear();
    c.xtrabmps->addItems(skins.others());
    {
        const QSignalBlocker block(c.picSel);
        c.picSel->setRange(0, skins.maximum());
        c.picSel->setValue(skins.value());
    }
    c.foundSkin = skins.found();
    c.setskin->setEnabled(skins.found());
    c.delS->setEnabled(skins.found());
    c.cartIt->setText(skins.shownName());
    window.showCarPicture(c.otherIm, skins.shownName());
}

QString importStartFolder(FileSystem& fs, const DetailsContext& context, const QString& carPath)
{
    if (!context.carFolder.isEmpty() && fs.isFolder(context.carFolder))
        return context.carFolder;
    const qsizetype at = carPath.lastIndexOf(QLatin1Char('/'));
    return at > 0 ? carPath.left(at) : carPath;
}

} // namespace

void setImportChoosers(Sett& window, ImportChoosers* choosers)
{
    filesOf(window).scripted = choosers;
}

// --- Parameter area ---
// The commands wait for the opening sequence: before it the lists do not exist yet.

void Sett::listParams()
{
    SettFiles& f = filesOf(*this);
    f.params.showText = [this](const QByteArray& text) {
        m_rtb.setText(QString::fromLatin1(text));
        loadparams();
    };
    f.params.fill();
    drawParams(m_params, m_paramFiles, f.params, -1);
}

void Sett::par(const QString& path)
{
    SettFiles& f = filesOf(*this);
    m_rtb.setPosition(0);
    if (m_rtb.load(m_platform.fs, path))
        return;
    f.params.par(lastName(path), m_rtb.bytes());
    drawParams(m_params, m_paramFiles, f.params, m_params->currentRow());
}

void Sett::par2()
{
    // Titles the copy held in RTB. The import lists it once the copy has been written, so that the
    // list never shows a file that is not there.
    QByteArray text = m_rtb.bytes();
    filesOf(*this).params.par2(text);
    m_rtb.setText(QString::fromLatin1(text));
}

void Sett::Params_Click()
{
    if (!m_filled)
        return;
    filesOf(*this).params.Params_Click(m_params->currentRow());
}

void Sett::Bacup_Click()
{
    if (!m_filled)
        return;
    SettFiles& f = filesOf(*this);
    if (f.params.Bacup_Click())
        drawParams(m_params, m_paramFiles, f.params, m_params->currentRow());
}

void Sett::Settt_Click()
{
    if (!m_filled)
        return;
    filesOf(*this).params.Settt_Click(m_params->currentRow());
}

void Sett::DelP_Click()
{
    if (!m_filled)
        return;
    SettFiles& f = filesOf(*this);
    if (f.params.DelP_Click(m_params->currentRow()))
        drawParams(m_params, m_paramFiles, f.params, -1);
}

void Sett::Impit_Click()
{
    if (!m_filled)
        return;
    SettFiles& f = filesOf(*this);
    ImportContext context{m_platform.fs, m_platform.pictures, m_platform.dialogs, f.choosers(),
                          importStartFolder(m_platform.fs, m_context, m_carPath)};
    if (importParameters(context, f.params))
        drawParams(m_params, m_paramFiles, f.params, m_params->currentRow());
}

// --- Skin area ---

void Sett::listSkins()
{
    SettFiles& f = filesOf(*this);
    f.skins.list(m_currentSkin);
    drawSkins(*this, {m_xtrabmps, m_picSel, m_otherIm, m_cartIt, m_setskin, m_delS, m_foundSkin}, f.skins);
}

void Sett::PicSel_Change()
{
    if (!m_filled)
        return;
    SettFiles& f = filesOf(*this);
    f.skins.PicSel_Change(m_picSel->value());
    drawSkins(*this, {m_xtrabmps, m_picSel, m_otherIm, m_cartIt, m_setskin, m_delS, m_foundSkin}, f.skins);
}

void Sett::setskin_Click()
{
    if (!m_filled)
        return;
    SettFiles& f = filesOf(*this);
    if (f.skins.setskin_Click(m_currentSkin))
        showCarPicture(m_kakar, m_currentSkin);
}

void Sett::Bakbit_Click()
{
    if (!m_filled)
        return;
    SettFiles& f = filesOf(*this);
    f.skins.Bakbit_Click(m_currentSkin);
    drawSkins(*this, {m_xtrabmps, m_picSel, m_otherIm, m_cartIt, m_setskin, m_delS, m_foundSkin}, f.skins);
}

void Sett::DelS_Click()
{
    if (!m_filled)
        return;
    SettFiles& f = filesOf(*this);
    f.skins.DelS_Click();
    drawSkins(*this, {m_xtrabmps, m_picSel, m_otherIm, m_cartIt, m_setskin, m_delS, m_foundSkin}, f.skins);
}

void Sett::IMMPIT_Click()
{
    if (!m_filled)
        return;
    SettFiles& f = filesOf(*this);
    ImportContext context{m_platform.fs, m_platform.pictures, m_platform.dialogs, f.choosers(),
                          importStartFolder(m_platform.fs, m_context, m_carPath)};
    if (importSkin(context, f.skins, m_carPath))
        drawSkins(*this, {m_xtrabmps, m_picSel, m_otherIm, m_cartIt, m_setskin, m_delS, m_foundSkin},
                  f.skins);
}

} // namespace parkwen
