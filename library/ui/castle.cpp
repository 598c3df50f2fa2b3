#include "library/ui/castle.h"

#include "library/carnames.h"
#include "library/ui/carlistview.h"
#include "library/ui/cartable.h"
#include "library/ui/keyswindow.h"
#include "library/ui/packswindow.h"
#include "setup/gamesettings.h"

#include <QAction>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

// The main window: its controls' events handed to the car library, and what it shows of the library.

namespace parkwen {

Castle::Castle(CarLibrary& cars, QWidget* parent)
    : QWidget(parent), m_cars(cars), m_actions(new CastleActions(this))
{
    setObjectName(QStringLiteral("Castle"));
    setWindowTitle(tr("Parkwen - Car Selection"));
    makeLists();
    makeMoveButtons();
    makePicture();
    int row = 0;
    QGridLayout* toolbox = makeToolbox(row);
    makeCounts(toolbox, row);

    connectList(m_Cart3, true);
    connectList(m_Gartery, false);
    m_Cart3->setPartner(m_Gartery);
    m_Gartery->setPartner(m_Cart3);
    m_lastUsedList = m_Cart3;
    acceptInstallDrops();
    connectActions();
    connect(&m_cars, &CarLibrary::changed, this, &Castle::refresh);
    connect(&m_cars, &CarLibrary::focusRequested, this,
            [this](FolderRole role) { (role == FolderRole::Cars ? m_Cart3 : m_Gartery)->setFocus(); });

    m_Electricity = new QTimer(this);
    m_Electricity->setObjectName(QStringLiteral("Electricity"));
    m_Electricity->setInterval(500);
    connect(m_Electricity, &QTimer::timeout, this, &Castle::Electricity_Timer);
    m_Electricity->start();

    applyStyle();
    refresh();
}

void Castle::sendChosenFrom(FolderRole from)
{
    CarListView* view = from == FolderRole::Cars ? m_Cart3 : m_Gartery;
    if (view->chosenCount() > 1)
        m_moves.send(chosenNames(view), otherRole(from));
    else
        m_moves.record([this, from] { m_cars.moveChosenFrom(from); });
}

void Castle::CopAll_Click()
{
    m_moves.record([this] { m_cars.moveAllFrom(FolderRole::Garage); });
}

void Castle::DelAll_Click()
{
    m_moves.record([this] { m_cars.moveAllFrom(FolderRole::Cars); });
}

void Castle::SetLdPlus_Click()
{
    m_moves.record([this] { emit loadSetRequested(); });
}

void Castle::SetLdOnly_Click()
{
    m_moves.record([this] { emit setOnlyRequested(); });
}

void Castle::SetRemv_Click()
{
    m_moves.record([this] { emit removeSetRequested(); });
}

void Castle::Del_Click()
{
    const FolderRole from = m_cars.display().lastChosen;
    CarListView* view = from == FolderRole::Cars ? m_Cart3 : m_Gartery;
    if (view->chosenCount() > 1)
        m_moves.remove(chosenNames(view), from);
    else
        m_cars.deleteChosen();
}

void Castle::undo()
{
    const bool packlistNewer =
        m_packEditing && m_packEditing->canUndo() && m_movesAtPackChange == m_moves.history().size();
    if (!packlistNewer) {
        m_moves.undo();
        return;
    }
    m_packEditing->undo();
    m_cars.readGame();
}

void Castle::CarTable_Click()
{
    if (!m_table) {
        m_table = new CarTable(m_cars, m_moves, this);
        m_table->onAddToSet = [this](const QStringList& names) { emit addToSetRequested(names); };
    }
    m_table->statsCache = statsCache;
    m_table->reload();
    m_table->show();
    m_table->raise();
    m_table->activateWindow();
}

void Castle::Packs_Click()
{
    m_cars.readGame();
    const std::optional<GameFolder>& game = m_cars.game().folder();
    Platform& platform = m_cars.platform();
    if (!game) {
        platform.dialogs.plain(
            tr("The Car Folder %1 is not the cars folder of a game folder or of a pack, so "
               "there are no packs to show.")
                .arg(m_cars.folder(FolderRole::Cars).path()));
        return;
    }
    if (!m_packEditing || m_packEditing->game().path != game->path)
        m_packEditing = std::make_unique<PacklistEditing>(platform.fs, platform.dialogs, *game);
    PacksWindow window(*m_packEditing, platform.dialogs, m_cars.game().packlist(), this);
    connect(&window, &PacksWindow::packlistChosen, this, [this, &platform](const QString& packlist) {
        GameSettings(platform.configHome()).setPacklist(packlist);
        m_cars.readGame();
    });
    connect(&window, &PacksWindow::packlistChanged, this, [this] {
        m_movesAtPackChange = m_moves.history().size();
        m_cars.readGame();
    });
    window.exec();
}

void Castle::ksl_Click()
{
    if (isListened(&Castle::keysRequested))
        emit keysRequested();
    else
        KeysWindow::showModal(this);
}

void Castle::connectActions()
{
    using C = CastleActions;
    const auto on = [this](C::Command command, auto handler) {
        connect(m_actions->action(command), &QAction::triggered, this, handler);
    };
    on(C::BringChosen, [this] { Carter_Click(); });
    on(C::SendChosen, [this] { Garter_Click(); });
    on(C::Settings, [this] { RUNA_Click(); });
    on(C::Help, [this] { Mama_Click(); });
    on(C::ResetNumber, [this] { Reg_Click(); });
    on(C::Refresh, [this] { Refra_Click(); });
    on(C::Install, [this] { Install_Click(); });
    on(C::Table, [this] { CarTable_Click(); });
    on(C::Packs, [this] { Packs_Click(); });
    on(C::Play, [this] { Play_Click(); });
    on(C::Filter, [this] { focusFilter(); });
    on(C::Undo, [this] { undo(); });
    on(C::CreateSet, [this] { Crete_Click(); });
    on(C::EditSet, [this] { Ed_It_Click(); });
    on(C::LoadSet, [this] { SetLdPlus_Click(); });
    on(C::SetOnly, [this] { SetLdOnly_Click(); });
    on(C::RemoveSet, [this] { SetRemv_Click(); });
    on(C::AllToGarage, [this] { DelAll_Click(); });
    on(C::AllToCarFolder, [this] { CopAll_Click(); });
    on(C::DeleteCar, [this] { Del_Click(); });
    on(C::Keys, [this] { ksl_Click(); });
    on(C::MoveFromList,
       [this] { sendChosenFrom(m_menuList == m_Cart3 ? FolderRole::Cars : FolderRole::Garage); });
    on(C::DeleteFromList, [this] { Del_Click(); });
    on(C::OpenDetails, [this] {
        if (m_menuList == m_Cart3)
            Cart3_DblClick();
        else
            Gartery_DblClick();
    });
    on(C::ShowInFileManager, [this] { showChosenInFileManager(); });
}

void Castle::showChosenInFileManager()
{
    const bool carList = m_menuList == m_Cart3;
    const int lead = m_menuList ? m_menuList->leadRow() : -1;
    if (lead < 0)
        return;
    const QString folder =
        joinPath(carList ? m_cars.folder(FolderRole::Cars).path() : m_cars.folder(FolderRole::Garage).path(),
                 (carList ? m_cars.folder(FolderRole::Cars).list() : m_cars.folder(FolderRole::Garage).list())
                     .text(lead));
    const QUrl url = QUrl::fromLocalFile(folder);
    if (isListened(&Castle::folderOpenRequested))
        emit folderOpenRequested(url);
    else
        QDesktopServices::openUrl(url);
}

void Castle::Electricity_Timer()
{
    if (m_light.tick(m_cars.display().overLimit))
        refresh();
}

void Castle::setLightPictures(const QPixmap& resting, const QPixmap& lit)
{
    m_l1->setPixmap(resting);
    m_l2->setPixmap(lit);
    refresh();
}

void Castle::refresh()
{
    m_Cam->setText(countText(m_cars.folder(FolderRole::Cars)));
    m_Gam->setText(countText(m_cars.folder(FolderRole::Garage)));
    // The frame's own caption, before any car is chosen, is in the user's language; car names never are.
    const bool ownCaption = m_cars.display().caption == QLatin1String("Picture") &&
                            m_cars.folder(FolderRole::Cars).chosen().isEmpty() &&
                            m_cars.folder(FolderRole::Garage).chosen().isEmpty();
    m_PikFra->setTitle(ownCaption ? tr("Picture") : m_cars.display().caption);
    m_Pikcha->setPixmap(QPixmap::fromImage(m_cars.display().picture));
    m_Garter->setEnabled(m_cars.display().canSendChosen);
    m_Del->setEnabled(m_cars.display().canDeleteChosen);
    m_Light->setPixmap(m_light.isLit() ? m_l2->pixmap() : m_l1->pixmap());
    // With a packlist the light counts every car the game loads.
    const GameWatch& game = m_cars.game();
    m_loadedLine->setVisible(game.active());
    if (game.active()) {
        const int loaded = game.loadedCount(m_cars.folder(FolderRole::Cars).list());
        m_loadedLine->setText(loadedSentence(loaded, game.packCount()) + QLatin1Char(' ') +
                              tr("(packlist %1)").arg(game.packlist()));
        m_Light->setToolTip(tr("This light flashes when the game loads as many cars as the \"Max Car "
                               "Amount\" (%1) or more, counting every pack the packlist %2 loads.")
                                .arg(m_cars.options().maxCars)
                                .arg(game.packlist()));
    } else {
        m_Light->setToolTip(tr("This light flashes when the \"Car Amount\" for \"Car Fol.\" exceeds "
                               "that of the \"Max Car Amount.\""));
    }
}

} // namespace parkwen
