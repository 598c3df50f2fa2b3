#pragma once

#include <QWidget>

#include <algorithm>

class QToolButton;

namespace parkwen {

// A horizontal up-down control: a left and a right arrow stepping an integer value between a
// minimum and a maximum. Left/Right (and Home/End) keys step it too when it has the focus.
class HorizontalUpDown : public QWidget
{
    Q_OBJECT
public:
    explicit HorizontalUpDown(QWidget* parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // The value is kept within the range; valueChanged is emitted only when it changes.
    void setValue(int value);
    void setMinimum(int minimum) { setRange(minimum, std::max(minimum, m_maximum)); }
    void setMaximum(int maximum) { setRange(std::min(m_minimum, maximum), maximum); }
    void setRange(int minimum, int maximum);

    QSize sizeHint() const override;

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateArrows();

    QToolButton* m_left;
    QToolButton* m_right;
    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 0;
};

} // namespace parkwen
