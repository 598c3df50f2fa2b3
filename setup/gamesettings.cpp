#include "setup/gamesettings.h"

#include <QSettings>

namespace parkwen {

GameSettings::GameSettings(const QString& configFolder) : m_file(configFolder + QStringLiteral("/game.ini"))
{
}

QString GameSettings::packlist() const
{
    const QString chosen =
        QSettings(m_file, QSettings::IniFormat).value(QStringLiteral("game/packlist")).toString();
    return chosen.isEmpty() ? QStringLiteral("default") : chosen;
}

void GameSettings::setPacklist(const QString& packlist)
{
    QSettings(m_file, QSettings::IniFormat).setValue(QStringLiteral("game/packlist"), packlist);
}

QString GameSettings::program() const
{
    return QSettings(m_file, QSettings::IniFormat).value(QStringLiteral("game/program")).toString();
}

void GameSettings::setProgram(const QString& program)
{
    QSettings(m_file, QSettings::IniFormat).setValue(QStringLiteral("game/program"), program);
}

} // namespace parkwen
