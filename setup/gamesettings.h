#pragma once

#include <QString>

namespace parkwen {

// How the player runs the game, kept in game.ini beside paths.mdb: the packlist chosen (the game's
// -packlist) and the game program, when it is not the game folder's own start script.
class GameSettings
{
public:
    explicit GameSettings(const QString& configFolder);

    // "default" unless another was chosen.
    QString packlist() const;
    void setPacklist(const QString& packlist);
    // Empty: the game folder's own start script.
    QString program() const;
    void setProgram(const QString& program);

private:
    QString m_file;
};

} // namespace parkwen
