#include "app/cli/carjson.h"
#include "details/paramreader.h"
#include "details/tests/sampleparams.h"
#include "details/textbuffer.h"
#include "library/carstatscache.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace parkwen;

// The statistics the command line writes, byte for byte: as the car's file gives them, and as the
// statistics cache gives them back to the next survey.
class StatsJsonTest : public QObject
{
    Q_OBJECT

    static QByteArray compact(const CarStatistics& stats)
    {
        return QJsonDocument(statisticsJson(stats)).toJson(QJsonDocument::Compact);
    }

private slots:
    void cars_giveTheSameJsonFreshAndFromTheCache_data()
    {
        QTest::addColumn<QString>("car");
        QTest::addColumn<QByteArray>("json");
        const auto real = [](const char* car, const char* json) {
            QFile file(QStringLiteral(PARKWEN_REALCARS "/%1/parameters.txt").arg(QLatin1String(car)));
            if (!file.open(QIODevice::ReadOnly))
                qFatal("no real car %s", car);
            QTest::newRow(car) << QString::fromLatin1(file.readAll()) << QByteArray(json);
        };
        real("2022", R"({"acceleration":25,"base":"Candy Pebbles","class":"Electric","grip":78,"mass":0.84,)"
                     R"("rating":"Semi-Pro","skin":"car.bmp","speed":34.1,"transmission":"4-WD","turn":44})");
        real("amw", R"({"acceleration":14,"base":"AMW","class":"Glow","grip":68,"mass":1,"rating":"Pro",)"
                    R"("skin":"amw.bmp","speed":43,"transmission":"R-WD","turn":72})");
        real("baddrc", R"({"acceleration":30,"base":null,"class":"Electric","grip":100,"mass":2,)"
                       R"("rating":"Amateur","skin":"car.bmp","speed":35,"transmission":"4-WD","turn":50})");
        real("ballista",
             R"({"acceleration":70,"base":null,"class":"Glow","grip":34,"mass":2,)"
             R"("rating":"Semi-Pro","skin":"car.bmp","speed":38.5,"transmission":"F-WD","turn":43})");
        real("docta", R"({"acceleration":35,"base":null,"class":"Glow","grip":68,"mass":1.2,)"
                      R"("rating":"Semi-Pro","skin":"car.bmp","speed":32,"transmission":"4-WD","turn":46})");
        real("gleam", R"({"acceleration":30,"base":null,"class":"Glow","grip":70,"mass":1,"rating":"Pro",)"
                      R"("skin":"car.bmp","speed":40,"transmission":"4-WD","turn":74})");
        real("tc12", R"({"acceleration":18,"base":null,"class":"Electric","grip":66,"mass":1.2,)"
                     R"("rating":"Amateur","skin":"car.bmp","speed":32.5,"transmission":"4-WD","turn":47})");
        real("wincar4", R"({"acceleration":15,"base":null,"class":"Electric","grip":66,"mass":1.2,)"
                        R"("rating":"Pro","skin":"car.bmp","speed":45,"transmission":"4-WD","turn":80})");
        // A file that gives nothing: every statistic is null, never 0.
        QTest::newRow("nothing") << QStringLiteral("BODY { }")
                                 << QByteArray(R"({"acceleration":null,"base":null,"class":null,"grip":null,)"
                                               R"("mass":null,"rating":null,"skin":null,"speed":null,)"
                                               R"("transmission":null,"turn":null})");
        // A grip beyond what an int holds is still its number.
        test::SampleParams sample;
        sample.bodyGrip = QStringLiteral("2e10");
        sample.wheelGrip = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                            QStringLiteral("0")};
        QTest::newRow("huge grip") << sample.text()
                                   << QByteArray(
                                          R"({"acceleration":100,"base":"Adeon","class":"Glow",)"
                                          R"("grip":20000000000000,"mass":1.5,"rating":"Semi-Pro",)"
                                          R"("skin":"car.bmp","speed":38,"transmission":"4-WD","turn":47})");
    }
    void cars_giveTheSameJsonFreshAndFromTheCache()
    {
        QFETCH(QString, car);
        QFETCH(QByteArray, json);
        CarReading reading;
        reading.car.path = QStringLiteral("/cars/") + QTest::currentDataTag();
        reading.car.hasParameters = true;
        TextBuffer buffer(car);
        readStatistics(buffer, reading.car.stats);
        QCOMPARE(compact(reading.car.stats), json);

        QTemporaryDir dir;
        const QString file = dir.filePath(QString(CarStatsCache::FileName));
        {
            CarStatsCache cache(file);
            cache.store(reading);
            QVERIFY(cache.save());
        }
        const CarStatsCache again(file);
        const CarReading* kept = again.find(reading.car.path);
        QVERIFY(kept);
        QCOMPARE(compact(kept->car.stats), json);
    }
};

QTEST_GUILESS_MAIN(StatsJsonTest)
#include "statsjson_test.moc"
