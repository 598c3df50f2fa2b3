#include "library/ui/cartable.h"

#include "library/carlibrary.h"
#include "library/carnames.h"
#include "library/carstatscache.h"
#include "library/manymoves.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

namespace parkwen {

namespace {

constexpr int kThumbnail = 32;

// The value of a caption after its label ("Class: Glow" gives "Glow"); empty when it has none.
QString captionValue(const QString& caption)
{
    const qsizetype colon = caption.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : caption.mid(colon + 1).trimmed();
}

double leadingNumber(const QString& caption)
{
    return readValue(captionValue(caption));
}

// A hidden folder kept by recovery: shown, but neither moved nor deleted from the table.
bool isLeftover(const CarRecord& car)
{
    for (const CarProblem& p : car.problems)
        if (p.kind == CarProblem::Kind::Leftover)
            return true;
    return false;
}

bool sameProblems(const QList<CarProblem>& a, const QList<CarProblem>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const CarProblem& x, const CarProblem& y) {
        return x.kind == y.kind && x.text == y.text && x.other == y.other;
    });
}

const char* const kHeaders[CarTableModel::ColumnCount] = {"",
                                                          QT_TRANSLATE_NOOP("CarTable", "Folder name"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Name"),
                                                          QT_TRANSLATE_NOOP("CarTable", "In"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Class"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Rating"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Speed"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Mass"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Transmission"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Skins"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Size"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Arrived"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Health")};

} // namespace

// ---------------------------------------------------------------------------------------------
// The model

CarTableModel::CarTableModel(CarLibrary& cars, QObject* parent) : QAbstractTableModel(parent), m_library(cars)
{
}

CarTableModel::Keys CarTableModel::keysOf(const CarRecord& car)
{
    Keys k;
    k.folder = car.folderName.toLower();
    k.name = car.nameInParameters.toLower();
    if (car.hasParameters) {
        k.speed = leadingNumber(car.stats.speed);
        k.mass = leadingNumber(car.stats.mass);
        k.cls = captionValue(car.stats.classCaption);
        k.rating = captionValue(car.stats.rating);
        k.transmission = captionValue(car.stats.transmission);
    }
    return k;
}

void CarTableModel::setCars(QList<CarRecord> cars)
{
    beginResetModel();
    m_cars = std::move(cars);
    m_keys.clear();
    m_keys.reserve(m_cars.size());
    for (const CarRecord& car : m_cars)
        m_keys.append(keysOf(car));
    endResetModel();
}

bool CarTableModel::lessThan(int left, int right, int column) const
{
    const Keys& a = m_keys[left];
    const Keys& b = m_keys[right];
    const CarRecord& x = m_cars[left];
    const CarRecord& y = m_cars[right];
    // Ties fall back on the folder name, so the order is stable.
    const auto byFolder = [&] {
        return a.folder < b.folder || (a.folder == b.folder && x.folderName < y.folderName);
    };
    const auto by = [&](const auto& l, const auto& r) { return l < r || (l == r && byFolder()); };
    switch (column) {
    case Picture:
        return by(x.listed, y.listed);
    case Name:
        return by(a.name, b.name);
    case Where:
        return by(x.inGarage, y.inGarage);
    case Class:
        return by(a.cls, b.cls);
    case Rating:
        return by(a.rating, b.rating);
    case Speed:
        return by(a.speed, b.speed);
    case Mass:
        return by(a.mass, b.mass);
    case Transmission:
        return by(a.transmission, b.transmission);
    case Skins:
        return by(x.skins, y.skins);
    case Size:
        return by(x.bytes, y.bytes);
    case Arrived:
        return by(x.arrivedMs, y.arrivedMs);
    case Health:
        return by(x.problems.size(), y.problems.size());
    default:
        return byFolder();
    }
}

void CarTableModel::update(int row, const std::optional<CarRecord>& record)
{
    if (!record) {
        beginRemoveRows(QModelIndex(), row, row);
        m_cars.removeAt(row);
        m_keys.removeAt(row);
        endRemoveRows();
        return;
    }
    m_cars[row] = *record;
    m_keys[row] = keysOf(*record);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void CarTableModel::append(const QList<CarRecord>& records)
{
    if (records.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_cars.size()), int(m_cars.size() + records.size() - 1));
    for (const CarRecord& car : records) {
        m_cars.append(car);
        m_keys.append(keysOf(car));
    }
    endInsertRows();
}

int CarTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_cars.size());
}

int CarTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CarTableModel::display(const CarRecord& car, int column) const
{
    const bool stats = car.hasParameters;
    switch (column) {
    case Folder:
        return car.folderName;
    case Name:
        return car.nameInParameters;
    case Where:
        return car.inGarage ? QCoreApplication::translate("CarTable", "Garage")
                            : QCoreApplication::translate("CarTable", "Car Folder");
    case Class:
        return stats ? captionValue(car.stats.classCaption) : QString();
    case Rating:
        return stats ? captionValue(car.stats.rating) : QString();
    case Speed:
        return stats ? captionValue(car.stats.speed) : QString();
    case Mass:
        return stats ? captionValue(car.stats.mass) : QString();
    case Transmission:
        return stats ? captionValue(car.stats.transmission) : QString();
    case Skins:
        return car.skins;
    case Size:
        return QLocale().formattedDataSize(car.bytes);
    case Arrived:
        return QDateTime::fromMSecsSinceEpoch(car.arrivedMs).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case Health:
        return car.healthText();
    }
    return QVariant();
}

QVariant CarTableModel::sortValue(int row, int column) const
{
    const CarRecord& car = m_cars[row];
    switch (column) {
    case Picture:
        return car.listed ? 1 : 0;
    case Speed:
        return m_keys[row].speed;
    case Mass:
        return m_keys[row].mass;
    case Skins:
        return car.skins;
    case Size:
        return car.bytes;
    case Arrived:
        return car.arrivedMs;
    case Health:
        return car.problems.size();
    default:
        return display(car, column).toString().toLower();
    }
}

QVariant CarTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_cars.size())
        return QVariant();
    const CarRecord& car = m_cars[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == Picture ? QVariant() : display(car, index.column());
    case Qt::DecorationRole:
        if (index.column() == Picture && car.listed) {
            // The lists' own thumbnail: only rows on screen ask, so nothing is decoded for the rest.
            const PictureStore& store = car.inGarage ? m_library.garagePictures() : m_library.carPictures();
            const QImage image = store.picture(carKey(car.folderName));
            if (!image.isNull())
                return image.scaled(kThumbnail, kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return QVariant();
    case Qt::ToolTipRole:
        return car.healthy() ? QVariant() : car.healthDetails();
    case Qt::TextAlignmentRole:
        if (index.column() == Speed || index.column() == Mass || index.column() == Skins ||
            index.column() == Size)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    case SortRole:
        return sortValue(index.row(), index.column());
    case RecordRole:
        return index.row();
    default:
        return QVariant();
    }
}

QVariant CarTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate("CarTable", kHeaders[section]);
    if (role == Qt::ToolTipRole && section == Picture)
        return QCoreApplication::translate("CarTable", "The picture the lists show");
    return QVariant();
}

// ---------------------------------------------------------------------------------------------
// The filter

// One layout change for the whole table: letting the proxy remove and insert thousands of row
// ranges one by one costs the view far more than laying out again once.
void CarTableFilter::invalidateAll()
{
    invalidate();
}

void CarTableFilter::setText(const QString& text)
{
    m_text = text.trimmed();
    invalidateAll();
}

void CarTableFilter::setClass(const QString& value)
{
    m_class = value;
    invalidateAll();
}

void CarTableFilter::setRating(const QString& value)
{
    m_rating = value;
    invalidateAll();
}

void CarTableFilter::setPlace(Place place)
{
    m_place = place;
    invalidateAll();
}

void CarTableFilter::setProblemsOnly(bool on)
{
    m_problemsOnly = on;
    invalidateAll();
}

bool CarTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* model = static_cast<const CarTableModel*>(sourceModel());
    const CarRecord& car = model->car(sourceRow);
    if (m_problemsOnly && car.healthy())
        return false;
    if (m_place != Place::Both && car.inGarage != (m_place == Place::GarageFolder))
        return false;
    if (!m_class.isEmpty() && model->classOf(sourceRow) != m_class)
        return false;
    if (!m_rating.isEmpty() && model->ratingOf(sourceRow) != m_rating)
        return false;
    if (!m_text.isEmpty() && !car.folderName.contains(m_text, Qt::CaseInsensitive) &&
        !car.nameInParameters.contains(m_text, Qt::CaseInsensitive))
        return false;
    return true;
}

bool CarTableFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return static_cast<const CarTableModel*>(sourceModel())->lessThan(left.row(), right.row(), left.column());
}

// ---------------------------------------------------------------------------------------------
// The window

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

    auto named = [](QWidget* w, const char* name, const QString& accessible) {
        w->setObjectName(QString::fromLatin1(name));
        w->setAccessibleName(accessible);
        return w;
    };

    m_text = new QLineEdit(this);
    named(m_text, "TableText", QCoreApplication::translate("CarTable", "Find cars"));
    m_text->setPlaceholderText(QCoreApplication::translate("CarTable", "Find by folder or name"));
    m_text->setClearButtonEnabled(true);
    m_text->setAccessibleDescription(QCoreApplication::translate(
        "CarTable", "Shows the cars whose folder name or name contains the text"));

    m_class = new QComboBox(this);
    named(m_class, "TableClass", QCoreApplication::translate("CarTable", "Class"));
    m_class->addItem(QCoreApplication::translate("CarTable", "Any class"), QString());
    for (const char* c : {"Electric", "Glow", "Special"})
        m_class->addItem(QString::fromLatin1(c), QString::fromLatin1(c));

    m_rating = new QComboBox(this);
    named(m_rating, "TableRating", QCoreApplication::translate("CarTable", "Rating"));
    m_rating->addItem(QCoreApplication::translate("CarTable", "Any rating"), QString());
    for (const char* r : {"Rookie", "Amateur", "Advanced", "Semi-Pro", "Pro"})
        m_rating->addItem(QString::fromLatin1(r), QString::fromLatin1(r));

    m_place = new QComboBox(this);
    named(m_place, "TableFolder", QCoreApplication::translate("CarTable", "Folder"));
    m_place->addItems({QCoreApplication::translate("CarTable", "Both folders"),
                       QCoreApplication::translate("CarTable", "Car Folder"),
                       QCoreApplication::translate("CarTable", "Garage Folder")});

    m_problems = new QCheckBox(QCoreApplication::translate("CarTable", "Problems only"), this);
    named(m_problems, "TableProblems", QCoreApplication::translate("CarTable", "Problems only"));

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
    m_view->setIconSize(QSize(kThumbnail, kThumbnail));
    m_view->verticalHeader()->setDefaultSectionSize(kThumbnail + 4);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setWordWrap(false);
    const int widths[CarTableModel::ColumnCount] = {
        kThumbnail + 8, 140, 160, 80, 70, 80, 85, 70, 95, 45, 85, 120, 200};
    for (int column = 0; column < CarTableModel::ColumnCount; ++column)
        m_view->setColumnWidth(column, widths[column]);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);

    auto button = [this, &named](const char* name, const QString& caption, const QString& tip,
                                 void (CarTable::*h)()) {
        auto* b = new QPushButton(caption, this);
        named(b, name, caption);
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, h);
        return b;
    };
    m_move = button("TableMove", QCoreApplication::translate("CarTable", "Move"),
                    QCoreApplication::translate("CarTable", "Send the chosen cars to the other folder"),
                    &CarTable::moveChosen);
    m_delete =
        button("TableDelete", QCoreApplication::translate("CarTable", "Delete"),
               QCoreApplication::translate("CarTable", "Delete the chosen cars"), &CarTable::deleteChosen);
    m_addToSet = button("TableAddToSet", QCoreApplication::translate("CarTable", "Add to Set"),
                        QCoreApplication::translate("CarTable", "Add the chosen cars to a set"),
                        &CarTable::addChosenToSet);
    m_fixPaths = button(
        "TableFixPaths", QCoreApplication::translate("CarTable", "Fix paths"),
        QCoreApplication::translate(
            "CarTable", "Point the paths of parameters.txt at the car's own folder (a backup is kept)"),
        &CarTable::fixChosenPaths);
    m_showInLists =
        button("TableShowInLists", QCoreApplication::translate("CarTable", "Show in the lists"),
               QCoreApplication::translate(
                   "CarTable", "Copy the box picture the car names into its folder, so the lists show it"),
               &CarTable::showChosenInLists);
    m_undoFix = button(
        "TableUndoFix", QCoreApplication::translate("CarTable", "Undo Fix"),
        QCoreApplication::translate("CarTable", "Take back the last \"Fix paths\" or \"Show in the lists\""),
        &CarTable::undoFix);
    m_details =
        button("TableDetails", QCoreApplication::translate("CarTable", "Details"),
               QCoreApplication::translate("CarTable", "Open the car's details"), &CarTable::openChosen);
    auto* refresh =
        button("TableRefresh", QCoreApplication::translate("CarTable", "Refresh"),
               QCoreApplication::translate("CarTable", "Read both folders again"), &CarTable::reload);

    auto* filters = new QHBoxLayout;
    filters->addWidget(m_text, 3);
    filters->addWidget(m_class, 1);
    filters->addWidget(m_rating, 1);
    filters->addWidget(m_place, 1);
    filters->addWidget(m_problems);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_move, m_delete, m_addToSet, m_details, m_fixPaths,
                                                      m_showInLists, m_undoFix})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(m_count);
    buttons->addWidget(refresh);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

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
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CarTable::updateButtons);
    connect(m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openDetails(m_filter->mapToSource(index).row()); });
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
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
    });

    // The rows follow whatever changes the folders: the main window's moves, deletions and
    // installs, the set commands, undo. Many signals of one change make one follow().
    for (const CarList* list : {&cars.carList(), &cars.garageList()}) {
        connect(list, &QAbstractItemModel::rowsInserted, this, [this] { followLater(true); });
        connect(list, &QAbstractItemModel::rowsRemoved, this, [this] { followLater(true); });
        connect(list, &QAbstractItemModel::modelReset, this, [this] { followLater(true); });
    }
    connect(&cars, &CarLibrary::changed, this, [this] { followLater(false); });
    connect(&cars, &CarLibrary::foldersChanged, this, [this] { followLater(true); });
    updateButtons();
}

QPair<qint64, qint64> CarTable::folderTimes()
{
    FileSystem& fs = m_cars.platform().fs;
    const auto time = [&fs](const QString& folder) {
        return folder.isEmpty() ? 0 : fs.nodeInfo(fs.realNodePath(QFile::encodeName(folder))).modifiedNs;
    };
    return {time(m_cars.carFolder()), time(m_cars.garageFolder())};
}

void CarTable::followLater(bool force)
{
    m_followForced = m_followForced || force;
    if (m_followPending)
        return;
    m_followPending = true;
    QMetaObject::invokeMethod(this, &CarTable::follow, Qt::QueuedConnection);
}

struct CarTable::Busy
{
    explicit Busy(CarTable& table) : table(table) { ++table.m_busy; }
    ~Busy()
    {
        if (--table.m_busy == 0) {
            table.m_followForced = true;
            table.follow();
        }
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
    CarTable& table;
};

void CarTable::follow()
{
    m_followPending = false;
    // A command of the table's own follows when it is done; a hidden table reads again when shown.
    if (m_busy > 0 || !isVisible())
        return;
    if (m_cars.carFolder() != m_readCars || m_cars.garageFolder() != m_readGarage) {
        reload();
        return;
    }
    // A car arriving or leaving changes its folder's time; the lists' changes say so in any case.
    const QPair<qint64, qint64> times = folderTimes();
    if (!m_followForced && times == m_readTimes)
        return;
    m_followForced = false;
    m_readTimes = times;

    Platform& platform = m_cars.platform();
    FileSystem& fs = platform.fs;
    QList<CarRecord> cars = m_model->cars();
    QSet<QString> known;
    for (const CarRecord& car : std::as_const(cars))
        known.insert(car.path);
    QList<bool> reread(cars.size(), false);
    QList<bool> gone(cars.size(), false);
    for (int i = 0; i < cars.size(); ++i) {
        const CarRecord& old = cars[i];
        if (fs.isFolder(old.path)) {
            // A folder whose time is unchanged holds the same files.
            if (isLeftover(old) ||
                fs.nodeInfo(QFile::encodeName(old.path)).modifiedNs / 1000000 == old.arrivedMs)
                continue;
            cars[i] = surveyCar(fs, platform.pictures, m_cars.carFolder(), old.path, old.inGarage);
            reread[i] = true;
            continue;
        }
        // A car that went to the other folder keeps its row.
        const bool inGarage = !old.inGarage;
        const QString other = joinPath(inGarage ? m_cars.garageFolder() : m_cars.carFolder(), old.folderName);
        if (!isLeftover(old) && !known.contains(other) && fs.isFolder(other)) {
            cars[i] = surveyCar(fs, platform.pictures, m_cars.carFolder(), other, inGarage);
            known.insert(other);
            reread[i] = true;
        } else {
            gone[i] = true;
        }
    }
    QList<CarRecord> all;
    QList<int> rowOf; // the model's row of each of `all`; -1 for a car that arrived
    for (int i = 0; i < cars.size(); ++i) {
        if (!gone[i]) {
            all << cars[i];
            rowOf << i;
        }
    }
    const auto arrivals = [&](const QString& folder, const QString& skip, bool inGarage) {
        for (const QString& path : carFoldersIn(fs, folder, skip, inGarage)) {
            if (!known.contains(path)) {
                all << surveyCar(fs, platform.pictures, m_cars.carFolder(), path, inGarage);
                rowOf << -1;
            }
        }
    };
    arrivals(m_cars.carFolder(), m_cars.garageFolder(), false);
    if (!m_cars.garageFolder().isEmpty() && m_cars.garageFolder() != m_cars.carFolder())
        arrivals(m_cars.garageFolder(), QString(), true);
    // Twins depend on the whole library: a car that left or arrived can make or end one.
    findTwins(all);

    QList<CarRecord> arrived;
    for (int k = 0; k < all.size(); ++k) {
        const int row = rowOf[k];
        if (row < 0)
            arrived << all[k];
        else if (reread[row] || !sameProblems(all[k].problems, m_model->car(row).problems))
            m_model->update(row, all[k]);
    }
    for (int row = int(gone.size()) - 1; row >= 0; --row)
        if (gone[row])
            m_model->update(row, std::nullopt);
    m_model->append(arrived);
    updateButtons();
}

void CarTable::reload()
{
    Platform& platform = m_cars.platform();
    m_readCars = m_cars.carFolder();
    m_readGarage = m_cars.garageFolder();
    m_readTimes = folderTimes();
    m_followForced = false;
    m_model->setCars(
        surveyLibrary(platform.fs, platform.pictures, m_cars.carFolder(), m_cars.garageFolder(), statsCache));
    if (statsCache)
        statsCache->save();
    m_filter->sort(m_view->horizontalHeader()->sortIndicatorSection(),
                   m_view->horizontalHeader()->sortIndicatorOrder());
    updateButtons();
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

void CarTable::resurvey(const QList<int>& rows)
{
    Platform& platform = m_cars.platform();
    QList<CarRecord> cars = m_model->cars();
    QList<int> gone;
    for (int row : rows) {
        const CarRecord& old = cars[row];
        // A moved car is in the other folder now; a deleted one is nowhere.
        QString path = old.path;
        bool inGarage = old.inGarage;
        if (!platform.fs.isFolder(path)) {
            inGarage = !inGarage;
            path = joinPath(inGarage ? m_cars.garageFolder() : m_cars.carFolder(), old.folderName);
        }
        if (platform.fs.isFolder(path))
            cars[row] = surveyCar(platform.fs, platform.pictures, m_cars.carFolder(), path, inGarage);
        else
            gone << row;
    }
    findTwins(cars);
    for (int i = 0; i < cars.size(); ++i)
        if (!gone.contains(i))
            m_model->update(i, cars[i]);
    for (auto it = gone.crbegin(); it != gone.crend(); ++it)
        m_model->update(*it, std::nullopt);
    updateButtons();
}

void CarTable::moveChosen()
{
    const Busy busy(*this);
    QStringList toGarage, toCars, unlistedToGarage, unlistedToCars;
    for (int row : chosenRows()) {
        const CarRecord& car = m_model->car(row);
        if (isLeftover(car))
            continue;
        if (car.listed)
            (car.inGarage ? toCars : toGarage) << car.folderName;
        else
            (car.inGarage ? unlistedToCars : unlistedToGarage) << car.folderName;
    }
    // The same command as the main window's: one undo step, the lists and counts follow.
    m_moves.record([&] {
        if (!toGarage.isEmpty())
            m_moves.send(toGarage, true);
        if (!toCars.isEmpty())
            m_moves.send(toCars, false);
    });
    // Cars the lists do not show move through the same engine; no list changes.
    for (const QString& name : std::as_const(unlistedToGarage))
        m_cars.moveUnlistedCar(name, true);
    for (const QString& name : std::as_const(unlistedToCars))
        m_cars.moveUnlistedCar(name, false);
}

void CarTable::deleteChosen()
{
    const Busy busy(*this);
    QStringList fromCars;
    QStringList fromGarage;
    for (int row : chosenRows()) {
        const CarRecord& car = m_model->car(row);
        if (!isLeftover(car))
            (car.inGarage ? fromGarage : fromCars) << car.folderName;
    }
    if (!fromCars.isEmpty())
        m_moves.remove(fromCars, true);
    if (!fromGarage.isEmpty())
        m_moves.remove(fromGarage, false);
}

void CarTable::addChosenToSet()
{
    QStringList names;
    for (int row : chosenRows())
        if (m_model->car(row).listed)
            names << m_model->car(row).folderName;
    if (onAddToSet && !names.isEmpty())
        onAddToSet(names);
}

void CarTable::fixChosenPaths()
{
    const Busy busy(*this);
    QList<int> rows;
    for (int row : chosenRows())
        if (m_model->car(row).fixablePaths())
            rows << row;
    if (rows.isEmpty())
        return;
    Dialogs& dialogs = m_cars.platform().dialogs;
    const QString question =
        rows.size() == 1
            ? QCoreApplication::translate(
                  "CarTable", "Point the paths in the parameters.txt of %1 at its own folder? A backup of "
                              "parameters.txt is kept; the details window can set it back.")
                  .arg(m_model->car(rows.first()).folderName)
            : QCoreApplication::translate(
                  "CarTable",
                  "Point the paths in the parameters.txt of %1 cars at their own folders? A backup of "
                  "each parameters.txt is kept; the details window can set it back.")
                  .arg(rows.size());
    if (dialogs.message(question, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    m_lastFix.clear();
    for (int row : rows) {
        const CarRecord& car = m_model->car(row);
        const Result<QString> backup = fixPaths(m_cars.platform().fs, car);
        if (!backup.ok())
            dialogs.plain(QStringLiteral("%1: %2").arg(car.folderName, backup.error().description()));
        else
            m_lastFix.append({car.path, car.inGarage, true, backup.value()});
    }
    resurvey(rows);
}

void CarTable::showChosenInLists()
{
    const Busy busy(*this);
    QList<int> rows;
    for (int row : chosenRows())
        if (!m_model->car(row).boxSource.isEmpty())
            rows << row;
    if (rows.isEmpty())
        return;
    Dialogs& dialogs = m_cars.platform().dialogs;
    QStringList sources;
    for (int row : rows)
        sources << m_model->car(row).boxSource;
    if (dialogs.message(QCoreApplication::translate(
                            "CarTable",
                            "Copy the box picture each car names into its folder, so the lists show it? "
                            "The pictures named stay as they are:\n%1")
                            .arg(sources.join(QLatin1Char('\n'))),
                        Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    m_lastFix.clear();
    for (int row : rows) {
        const CarRecord& car = m_model->car(row);
        const Result<QString> copied = showInLists(m_cars.platform().fs, car);
        if (!copied.ok()) {
            dialogs.plain(QStringLiteral("%1: %2").arg(car.folderName, copied.error().description()));
        } else {
            m_lastFix.append({car.path, car.inGarage, false, copied.value()});
            m_cars.addInstalledCar(car.folderName, car.inGarage);
        }
    }
    resurvey(rows);
}

void CarTable::undoFix()
{
    const Busy busy(*this);
    FileSystem& fs = m_cars.platform().fs;
    QList<int> rows;
    for (const DoneFix& done : std::as_const(m_lastFix)) {
        const QString file = joinPath(done.carPath, done.file);
        Error e;
        if (done.paths) {
            e = fs.replaceFileAtomic(
                file, joinPath(done.carPath, fs.resolve(done.carPath, QStringLiteral("parameters.txt"))));
        } else {
            e = fs.deleteFile(file);
            if (!e)
                m_cars.removeGoneCar(lastName(done.carPath), done.inGarage);
        }
        if (e)
            m_cars.platform().dialogs.plain(QStringLiteral("%1: %2").arg(file, e.description()));
        for (int i = 0; i < m_model->rowCount(); ++i)
            if (m_model->car(i).path == done.carPath)
                rows << i;
    }
    m_lastFix.clear();
    resurvey(rows);
}

void CarTable::openDetails(int row)
{
    const Busy busy(*this);
    const CarRecord& car = m_model->car(row);
    if (!car.hasParameters)
        return;
    // As a double-click on the car's list entry does; a car the lists do not show opens by its path.
    const CarList& list = car.inGarage ? m_cars.garageList() : m_cars.carList();
    const int listRow = list.rowOfText(car.folderName);
    const QString path = car.path;
    if (listRow >= 0) {
        if (car.inGarage) {
            m_cars.chooseGarageRow(listRow);
            m_cars.openChosenGarageCar();
        } else {
            m_cars.chooseCarRow(listRow);
            m_cars.openChosenCar();
        }
    } else {
        m_cars.openCar(path);
    }
    // The details window may have changed the parameters or the skins.
    const int now = [&] {
        for (int i = 0; i < m_model->rowCount(); ++i)
            if (m_model->car(i).path == path)
                return i;
        return -1;
    }();
    if (now >= 0)
        resurvey({now});
}

void CarTable::openChosen()
{
    const QList<int> rows = chosenRows();
    if (!rows.isEmpty())
        openDetails(rows.first());
}

void CarTable::openTwins(int row)
{
    const CarRecord car = m_model->car(row);
    openDetails(row);
    for (const CarProblem& p : car.problems) {
        if (p.kind != CarProblem::Kind::SameName && p.kind != CarProblem::Kind::SameFolderName)
            continue;
        for (int i = 0; i < m_model->rowCount(); ++i)
            if (m_model->car(i).path == p.other) {
                openDetails(i);
                return;
            }
    }
}

} // namespace parkwen
