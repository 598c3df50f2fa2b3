#include "library/ui/packswindow.h"

#include <QComboBox>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

namespace parkwen {

namespace {

enum Column { PackColumn, LoadedColumn, OrderColumn, CarsColumn, ColumnCount };

// The list of packs: a drag moves a loaded pack to another place among the loaded ones.
class PackTree : public QTreeWidget
{
public:
    std::function<void(const QString& pack, int by)> moved;

protected:
    void dropEvent(QDropEvent* event) override
    {
        QTreeWidgetItem* dragged = currentItem();
        QTreeWidgetItem* onto = itemAt(event->position().toPoint());
        event->ignore(); // the packlist moves the pack; the list is filled again from it
        if (!dragged || !onto || dragged == onto || !moved)
            return;
        const int from = dragged->data(OrderColumn, Qt::UserRole).toInt();
        const int to = onto->data(OrderColumn, Qt::UserRole).toInt();
        if (from >= 0 && to >= 0)
            moved(dragged->text(PackColumn), to - from);
    }
};

} // namespace

PacksWindow::PacksWindow(FileSystem& fs, Dialogs& dialogs, const GameFolder& game, const QString& chosen,
                         QWidget* parent)
    : PacksWindow(*new PacklistEditing(fs, dialogs, game), dialogs, chosen, parent)
{
    m_own.reset(&m_editing);
}

PacksWindow::PacksWindow(PacklistEditing& editing, Dialogs& dialogs, const QString& chosen, QWidget* parent)
    : QDialog(parent), m_editing(editing), m_dialogs(dialogs), m_game(new QLabel(this)),
      m_packlists(new QComboBox(this)), m_packs(new PackTree), m_up(new QPushButton(tr("Up"), this)),
      m_down(new QPushButton(tr("Down"), this)), m_undo(new QPushButton(tr("Undo"), this)),
      m_summary(new QLabel(this))
{
    setObjectName(QStringLiteral("PacksWindow"));
    setWindowTitle(tr("Packs"));
    m_game->setText(tr("Game folder: %1").arg(editing.game().path));
    m_game->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_game->setAccessibleName(tr("Game folder"));
    m_summary->setAccessibleName(tr("What the game loads"));

    auto* chooserLabel = new QLabel(tr("&Packlist:"), this);
    chooserLabel->setBuddy(m_packlists);
    m_packlists->setObjectName(QStringLiteral("packlistChooser"));
    m_packlists->setAccessibleName(tr("Packlist"));
    auto* newList = new QPushButton(tr("&New…"), this);
    auto* renameList = new QPushButton(tr("&Rename…"), this);
    auto* deleteList = new QPushButton(tr("&Delete"), this);
    newList->setAccessibleName(tr("New packlist, a copy of this one"));
    renameList->setAccessibleName(tr("Rename the packlist"));
    deleteList->setAccessibleName(tr("Delete the packlist"));

    m_packs->setObjectName(QStringLiteral("packList"));
    m_packs->setAccessibleName(tr("Packs: tick a pack to load it"));
    m_packs->setColumnCount(ColumnCount);
    m_packs->setHeaderLabels({tr("Pack"), tr("Loaded"), tr("Order"), tr("Cars")});
    m_packs->setRootIsDecorated(false);
    m_packs->setUniformRowHeights(true);
    m_packs->setDragDropMode(QAbstractItemView::InternalMove);
    m_packs->header()->setSectionResizeMode(PackColumn, QHeaderView::Stretch);
    static_cast<PackTree*>(m_packs)->moved = [this](const QString& pack, int by) {
        afterChange(m_editing.move(pack, by), pack);
    };

    m_up->setObjectName(QStringLiteral("packUp"));
    m_down->setObjectName(QStringLiteral("packDown"));
    m_undo->setObjectName(QStringLiteral("packUndo"));
    m_up->setAccessibleName(tr("Move the pack up: loaded before the packs below it"));
    m_down->setAccessibleName(tr("Move the pack down: loaded after the packs above it"));
    m_undo->setAccessibleName(tr("Undo the last change to the packlist"));
    m_up->setToolTip(tr("Alt+Up"));
    m_down->setToolTip(tr("Alt+Down"));
    m_undo->setToolTip(tr("Ctrl+Z"));
    auto* close = new QPushButton(tr("Close"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(chooserLabel);
    top->addWidget(m_packlists, 1);
    top->addWidget(newList);
    top->addWidget(renameList);
    top->addWidget(deleteList);
    auto* side = new QVBoxLayout;
    side->addWidget(m_up);
    side->addWidget(m_down);
    side->addStretch();
    side->addWidget(m_undo);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_packs, 1);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_summary, 1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_game);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    connect(m_packs, &QTreeWidget::itemChanged, this, &PacksWindow::itemChanged);
    connect(m_up, &QPushButton::clicked, this, [this] { moveChosen(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveChosen(1); });
    connect(m_undo, &QPushButton::clicked, this, [this] { afterChange(m_editing.undo(), chosenPack()); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), this), &QShortcut::activated, this,
            [this] { moveChosen(-1); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), this), &QShortcut::activated, this,
            [this] { moveChosen(1); });
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, m_undo, &QPushButton::click);
    connect(newList, &QPushButton::clicked, this, &PacksWindow::newPacklist);
    connect(renameList, &QPushButton::clicked, this, &PacksWindow::renamePacklist);
    connect(deleteList, &QPushButton::clicked, this, [this] {
        if (m_editing.deletePacklist()) {
            afterChange(true, chosenPack());
            emit packlistChosen(packlist());
        }
    });
    connect(m_packlists, &QComboBox::activated, this, [this] {
        m_editing.read(m_packlists->currentText());
        fill();
        emit packlistChosen(packlist());
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    m_editing.read(chosen);
    fill();
    resize(560, 420);
}

QString PacksWindow::packlist() const
{
    return m_editing.content().packlistName();
}

void PacksWindow::fill()
{
    const QString keep = chosenPack();
    m_filling = true;
    const GameContent& content = m_editing.content();
    m_packlists->clear();
    m_packlists->addItems(m_editing.packlists());
    m_packlists->setCurrentText(content.packlistName());
    m_packs->clear();
    for (const PackState& pack : content.packs()) {
        auto* item = new QTreeWidgetItem(m_packs);
        item->setText(PackColumn, pack.name + (pack.writable ? QStringLiteral(" *") : QString()));
        item->setData(PackColumn, Qt::UserRole, pack.name);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                       (pack.enabled ? Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled : Qt::NoItemFlags));
        item->setCheckState(LoadedColumn, pack.enabled ? Qt::Checked : Qt::Unchecked);
        item->setText(LoadedColumn, !pack.exists ? tr("missing") : pack.enabled ? tr("loaded") : tr("off"));
        item->setText(OrderColumn, pack.enabled ? QString::number(pack.order + 1) : QString());
        item->setData(OrderColumn, Qt::UserRole, pack.order);
        item->setText(CarsColumn, QString::number(pack.cars));
        item->setTextAlignment(CarsColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_packs->resizeColumnToContents(LoadedColumn);
    m_packs->resizeColumnToContents(OrderColumn);
    m_filling = false;
    chooseRow(keep);
    m_undo->setEnabled(m_editing.canUndo());
    QString summary = content.hasPacklist() ? loadedSentence(content.loadedCount(), content.packsLoadedFrom())
                                            : tr("No packlist: the game loads its own folder only.");
    for (const QString& problem : content.problems())
        summary += QLatin1Char('\n') + problem;
    for (const QString& twins : content.caseTwins())
        summary += QLatin1Char('\n') +
                   tr("Two packs differ only in letter case (the game tells them apart): %1").arg(twins);
    m_summary->setText(summary);
    m_summary->setWordWrap(true);
}

void PacksWindow::chooseRow(const QString& pack)
{
    for (int i = 0; i < m_packs->topLevelItemCount(); ++i)
        if (m_packs->topLevelItem(i)->data(PackColumn, Qt::UserRole).toString() == pack)
            m_packs->setCurrentItem(m_packs->topLevelItem(i));
    if (!m_packs->currentItem() && m_packs->topLevelItemCount() > 0)
        m_packs->setCurrentItem(m_packs->topLevelItem(0));
}

QString PacksWindow::chosenPack() const
{
    const QTreeWidgetItem* item = m_packs->currentItem();
    return item ? item->data(PackColumn, Qt::UserRole).toString() : QString();
}

void PacksWindow::afterChange(bool changed, const QString& keepChosen)
{
    fill();
    chooseRow(keepChosen);
    if (changed)
        emit packlistChanged();
}

void PacksWindow::itemChanged(QTreeWidgetItem* item, int column)
{
    if (m_filling || column != LoadedColumn)
        return;
    const QString pack = item->data(PackColumn, Qt::UserRole).toString();
    const bool on = item->checkState(LoadedColumn) == Qt::Checked;
    // Filling the list again deletes the item; the change is made once the signal is over.
    QMetaObject::invokeMethod(
        this, [this, pack, on] { afterChange(m_editing.setEnabled(pack, on), pack); }, Qt::QueuedConnection);
}

void PacksWindow::moveChosen(int by)
{
    const QString pack = chosenPack();
    if (!pack.isEmpty())
        afterChange(m_editing.move(pack, by), pack);
}

void PacksWindow::newPacklist()
{
    const std::optional<QString> name =
        m_dialogs.input(tr("The new packlist's name (a copy of %1):").arg(packlist()), QString());
    if (name && m_editing.createPacklist(*name)) {
        afterChange(true, chosenPack());
        emit packlistChosen(packlist());
    }
}

void PacksWindow::renamePacklist()
{
    const std::optional<QString> name = m_dialogs.input(tr("The packlist's new name:"), packlist());
    if (name && m_editing.renamePacklist(*name)) {
        afterChange(true, chosenPack());
        emit packlistChosen(packlist());
    }
}

} // namespace parkwen
