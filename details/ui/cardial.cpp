#include "details/ui/cardial.h"

#include "details/ui/previews.h"
#include "details/ui/updown.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace parkwen {

namespace {
constexpr int SkinView = 160;
}

CarDial::CarDial(FileSystem& fs, Pictures& pictures, const QString& carPath, const QStringList& skins,
                 QWidget* parent)
    : QDialog(parent), m_fs(fs), m_pictures(pictures), m_carPath(carPath)
{
    setObjectName(QStringLiteral("CarDial"));
    setWindowTitle(QStringLiteral("r"));
    setModal(true);

    m_previews = new Previews(pictures, this);
    m_bmps = new QListWidget(this);
    m_bmps->setObjectName(QStringLiteral("bmps"));
    m_bmps->setAccessibleName(tr("Skins"));
    m_bmps->setToolTip(tr("the skins"));
    m_bmps->addItems(skins);
    m_bmps->setFixedWidth(150);

    m_otherIm = new QLabel(this);
    m_otherIm->setObjectName(QStringLiteral("OtherIm"));
    m_otherIm->setToolTip(tr("Shows the currently selected skin. Set in the Horizontal UpDown Control(!)."));
    m_otherIm->setFixedSize(SkinView, SkinView);
    m_otherIm->setFrameShape(QFrame::StyledPanel);
    m_otherIm->setAlignment(Qt::AlignCenter);

    m_cartIt = new QLabel(this);
    m_cartIt->setObjectName(QStringLiteral("Cart_It"));
    m_cartIt->setToolTip(tr("The Filename of the Skin."));
    m_cartIt->setAlignment(Qt::AlignCenter);

    m_picSel = new HorizontalUpDown(this);
    m_picSel->setAccessibleName(tr("Skins"));
    m_picSel->setObjectName(QStringLiteral("PicSel"));
    m_picSel->setToolTip(tr("Use this to Scroll Between Skins"));
    m_picSel->setFixedSize(SkinView, 22);
    m_picSel->setRange(0, qMax(0, int(skins.size()) - 1));

    m_label4 = new QLabel(tr("Use the Horizontal Updown (!) Control to scroll through the skins. Once U "
                             "have made your choice, click OK"),
                          this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setWordWrap(true);

    m_setskin = new QPushButton(tr("OK"), this);
    m_setskin->setObjectName(QStringLiteral("setskin"));
    m_setskin->setToolTip(tr("Click to se the current skin to the default skin"));
    m_setskin->setDefault(true);
    m_setskin->setEnabled(!skins.isEmpty());

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_otherIm, 0, 0, Qt::AlignHCenter);
    grid->addWidget(m_bmps, 0, 1, 3, 1);
    grid->addWidget(m_cartIt, 1, 0);
    grid->addWidget(m_picSel, 2, 0, Qt::AlignHCenter);
    grid->addWidget(m_label4, 3, 0, 1, 2);
    grid->addWidget(m_setskin, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_picSel, &HorizontalUpDown::valueChanged, this, [this] { PicSel_Change(); });
    // Choosing in the list steps the up-down to the same skin.
    connect(m_bmps, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_picSel->setValue(row);
    });
    // Enter reaches OK as the default button; a double click chooses too.
    connect(m_bmps, &QListWidget::itemDoubleClicked, this, [this] { setskin_Click(); });
    connect(m_setskin, &QPushButton::clicked, this, [this] { setskin_Click(); });

    PicSel_Change();
    m_picSel->setFocus();
}

void CarDial::PicSel_Change()
{
    const int row = m_picSel->value();
    m_cartIt->clear();
    if (row < 0 || row >= m_bmps->count()) {
        m_previews->show(m_otherIm, QString());
        return;
    }
    const QString name = m_bmps->item(row)->text();
    {
        const QSignalBlocker block(m_bmps);
        m_bmps->setCurrentRow(row);
    }
    m_cartIt->setText(name);
    m_previews->show(m_otherIm, joinPath(m_carPath, m_fs.resolve(m_carPath, name)));
}

void CarDial::waitForPictures()
{
    m_previews->finish();
}

void CarDial::setskin_Click()
{
    if (m_cartIt->text().isEmpty())
        return;
    m_chosen = m_cartIt->text();
    accept();
}

} // namespace parkwen
