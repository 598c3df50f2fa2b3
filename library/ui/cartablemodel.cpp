#include "library/ui/cartable.h"

#include "details/statcaptions.h"
#include "library/carlibrary.h"
#include "library/carnames.h"
#include "library/ui/cartablerows.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace parkwen {

using cartablerows::Thumbnail;

namespace {

const char* const kHeaders[CarTableModel::ColumnCount] = {"",
                                                          QT_TRANSLATE_NOOP("CarTable", "Folder name"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Name"),
                                                          QT_TRANSLATE_NOOP("CarTable", "In"),
                                                          QT_TRANSLATE_NOOP("CarTable", "Pack"),
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

CarTableModel::CarTableModel(CarLibrary& cars, QObject* parent) : QAbstractTableModel(parent), m_library(cars)
{
}

CarTableModel::Keys CarTableModel::keysOf(const CarRecord& car)
{
    Keys k;
    k.folder = car.folderName.toLower();
    k.name = car.nameInParameters.toLower();
    if (car.hasParameters) {
        k.speed = car.stats.speedMph.value_or(0.0);
        k.mass = car.stats.massKg.value_or(0.0);
        // A statistic the file does not give sorts before every value.
        const CarStatistics& s = car.stats;
        k.cls = s.carClass ? int(*s.carClass) : -1;
        k.rating = s.rating ? int(*s.rating) : -1;
        k.transmission = s.poweredWheels ? transmissionOrder(*s.poweredWheels) : -1;
    }
    return k;
}

QString CarTableModel::classOf(int row) const
{
    return m_cars[row].hasParameters ? classText(m_cars[row].stats) : QString();
}

QString CarTableModel::ratingOf(int row) const
{
    return m_cars[row].hasParameters ? ratingText(m_cars[row].stats) : QString();
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
    case Pack:
        // The pack the game loads the Car Folder's cars as; the Garage is no pack.
        return car.inGarage || !m_library.game().folder() ? QString()
                                                          : m_library.game().folder()->carFolderPack;
    case Class:
        return stats ? classText(car.stats) : QString();
    case Rating:
        return stats ? ratingText(car.stats) : QString();
    case Speed:
        return stats ? speedText(car.stats) : QString();
    case Mass:
        return stats ? massText(car.stats) : QString();
    case Transmission:
        return stats ? transmissionText(car.stats) : QString();
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
    case Class:
        return m_keys[row].cls;
    case Rating:
        return m_keys[row].rating;
    case Transmission:
        return m_keys[row].transmission;
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
            const PictureStore& store = car.inGarage ? m_library.folder(FolderRole::Garage).pictures()
                                                     : m_library.folder(FolderRole::Cars).pictures();
            const QImage image = store.picture(carKey(car.folderName));
            if (!image.isNull())
                return image.scaled(Thumbnail, Thumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation);
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
    if (role == Qt::ToolTipRole && section == Pack)
        return QCoreApplication::translate("CarTable",
                                           "The game's pack the car is in (default: the game folder's own); "
                                           "\"Loaded by the game\" shows the cars of every pack");
    return QVariant();
}

} // namespace parkwen
