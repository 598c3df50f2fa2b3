#pragma once

#include "setup/rigwell.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace parkwen {

class FolderList;

// The setup window: where the Car Folder and the Garage Folder are, and the Max Car Amount. The values
// are loaded when the window opens and stored when it closes, by OK or by the close box.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Both folder lists start at `startFolder`, the box at "200".
    Form1(const QString& databaseFile, const QString& startFolder, FileSystem& fs, Dialogs& dialogs,
          QWidget* parent = nullptr);

    // Creates or loads the paths database. false: an error has been reported and the program must end
    // without showing the window.
    bool Form_Load();

    // The values the window would store now.
    SetupValues values() const;
    // Whether the values were stored when the window closed.
    bool stored() const { return m_stored; }
    const SetupSession& session() const { return m_session; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void mAX_Change();
    void Command1_Click();
    void Game_Click();
    void Form_Unload();

    SetupSession m_session;
    QLabel* m_label1;
    QLabel* m_label2;
    QLabel* m_label3;
    QLabel* m_label4;
    FolderList* m_dir2;
    FolderList* m_dir1;
    QLineEdit* m_max;
    QPushButton* m_command1;
    QPushButton* m_game;
    FileSystem& m_fs;
    bool m_unloaded = false;
    bool m_stored = false;
};

} // namespace parkwen
