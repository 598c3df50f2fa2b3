#include "details/ui/updown.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace parkwen {

HorizontalUpDown::HorizontalUpDown(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    m_left = new QToolButton(this);
    m_right = new QToolButton(this);
    m_left->setArrowType(Qt::LeftArrow);
    m_right->setArrowType(Qt::RightArrow);
    m_left->setAccessibleName(QCoreApplication::translate("UpDown", "Previous"));
    m_right->setAccessibleName(QCoreApplication::translate("UpDown", "Next"));
    for (QToolButton* arrow : {m_left, m_right}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(arrow);
    }
    connect(m_left, &QToolButton::clicked, this, [this] { setValue(m_value - 1); });
    connect(m_right, &QToolButton::clicked, this, [this] { setValue(m_value + 1); });
    updateArrows();
}

void HorizontalUpDown::setValue(int value)
{
    value = std::clamp(value, m_minimum, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    updateArrows();
    emit valueChanged(m_value);
}

void HorizontalUpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    const int kept = std::clamp(m_value, m_minimum, m_maximum);
    if (kept != m_value) {
        setValue(kept);
        return;
    }
    updateArrows();
}

QSize HorizontalUpDown::sizeHint() const
{
    return {48, 22};
}

void HorizontalUpDown::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setValue(m_value - 1);
        break;
    case Qt::Key_Right:
        setValue(m_value + 1);
        break;
    case Qt::Key_Home:
        setValue(m_minimum);
        break;
    case Qt::Key_End:
        setValue(m_maximum);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void HorizontalUpDown::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        updateArrows();
    QWidget::changeEvent(event);
}

void HorizontalUpDown::updateArrows()
{
    m_left->setEnabled(isEnabled() && m_value > m_minimum);
    m_right->setEnabled(isEnabled() && m_value < m_maximum);
}

} // namespace parkwen
