#include "details/paramreader.h"
#include "details/tests/sampleparams.h"
#include "details/textbuffer.h"
#include "library/carlibrary.h"
#include "library/ui/cartable.h"
#include "tests/support/testlibrary.h"

#include <QFile>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

namespace {

const char* const kRealCars[] = {"2022", "amw", "baddrc", "ballista", "docta", "gleam", "tc12", "wincar4"};

CarRecord carReading(const QString& folder, const QString& parameters)
{
    CarRecord car;
    car.folderName = folder;
    car.path = QStringLiteral("/cars/") + folder;
    car.hasParameters = true;
    TextBuffer buffer(parameters);
    readStatistics(buffer, car.stats);
    return car;
}

CarRecord realCar(const char* folder)
{
    QFile file(QStringLiteral(PARKWEN_REALCARS "/%1/parameters.txt").arg(QLatin1String(folder)));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no real car %s", folder);
    return carReading(QLatin1String(folder), QString::fromLatin1(file.readAll()));
}

} // namespace

// The statistics columns of the car table: the texts they show and the order they sort in.
class CarTableStatsTest : public QObject
{
    Q_OBJECT

    TestLibrary m_lib;
    CarLibrary m_library{m_lib.platform()};

private slots:
    void realCars_showTheirStatistics_data()
    {
        QTest::addColumn<QString>("car");
        QTest::addColumn<QStringList>("texts"); // class, rating, speed, mass, transmission
        QTest::newRow("2022") << "2022" << QStringList{"Electric", "Semi-Pro", "34.10mph", "00.84kg", "4-WD"};
        QTest::newRow("amw") << "amw" << QStringList{"Glow", "Pro", "43.00mph", "01.00kg", "R-WD"};
        QTest::newRow("baddrc") << "baddrc"
                                << QStringList{"Electric", "Amateur", "35.00mph", "02.00kg", "4-WD"};
        QTest::newRow("ballista") << "ballista"
                                  << QStringList{"Glow", "Semi-Pro", "38.50mph", "02.00kg", "F-WD"};
        QTest::newRow("docta") << "docta" << QStringList{"Glow", "Semi-Pro", "32.00mph", "01.20kg", "4-WD"};
        QTest::newRow("gleam") << "gleam" << QStringList{"Glow", "Pro", "40.00mph", "01.00kg", "4-WD"};
        QTest::newRow("tc12") << "tc12" << QStringList{"Electric", "Amateur", "32.50mph", "01.20kg", "4-WD"};
        QTest::newRow("wincar4") << "wincar4"
                                 << QStringList{"Electric", "Pro", "45.00mph", "01.20kg", "4-WD"};
    }
    void realCars_showTheirStatistics()
    {
        QFETCH(QString, car);
        CarTableModel model(m_library);
        model.setCars({realCar(qPrintable(car))});
        QStringList texts;
        for (const int column : {CarTableModel::Class, CarTableModel::Rating, CarTableModel::Speed,
                                 CarTableModel::Mass, CarTableModel::Transmission})
            texts << model.index(0, column).data().toString();
        QTEST(texts, "texts");
        QCOMPARE(model.classOf(0), texts[0]);
        QCOMPARE(model.ratingOf(0), texts[1]);
    }

    // Class, rating and transmission sort by what they mean, a car whose file gives none first; ties
    // by folder name.
    void statistics_sortByValue_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("class") << int(CarTableModel::Class)
                               << QStringList{"unread", "2022",     "baddrc", "tc12",  "wincar4",
                                              "amw",    "ballista", "docta",  "gleam", "special"};
        QTest::newRow("rating") << int(CarTableModel::Rating)
                                << QStringList{"unread",   "special", "baddrc", "tc12",  "2022",
                                               "ballista", "docta",   "amw",    "gleam", "wincar4"};
        QTest::newRow("transmission") << int(CarTableModel::Transmission)
                                      << QStringList{"unread", "special", "ballista", "amw",  "2022",
                                                     "baddrc", "docta",   "gleam",    "tc12", "wincar4"};
    }
    void statistics_sortByValue()
    {
        QFETCH(int, column);
        QFETCH(QStringList, order);
        QList<CarRecord> cars;
        for (const char* car : kRealCars)
            cars << realCar(car);
        SampleParams special; // Special, Rookie, the front left wheel alone
        special.engineClass = QStringLiteral("2");
        special.rating = QStringLiteral("0");
        special.powered = {QStringLiteral("TRUE"), QStringLiteral("FALSE"), QStringLiteral("FALSE"),
                           QStringLiteral("FALSE")};
        cars << carReading(QStringLiteral("special"), special.text());
        cars << carReading(QStringLiteral("unread"), QStringLiteral("BODY { }"));
        std::reverse(cars.begin(), cars.end());

        CarTableModel model(m_library);
        model.setCars(cars);
        CarTableFilter filter;
        filter.setSourceModel(&model);
        filter.sort(column, Qt::AscendingOrder);
        QStringList folders;
        for (int row = 0; row < filter.rowCount(); ++row)
            folders << filter.index(row, CarTableModel::Folder).data().toString();
        QCOMPARE(folders, order);
    }
};

QTEST_MAIN(CarTableStatsTest)
#include "cartablestats_test.moc"
