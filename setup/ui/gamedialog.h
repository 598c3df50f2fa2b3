#pragma once

#include "setup/gamefolder.h"
#include "setup/gamesettings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace parkwen {

class FileSystem;

// How the player runs the game, for the Car Folder chosen: the game folder found around it, the
// packlist the game is started with, and the game program. Stored in the game settings by OK.
class GameDialog : public QDialog
{
    Q_OBJECT
public:
    GameDialog(FileSystem& fs, const QString& carFolder, const QString& configFolder,
               QWidget* parent = nullptr);

    QString packlist() const;
    QString program() const;

    void accept() override;

private:
    GameSettings m_settings;
    QLabel* m_game;
    QComboBox* m_packlist;
    QLineEdit* m_program;
};

} // namespace parkwen
