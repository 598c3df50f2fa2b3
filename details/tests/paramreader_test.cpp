#include "details/basecar.h"
#include "details/paramreader.h"
#include "details/statcaptions.h"
#include "details/tests/sampleparams.h"
#include "details/textbuffer.h"
#include "platform/numbers.h"

#include <QFile>
#include <QTest>

#include <limits>

using namespace parkwen;
using parkwen::test::SampleParams;

namespace {

// A reading with what the details window shows of it: its values, and their captions and bars.
struct Shown : CarStatistics, StatCaptions
{
    using StatCaptions::rating;
};

Shown read(const QString& text, CarStatistics stats = CarStatistics())
{
    TextBuffer buffer(text);
    readStatistics(buffer, stats);
    return {stats, captionsOf(stats)};
}

Shown read(const SampleParams& sample)
{
    return read(sample.text());
}

} // namespace

class ParamReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void gameLayout_readsEveryStatistic()
    {
        SampleParams sample;
        sample.engineRatio = {"9000.000000", "9000.000000", "0.000000", "0.000000"};
        sample.powered = {"TRUE", "TRUE", "FALSE", "FALSE"};
        const Shown s = read(sample);
        QCOMPARE(s.speed, QStringLiteral("Speed: 38.00mph"));
        QCOMPARE(s.classCaption, QStringLiteral("Class: Glow"));
        QCOMPARE(s.rating, QStringLiteral("Rating: Semi-Pro"));
        QCOMPARE(s.mass, QStringLiteral("Mass: 01.50kg")); // the "mass" in the CoM comment is passed over
        QCOMPARE(s.transmission, QStringLiteral("Transmission: F-WD"));
        QCOMPARE(s.base, QStringLiteral("Base: Adeon"));
        QCOMPARE(s.currentSkin, QStringLiteral("car.bmp"));
        // (0.01 + 4 x 0.015) / 5 = 0.014 of 0.02
        QCOMPARE(s.grip.tooltip, QStringLiteral("70%"));
        QCOMPARE(s.grip.width, 2111);
        // (3 / 3 + 0.4 x 2 + 0.5 + 0.5) / 6
        QCOMPARE(s.turn.tooltip, QStringLiteral("47%"));
        // (2 x 9000 / 4) of 50000
        QCOMPARE(s.accel.tooltip, QStringLiteral("9%"));
        QCOMPARE(s.accel.height, StatBar::Height);
    }

    void keywordsInOtherCases_readAlike()
    {
        QString text = SampleParams().text();
        text.replace(QStringLiteral("TopSpeed"), QStringLiteral("TOPSPEED"))
            .replace(QStringLiteral("Class "), QStringLiteral("cLASS "))
            .replace(QStringLiteral("Grip"), QStringLiteral("gRiP"))
            .replace(QStringLiteral("IsPowered"), QStringLiteral("ISPOWERED"))
            .replace(QStringLiteral("SteerRatio"), QStringLiteral("steerratio"))
            .replace(QStringLiteral("End AI"), QStringLiteral("eNd aI"))
            .replace(QStringLiteral("TPAGE"), QStringLiteral("tpage"));
        const Shown expected = read(SampleParams());
        const Shown s = read(text);
        QCOMPARE(s.speed, expected.speed);
        QCOMPARE(s.classCaption, expected.classCaption);
        QCOMPARE(s.grip.tooltip, expected.grip.tooltip);
        QCOMPARE(s.turn.tooltip, expected.turn.tooltip);
        QCOMPARE(s.transmission, expected.transmission);
        QCOMPARE(s.base, expected.base);
        QCOMPARE(s.currentSkin, expected.currentSkin);
    }

    void topSpeedWithBlank_isNotTheKeyword()
    {
        const Shown s = read(QStringLiteral("; top speed 99\r\nTopspeed 41.250000\r\n"));
        QCOMPARE(s.speed, QStringLiteral("Speed: 41.25mph"));
    }

    void Formatt_readsWholeNumberCutToTwoDecimals_data()
    {
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QString>("shown");
        QTest::newRow("38.000000") << "38.000000"
                                   << "38.00";
        QTest::newRow("1.500000") << "1.500000"
                                  << "01.50";
        QTest::newRow("123.4567") << "123.4567"
                                  << "123.45";
        QTest::newRow("38.5 then blanks") << "38.5     "
                                          << "38.50";
        QTest::newRow("35") << "35\r\nDown"
                            << "35.00";
        QTest::newRow("0.2") << "0.2"
                             << "00.20";
        QTest::newRow("cut, not rounded") << "1.159999"
                                          << "01.15";
        QTest::newRow("no number") << "abc"
                                   << "00.00";
        QTest::newRow("exponent") << "1.5e2"
                                  << "150.00";
        QTest::newRow("leading zeros") << "0007.1"
                                       << "07.10";
    }
    void Formatt_readsWholeNumberCutToTwoDecimals()
    {
        QFETCH(QString, taken);
        QFETCH(QString, shown);
        QCOMPARE(twoDecimals(taken), shown);
    }

    void readValue_skipsBlanksAndLineFeedsAndStopsAtOtherCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("blanks inside") << " 1 2.5\t" << 12.5;
        QTest::newRow("carriage return ends") << "0.02\r\n9" << 0.02;
        QTest::newRow("line feed skipped") << "0.5\n5" << 0.55;
        QTest::newRow("sign") << "-0.300000" << -0.3;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("exponent") << "2E3x" << 2000.0;
        QTest::newRow("bare exponent letter") << "7e" << 7.0;
        QTest::newRow("nothing") << "; x" << 0.0;
    }
    void readValue_skipsBlanksAndLineFeedsAndStopsAtOtherCharacters()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(leadingNumber(text), value);
    }

    void classAndRating_unknownDigitKeepsPreviousCaption()
    {
        SampleParams sample;
        QCOMPARE(read(sample).classCaption, QStringLiteral("Class: Glow"));
        sample.engineClass = "3";
        sample.rating = "7";
        QCOMPARE(read(sample).classCaption, QStringLiteral("Class:"));
        QCOMPARE(read(sample).rating, QStringLiteral("Rating:"));

        SampleParams special;
        special.engineClass = "2";
        special.rating = "4";
        const Shown first = read(special);
        QCOMPARE(first.classCaption, QStringLiteral("Class: Special"));
        QCOMPARE(first.rating, QStringLiteral("Rating: Pro"));
        const Shown second = read(sample.text(), first);
        QCOMPARE(second.classCaption, QStringLiteral("Class: Special"));
        QCOMPARE(second.rating, QStringLiteral("Rating: Pro"));
    }

    void classInCommentWithoutDigit_readsLaterValue()
    {
        const QString filler(130, QLatin1Char('x'));
        // A later "Class" keyword is found after giving up on the comment.
        QCOMPARE(read("; a class of its own " + filler + "\r\nClass \t0\r\n").classCaption,
                 QStringLiteral("Class: Electric"));
        // With no later keyword, the scan goes on to the next digit.
        QCOMPARE(read("; a class of its own " + filler + filler + " 2").classCaption,
                 QStringLiteral("Class: Special"));
        // No digit at all: the caption stays.
        QCOMPARE(read("class " + filler + " class " + filler).classCaption, QStringLiteral("Class:"));
    }

    void mass_firstOccurrenceIsPassedOver()
    {
        QString text = SampleParams().text();
        text.replace(QStringLiteral("Centre of mass"), QStringLiteral("Centre of gravity"));
        // Without the comment the body's own Mass is the first one, so a wheel's mass is read.
        QCOMPARE(read(text).mass, QStringLiteral("Mass: 00.15kg"));
    }

    void transmission_namesPoweredWheels_data()
    {
        QTest::addColumn<QStringList>("powered");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accel");
        QTest::newRow("all") << QStringList{"TRUE", "TRUE", "TRUE", "TRUE"} << "4-WD"
                             << "100%";
        QTest::newRow("none") << QStringList{"FALSE", "FALSE", "FALSE", "FALSE"} << "Unpowered"
                              << "0%";
        QTest::newRow("any letter case") << QStringList{"true", "True", "false", "FALSE"} << "F-WD"
                                         << "50%";
        QTest::newRow("front") << QStringList{"TRUE", "TRUE", "FALSE", "FALSE"} << "F-WD"
                               << "50%";
        QTest::newRow("right") << QStringList{"FALSE", "TRUE", "FALSE", "TRUE"} << "Rgt-WD"
                               << "50%";
        QTest::newRow("back left") << QStringList{"FALSE", "FALSE", "TRUE", "FALSE"} << "BL-WD"
                                   << "25%";
        QTest::newRow("front left, back") << QStringList{"TRUE", "FALSE", "TRUE", "TRUE"} << "FL&R-WD"
                                          << "75%";
    }
    void transmission_namesPoweredWheels()
    {
        QFETCH(QStringList, powered);
        QFETCH(QString, name);
        QFETCH(QString, accel);
        SampleParams sample;
        for (int w = 0; w < 4; ++w)
            sample.powered[w] = powered[w];
        const Shown s = read(sample);
        QCOMPARE(s.transmission, "Transmission: " + name);
        QCOMPARE(s.accel.tooltip, accel);
    }

    void transmissionName_coversEveryCombination()
    {
        QSet<QString> names;
        for (int bits = 0; bits < 16; ++bits)
            names.insert(transmissionName({bool(bits & 8), bool(bits & 4), bool(bits & 2), bool(bits & 1)}));
        QCOMPARE(names.size(), 16);
        QCOMPARE(transmissionName({true, true, false, true}), QStringLiteral("F&BR-WD"));
        QCOMPARE(transmissionName({false, true, true, false}), QStringLiteral("FR&BL-WD"));
    }

    void grip_averageOf002IsFullAndAbove100IsCapped()
    {
        SampleParams sample;
        sample.bodyGrip = "0.020000";
        sample.wheelGrip = {"0.020000", "0.020000", "0.020000", "0.020000"};
        Shown s = read(sample);
        QCOMPARE(s.grip.tooltip, QStringLiteral("100%"));
        QCOMPARE(s.grip.width, StatBar::FullWidth);
        sample.bodyGrip = "0.030000";
        sample.wheelGrip = {"0.030000", "0.030000", "0.030000", "0.030000"};
        s = read(sample);
        QCOMPARE(s.grip.tooltip, QStringLiteral("150%"));
        QCOMPARE(s.grip.width, StatBar::FullWidth);
    }

    void acceleration_alwaysDividedByFour()
    {
        SampleParams sample; // four powered wheels at 50000
        QCOMPARE(read(sample).accel.tooltip, QStringLiteral("100%"));
        QCOMPARE(read(sample).accel.width, StatBar::FullWidth);
        sample.powered = {"FALSE", "TRUE", "FALSE", "FALSE"};
        const Shown s = read(sample);
        QCOMPARE(s.accel.tooltip, QStringLiteral("25%"));
        QCOMPARE(s.accel.width, 754);
    }

    void turn_negativeSteerRatioCountsAsPositive()
    {
        SampleParams sample;
        sample.steerRate = "0.000000";
        sample.steerMod = "0.000000";
        sample.steerRatio = {"-0.300000", "0.300000", "-0.300000", "0.300000"};
        QCOMPARE(read(sample).turn.tooltip, QStringLiteral("20%"));
    }

    void barFor_capsAndNeverGoesNegative()
    {
        QCOMPARE(barFor(74.5).tooltip, QStringLiteral("75%"));
        QCOMPARE(barFor(50).width, 1508);
        const StatBar negative = barFor(-30);
        QCOMPARE(negative.width, 0);
        QCOMPARE(negative.tooltip, QStringLiteral("-30%"));
        QCOMPARE(barFor(1e300).width, StatBar::FullWidth);
    }

    void currentSkin_takenAfterSecondSeparator_data()
    {
        QTest::addColumn<QString>("tpage");
        QTest::addColumn<QString>("skin");
        QTest::newRow("backslashes") << "cars\\adeon\\car.bmp"
                                     << "car.bmp";
        QTest::newRow("slashes") << "cars/akii/Car2.BMP"
                                 << "Car2.BMP";
        QTest::newRow("mixed") << "cars/akii\\paint.bmp"
                               << "paint.bmp";
        QTest::newRow("deeper folders") << "cars\\a\\b\\car.bmp"
                                        << "car.bmp";
        QTest::newRow("out of the folder") << "cars/../../x/../.."
                                           << "";
        // The name never comes from the following lines.
        QTest::newRow("one folder") << "cars\\car.bmp"
                                    << "car.bmp";
        QTest::newRow("no folder") << "car.bmp"
                                   << "car.bmp";
        QTest::newRow("no closing quote") << "cars\\x\\car.bmp\r\nCOLL \"a\\b\\c\""
                                          << "";
    }
    void currentSkin_takenAfterSecondSeparator()
    {
        QFETCH(QString, tpage);
        QFETCH(QString, skin);
        SampleParams sample;
        sample.tpage = tpage;
        QCOMPARE(read(sample).currentSkin, skin);
    }

    void base_fromChecksumAfterClosingBrace()
    {
        SampleParams sample;
        QCOMPARE(read(sample).base, QStringLiteral("Base: Adeon"));
        sample.checksum = "661A3B00";
        QCOMPARE(read(sample).base, QStringLiteral("Base: Phat Slug"));
        sample.eol = "\n";
        QCOMPARE(read(sample).base, QStringLiteral("Base: Phat Slug"));
        sample.checksum = "661a3b00";
        QCOMPARE(read(sample).base, QStringLiteral("Base: "));
        sample.checksum = "661";
        QCOMPARE(read(sample).base, QStringLiteral("Base: "));
        QString noEnd = SampleParams().text();
        noEnd.replace(QStringLiteral("End AI"), QStringLiteral("AI done"));
        QCOMPARE(read(noEnd).base, QStringLiteral("Base: "));
    }

    void Carbase_matchesFirstFiveCharactersExactly()
    {
        QCOMPARE(Carbase(QStringLiteral("C6E1FZZZ")), QStringLiteral("Adeon"));
        QCOMPARE(Carbase(QStringLiteral("2D412")), QStringLiteral("Bertha Balli."));
        QCOMPARE(Carbase(QStringLiteral("AAAD")), QString());
        QCOMPARE(Carbase(QStringLiteral("c6e1f")), QString());
        QCOMPARE(Carbase(QString()), QString());
    }

    void isParameterFile_needsBodyBlockInAnyCase()
    {
        QVERIFY(isParameterFile(SampleParams().text()));
        QVERIFY(isParameterFile(QStringLiteral("x body {")));
        QVERIFY(!isParameterFile(QStringLiteral("BODY{ readme")));
        QVERIFY(!isParameterFile(QString()));
    }

    void fileCutShortAnywhere_readsWithoutHangingAndLeavesDefinedState()
    {
        const QString full = SampleParams().text();
        for (int length = 0; length <= full.size(); ++length) {
            const Shown s = read(full.left(length));
            for (const StatBar* bar : {&s.grip, &s.turn, &s.accel}) {
                QVERIFY(bar->width >= 0 && bar->width <= StatBar::FullWidth);
                QVERIFY(bar->tooltip.endsWith(QLatin1Char('%')));
            }
            QVERIFY(s.base.startsWith(QStringLiteral("Base: ")));
        }
        const Shown empty = read(QString());
        QCOMPARE(empty.speed, QStringLiteral("Speed:"));
        QCOMPARE(empty.transmission, QStringLiteral("Transmission:"));
        QCOMPARE(empty.grip.width, 0);
        QCOMPARE(empty.grip.tooltip, QStringLiteral("0%"));
    }

    void megabyteOfNearMisses_isReadInOnePass()
    {
        // Every keyword search misses and every "Class" is without a digit: a reader that searched
        // the rest of the text again for each window would take minutes here.
        QString text;
        while (text.size() < 1 << 20)
            text += QStringLiteral("; Class x Grip y IsPowered z SteerRatio w and so on ..............\r\n");
        const Shown s = read(text);
        QCOMPARE(s.classCaption, QStringLiteral("Class:"));
        QCOMPARE(s.grip.width, 0);
    }
    // Real cars as players have them, read as they come (LF) and as half of all cars are written (CR LF):
    // the line end never changes a number.
    void realCars_readTheSameWithEitherLineEnd_data()
    {
        QTest::addColumn<QString>("car");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("classCaption");
        QTest::addColumn<QString>("rating");
        QTest::addColumn<QString>("mass");
        QTest::newRow("2022") << "2022"
                              << "Speed: 34.10mph"
                              << "Class: Electric"
                              << "Rating: Semi-Pro"
                              << "Mass: 00.84kg";
        QTest::newRow("amw") << "amw"
                             << "Speed: 43.00mph"
                             << "Class: Glow"
                             << "Rating: Pro"
                             << "Mass: 01.00kg";
        QTest::newRow("baddrc") << "baddrc"
                                << "Speed: 35.00mph"
                                << "Class: Electric"
                                << "Rating: Amateur"
                                << "Mass: 02.00kg";
        QTest::newRow("ballista") << "ballista"
                                  << "Speed: 38.50mph"
                                  << "Class: Glow"
                                  << "Rating: Semi-Pro"
                                  << "Mass: 02.00kg";
        QTest::newRow("docta") << "docta"
                               << "Speed: 32.00mph"
                               << "Class: Glow"
                               << "Rating: Semi-Pro"
                               << "Mass: 01.20kg";
        QTest::newRow("gleam") << "gleam"
                               << "Speed: 40.00mph"
                               << "Class: Glow"
                               << "Rating: Pro"
                               << "Mass: 01.00kg";
        QTest::newRow("tc12") << "tc12"
                              << "Speed: 32.50mph"
                              << "Class: Electric"
                              << "Rating: Amateur"
                              << "Mass: 01.20kg";
        QTest::newRow("wincar4") << "wincar4"
                                 << "Speed: 45.00mph"
                                 << "Class: Electric"
                                 << "Rating: Pro"
                                 << "Mass: 01.20kg";
    }
    void realCars_readTheSameWithEitherLineEnd()
    {
        QFETCH(QString, car);
        QFile file(QFINDTESTDATA(QStringLiteral("realcars/") + car + QStringLiteral("/parameters.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray lf = file.readAll();
        QVERIFY(!lf.contains('\r'));
        QByteArray crlf = lf;
        crlf.replace("\n", "\r\n");
        const Shown a = read(QString::fromLatin1(lf));
        const Shown b = read(QString::fromLatin1(crlf));
        for (const Shown& s : {a, b}) {
            QTEST(s.speed, "speed");
            QTEST(s.classCaption, "classCaption");
            QTEST(s.rating, "rating");
            QTEST(s.mass, "mass");
        }
        QCOMPARE(b.transmission, a.transmission);
        QCOMPARE(b.grip.tooltip, a.grip.tooltip);
        QCOMPARE(b.turn.tooltip, a.turn.tooltip);
        QCOMPARE(b.accel.tooltip, a.accel.tooltip);
        QCOMPARE(b.base, a.base);
        QCOMPARE(b.currentSkin, a.currentSkin);
        QVERIFY(a.grip.known && a.turn.known && a.accel.known);
        // The numbers behind the captions, as they show them.
        QCOMPARE(QStringLiteral("Speed: %1mph").arg(*a.speedMph, 5, 'f', 2, QLatin1Char('0')), a.speed);
        QCOMPARE(QStringLiteral("Mass: %1kg").arg(*b.massKg, 5, 'f', 2, QLatin1Char('0')), b.mass);
    }

    // What the details window shows of real cars: every caption, and each bar's tooltip and width.
    void realCars_showEveryCaptionAndBar_data()
    {
        QTest::addColumn<QString>("car");
        QTest::addColumn<QStringList>("captions"); // speed, class, rating, mass, transmission, base
        QTest::addColumn<QStringList>("bars");     // grip, turn, accel: tooltip and width in twips
        const auto row = [](const char* car, QStringList captions, QStringList bars) {
            QTest::newRow(car) << QString::fromLatin1(car) << captions << bars;
        };
        row("2022",
            {"Speed: 34.10mph", "Class: Electric", "Rating: Semi-Pro", "Mass: 00.84kg", "Transmission: 4-WD",
             "Base: Candy Pebbles"},
            {"78% 2352", "44% 1333", "25% 768"});
        row("amw",
            {"Speed: 43.00mph", "Class: Glow", "Rating: Pro", "Mass: 01.00kg", "Transmission: R-WD",
             "Base: AMW"},
            {"68% 2050", "72% 2161", "14% 407"});
        row("baddrc",
            {"Speed: 35.00mph", "Class: Electric", "Rating: Amateur", "Mass: 02.00kg", "Transmission: 4-WD",
             "Base: "},
            {"100% 3015", "50% 1508", "30% 905"});
        row("ballista",
            {"Speed: 38.50mph", "Class: Glow", "Rating: Semi-Pro", "Mass: 02.00kg", "Transmission: F-WD",
             "Base: "},
            {"34% 1025", "43% 1290", "70% 2111"});
        row("docta",
            {"Speed: 32.00mph", "Class: Glow", "Rating: Semi-Pro", "Mass: 01.20kg", "Transmission: 4-WD",
             "Base: "},
            {"68% 2050", "46% 1390", "35% 1055"});
        row("gleam",
            {"Speed: 40.00mph", "Class: Glow", "Rating: Pro", "Mass: 01.00kg", "Transmission: 4-WD",
             "Base: "},
            {"70% 2111", "74% 2245", "30% 905"});
        row("tc12",
            {"Speed: 32.50mph", "Class: Electric", "Rating: Amateur", "Mass: 01.20kg", "Transmission: 4-WD",
             "Base: "},
            {"66% 1990", "47% 1407", "18% 543"});
        row("wincar4",
            {"Speed: 45.00mph", "Class: Electric", "Rating: Pro", "Mass: 01.20kg", "Transmission: 4-WD",
             "Base: "},
            {"66% 1990", "80% 2412", "15% 452"});
    }
    void realCars_showEveryCaptionAndBar()
    {
        QFETCH(QString, car);
        QFile file(QFINDTESTDATA(QStringLiteral("realcars/") + car + QStringLiteral("/parameters.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Shown s = read(QString::fromLatin1(file.readAll()));
        QTEST((QStringList{s.speed, s.classCaption, s.rating, s.mass, s.transmission, s.base}), "captions");
        QStringList bars;
        for (const StatBar* bar : {&s.grip, &s.turn, &s.accel}) {
            bars << bar->tooltip + QLatin1Char(' ') + QString::number(bar->width);
            QCOMPARE(bar->height, StatBar::Height);
        }
        QTEST(bars, "bars");
    }

    // Speed and mass are kept as numbers and written again for the captions: the digits must be the
    // ones the file gave, cut as before, however the number is written.
    void speedAndMass_showTheDigitsTheFileGave_data()
    {
        QTest::addColumn<QString>("written");
        for (const char* text : {"38.000000", "1.5", "0.2", "1.159999", "123.4567", "0007.1", "999999999",
                                 "12345.678", "1.5e2", "1e20", "1.2345e-1", "4.2E+15", "0.009", "9.99e+300"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void speedAndMass_showTheDigitsTheFileGave()
    {
        QFETCH(QString, written);
        SampleParams sample;
        sample.topSpeed = written;
        sample.bodyMass = written;
        const Shown s = read(sample);
        QCOMPARE(s.speed, "Speed: " + twoDecimals(written.left(9)) + "mph");
        QCOMPARE(s.mass, "Mass: " + twoDecimals(written.left(8)) + "kg");
    }

    // The one reading of a leading number: where it stops and what a number too large gives, the
    // same for a parameter, a caption and the Max Car Amount.
    void leadingNumber_stopsAtCarriageReturnAndSaturates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("line feed inside") << "2\n5" << 25.0;
        QTest::newRow("carriage return ends") << "2\r5" << 2.0;
        QTest::newRow("CR LF ends") << "0.015000\r\n\t\t1" << 0.015;
        QTest::newRow("too large") << "9e999" << std::numeric_limits<double>::max();
        QTest::newRow("too large, negative") << "-1e400" << -std::numeric_limits<double>::max();
        QTest::newRow("too small") << "1e-400" << 0.0;
        QTest::newRow("digits beyond a double")
            << QString(400, QLatin1Char('9')) << std::numeric_limits<double>::max();
    }
    void leadingNumber_stopsAtCarriageReturnAndSaturates()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(leadingNumber(text), value);
    }
};

QTEST_GUILESS_MAIN(ParamReaderTest)
#include "paramreader_test.moc"
