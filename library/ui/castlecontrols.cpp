#include "library/ui/castle.h"

#include "library/bothfolders.h"
#include "library/ui/carlistview.h"
#include "library/ui/lightart.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QGroupBox>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

// Building the main window's controls and laying them out.

namespace parkwen {

namespace {

int px(int twips)
{
    return int(std::lround(twips / double(Castle::TwipsPerPixel)));
}

// Shows a neutral picture for an entry whose own picture could not be loaded.
class PlaceholderModel : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        QVariant value = QIdentityProxyModel::data(index, role);
        if (role == Qt::DecorationRole && value.value<QImage>().isNull())
            return placeholder();
        return value;
    }

private:
    static QImage placeholder()
    {
        static const QImage image = [] {
            QImage img(PictureStore::Size, PictureStore::Size, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(150, 150, 160), 2, Qt::DashLine));
            p.setBrush(QColor(235, 235, 240));
            p.drawRoundedRect(QRectF(3, 3, 58, 58), 8, 8);
            p.setPen(QColor(130, 130, 140));
            QFont f = p.font();
            f.setPixelSize(26);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("?"));
            return img;
        }();
        return image;
    }
};

// The local files and folders a drag from a file manager carries.
QStringList localPaths(const QMimeData* data)
{
    QStringList paths;
    if (data)
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                paths << url.toLocalFile();
    return paths;
}

} // namespace

void Castle::makeLists()
{
    m_marks = new BothFolders(m_cars.folder(FolderRole::Cars).list(),
                              m_cars.folder(FolderRole::Garage).list(), this);
    auto makeList = [this](const char* name, bool carList, const QString& tooltip) {
        auto* view = new CarListView(QString::fromLatin1(name), this);
        auto* proxy = new PlaceholderModel(view);
        proxy->setSourceModel(&m_cars.folder(carList ? FolderRole::Cars : FolderRole::Garage).list());
        view->setEntries(proxy, *m_marks, carList);
        view->setViewMode(QListView::ListMode);
        view->setIconSize(QSize(PictureStore::Size, PictureStore::Size));
        view->setUniformItemSizes(true); // keeps thousands of entries cheap to lay out
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSpacing(1);
        view->setToolTip(tooltip);
        return view;
    };
    m_Cart3 =
        makeList("Cart3", true,
                 tr("Double Click to View Settings & Stats for selected car. Single Click then click on "
                    "the \">>\" Button to send to Garage Folder"));
    m_Gartery = makeList("Gartery", false,
                         tr("Double Click to View Settings & Stats for selected car. Single Click then click "
                            "on the \"<<\" Button to send to Car Folder"));

    auto makeHeading = [this](const char* name, const QString& text, QListView* buddy) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignCenter);
        label->setProperty("heading", true);
        label->setBuddy(buddy);
        buddy->setAccessibleName(text);
        return label;
    };
    m_Label1 = makeHeading("Label1", tr("Car Folder"), m_Cart3);
    m_Label2 = makeHeading("Label2", tr("Garage Folder"), m_Gartery);
    // What a screen reader says for the controls without a caption of their own.
    m_Cart3->filterBox()->setAccessibleName(tr("Filter the Car Folder"));
    m_Gartery->filterBox()->setAccessibleName(tr("Filter the Garage Folder"));
    m_Cart3->shownLine()->setAccessibleDescription(tr("Cars of the Car Folder shown by the filter"));
    m_Gartery->shownLine()->setAccessibleDescription(tr("Cars of the Garage Folder shown by the filter"));
    // Tab: each filter box, then the entries it filters.
    QWidget::setTabOrder(m_Cart3->filterBox(), m_Cart3);
    QWidget::setTabOrder(m_Cart3, m_Gartery->filterBox());
    QWidget::setTabOrder(m_Gartery->filterBox(), m_Gartery);
    for (CarListView* view : {m_Cart3, m_Gartery})
        view->setAccessibleDescription(tr("Menu key or Shift+F10: what to do with the chosen cars. "
                                          "Ctrl+F: filter the list."));
}

void Castle::makeMoveButtons()
{
    m_Garter = makeButton(CastleActions::SendChosen, "Garter");
    m_Carter = makeButton(CastleActions::BringChosen, "Carter");
    m_Garter->setParent(this);
    m_Carter->setParent(this);
}

void Castle::makePicture()
{
    // The picture of the car chosen last.
    m_PikFra = new QGroupBox(tr("Picture"), this);
    m_PikFra->setObjectName(QStringLiteral("PikFra"));
    m_Pikcha = new QLabel(m_PikFra);
    m_Pikcha->setObjectName(QStringLiteral("Pikcha"));
    m_Pikcha->setScaledContents(true);
    m_Pikcha->setAccessibleName(tr("Picture of the car chosen last"));
    m_Pikcha->setToolTip(
        tr("A Picture of the car last selected on both the \"Car Folder\" & \"Garage Folder.\""));
    auto* pikLayout = new QVBoxLayout(m_PikFra);
    pikLayout->setContentsMargins(8, 4, 8, 8);
    pikLayout->addWidget(m_Pikcha, 0, Qt::AlignHCenter);
}

QGridLayout* Castle::makeToolbox(int& row)
{
    // The toolbox.
    m_AmtFra = new QGroupBox(tr("Toolbox"), this);
    m_AmtFra->setObjectName(QStringLiteral("AmtFra"));
    // The toolbox scrolls rather than squeezing its buttons together in a small window.
    auto* outer = new QVBoxLayout(m_AmtFra);
    outer->setContentsMargins(2, 4, 2, 2);
    auto* scroll = new QScrollArea(m_AmtFra);
    scroll->setObjectName(QStringLiteral("AmtScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* tools = new QWidget(scroll);
    tools->setObjectName(QStringLiteral("AmtTools"));
    tools->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // always as wide as the toolbox
    scroll->setWidget(tools);
    outer->addWidget(scroll);
    auto* box = new QGridLayout(tools);
    box->setContentsMargins(4, 2, 4, 4);
    box->setHorizontalSpacing(4);
    box->setVerticalSpacing(2);
    auto addRow = [&](std::initializer_list<QWidget*> widgets) {
        int col = 0;
        const int span = widgets.size() == 1 ? 6 : (widgets.size() == 2 ? 3 : 2);
        for (QWidget* w : widgets) {
            box->addWidget(w, row, col, 1, span);
            col += span;
        }
        ++row;
    };
    using C = CastleActions;
    auto button = [&](C::Command command, const char* name) {
        QPushButton* b = makeButton(command, name);
        b->setParent(m_AmtFra);
        return b;
    };

    addRow({makeInstruction("Label8", tr("Click Create Set to Create a set of cars for use on the buttons "
                                         "below & Edit Set to Edit a created set"))});
    addRow({button(C::CreateSet, "Crete"), button(C::EditSet, "Ed_It")});
    addRow({makeInstruction("Label9", tr("Load set: Loads Set. Set Only: Loads Set, remove other Cars. "
                                         "Rem Set: Removes Set to Garage"))});
    addRow(
        {button(C::LoadSet, "SetLdPlus"), button(C::SetOnly, "SetLdOnly"), button(C::RemoveSet, "SetRemv")});
    addRow({makeInstruction("Label7", tr("Click the X to Delete the last Car. Use the other buttons to "
                                         "Select \\ Deselect all."))});
    m_Del = button(C::DeleteCar, "Del");
    addRow({button(C::AllToGarage, "DelAll"), button(C::AllToCarFolder, "CopAll"), m_Del});
    addRow({button(C::Install, "Install"), button(C::Table, "CarTableButton")});
    addRow({button(C::Packs, "Packs"), button(C::Play, "Play")});
    addRow({makeInstruction("Label6",
                            tr("Click Keys to view the Shortcut keys. Click Help for complete Help"))});
    addRow({button(C::Keys, "ksl"), button(C::Help, "Mama")});
    addRow({makeInstruction("Label5", tr("Click Refresh to refresh the toolbars. Click \"Reset Reg.\" to "
                                         "reset the Car Number in the Registry"))});
    addRow({button(C::Refresh, "Refra"), button(C::ResetNumber, "Reg")});
    addRow({makeInstruction("Label4", tr("Click Settings to setup your folders & Max Car Amount"))});
    addRow({button(C::Settings, "RUNA")});
    return box;
}

void Castle::makeCounts(QGridLayout* box, int row)
{
    // The light and the counts.
    m_Light = new QLabel(m_AmtFra);
    m_Light->setObjectName(QStringLiteral("Light"));
    m_Light->setFixedSize(50, 50);
    m_Light->setAccessibleName(tr("Warning light"));
    m_Light->setToolTip(tr("This light flashes when the \"Car Amount\" for \"Car Fol.\" exceeds "
                           "that of the \"Max Car Amount.\""));
    m_l1 = new QLabel(m_AmtFra);
    m_l1->setObjectName(QStringLiteral("l1"));
    m_l1->hide();
    m_l2 = new QLabel(m_AmtFra);
    m_l2->setObjectName(QStringLiteral("l2"));
    m_l2->hide();
    auto* Label3 = new QLabel(tr("Car Fol. Grg. Fol."), m_AmtFra);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setProperty("heading", true);
    m_Cam = new QLabel(m_AmtFra);
    m_Cam->setObjectName(QStringLiteral("Cam"));
    m_Cam->setToolTip(tr("The Amount of Cars in \"Car Folder.\""));
    m_Gam = new QLabel(m_AmtFra);
    m_Gam->setObjectName(QStringLiteral("Gam"));
    m_Gam->setToolTip(tr("The Amount of Cars in \"Garage Folder.\""));
    m_Cam->setAccessibleDescription(tr("Cars in the Car Folder"));
    m_Gam->setAccessibleDescription(tr("Cars in the Garage Folder"));
    for (QLabel* count : {m_Cam, m_Gam}) {
        count->setProperty("count", true);
        count->setAlignment(Qt::AlignCenter);
    }
    auto* counts = new QGridLayout;
    counts->addWidget(m_Light, 0, 0, 2, 1);
    counts->addWidget(Label3, 0, 1, 1, 2, Qt::AlignCenter);
    counts->addWidget(m_Cam, 1, 1);
    counts->addWidget(m_Gam, 1, 2);
    m_loadedLine = new QLabel(m_AmtFra);
    m_loadedLine->setObjectName(QStringLiteral("LoadedLine"));
    m_loadedLine->setWordWrap(true);
    m_loadedLine->setProperty("instruction", true);
    m_loadedLine->setAccessibleName(tr("Cars the game loads"));
    m_loadedLine->hide();
    counts->addWidget(m_loadedLine, 2, 0, 1, 3);
    box->addLayout(counts, row, 0, 1, 6);
    box->setRowStretch(row + 1, 1);
    setLightPictures(QPixmap::fromImage(restingLightPicture()), QPixmap::fromImage(litLightPicture()));
}

void Castle::acceptInstallDrops()
{
    // Archives and car folders dragged from a file manager install into the list's folder.
    for (CarListView* view : {m_Cart3, m_Gartery}) {
        const bool garage = view == m_Gartery;
        view->acceptsExternalDrop = [this](const QMimeData* data) {
            return isListened(&Castle::installDropped) && !localPaths(data).isEmpty();
        };
        view->onExternalDrop = [this, garage](const QMimeData* data) {
            // The install runs once the drop has returned, so the file manager is not kept waiting.
            QTimer::singleShot(
                0, this, [this, paths = localPaths(data), garage] { emit installDropped(paths, garage); });
        };
    }
}

void Castle::applyStyle()
{
    setStyleSheet(QStringLiteral(
        "QLabel[heading=\"true\"] { font-weight: bold; color: #1d3557; }"
        "QLabel[instruction=\"true\"] { color: #555; font-size: 8pt; }"
        "QLabel[count=\"true\"] { font-size: 15pt; font-weight: bold; color: #1d3557; }"
        "QGroupBox { font-weight: bold; border: 1px solid #b8c0cc; border-radius: 6px; margin-top: 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
        "QListView { background: #fbfcfe; border: 1px solid #b8c0cc; border-radius: 4px; }"
        "QListView::item { padding: 1px; }"
        "QScrollArea#AmtScroll, QWidget#AmtTools { background: transparent; }"
        "QListView::item:selected { background: #cfe0f7; color: black; }"
        "QLabel[shownLine=\"true\"] { color: #1d3557; font-size: 8pt; }"
        "QPushButton#Garter, QPushButton#Carter { font-size: 13pt; font-weight: bold; }"));

    // The layout rules need room for both lists beside the picture frame; below this they fail.
    setMinimumSize(px(7200), px(5400));
    resize(px(13800), px(10500));
}

QPushButton* Castle::makeButton(CastleActions::Command command, const char* name)
{
    return m_actions->makeButton(command, name, this);
}

QLabel* Castle::makeInstruction(const char* name, const QString& text)
{
    auto* label = new QLabel(text, m_AmtFra);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setProperty("instruction", true);
    return label;
}

void Castle::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls(width() * TwipsPerPixel, height() * TwipsPerPixel);
}

void Castle::layoutControls(int W, int H)
{
    const int P = PictureFrameWidth;
    const int w = int(std::lround(double(W - P - 240))) / 2;
    const int listTop = px(480);
    const int buttonHeight = px(480);

    // Each step either takes effect or fails; the first failure skips the rest.
    bool failed = false;
    auto step = [&](auto apply, int value, bool isSize) {
        if (failed)
            return;
        if (isSize && value < 0) {
            failed = true;
            return;
        }
        apply(value);
    };
    auto setHeight = [](QWidget* wd) { return [wd](int v) { wd->resize(wd->width(), px(v)); }; };
    auto setWidth = [](QWidget* wd) { return [wd](int v) { wd->resize(px(v), wd->height()); }; };
    auto setLeft = [](QWidget* wd) { return [wd](int v) { wd->move(px(v), wd->y()); }; };
    auto setTop = [](QWidget* wd) { return [wd](int v) { wd->move(wd->x(), px(v)); }; };

    // Designed places of what the steps do not move.
    if (m_Cart3->y() != listTop) {
        m_Cart3->setGeometry(0, listTop, m_Cart3->width(), m_Cart3->height());
        m_Gartery->setGeometry(m_Gartery->x(), listTop, m_Gartery->width(), m_Gartery->height());
        m_Label1->setGeometry(0, 0, m_Label1->width(), listTop);
        m_Label2->setGeometry(m_Label2->x(), 0, m_Label2->width(), listTop);
        m_Garter->setGeometry(0, m_Garter->y(), m_Garter->width(), buttonHeight);
        m_Carter->setGeometry(m_Carter->x(), m_Carter->y(), m_Carter->width(), buttonHeight);
        m_PikFra->setGeometry(m_PikFra->x(), 0, px(P), px(3400));
        m_AmtFra->setGeometry(m_AmtFra->x(), px(3450), px(P), px(7000));
    }

    step(setHeight(m_Cart3), H - 1600, true);
    step(setWidth(m_Cart3), w, true);
    step(setWidth(m_Label1), w, true);
    step(setHeight(m_Gartery), H - 1600, true);
    step(setWidth(m_Gartery), w, true);
    step(setWidth(m_Label2), w, true);
    step(setLeft(m_Gartery), w, false);
    step(setLeft(m_Label2), w, false);
    step(setLeft(m_PikFra), W - P - 120, false);
    step([this](int v) { m_AmtFra->move(v, m_AmtFra->y()); }, m_PikFra->x(), false);
    step(setTop(m_Garter), H - 600 - 480, false);
    step(setWidth(m_Garter), w, true);
    step(setTop(m_Carter), H - 600 - 480, false);
    step(setLeft(m_Carter), w, false);
    step(setWidth(m_Carter), w, true);

    // The toolbox fills the height below the picture.
    const int side = std::max(0, std::min(m_PikFra->width() - 16, m_PikFra->height() - 28));
    m_Pikcha->setFixedSize(side, side);
    m_AmtFra->resize(m_AmtFra->width(), std::max(0, height() - m_AmtFra->y() - 4));

    if (failed)
        for (int i = 0; i < 100; ++i)
            m_cars.platform().dialogs.beep();
}

} // namespace parkwen
