#pragma once

#include <QWidget>

namespace parkwen {

// One statistic bar: a groove of the bar's full length with the bar image inside it. The image is
// the named control (barGrip, BarTurn, BarAxle); the reader sets its width, and it carries the
// percentage as its tooltip. The groove shows the same tooltip, so a short bar can still be read.
class StatBarImage : public QWidget
{
    Q_OBJECT
public:
    // `fullWidth` is the bar's length in pixels at 100%.
    StatBarImage(int fullWidth, int height, QWidget* groove);

    int fullWidth() const { return m_fullWidth; }
    // Width in pixels, clamped to 0..fullWidth; 0 hides the bar and leaves the empty groove.
    void setBarWidth(int width);
    int barWidth() const { return width(); }
    void setBarHeight(int height);
    void setPercentText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_fullWidth;
};

// The groove a bar sits in, with quarter marks.
class StatBarGroove : public QWidget
{
    Q_OBJECT
public:
    StatBarGroove(const QString& barName, int fullWidth, int height, QWidget* parent = nullptr);
    StatBarImage* bar() const { return m_bar; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StatBarImage* m_bar;
};

} // namespace parkwen
