#pragma once

#include "library/carhealth.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace parkwen {

class CarLibrary;
class CarStatsCache;
class ManyMoves;

// Every folder of both folders, a row each, with what the survey found.
class CarTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Picture,
        Folder,
        Name,
        Where,
        Pack,
        Class,
        Rating,
        Speed,
        Mass,
        Transmission,
        Skins,
        Size,
        Arrived,
        Health,
        ColumnCount
    };
    // The value a column sorts by: numbers for the numeric columns and the statistics (a class,
    // rating or transmission by its order, none before any), text ignoring case otherwise.
    static constexpr int SortRole = Qt::UserRole;
    // The row's CarRecord index (on any column).
    static constexpr int RecordRole = Qt::UserRole + 1;

    explicit CarTableModel(CarLibrary& cars, QObject* parent = nullptr);

    void setCars(QList<CarRecord> cars);
    const QList<CarRecord>& cars() const { return m_cars; }
    const CarRecord& car(int row) const { return m_cars[row]; }
    // Replaces one row (after a fix or a move); removes it when `record` is empty.
    void update(int row, const std::optional<CarRecord>& record);
    // New rows at the end.
    void append(const QList<CarRecord>& records);
    // The order of two rows by a column: numbers and statistics by value, text ignoring case.
    bool lessThan(int left, int right, int column) const;
    // The class and rating as the table shows them, for the filters: "Glow", "Pro".
    QString classOf(int row) const;
    QString ratingOf(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // What sorting and filtering compare, worked out once per row.
    struct Keys
    {
        double speed = 0;
        double mass = 0;
        QString folder;
        QString name;
        int cls = -1;
        int rating = -1;
        int transmission = -1;
    };
    static Keys keysOf(const CarRecord& car);
    QVariant display(const CarRecord& car, int column) const;
    QVariant sortValue(int row, int column) const;

    CarLibrary& m_library;
    QList<CarRecord> m_cars;
    QList<Keys> m_keys;
};

// What the table's filters let through.
class CarTableFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    enum class Place { Both, CarFolder, GarageFolder };
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setText(const QString& text);
    // Empty for any class or rating: otherwise the value after the caption's label ("Glow", "Pro").
    void setClass(const QString& value);
    void setRating(const QString& value);
    void setPlace(Place place);
    void setProblemsOnly(bool on);

private:
    void invalidateAll();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString m_text;
    QString m_class;
    QString m_rating;
    Place m_place = Place::Both;
    bool m_problemsOnly = false;
};

// The car table window: the whole library in one sortable, filterable table, with the moves,
// deletion and sets of the main window for many cars at once, and the health check's fixes.
class CarTable : public QWidget
{
    Q_OBJECT
public:
    CarTable(CarLibrary& cars, ManyMoves& moves, QWidget* parent = nullptr);

    // Adds the named cars to a set (the program connects the set commands here).
    std::function<void(const QStringList& names)> onAddToSet;
    // Where the readings of the folders are kept between openings; none reads every folder.
    CarStatsCache* statsCache = nullptr;

    // Reads both folders again.
    void reload();
    // Brings the rows in step with the folders after a change made elsewhere (the main window, a
    // command, an install): cars that left, arrived, moved or changed are read again, the rest are
    // not. The table does this by itself, once the change is done.
    void follow();
    CarTableModel& model() { return *m_model; }
    CarTableFilter& filter() { return *m_filter; }
    QTableView* view() { return m_view; }
    // The chosen rows, as rows of the model.
    QList<int> chosenRows() const;

    // The commands of the buttons, for the chosen rows.
    void moveChosen();
    void deleteChosen();
    void addChosenToSet();
    void fixChosenPaths();
    void showChosenInLists();
    // Takes back the last "Fix paths" or "Show in the lists": sets the backups back, deletes the
    // copied pictures.
    void undoFix();
    void openChosen();
    // "Loaded by the game": every car of every pack under the chosen packlist.
    void showLoaded();
    void openDetails(int row);
    void openTwins(int row);

private:
    // The window's parts, made in the order the keyboard's focus goes through them.
    QHBoxLayout* makeFilters();
    void makeView();
    QHBoxLayout* makeButtons();
    QPushButton* makeButton(const char* name, const QString& caption, const QString& tip,
                            void (CarTable::*command)());
    void connectFilters();
    void connectView();
    // The buttons' commands for the chosen rows, and "Open Both Twins" for one row with a twin.
    void showMenu(const QPoint& at);
    // Has the rows follow the changes to the library's lists and folders.
    void followLibrary();

    void updateButtons();
    void updateCount();
    // Reads one car again after something changed it; gone when its folder is gone.
    void resurvey(const QList<int>& rows);
    // Asks for follow() once the current change is done (many signals, one follow).
    void followLater(bool force);
    // The folders' own times, which any car arriving or leaving changes.
    QPair<qint64, qint64> folderTimes();
    // While one lives (one of the table's own commands runs), the table does not follow: the rows
    // its command chose stay where they are. When the last goes, the table follows once.
    struct Busy;

    CarLibrary& m_cars;
    ManyMoves& m_moves;
    CarTableModel* m_model;
    CarTableFilter* m_filter;
    QTableView* m_view;
    QLineEdit* m_text;
    QComboBox* m_class;
    QComboBox* m_rating;
    QComboBox* m_place;
    QCheckBox* m_problems;
    QLabel* m_count;
    QPushButton* m_move;
    QPushButton* m_delete;
    QPushButton* m_addToSet;
    QPushButton* m_fixPaths;
    QPushButton* m_showInLists;
    QPushButton* m_undoFix;
    // What the last fix did, car by car: the backup it kept or the picture it copied.
    struct DoneFix
    {
        QString carPath;
        bool inGarage = false;
        bool paths = false;
        QString file;
    };
    QList<DoneFix> m_lastFix;
    QPushButton* m_details;
    bool m_followPending = false;
    bool m_followForced = false;
    int m_busy = 0;
    // What the rows were read from.
    QString m_readCars;
    QString m_readGarage;
    QPair<qint64, qint64> m_readTimes;
};

} // namespace parkwen
