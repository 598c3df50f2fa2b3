#include "setup/ui/form1.h"

#include "setup/ui/folderlist.h"
#include "setup/ui/gamedialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace parkwen {

namespace {
// The window's client area: 4680 by 4095 twips at 15 twips to a pixel.
constexpr QSize ClientSize(312, 273);
} // namespace

Form1::Form1(const QString& databaseFile, const QString& startFolder, FileSystem& fs, Dialogs& dialogs,
             QWidget* parent)
    : QWidget(parent), m_session(databaseFile, fs, dialogs), m_fs(fs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(rigwellInfo::title);

    m_label1 = new QLabel(tr("Where Is Your:"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2 = new QLabel(tr("Car Folder?"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label3 = new QLabel(tr("Garage Folder"), this);
    m_label3->setObjectName(QStringLiteral("Label3"));

    m_dir2 = new FolderList(fs, this);
    m_dir2->setObjectName(QStringLiteral("Dir2"));
    m_dir2->setToolTip(tr("Set the car folder to: Re-Volt Folder\\Cars"));
    m_dir2->setAccessibleName(tr("Car Folder"));
    m_dir1 = new FolderList(fs, this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setToolTip(tr("Set the garage folder to the place where U keep back-up cars"));
    m_dir1->setAccessibleName(tr("Garage Folder"));
    m_label2->setBuddy(m_dir2);
    m_label3->setBuddy(m_dir1);

    m_label4 = new QLabel(tr("My Max Car Amount is:"), this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_max = new QLineEdit(this);
    m_max->setObjectName(QStringLiteral("mAX"));
    m_max->setToolTip(tr("Set the Max Car Amount to The Max Amount of Cars U can have before Re-volt bombs "
                         "(this does NOT include the Originals"));
    m_max->setAccessibleName(tr("Max Car Amount"));
    m_max->setFixedWidth(81);
    m_label4->setBuddy(m_max);

    m_command1 = new QPushButton(tr("OK"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setToolTip(tr("Click to Finalise Settings"));
    m_command1->setMinimumHeight(33);

    // Today's game: the game folder around the Car Folder, its packlist and its program.
    // Alt+G reaches it; the Tab order stays the window's own.
    m_game = new QPushButton(tr("&Game…"), this);
    m_game->setFocusPolicy(Qt::ClickFocus);
    m_game->setObjectName(QStringLiteral("Game"));
    m_game->setToolTip(tr("The game folder found, the packlist the game starts with, and the game program"));
    m_game->setAccessibleName(tr("Game folder, packlist and program"));

    auto* folders = new QGridLayout;
    folders->setHorizontalSpacing(4);
    folders->setVerticalSpacing(2);
    folders->addWidget(m_label2, 0, 0);
    folders->addWidget(m_label3, 0, 1);
    folders->addWidget(m_dir2, 1, 0);
    folders->addWidget(m_dir1, 1, 1);
    folders->setColumnStretch(0, 1);
    folders->setColumnStretch(1, 1);
    folders->setRowStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(m_label1);
    layout->addLayout(folders, 1);
    layout->addSpacing(2);
    layout->addWidget(m_label4);
    auto* maxRow = new QHBoxLayout;
    maxRow->addWidget(m_max);
    maxRow->addStretch();
    maxRow->addWidget(m_game);
    layout->addLayout(maxRow);
    layout->addSpacing(2);
    layout->addWidget(m_command1);

    // The keyboard moves Garage Folder, Car Folder, OK, Max Car Amount; the labels between them in the
    // window's order take no focus.
    QWidget* order[] = {m_dir1, m_dir2, m_command1, m_max};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    m_dir2->setPath(startFolder);
    m_dir1->setPath(startFolder);
    connect(m_max, &QLineEdit::textChanged, this, &Form1::mAX_Change);
    m_max->setText(QStringLiteral("200"));
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_game, &QPushButton::clicked, this, &Form1::Game_Click);

    setMinimumSize(ClientSize);
    resize(ClientSize);
    m_dir1->setFocus();
}

bool Form1::Form_Load()
{
    SetupValues v = values();
    if (!m_session.open(v))
        return false;
    if (v.carFolder != m_dir2->path())
        m_dir2->setPath(v.carFolder);
    if (v.garageFolder != m_dir1->path())
        m_dir1->setPath(v.garageFolder);
    m_max->setText(v.maxCarAmount);
    return true;
}

SetupValues Form1::values() const
{
    return {m_dir2->path(), m_dir1->path(), m_max->text()};
}

void Form1::mAX_Change()
{
    const QString text = m_max->text();
    const QString canonical = canonicalAmount(text);
    if (canonical == text)
        return;
    // The cursor keeps its place from the start, or ends the text when the text got shorter than that.
    const int cursor = std::min<int>(m_max->cursorPosition(), int(canonical.size()));
    m_max->setText(canonical);
    m_max->setCursorPosition(cursor);
}

void Form1::Command1_Click()
{
    close();
}

void Form1::Game_Click()
{
    GameDialog dialog(m_fs, m_dir2->path(), parentFolder(m_session.databaseFile()), this);
    dialog.exec();
}

void Form1::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_stored = m_session.close(values());
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    raise();
    activateWindow();
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Folders that would lose cars are not stored, and the window stays open to change them.
    if (!m_unloaded && !m_session.foldersUsable(values())) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

} // namespace parkwen
