#pragma once

#include "carlibrary.h"

#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QTimer;

namespace parkwen {

// The main window: the car list and the garage list side by side, the picture of the car chosen
// last, the toolbox and the warning light. It draws the CarLibrary's state and forwards every
// event to it.
class Castle : public QWidget
{
    Q_OBJECT
public:
    static constexpr int TwipsPerPixel = 15;
    static constexpr int PictureFrameWidth = 3735; // twips

    explicit Castle(CarLibrary& cars, QWidget* parent = nullptr);

    CarLibrary& cars() { return m_cars; }

    // The set commands live outside the car library; the program connects them here.
    std::function<void()> onCrete;
    std::function<void()> onEdIt;
    std::function<void()> onSetLdPlus;
    std::function<void()> onSetLdOnly;
    std::function<void()> onSetRemv;
    // "Install Cars" and F6; archives or folders dropped onto a list (true: the garage list).
    std::function<void()> onInstall;
    std::function<void(const QStringList& paths, bool toGarage)> onDropInstall;
    // Shows the keys window instead of the built-in one (tests).
    std::function<void()> onKeys;
    // Pictures of the light: resting and lit.
    void setLightPictures(const QPixmap& resting, const QPixmap& lit);

    // Lays the controls out for a client area of W x H twips (runs on every resize).
    void layoutControls(int W, int H);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    QPushButton* makeButton(const char* name, const QString& caption, const QString& tooltip,
                            void (Castle::*handler)());
    QLabel* makeInstruction(const char* name, const QString& text);
    void connectList(QListView* view, bool carList);
    void runHook(const std::function<void()>& hook);

    // Button handlers
    void Garter_Click() { m_cars.Garter_Click(); }
    void Carter_Click() { m_cars.Carter_Click(); }
    void CopAll_Click() { m_cars.CopAll_Click(); }
    void DelAll_Click() { m_cars.DelAll_Click(); }
    void Del_Click() { m_cars.Del_Click(); }
    void Mama_Click() { m_cars.Mama_Click(); }
    void Reg_Click() { m_cars.Reg_Click(); }
    void Refra_Click() { m_cars.Refra_Click(); }
    void RUNA_Click() { m_cars.RUNA_Click(); }
    void ksl_Click();
    void Crete_Click() { runHook(onCrete); }
    void Ed_It_Click() { runHook(onEdIt); }
    void SetLdPlus_Click() { runHook(onSetLdPlus); }
    void SetLdOnly_Click() { runHook(onSetLdOnly); }
    void SetRemv_Click() { runHook(onSetRemv); }
    void Install_Click() { runHook(onInstall); }
    // A drag over or a drop onto one of the lists; true when it was one.
    bool listDrop(QObject* watched, QEvent* event);

    CarLibrary& m_cars;
    QListView* m_Cart3;
    QListView* m_Gartery;
    QLabel* m_Label1;
    QLabel* m_Label2;
    QPushButton* m_Garter;
    QPushButton* m_Carter;
    QGroupBox* m_PikFra;
    QLabel* m_Pikcha;
    QGroupBox* m_AmtFra;
    QPushButton* m_Del;
    QLabel* m_Light;
    QLabel* m_l1;
    QLabel* m_l2;
    QLabel* m_Cam;
    QLabel* m_Gam;
    QTimer* m_Electricity;
    bool m_syncingSelection = false;
};

} // namespace parkwen
