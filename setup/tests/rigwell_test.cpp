#include "setup/rigwell.h"

#include "platform/qt/localfilesystem.h"
#include "setup/tests/pathsfile.h"
#include "tests/support/carfolders.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace parkwen;
using namespace parkwen::test;

class RigwellTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_start, m_cars, m_garage;
    LocalFileSystem m_fs;
    ScriptedDialogs m_dialogs;

    QString file() const { return m_dir->filePath(QStringLiteral("paths.mdb")); }

    // One run of the program: opening, then (when opening let it) the user's `change` and the close.
    bool run(SetupValues& values, const std::function<void(SetupValues&)>& change = {})
    {
        SetupSession session(file(), m_fs, m_dialogs);
        if (!session.open(values))
            return false;
        if (change)
            change(values);
        return session.close(values);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_start = makeFolder(m_dir->path(), QStringLiteral("start"));
        m_cars = makeFolder(m_dir->path(), QStringLiteral("Re-Volt Cars"));
        m_garage = makeFolder(m_dir->path(), QStringLiteral("garage"));
        m_dialogs.clear();
    }

    void folderConflict_sameOrNestedFolders_linksResolved()
    {
        const QString same = QStringLiteral("The Car Folder and the Garage Folder are the same folder. "
                                            "Please choose two different folders.");
        const QString garageInside =
            QStringLiteral("The Garage Folder is inside the Car Folder. "
                           "Please choose two folders, neither of them inside the other.");
        const QString carInside =
            QStringLiteral("The Car Folder is inside the Garage Folder. "
                           "Please choose two folders, neither of them inside the other.");
        const QString parked = makeFolder(m_cars, QStringLiteral("parked"));
        const QString link = m_dir->path() + QStringLiteral("/cars-link");
        QVERIFY(QFile::link(m_cars, link));

        QCOMPARE(folderConflict(m_cars, m_cars), same);
        QCOMPARE(folderConflict(m_cars, m_cars + QStringLiteral("/")), same);
        QCOMPARE(folderConflict(m_cars, link), same);
        QCOMPARE(folderConflict(m_cars, parked), garageInside);
        QCOMPARE(folderConflict(link, parked), garageInside);
        QCOMPARE(folderConflict(parked, m_cars), carInside);
        QCOMPARE(folderConflict(QStringLiteral("/"), m_garage), garageInside);
        // Only whole folder names nest: "Re-Volt Cars 2" is beside "Re-Volt Cars", not inside it.
        QVERIFY(
            folderConflict(m_cars, makeFolder(m_dir->path(), QStringLiteral("Re-Volt Cars 2"))).isEmpty());
        QVERIFY(folderConflict(m_cars, m_garage).isEmpty());
    }

    void firstRun_createsEmptyTableThenStoresThreeRecordsInOrder()
    {
        SetupSession session(file(), m_fs, m_dialogs);
        SetupValues values{m_start, m_start, QStringLiteral("200")};
        QVERIFY(session.open(values));
        QVERIFY(session.isNewDatabase());
        QCOMPARE(values.carFolder, m_start);
        QVERIFY(QFileInfo::exists(file()));
        QVERIFY(storedPaths(file()).isEmpty());

        values.carFolder = m_cars;
        values.garageFolder = m_garage;
        QVERIFY(session.close(values));
        QCOMPARE(storedPaths(file()), QStringList({m_cars, m_garage, "200"}));
        QCOMPARE(m_dialogs.beeps(), 0);
        QVERIFY(m_dialogs.messages().isEmpty());
    }

    void interruptedFirstRun_emptyTable_isAFirstRunAgain()
    {
        QVERIFY(writePaths(file(), {}));
        SetupValues values{m_start, m_start, QStringLiteral("200")};
        QVERIFY(run(values, [&](SetupValues& v) {
            QCOMPARE(v.carFolder, m_start);
            QCOMPARE(v.maxCarAmount, QStringLiteral("200"));
            v.carFolder = m_cars;
            v.garageFolder = m_garage;
        }));
        QCOMPARE(m_dialogs.beeps(), 0);
        QVERIFY(m_dialogs.messages().isEmpty());
        QCOMPARE(storedPaths(file()), QStringList({m_cars, m_garage, "200"}));
    }

    void secondRun_beepsLoadsAndRewritesTheFirstThreeRecords()
    {
        QVERIFY(writePaths(file(), {m_cars, m_garage, "25 cars", "extra"}));
        SetupValues values{m_start, m_start, QStringLiteral("200")};
        QVERIFY(run(values, [&](SetupValues& v) {
            QCOMPARE(v.carFolder, m_cars);
            QCOMPARE(v.garageFolder, m_garage);
            QCOMPARE(v.maxCarAmount, QStringLiteral("25"));
            v.garageFolder = m_start;
        }));
        QCOMPARE(m_dialogs.beeps(), 1);
        QVERIFY(m_dialogs.messages().isEmpty());
        QCOMPARE(storedPaths(file()), QStringList({m_cars, m_start, "25", "extra"}));
    }

    void storedFoldersThatAreGone_keepTheStartingFolderAndStoreIt()
    {
        QVERIFY(writePaths(file(), {"relative/cars", m_dir->filePath(QStringLiteral("gone")), "150"}));
        SetupValues values{m_start, m_start, QStringLiteral("200")};
        QVERIFY(run(values));
        QVERIFY(m_dialogs.messages().isEmpty());
        QCOMPARE(storedPaths(file()), QStringList({m_start, m_start, "150"}));
    }

    void openingError_isReportedAndEndsWithoutTouchingTheFile_data()
    {
        QTest::addColumn<QByteArray>("sql");
        QTest::addColumn<QString>("message");
        QTest::newRow("two records") << QByteArray(
                                            "CREATE TABLE Paths (Path TEXT); INSERT INTO Paths VALUES ('/');"
                                            "INSERT INTO Paths VALUES ('/');")
                                     << "Miscellaneous Error: 3021 No current record.";
        QTest::newRow("not a database")
            << QByteArray() << "Miscellaneous Error: 3343 Unrecognized database format '%1'.";
    }

    void openingError_isReportedAndEndsWithoutTouchingTheFile()
    {
        QFETCH(QByteArray, sql);
        QFETCH(QString, message);
        if (sql.isEmpty())
            writeBytes(file(), "C:\\cars\r\n");
        else
            QVERIFY(execSql(file(), sql.constData()));
        const QByteArray before = readBytes(file());

        SetupSession session(file(), m_fs, m_dialogs);
        SetupValues values{m_start, m_start, QStringLiteral("200")};
        QVERIFY(!session.open(values));
        QCOMPARE(m_dialogs.messages(),
                 QStringList{message.contains(QLatin1String("%1")) ? message.arg(file()) : message});
        QCOMPARE(m_dialogs.shown().first().icon, Dialogs::Icon::None);
        QCOMPARE(m_dialogs.shown().first().buttons, Dialogs::Buttons::Ok);
        QVERIFY(!session.close(values));
        QCOMPARE(readBytes(file()), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"paths.mdb"});
    }

    void failedWrite_isReportedAndLeavesNothingHalfWritten()
    {
        // A first run whose second value does not fit: the first must not land alone.
        SetupValues values{m_start, m_start, QStringLiteral("200")};
        QVERIFY(!run(values, [&](SetupValues& v) { v.garageFolder = QString(40000, QLatin1Char('g')); }));
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY(m_dialogs.messages().first().startsWith(QStringLiteral("Miscellaneous Error: 3163 ")));
        QVERIFY(storedPaths(file()).isEmpty());

        // A later run whose disk write fails. Even root cannot create the rollback journal where a
        // folder of its name stands.
        QFile::remove(file());
        QVERIFY(writePaths(file(), {m_cars, m_garage, "200"}));
        m_dialogs.clear();
        QVERIFY(!run(values, [&](SetupValues& v) {
            v.carFolder = m_start;
            v.maxCarAmount = QStringLiteral("5");
            QVERIFY(QDir().mkdir(file() + QStringLiteral("-journal")));
        }));
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY(m_dialogs.messages().first().startsWith(QStringLiteral("Miscellaneous Error: 75 ")));
        QVERIFY(QDir().rmdir(file() + QStringLiteral("-journal")));
        QCOMPARE(storedPaths(file()), QStringList({m_cars, m_garage, "200"}));

        // A database deleted while the window was open is reported, not written into the void.
        m_dialogs.clear();
        QVERIFY(!run(values, [&](SetupValues&) { QVERIFY(QFile::remove(file())); }));
        QCOMPARE(m_dialogs.messages(),
                 QStringList{"Miscellaneous Error: 3024 " + describeError(Fault(3024), file())});
    }

    void canonicalAmount_keepsTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical");
        QTest::newRow("canonical") << "200"
                                   << "200";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("letters") << "abc"
                                 << "0";
        QTest::newRow("digits then letters") << "12abc"
                                             << "12";
        QTest::newRow("blanks skipped") << " 4 2 "
                                        << "42";
        QTest::newRow("leading zeros, sign") << "+007"
                                             << "7";
        QTest::newRow("double sign") << "--5"
                                     << "0";
        QTest::newRow("negative zero") << "-0"
                                       << "0";
        QTest::newRow("fraction") << "-.50x"
                                  << "-0.5";
        QTest::newRow("second point ends it") << "1.2.3"
                                              << "1.2";
        QTest::newRow("exponent") << "25E-1"
                                  << "2.5";
        QTest::newRow("unfinished exponent") << "12e+"
                                             << "12";
        QTest::newRow("large") << "123456789012345678901"
                               << "123456789012345680000";
        QTest::newRow("very large") << "1e21"
                                    << "1e+21";
        QTest::newRow("very small") << "0.0000001"
                                    << "1e-7";
        QTest::newRow("overflow") << "1e400"
                                  << "1.7976931348623157e+308";
        QTest::newRow("underflow") << "1e-400"
                                   << "0";
    }

    void canonicalAmount_keepsTheLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, canonical);
        QCOMPARE(canonicalAmount(text), canonical);
        // Canonical text raises no further change.
        QCOMPARE(canonicalAmount(canonical), canonical);
    }
};

QTEST_GUILESS_MAIN(RigwellTest)
#include "rigwell_test.moc"
