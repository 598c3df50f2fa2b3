#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace parkwen {

// The keys window (`ks`): the keyboard shortcuts of the car selection screen and the car settings
// screen, one per line, then the keys added since. It has no commands; the close box (or Escape) closes it.
class KeysWindow : public QDialog
{
    Q_OBJECT
public:
    explicit KeysWindow(QWidget* parent = nullptr);

    // The lines of `List1`, with their leading tabs and blanks: the window's keys as it has always
    // listed them, then the keys added since (from the main window's actions).
    static QStringList lines();

    // Shows the window modally and returns when it is closed.
    static void showModal(QWidget* parent);

private:
    QListWidget* m_list;
};

} // namespace parkwen
