#include "library/ui/castle.h"

#include "library/ui/carlistview.h"
#include "library/ui/cartable.h"
#include "library/ui/keyswindow.h"
#include "library/ui/shortcuts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

// The main window: its controls' events handed to the car library, and what it shows of the library.

namespace parkwen {

Castle::Castle(CarLibrary& cars, QWidget* parent) : QWidget(parent), m_cars(cars)
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
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    acceptInstallDrops();
    connect(&m_cars, &CarLibrary::changed, this, &Castle::refresh);
    connect(&m_cars, &CarLibrary::focusRequested, this,
            [this](int list) { (list == CarLibrary::LastCarList ? m_Cart3 : m_Gartery)->setFocus(); });

    m_Electricity = new QTimer(this);
    m_Electricity->setObjectName(QStringLiteral("Electricity"));
    m_Electricity->setInterval(500);
    connect(m_Electricity, &QTimer::timeout, this, &Castle::Electricity_Timer);
    m_Electricity->start();

    // Every key reaches the window first, whichever control has the focus.
    qApp->installEventFilter(this);

    applyStyle();
    refresh();
}

void Castle::sendChosen(bool toGarage)
{
    CarListView* view = toGarage ? m_Cart3 : m_Gartery;
    if (view->chosenCount() > 1)
        m_moves.send(chosenNames(view), toGarage);
    else if (toGarage)
        m_moves.record([this] { m_cars.sendChosenToGarage(); });
    else
        m_moves.record([this] { m_cars.bringChosenToCarFolder(); });
}

void Castle::CopAll_Click()
{
    m_moves.record([this] { m_cars.bringAllToCarFolder(); });
}

void Castle::DelAll_Click()
{
    m_moves.record([this] { m_cars.sendAllToGarage(); });
}

void Castle::SetLdPlus_Click()
{
    m_moves.record([this] { runHook(onSetLdPlus); });
}

void Castle::SetLdOnly_Click()
{
    m_moves.record([this] { runHook(onSetLdOnly); });
}

void Castle::SetRemv_Click()
{
    m_moves.record([this] { runHook(onSetRemv); });
}

void Castle::Del_Click()
{
    const bool fromCars = m_cars.lastChosenList() == CarLibrary::LastCarList;
    CarListView* view = fromCars ? m_Cart3 : m_Gartery;
    if (view->chosenCount() > 1)
        m_moves.remove(chosenNames(view), fromCars);
    else
        m_cars.deleteChosen();
}

void Castle::undo()
{
    m_moves.undo();
}

void Castle::CarTable_Click()
{
    if (!m_table) {
        m_table = new CarTable(m_cars, m_moves, this);
        m_table->onAddToSet = [this](const QStringList& names) {
            if (onAddToSet)
                onAddToSet(names);
        };
    }
    m_table->statsCache = statsCache;
    m_table->reload();
    m_table->show();
    m_table->raise();
    m_table->activateWindow();
}

void Castle::runHook(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

void Castle::ksl_Click()
{
    if (onKeys)
        onKeys();
    else
        KeysWindow::showModal(this);
}

void Castle::Electricity_Timer()
{
    if (m_light.tick(m_cars.isOverLimit()))
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
    m_Cam->setText(m_cars.carCountText());
    m_Gam->setText(m_cars.garageCountText());
    // The frame's own caption, before any car is chosen, is in the user's language; car names never are.
    const bool ownCaption = m_cars.pictureCaption() == QLatin1String("Picture") &&
                            m_cars.chosenCar().isEmpty() && m_cars.chosenGarageCar().isEmpty();
    m_PikFra->setTitle(ownCaption ? tr("Picture") : m_cars.pictureCaption());
    m_Pikcha->setPixmap(QPixmap::fromImage(m_cars.shownPicture()));
    m_Garter->setEnabled(m_cars.canSendChosen());
    m_Del->setEnabled(m_cars.canDeleteChosen());
    m_Light->setPixmap(m_light.isLit() ? m_l2->pixmap() : m_l1->pixmap());
}

bool Castle::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F6 && !key->isAutoRepeat()) {
                Install_Click();
                return true;
            }
            if (key->key() == Qt::Key_F7 && !key->isAutoRepeat()) {
                CarTable_Click();
                return true;
            }
            const bool ctrl = key->modifiers() & Qt::ControlModifier;
            if (ctrl && key->key() == Qt::Key_F) {
                focusFilter();
                return true;
            }
            // Typing into a filter box types; only the function keys stay shortcuts there.
            const bool functionKey = key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35;
            if (qobject_cast<QLineEdit*>(widget) && !functionKey)
                return QWidget::eventFilter(watched, event);
            if (ctrl && key->key() == Qt::Key_Z) {
                if (!key->isAutoRepeat())
                    undo();
                return true;
            }
            if (key->key() == Qt::Key_X || key->key() == Qt::Key_Z) {
                const bool toGarage = key->key() == Qt::Key_X;
                if ((toGarage ? m_Cart3 : m_Gartery)->chosenCount() > 1)
                    sendChosen(toGarage);
                else
                    m_moves.record([this, key] { runShortcut(m_cars, key->key()); });
                return true;
            }
            if (!key->isAutoRepeat()) {
                if (runShortcut(m_cars, key->key()))
                    return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace parkwen
