#include "details/ui/statbar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace parkwen {

namespace {
constexpr int Inset = 2; // the groove's border around the bar
constexpr qreal Radius = 4;
} // namespace

StatBarImage::StatBarImage(int fullWidth, int height, QWidget* groove)
    : QWidget(groove), m_fullWidth(fullWidth)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(Inset, Inset, fullWidth, height);
}

void StatBarImage::setBarWidth(int width)
{
    width = std::clamp(width, 0, m_fullWidth);
    resize(width, height());
    setVisible(width > 0);
}

void StatBarImage::setBarHeight(int height)
{
    resize(width(), std::max(0, height));
}

void StatBarImage::setPercentText(const QString& text)
{
    setToolTip(text);
    if (parentWidget())
        parentWidget()->setToolTip(text);
}

void StatBarImage::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(r, Radius, Radius);

    // The colour runs along the full length, so a short bar stays cool and a full one ends hot.
    QLinearGradient along(0, 0, m_fullWidth, 0);
    along.setColorAt(0.0, QColor(0x0b, 0x4f, 0x9c));
    along.setColorAt(0.45, QColor(0x1f, 0x9c, 0xd8));
    along.setColorAt(0.75, QColor(0x2e, 0xc4, 0x8a));
    along.setColorAt(1.0, QColor(0xf2, 0xb1, 0x1c));
    p.fillPath(shape, along);

    // Gloss on the upper half, shade at the bottom.
    QLinearGradient gloss(0, 0, 0, height());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(0.45, QColor(255, 255, 255, 40));
    gloss.setColorAt(0.55, QColor(0, 0, 0, 0));
    gloss.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillPath(shape, gloss);

    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawPath(shape);
}

StatBarGroove::StatBarGroove(const QString& barName, int fullWidth, int height, QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(fullWidth + 2 * Inset, height + 2 * Inset);
    m_bar = new StatBarImage(fullWidth, height, this);
    m_bar->setObjectName(barName);
}

void StatBarGroove::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(r, Radius + 1, Radius + 1);

    QLinearGradient inset(0, 0, 0, height());
    inset.setColorAt(0.0, QColor(0x26, 0x2a, 0x30));
    inset.setColorAt(1.0, QColor(0x3c, 0x42, 0x4a));
    p.fillPath(shape, inset);

    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    const int full = m_bar->fullWidth();
    for (int quarter = 1; quarter < 4; ++quarter) {
        const qreal x = Inset + full * quarter / 4.0 + 0.5;
        p.drawLine(QPointF(x, Inset + 3), QPointF(x, height() - Inset - 3));
    }
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawPath(shape);
}

} // namespace parkwen
