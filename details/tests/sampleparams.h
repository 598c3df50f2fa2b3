#pragma once

// A car parameter file in the game's layout, written from values a test chooses.

#include <QString>
#include <QStringList>

#include <array>

namespace parkwen::test {

struct SampleParams
{
    QString name = QStringLiteral("Sample Racer");
    QString folder = QStringLiteral("sample");
    QString topSpeed = QStringLiteral("38.000000");
    QString engineClass = QStringLiteral("1");
    QString rating = QStringLiteral("3");
    QString steerRate = QStringLiteral("3.000000");
    QString steerMod = QStringLiteral("0.400000");
    QString bodyMass = QStringLiteral("1.500000");
    QString bodyGrip = QStringLiteral("0.010000");
    std::array<QString, 4> powered{QStringLiteral("TRUE"), QStringLiteral("TRUE"), QStringLiteral("TRUE"),
                                   QStringLiteral("TRUE")};
    std::array<QString, 4> steerRatio{QStringLiteral("-0.500000"), QStringLiteral("-0.500000"),
                                      QStringLiteral("0.000000"), QStringLiteral("0.000000")};
    std::array<QString, 4> engineRatio{QStringLiteral("50000.000000"), QStringLiteral("50000.000000"),
                                       QStringLiteral("50000.000000"), QStringLiteral("50000.000000")};
    std::array<QString, 4> wheelGrip{QStringLiteral("0.015000"), QStringLiteral("0.015000"),
                                     QStringLiteral("0.015000"), QStringLiteral("0.015000")};
    QString tpage = QStringLiteral("cars\\sample\\car.bmp");
    QString checksum = QStringLiteral("C6E1F2A9");
    QString eol = QStringLiteral("\r\n");

    QString text() const
    {
        QStringList l;
        l << QStringLiteral(";============================================================")
          << QStringLiteral("; %1").arg(name)
          << QStringLiteral(";============================================================")
          << QStringLiteral("Name      \t\"%1\"").arg(name) << QString();
        for (int i = 0; i < 4; ++i)
            l << QStringLiteral("MODEL \t%1 \t\"cars\\%2\\part%1.prm\"").arg(i).arg(folder);
        l << QStringLiteral("TPAGE \t\"%1\"").arg(tpage)
          << QStringLiteral("COLL \t\"cars\\%1\\hull.hul\"").arg(folder)
          << QStringLiteral("EnvRGB \t200 200 200") << QString() << QStringLiteral("BestTime   \tTRUE")
          << QStringLiteral("Selectable \tTRUE")
          << QStringLiteral("Class      \t%1 \t\t\t; Engine type (0=Elec, 1=Glow, 2=Other)").arg(engineClass)
          << QStringLiteral("Obtain     \t0 \t\t\t; Obtain method")
          << QStringLiteral("Rating     \t%1 \t\t\t; Skill level (rookie, amateur, ...)").arg(rating)
          << QStringLiteral("TopEnd     \t3100.000000 \t\t\t; Actual top speed (mph) for frontend display")
          << QStringLiteral("Acc        \t5.000000 \t\t\t; Acceleration rating (empirical)") << QString()
          << QStringLiteral("SteerRate  \t%1 \t\t\t; Rate at which steer angle approaches value")
                 .arg(steerRate)
          << QStringLiteral("SteerMod   \t%1 \t\t\t;").arg(steerMod)
          << QStringLiteral("EngineRate \t4.500000 \t\t\t; Rate at which Engine voltage approaches set value")
          << QStringLiteral("TopSpeed   \t%1 \t\t\t; Car's theoretical top speed").arg(topSpeed)
          << QStringLiteral(
                 "CoM        \t0.000000 -2.000000 -4.000000 \t\t; Centre of mass relative to model")
          << QString() << QStringLiteral("BODY {\t\t; Start Body") << QStringLiteral("ModelNum   \t0")
          << QStringLiteral("Mass       \t%1").arg(bodyMass)
          << QStringLiteral("Grip       \t%1 \t\t\t; Converts downforce to friction value").arg(bodyGrip)
          << QStringLiteral("StaticFriction \t0.800000") << QStringLiteral("}     \t\t; End Body")
          << QString();
        for (int w = 0; w < 4; ++w) {
            l << QStringLiteral("WHEEL %1 { \t; Start Wheel").arg(w)
              << QStringLiteral("ModelNum \t%1").arg(w + 1) << QStringLiteral("IsPresent   \tTRUE")
              << QStringLiteral("IsPowered   \t%1").arg(powered[w])
              << QStringLiteral("IsTurnable  \t%1")
                     .arg(w < 2 ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
              << QStringLiteral("SteerRatio  \t%1").arg(steerRatio[w])
              << QStringLiteral("EngineRatio \t%1").arg(engineRatio[w])
              << QStringLiteral("Radius      \t8.000000") << QStringLiteral("Mass        \t0.150000")
              << QStringLiteral("Grip        \t%1").arg(wheelGrip[w])
              << QStringLiteral("StaticFriction  \t1.800000") << QStringLiteral("}          \t; End Wheel")
              << QString();
        }
        l << QStringLiteral("AI {\t\t ;Start AI") << QStringLiteral("UnderThresh \t160.000000")
          << QStringLiteral("PickupBias  \t16383") << QStringLiteral("}           \t; End AI") << QString()
          << QStringLiteral("}") << QString() << checksum;
        return l.join(eol) + eol;
    }
};

} // namespace parkwen::test
