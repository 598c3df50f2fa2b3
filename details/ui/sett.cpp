#include "details/ui/sett.h"

#include "details/statcaptions.h"
#include "details/ui/carview.h"
#include "details/ui/previews.h"
#include "details/ui/settactions.h"
#include "details/ui/settfiles.h"
#include "details/ui/statbar.h"
#include "details/ui/updown.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace parkwen {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int BarLength = StatBar::FullWidth / TwipsPerPixel; // 201
constexpr int BarHeight = StatBar::Height / TwipsPerPixel;    // 25
constexpr int SkinView = 96;

const char* const roughNote =
    "Note, these are rough estimates, & are not completely (to put it mildly) inaccurate, "
    "use ONLY as a guide to its general settings.";

// The named fonts first, then look-alikes that are common on other systems.
QFont buttonFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Abadi MT Condensed"), QStringLiteral("Arial Narrow"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Sans Serif")});
    font.setPointSize(10);
    return font;
}

QFont labelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Sans Serif")});
    font.setPointSize(9);
    return font;
}

QFont helpFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Small Fonts"), QStringLiteral("Tahoma"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Nimbus Sans Narrow"),
                      QStringLiteral("Sans Serif")});
    font.setPointSize(7);
    return font;
}

QFont headingFont()
{
    QFont font = labelFont();
    font.setBold(true);
    return font;
}

enum class Glyph { UpArrow, Import, Tick };

// The small pictures of the picture buttons, drawn so they look alike everywhere.
QIcon glyphIcon(Glyph glyph)
{
    const qreal ratio = 2;
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    switch (glyph) {
    case Glyph::UpArrow:
        path.moveTo(8, 1.5);
        path.lineTo(14.5, 8.5);
        path.lineTo(10.5, 8.5);
        path.lineTo(10.5, 14.5);
        path.lineTo(5.5, 14.5);
        path.lineTo(5.5, 8.5);
        path.lineTo(1.5, 8.5);
        path.closeSubpath();
        p.fillPath(path, QColor(0x1f, 0x7a, 0xc8));
        p.setPen(QPen(QColor(0x0b, 0x3f, 0x73), 1));
        p.drawPath(path);
        break;
    case Glyph::Import:
        p.setPen(QPen(QColor(0x55, 0x5b, 0x63), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2, 10), QPointF(2, 14.5), QPointF(14, 14.5), QPointF(14, 10)}));
        path.moveTo(8, 11.5);
        path.lineTo(12.5, 6.5);
        path.lineTo(9.7, 6.5);
        path.lineTo(9.7, 1.5);
        path.lineTo(6.3, 1.5);
        path.lineTo(6.3, 6.5);
        path.lineTo(3.5, 6.5);
        path.closeSubpath();
        p.fillPath(path, QColor(0x2e, 0x9d, 0x4f));
        p.setPen(QPen(QColor(0x1b, 0x5e, 0x2f), 1));
        p.drawPath(path);
        break;
    case Glyph::Tick:
        p.setPen(QPen(QColor(0x2e, 0x9d, 0x4f), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
        break;
    }
    p.end();
    return QIcon(pixmap);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QFont& font,
                  const QString& tooltip = QString())
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setToolTip(tooltip);
    return label;
}

QLabel* makeImage(QWidget* parent, const char* name, QSize size, const QString& tooltip = QString())
{
    auto* image = new QLabel(parent);
    image->setObjectName(QLatin1String(name));
    image->setFixedSize(size);
    image->setAlignment(Qt::AlignCenter);
    image->setFrameShape(QFrame::StyledPanel);
    image->setFrameShadow(QFrame::Sunken);
    image->setToolTip(tooltip);
    image->setBackgroundRole(QPalette::Base);
    image->setAutoFillBackground(true);
    return image;
}

QPushButton* styled(QPushButton* button, std::optional<Glyph> glyph)
{
    button->setFont(buttonFont());
    // Enter in the list must not run a command by surprise.
    button->setAutoDefault(false);
    if (glyph)
        button->setIcon(glyphIcon(*glyph));
    return button;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& tooltip,
                        std::optional<Glyph> glyph = std::nullopt)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tooltip);
    return styled(button, glyph);
}

// A button of a command with a key: its caption, tooltip and names come from the window's actions.
QPushButton* makeButton(const SettActions& actions, DetailsCommands::Command command, QWidget* parent,
                        const char* name, std::optional<Glyph> glyph = std::nullopt)
{
    return styled(actions.makeButton(command, name, parent), glyph);
}

// Params. Choosing an entry (a click, the arrow keys) shows that file's statistics. A list taking the
// focus makes its first entry current by itself: the window's activation does so, and so does a
// screen reader or Tab moving onto the list. That is no choice of the user's, so it shows nothing:
// otherwise the window would read the file and could raise an error box (a car without a readable
// parameters.txt) that nobody asked for, and while that box is open the window manager's close
// requests are dropped.
class ParamsList : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        const QSignalBlocker quiet(this);
        QListWidget::focusInEvent(event);
    }
};

QFrame* makeArea(QWidget* parent, const char* name)
{
    auto* area = new QFrame(parent);
    area->setObjectName(QLatin1String(name));
    area->setFrameShape(QFrame::StyledPanel);
    area->setFrameShadow(QFrame::Raised);
    return area;
}

// A help text wrapped to a fixed width, tall enough for all its lines.
void fixWrappedHeight(QLabel* label, int width)
{
    label->setWordWrap(true);
    label->setFixedWidth(width);
    label->setMinimumHeight(label->heightForWidth(width));
}

QPixmap scaledInto(const QImage& image, QSize box)
{
    if (image.isNull())
        return QPixmap();
    if (image.width() <= box.width() && image.height() <= box.height())
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

Sett::Sett(Platform platform, DetailsContext context, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_context(std::move(context)), m_carPath(m_context.carPath)
{
    setObjectName(QStringLiteral("Sett"));
    setWindowTitle(tr("Parkwen Car Settings"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_actions = new SettActions(this);
    buildWindow();
    m_previews = new Previews(m_platform.pictures, this);
    m_fileAreas = std::make_unique<SettFileAreas>(
        m_platform, m_context, m_carPath,
        SettFileControls{this, m_params, m_xtrabmps, m_picSel, m_kakar, m_otherIm, m_cartIt, m_setskin,
                         m_delS, m_rtb, m_paramFiles, m_currentSkin, m_foundSkin, m_filled},
        SettFileWindow{[this] { loadparams(); },
                       [this](QLabel* image, const QString& name) { showCarPicture(image, name); }});

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(0);
    connect(m_timer1, &QTimer::timeout, this, &Sett::Timer1_Timer);

    // F1-F5 reach the commands from whichever control has the focus.
    using D = DetailsCommands;
    const auto on = [this](D::Command command, void (Sett::*handler)()) {
        connect(m_actions->action(command), &QAction::triggered, this, handler);
    };
    on(D::ImportParameters, &Sett::Impit_Click);
    on(D::BackUpParameters, &Sett::Bacup_Click);
    on(D::SetParameters, &Sett::Settt_Click);
    on(D::BackUpSkin, &Sett::Bakbit_Click);
    on(D::SetSkin, &Sett::setskin_Click);
}

Sett::~Sett() = default;

void setImportChoosers(Sett& window, ImportChoosers* choosers)
{
    window.m_fileAreas->setChoosers(choosers);
}

void Sett::buildWindow()
{
    setFont(labelFont());

    m_pic = makeImage(this, "Pic", QSize(72, 72));
    m_moniker = makeLabel(this, "Moniker", tr("Car Name:"), headingFont());
    m_moniker->setWordWrap(true);
    m_moniker->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_moniker->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    header->addWidget(m_pic);
    header->addWidget(m_moniker, 1);

    auto* areas = new QHBoxLayout;
    areas->setSpacing(10);
    areas->addWidget(buildStatistics(), 0);
    areas->addWidget(buildParameterArea(), 1);
    areas->addWidget(buildSkinArea(), 0);
    m_carView = new CarView(m_platform, this);
    areas->addWidget(m_carView, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addLayout(areas, 1);

    m_xtrabmps = new QListWidget(this);
    m_xtrabmps->setObjectName(QStringLiteral("Xtrabmps"));
    m_xtrabmps->hide();
}

QWidget* Sett::buildStatistics()
{
    QFrame* panel = makeArea(this, "Statistics");
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(9);

    const QFont font = labelFont();
    const QString note = QString::fromLatin1(roughNote);
    m_speed = makeLabel(panel, "Speed", tr("Speed:"), font);
    m_class = makeLabel(panel, "Class", tr("Class:"), font, tr("Electric, Glow, Special: The Engine Type"));
    m_rating =
        makeLabel(panel, "Rating", tr("Rating:"), font,
                  QStringLiteral(
                      "Rookie, Amateur, Advanced, Semi-Pro, or Pro: The group of cars to which it belongs."));
    m_grip = makeLabel(panel, "Grip", tr("Grip:"), font, note);
    m_turn = makeLabel(panel, "Turn", tr("Turn:"), font, note);
    m_axle = makeLabel(panel, "Axle", tr("Accel:"), font, note);
    m_mass = makeLabel(panel, "Mass", tr("Mass:"), font);
    m_base = makeLabel(panel, "Base", tr("Param Base:"), font,
                       tr("The Original Car that this was made from. Calculated from the checksum at the end "
                          "of the parameters."));
    m_trans = makeLabel(panel, "Trans", tr("Transmission:"), font,
                        tr("4WD, FWD, RWD, & others (rare): Which wheels are powered."));

    const auto addBar = [&](int row, QLabel* label, const char* name) {
        auto* groove = new StatBarGroove(QLatin1String(name), BarLength, BarHeight, panel);
        groove->setToolTip(label->toolTip());
        grid->addWidget(label, row, 0);
        grid->addWidget(groove, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
        return groove->bar();
    };
    int row = 0;
    for (QLabel* label : {m_speed, m_class, m_rating})
        grid->addWidget(label, row++, 0, 1, 2);
    m_barGrip = addBar(row++, m_grip, "barGrip");
    m_barTurn = addBar(row++, m_turn, "BarTurn");
    m_barAxle = addBar(row++, m_axle, "BarAxle");
    for (QLabel* label : {m_mass, m_base, m_trans})
        grid->addWidget(label, row++, 0, 1, 2);
    // Spare height spreads the rows evenly rather than leaving a gap below them.
    for (int r = 0; r < row; ++r)
        grid->setRowStretch(r, 1);
    return panel;
}

QWidget* Sett::buildParameterArea()
{
    QFrame* area = makeArea(this, "Picture2");
    m_paramArea = area;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);

    m_label1 = makeLabel(area, "Label1", tr("Parameters:"), headingFont());
    m_params = new ParamsList(area);
    m_params->setObjectName(QStringLiteral("Params"));
    m_params->setAccessibleName(tr("Parameters"));
    m_params->setToolTip(tr("A list of all Parameters for this Car. Click on a Set of Parametes "
                            "to view stats for that set. Click Backup to "
                            "Backup the Current Parameters (Parameters.Txt) & Set to Set another "
                            "Set of Parameters to Parameters.txt. "));
    m_params->setMinimumWidth(200);
    m_params->setMinimumHeight(110);

    m_bacup = makeButton(*m_actions, DetailsCommands::BackUpParameters, area, "Bacup", Glyph::UpArrow);
    m_settt = makeButton(*m_actions, DetailsCommands::SetParameters, area, "Settt");
    m_impit = makeButton(*m_actions, DetailsCommands::ImportParameters, area, "Impit", Glyph::Import);
    m_delP = makeButton(area, "DelP", tr("Delete"),
                        tr("Click to completely remove the last selected Parameters Set."));
    m_label3 = makeLabel(area, "Label3",
                         tr("Make Sure you have a back-up copy of parameters.txt before loading in a  new "
                            "Parameters File. To Back Up Parameters.txt, Click Backup. To set the selected "
                            "Parameters to Parameters.txt, Click Set. To Delete a Parameters Set click, "
                            "Delete."),
                         helpFont());
    fixWrappedHeight(m_label3, 200);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    buttons->addWidget(m_bacup, 0, 0);
    buttons->addWidget(m_settt, 0, 1);
    buttons->addWidget(m_impit, 1, 0);
    buttons->addWidget(m_delP, 1, 1);

    layout->addWidget(m_label1);
    layout->addWidget(m_params, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_label3);

    connect(m_params, &QListWidget::currentRowChanged, this, [this] { Params_Click(); });
    connect(m_delP, &QPushButton::clicked, this, &Sett::DelP_Click);
    return area;
}

QWidget* Sett::buildSkinArea()
{
    QFrame* area = makeArea(this, "Picture1");
    m_skinArea = area;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);

    m_label2 = makeLabel(area, "Label2", tr("Skins:"), headingFont());
    m_label5 = makeLabel(area, "Label5", tr("Current Skin"), labelFont());
    m_kakar = makeImage(area, "kakar", QSize(SkinView, SkinView),
                        tr("The Current skin: Specified in the Current \"Parameters.txt\". To Back this up "
                           "Click \"Backup.\""));
    m_bakbit = makeButton(*m_actions, DetailsCommands::BackUpSkin, area, "Bakbit", Glyph::UpArrow);

    m_label4 = makeLabel(area, "Label4", tr("Other Skins"), labelFont());
    m_otherIm = makeImage(area, "OtherIm", QSize(SkinView, SkinView),
                          tr("Shows the currently selected \"Other Skin.\" Set in the Horizontal UpDown "
                             "Control(!)."));
    m_cartIt = makeLabel(area, "Cart_It", QString(), labelFont(), tr("The Filename of the \"Other Skin.\""));
    m_cartIt->setAlignment(Qt::AlignCenter);
    m_cartIt->setFixedWidth(SkinView + 24);
    m_picSel = new HorizontalUpDown(area);
    m_picSel->setAccessibleName(tr("Other skins"));
    m_picSel->setObjectName(QStringLiteral("PicSel"));
    m_picSel->setToolTip(tr("Use this to Scroll Between \"Other Skins.\""));
    m_picSel->setFixedSize(SkinView, 22);
    m_setskin = makeButton(*m_actions, DetailsCommands::SetSkin, area, "setskin", Glyph::Tick);
    m_immpit = makeButton(area, "IMMPIT", tr("Import"), tr("Click to Import Parameters from another Folder"),
                          Glyph::Import);
    m_delS = makeButton(area, "DelS", tr("Delete"),
                        tr("Click to completely remove the last selected >Additional< Paintjob"));
    m_setskin->setEnabled(false);
    m_delS->setEnabled(false);
    m_label6 =
        makeLabel(area, "Label6",
                  tr("When A Car has multiple skins, make sure you have a back-up copy of the current "
                     "one before loading in another one. To Back Up Current Skin Click the Up Arrow. "
                     "To make the Selected Other Skin, the Current Skin, click the tick. To delete an "
                     "additional Skin, select one using the Horizontal (!) Up\\Down Control, then cick "
                     "Delete."),
                  helpFont());
    m_label6->setWordWrap(true);

    const int column = SkinView + 24;
    for (QWidget* w : {static_cast<QWidget*>(m_bakbit), static_cast<QWidget*>(m_setskin),
                       static_cast<QWidget*>(m_immpit), static_cast<QWidget*>(m_delS)})
        w->setFixedWidth(column);

    auto* current = new QVBoxLayout;
    current->setSpacing(6);
    current->addWidget(m_label5, 0, Qt::AlignHCenter);
    current->addWidget(m_kakar, 0, Qt::AlignHCenter);
    current->addWidget(m_bakbit, 0, Qt::AlignHCenter);
    current->addStretch(1);

    auto* other = new QVBoxLayout;
    other->setSpacing(6);
    other->addWidget(m_label4, 0, Qt::AlignHCenter);
    other->addWidget(m_otherIm, 0, Qt::AlignHCenter);
    other->addWidget(m_cartIt, 0, Qt::AlignHCenter);
    other->addWidget(m_picSel, 0, Qt::AlignHCenter);
    other->addSpacing(2);
    other->addWidget(m_setskin, 0, Qt::AlignHCenter);
    other->addWidget(m_immpit, 0, Qt::AlignHCenter);
    other->addWidget(m_delS, 0, Qt::AlignHCenter);
    other->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(14);
    columns->addLayout(current);
    columns->addLayout(other);

    layout->addWidget(m_label2);
    layout->addLayout(columns, 1);
    fixWrappedHeight(m_label6, 2 * column + 14);
    layout->addWidget(m_label6);

    connect(m_picSel, &HorizontalUpDown::valueChanged, this, [this] {
        PicSel_Change();
        m_carView->tryOn(true); // stepping through the other skins tries each on
    });
    connect(m_delS, &QPushButton::clicked, this, &Sett::DelS_Click);
    connect(m_immpit, &QPushButton::clicked, this, &Sett::IMMPIT_Click);
    return area;
}

void Sett::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_filled && !m_timer1->isActive())
        m_timer1->start();
}

void Sett::Timer1_Timer()
{
    m_timer1->stop();
    if (m_filled)
        return;
    m_filled = true;

    QString moniker = tr("Car Name: ") + m_carPath;
    m_pic->setPixmap(scaledInto(m_context.picture, m_pic->size() - QSize(4, 4)));

    const Error loaded = m_rtb.load(m_platform.fs, m_carPath, QStringLiteral("parameters.txt"));
    if (loaded.ok()) {
        loadparams();
    } else {
        // Nothing to read: every statistic keeps its design caption and the bars stay empty.
        // A file that is there but cannot be read (a FIFO, a device, far too large) is also said.
        if (loaded.fault() != err::FileNotFound)
            m_platform.dialogs.message(loaded.miscMessage(), Dialogs::Icon::Exclamation);
        moniker += tr("  (this car has no readable parameters.txt)");
        for (StatBarImage* bar : {m_barGrip, m_barTurn, m_barAxle})
            bar->setBarWidth(0);
        m_currentSkin.clear();
        showCarPicture(m_kakar, QString());
    }
    m_moniker->setText(moniker);

    m_carView->showCar(m_carPath, m_context.carFolder);
    m_listerFolder = m_carPath;
    listSkins();
    listParams();
}

void Sett::loadparams()
{
    parkwen::readStatistics(m_rtb, m_stats);
    m_currentSkin = m_stats.currentSkin;
    showStatistics();
    showCarPicture(m_kakar, m_currentSkin);
}

void Sett::showStatistics()
{
    const StatCaptions shown = captionsOf(m_stats);
    m_speed->setText(shown.speed);
    m_class->setText(shown.classCaption);
    m_rating->setText(shown.rating);
    m_mass->setText(shown.mass);
    m_base->setText(shown.base);
    m_trans->setText(shown.transmission);
    const std::pair<StatBarImage*, const StatBar*> bars[] = {
        {m_barGrip, &shown.grip}, {m_barTurn, &shown.turn}, {m_barAxle, &shown.accel}};
    for (const auto& [image, bar] : bars) {
        image->setBarHeight(bar->height / TwipsPerPixel);
        image->setBarWidth(qRound(double(bar->width) / TwipsPerPixel));
        image->setPercentText(bar->tooltip);
    }
}

bool Sett::isParameterFile() const
{
    return parkwen::isParameterFile(m_rtb);
}

QStringList Sett::parfil() const
{
    if (m_listerFolder.isEmpty())
        return {};
    return m_platform.fs.listFiles(m_listerFolder, QStringLiteral("*.txt"));
}

QStringList Sett::BMPfil() const
{
    if (m_listerFolder.isEmpty())
        return {};
    return m_platform.fs.listFiles(m_listerFolder, QStringLiteral("*.bmp"));
}

void Sett::showCarPicture(QLabel* image, const QString& name)
{
    const QString path =
        name.isEmpty() ? QString() : joinPath(m_carPath, m_platform.fs.resolve(m_carPath, name));
    if (image == m_kakar) {
        // Another parameter file naming the same skin (or the opening's second reading) keeps it.
        const FileStamp stamp = path.isEmpty() ? FileStamp() : m_platform.fs.stamp(path);
        if (stamp.isFile() && path == m_kakarPath && stamp == m_kakarStamp)
            return;
        m_kakarPath = path;
        m_kakarStamp = stamp;
        m_carView->setCurrentSkin(path); // the car in 3D wears what the skin area shows
    } else if (image == m_otherIm) {
        m_carView->setOtherSkin(path);
    }
    m_previews->show(image, path);
}

void Sett::waitForPictures()
{
    m_previews->finish();
}

} // namespace parkwen
