#include "setup/ui/gamedialog.h"

#include "platform/filesystem.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace parkwen {

GameDialog::GameDialog(FileSystem& fs, const QString& carFolder, const QString& configFolder, QWidget* parent)
    : QDialog(parent), m_settings(configFolder), m_game(new QLabel(this)), m_packlist(new QComboBox(this)),
      m_program(new QLineEdit(this))
{
    setObjectName(QStringLiteral("GameDialog"));
    setWindowTitle(tr("Game"));
    const std::optional<GameFolder> game = GameFolder::of(carFolder);
    m_game->setObjectName(QStringLiteral("gameFolder"));
    m_game->setText(game ? game->path : tr("(the Car Folder is not a game's cars folder)"));
    m_game->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_game->setAccessibleName(tr("Game folder"));

    // The packlists of the game folder; `default` is there even before the file is.
    QStringList packlists{QStringLiteral("default")};
    if (game)
        for (const QString& file : fs.listFiles(game->packsFolder(), QStringLiteral("*.txt")))
            if (!packlists.contains(file.chopped(4)))
                packlists << file.chopped(4);
    const QString chosen = m_settings.packlist();
    if (!packlists.contains(chosen))
        packlists << chosen;
    m_packlist->setObjectName(QStringLiteral("packlistChooser"));
    m_packlist->setAccessibleName(tr("Packlist the game is started with"));
    m_packlist->addItems(packlists);
    m_packlist->setCurrentText(chosen);

    m_program->setObjectName(QStringLiteral("gameProgram"));
    m_program->setAccessibleName(tr("Game program"));
    m_program->setPlaceholderText(game ? game->startScript() : QString());
    m_program->setText(m_settings.program());
    auto* browse = new QPushButton(tr("Browse…"), this);
    browse->setAccessibleName(tr("Choose the game program"));
    connect(browse, &QPushButton::clicked, this, [this, game] {
        const QString file =
            QFileDialog::getOpenFileName(this, tr("Game program"), game ? game->path : QString());
        if (!file.isEmpty())
            m_program->setText(file);
    });
    auto* programRow = new QHBoxLayout;
    programRow->addWidget(m_program, 1);
    programRow->addWidget(browse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &GameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GameDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Game folder:"), m_game);
    form->addRow(tr("&Packlist:"), m_packlist);
    form->addRow(tr("Game &program:"), programRow);
    form->addRow(new QLabel(tr("Empty: the game folder's own start script."), this));
    form->addRow(buttons);
}

QString GameDialog::packlist() const
{
    return m_packlist->currentText();
}

QString GameDialog::program() const
{
    return m_program->text().trimmed();
}

void GameDialog::accept()
{
    m_settings.setPacklist(packlist());
    m_settings.setProgram(program());
    QDialog::accept();
}

} // namespace parkwen
