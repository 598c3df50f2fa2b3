#include "library/ui/cartable.h"

#include "library/ui/loadedview.h"

#include "details/statcaptions.h"
#include "library/carlibrary.h"
#include "library/ui/cartablerows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace parkwen {

using cartablerows::isLeftover;
using cartablerows::Thumbnail;

namespace {

QWidget* named(QWidget* w, const char* name, const QString& accessible)
{
    w->setObjectName(QString::fromLatin1(name));
    w->setAccessibleName(accessible);
    return w;
}

} // namespace

CarTable::CarTable(CarLibrary& cars, ManyMoves& moves, QWidget* parent)
    : QWidget(parent, Qt::Window), m_cars(cars), m_moves(moves)
{
    setObjectName(QStringLiteral("CarTable"));
    setWindowTitle(QCoreApplication::translate("CarTable", "Car Table"));
    resize(1100, 640);

    m_model = new CarTableModel(cars, this);
    m_filter = new CarTableFilter(this);
    m_filter->setSourceModel(m_model);
    m_filter->setSortRole(CarTableModel::SortRole);
    m_filter->setDynamicSortFilter(false); // a row that changes stays where the player saw it

    // Made in the order the keyboard's focus goes through them.
    QHBoxLayout* filters = makeFilters();
    makeView();
    QHBoxLayout* buttons = makeButtons();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    connectFilters();
    connectView();
    followLibrary();
    updateButtons();
}

QHBoxLayout* CarTable::makeFilters()
{
    m_text = new QLineEdit(this);
    named(m_text, "TableText", QCoreApplication::translate("CarTable", "Find cars"));
    m_text->setPlaceholderText(QCoreApplication::translate("CarTable", "Find by folder or name"));
    m_text->setClearButtonEnabled(true);
    m_text->setAccessibleDescription(QCoreApplication::translate(
        "CarTable", "Shows the cars whose folder name or name contains the text"));

    m_class = new QComboBox(this);
    named(m_class, "TableClass", QCoreApplication::translate("CarTable", "Class"));
    m_class->addItem(QCoreApplication::translate("CarTable", "Any class"), QString());
    for (const CarClass c : {CarClass::Electric, CarClass::Glow, CarClass::Special})
        m_class->addItem(className(c), className(c));

    m_rating = new QComboBox(this);
    named(m_rating, "TableRating", QCoreApplication::translate("CarTable", "Rating"));
    m_rating->addItem(QCoreApplication::translate("CarTable", "Any rating"), QString());
    for (const Rating r : {Rating::Rookie, Rating::Amateur, Rating::Advanced, Rating::SemiPro, Rating::Pro})
        m_rating->addItem(ratingName(r), ratingName(r));

    m_place = new QComboBox(this);
    named(m_place, "TableFolder", QCoreApplication::translate("CarTable", "Folder"));
    m_place->addItems({QCoreApplication::translate("CarTable", "Both folders"),
                       QCoreApplication::translate("CarTable", "Car Folder"),
                       QCoreApplication::translate("CarTable", "Garage Folder")});

    m_problems = new QCheckBox(QCoreApplication::translate("CarTable", "Problems only"), this);
    named(m_problems, "TableProblems", QCoreApplication::translate("CarTable", "Problems only"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(m_text, 3);
    filters->addWidget(m_class, 1);
    filters->addWidget(m_rating, 1);
    filters->addWidget(m_place, 1);
    filters->addWidget(m_problems);
    return filters;
}

void CarTable::makeView()
{
    m_count = new QLabel(this);
    named(m_count, "TableCount", QCoreApplication::translate("CarTable", "Cars shown"));

    m_view = new QTableView(this);
    named(m_view, "TableView", QCoreApplication::translate("CarTable", "Cars of both folders"));
    m_view->setAccessibleDescription(QCoreApplication::translate(
        "CarTable", "One row a car; a double-click opens its details, the menu key its commands"));
    m_view->setModel(m_filter);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(CarTableModel::Folder, Qt::AscendingOrder);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setIconSize(QSize(Thumbnail, Thumbnail));
    m_view->verticalHeader()->setDefaultSectionSize(Thumbnail + 4);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setWordWrap(false);
    const int widths[CarTableModel::ColumnCount] = {
        Thumbnail + 8, 140, 160, 80, 70, 70, 80, 85, 70, 95, 45, 85, 120, 200};
    for (int column = 0; column < CarTableModel::ColumnCount; ++column)
        m_view->setColumnWidth(column, widths[column]);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
}

QPushButton* CarTable::makeButton(const char* name, const QString& caption, const QString& tip,
                                  void (CarTable::*command)())
{
    auto* b = new QPushButton(caption, this);
    named(b, name, caption);
    b->setToolTip(tip);
    connect(b, &QPushButton::clicked, this, command);
    return b;
}

QHBoxLayout* CarTable::makeButtons()
{
    m_move = makeButton("TableMove", QCoreApplication::translate("CarTable", "Move"),
                        QCoreApplication::translate("CarTable", "Send the chosen cars to the other folder"),
                        &CarTable::moveChosen);
    m_delete = makeButton("TableDelete", QCoreApplication::translate("CarTable", "Delete"),
                          QCoreApplication::translate("CarTable", "Delete the chosen cars"),
                          &CarTable::deleteChosen);
    m_addToSet = makeButton("TableAddToSet", QCoreApplication::translate("CarTable", "Add to Set"),
                            QCoreApplication::translate("CarTable", "Add the chosen cars to a set"),
                            &CarTable::addChosenToSet);
    m_fixPaths = makeButton(
        "TableFixPaths", QCoreApplication::translate("CarTable", "Fix paths"),
        QCoreApplication::translate(
            "CarTable", "Point the paths of parameters.txt at the car's own folder (a backup is kept)"),
        &CarTable::fixChosenPaths);
    m_showInLists = makeButton(
        "TableShowInLists", QCoreApplication::translate("CarTable", "Show in the lists"),
        QCoreApplication::translate(
            "CarTable", "Copy the box picture the car names into its folder, so the lists show it"),
        &CarTable::showChosenInLists);
    m_undoFix = makeButton(
        "TableUndoFix", QCoreApplication::translate("CarTable", "Undo Fix"),
        QCoreApplication::translate("CarTable", "Take back the last \"Fix paths\" or \"Show in the lists\""),
        &CarTable::undoFix);
    m_details =
        makeButton("TableDetails", QCoreApplication::translate("CarTable", "Details"),
                   QCoreApplication::translate("CarTable", "Open the car's details"), &CarTable::openChosen);
    auto* refresh =
        makeButton("TableRefresh", QCoreApplication::translate("CarTable", "Refresh"),
                   QCoreApplication::translate("CarTable", "Read both folders again"), &CarTable::reload);
    auto* loaded = makeButton(
        "TableLoaded", QCoreApplication::translate("CarTable", "Loaded by the game"),
        QCoreApplication::translate(
            "CarTable", "Every car of every pack under the chosen packlist: loaded, hidden by a later "
                        "pack, or in a pack that is off"),
        &CarTable::showLoaded);

    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_move, m_delete, m_addToSet, m_details, m_fixPaths,
                                                      m_showInLists, m_undoFix})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(m_count);
    buttons->addWidget(loaded);
    buttons->addWidget(refresh);
    return buttons;
}

void CarTable::connectFilters()
{
    connect(m_text, &QLineEdit::textChanged, m_filter, &CarTableFilter::setText);
    connect(m_class, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setClass(m_class->currentData().toString()); });
    connect(m_rating, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setRating(m_rating->currentData().toString()); });
    connect(m_place, &QComboBox::currentIndexChanged, this,
            [this](int i) { m_filter->setPlace(CarTableFilter::Place(i)); });
    connect(m_problems, &QCheckBox::toggled, m_filter, &CarTableFilter::setProblemsOnly);
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &CarTable::updateCount);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, &CarTable::updateCount);
    connect(m_filter, &QAbstractItemModel::modelReset, this, &CarTable::updateCount);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, &CarTable::updateCount);
}

void CarTable::connectView()
{
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CarTable::updateButtons);
    connect(m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openDetails(m_filter->mapToSource(index).row()); });
    connect(m_view, &QWidget::customContextMenuRequested, this, &CarTable::showMenu);
}

void CarTable::showMenu(const QPoint& at)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QPushButton* b : {m_move, m_delete, m_addToSet, m_details, m_fixPaths, m_showInLists}) {
        QAction* action = menu->addAction(b->text(), b, &QPushButton::click);
        action->setEnabled(b->isEnabled());
    }
    const QList<int> rows = chosenRows();
    if (rows.size() == 1)
        for (const CarProblem& p : m_model->car(rows.first()).problems)
            if (p.kind == CarProblem::Kind::SameName || p.kind == CarProblem::Kind::SameFolderName) {
                menu->addAction(QCoreApplication::translate("CarTable", "Open Both Twins"), this,
                                [this, row = rows.first()] { openTwins(row); });
                break;
            }
    menu->popup(m_view->viewport()->mapToGlobal(at));
}

void CarTable::followLibrary()
{
    // The rows follow whatever changes the folders: the main window's moves, deletions and
    // installs, the set commands, undo. Many signals of one change make one follow().
    for (const CarList* list :
         {&m_cars.folder(FolderRole::Cars).list(), &m_cars.folder(FolderRole::Garage).list()}) {
        connect(list, &QAbstractItemModel::rowsInserted, this, [this] { followLater(true); });
        connect(list, &QAbstractItemModel::rowsRemoved, this, [this] { followLater(true); });
        connect(list, &QAbstractItemModel::modelReset, this, [this] { followLater(true); });
    }
    connect(&m_cars, &CarLibrary::changed, this, [this] { followLater(false); });
    connect(&m_cars, &CarLibrary::foldersChanged, this, [this] { followLater(true); });
}

QList<int> CarTable::chosenRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        rows << m_filter->mapToSource(index).row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CarTable::updateButtons()
{
    const QList<int> rows = chosenRows();
    bool listed = false;
    bool movable = false;
    bool fixable = false;
    bool showable = false;
    for (int row : rows) {
        const CarRecord& car = m_model->car(row);
        listed = listed || car.listed;
        movable = movable || !isLeftover(car);
        fixable = fixable || car.fixablePaths();
        showable = showable || !car.boxSource.isEmpty();
    }
    m_move->setEnabled(movable);
    m_delete->setEnabled(movable);
    m_addToSet->setEnabled(listed && onAddToSet);
    m_details->setEnabled(rows.size() == 1 && m_model->car(rows.first()).hasParameters);
    m_fixPaths->setEnabled(fixable);
    m_showInLists->setEnabled(showable);
    m_undoFix->setEnabled(!m_lastFix.isEmpty());
    updateCount();
}

void CarTable::updateCount()
{
    m_count->setText(QCoreApplication::translate("CarTable", "%1 of %2 shown")
                         .arg(m_filter->rowCount())
                         .arg(m_model->rowCount()));
}

void CarTable::showLoaded()
{
    m_cars.readGame();
    const GameWatch& game = m_cars.game();
    if (!game.folder()) {
        m_cars.platform().dialogs.plain(
            QCoreApplication::translate("CarTable",
                                        "The Car Folder %1 is not the cars folder of a game folder "
                                        "or of a pack, so there are no packs to show.")
                .arg(m_cars.folder(FolderRole::Cars).path()));
        return;
    }
    LoadedView view(GameContent::read(m_cars.platform().fs, *game.folder(), game.packlist()), this);
    view.exec();
}

} // namespace parkwen
