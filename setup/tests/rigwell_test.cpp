#include "rigwell.h"

#include "qt/localfilesystem.h"
#include "support/carfolders.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <limits>

using namespace parkwen;
using namespace parkwen::test;

namespace {

QStringList stored(const QString& file)
{
    QStringList values;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT Path FROM Paths ORDER BY rowid", -1, &st, nullptr) == SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW)
                values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return values;
}

// A paths database holding exactly `values`.
void writeDatabase(const QString& file, const QStringList& values)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, "CREATE TABLE Paths (Path TEXT)", nullptr, nullptr, nullptr), SQLITE_OK);
    for (const QString& v : values) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Paths VALUES (?)", -1, &st, nullptr);
        const QByteArray utf8 = v.toUtf8();
        sqlite3_bind_text(st, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        QCOMPARE(sqlite3_step(st), SQLITE_DONE);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
}

} // namespace

class RigwellTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_program; // the program folder
    QString m_start;   // the working folder the lists start at
    QString m_cars;
    QString m_garage;
    LocalFileSystem m_fs;
    ScriptedDialogs m_dialogs;

    QString file() const { return joinPath(m_program, QStringLiteral("paths.mdb")); }
    SetupValues startValues() const { return {m_start, m_start, QStringLiteral("200")}; }
    QString misc(int number, const QString& description) const
    {
        return QStringLiteral("Miscellaneous Error: %1 %2").arg(number).arg(description);
    }

    // One whole run: open, then (when opening let it) close with `change` applied to the loaded values.
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
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_program = makeFolder(m_dir.path(), QStringLiteral("program"));
        m_start = makeFolder(m_dir.path(), QStringLiteral("start"));
        m_cars = makeFolder(m_dir.path(), QStringLiteral("Re-Volt Cars"));
        m_garage = makeFolder(m_dir.path(), QStringLiteral("garage"));
        m_dialogs.clear();
    }

    void firstRun_createsEmptyTableThenStoresThreeRecordsInOrder()
    {
        SetupSession session(file(), m_fs, m_dialogs);
        SetupValues values = startValues();
        QVERIFY(session.open(values));
        QVERIFY(session.isNewDatabase());
        QCOMPARE(values.carFolder, m_start);
        QCOMPARE(values.maxCarAmount, QStringLiteral("200"));
        // The database exists with its empty table while the window is open.
        QVERIFY(QFileInfo::exists(file()));
        QVERIFY(stored(file()).isEmpty());

        values.carFolder = m_cars;
        values.garageFolder = m_garage;
        QVERIFY(session.close(values));
        QCOMPARE(stored(file()), QStringList({m_cars, m_garage, "200"}));
        QCOMPARE(m_dialogs.beeps(), 0);
        QVERIFY(m_dialogs.messages().isEmpty());
    }

    void secondRun_beepsLoadsAndRewritesTheSameThreeRecords()
    {
        writeDatabase(file(), {m_cars, m_garage, QStringLiteral("25 cars"), QStringLiteral("extra")});
        SetupValues values = startValues();
        QVERIFY(run(values, [&](SetupValues& v) {
            QCOMPARE(v.carFolder, m_cars);
            QCOMPARE(v.garageFolder, m_garage);
            // The box shows what it would show after typing the stored text.
            QCOMPARE(v.maxCarAmount, QStringLiteral("25"));
            v.maxCarAmount = QStringLiteral("180");
            v.garageFolder = m_start;
        }));
        QCOMPARE(m_dialogs.beeps(), 1);
        QVERIFY(m_dialogs.messages().isEmpty());
        // Values beyond the third stay as they were.
        QCOMPARE(stored(file()), QStringList({m_cars, m_start, "180", "extra"}));
    }

    void storedFoldersThatAreGone_keepTheStartingFolderAndStoreIt()
    {
        const QString gone = makeFolder(m_dir.path(), QStringLiteral("gone"));
        QVERIFY(QDir(gone).removeRecursively());
        writeDatabase(file(), {QStringLiteral("relative/cars"), gone, QStringLiteral("150")});
        SetupValues values = startValues();
        QVERIFY(run(values));
        QCOMPARE(values.carFolder, m_start);
        QCOMPARE(values.garageFolder, m_start);
        QCOMPARE(values.maxCarAmount, QStringLiteral("150"));
        QVERIFY(m_dialogs.messages().isEmpty());
        QCOMPARE(stored(file()), QStringList({m_start, m_start, "150"}));
    }

    void openingErrors_reportAndEndWithoutTouchingTheFile_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("two records") << QStringList{"/", "/"} << err::NoCurrentRecord << "No current record.";
        QTest::newRow("empty table") << QStringList{} << err::NoCurrentRecord << "No current record.";
        QTest::newRow("not a database") << QStringList{"text"} << err::UnrecognizedDatabase << "";
    }

    void openingErrors_reportAndEndWithoutTouchingTheFile()
    {
        QFETCH(QStringList, records);
        QFETCH(int, number);
        QFETCH(QString, description);
        if (number == err::UnrecognizedDatabase) {
            writeBytes(file(), "Car Folder\r\n");
            description = QStringLiteral("Unrecognized database format '%1'.").arg(file());
        } else {
            writeDatabase(file(), records);
        }
        const QByteArray before = readBytes(file());

        SetupSession session(file(), m_fs, m_dialogs);
        SetupValues values = startValues();
        QVERIFY(!session.open(values));
        QCOMPARE(m_dialogs.messages(), QStringList{misc(number, description)});
        QCOMPARE(m_dialogs.shown().first().icon, Dialogs::Icon::None);
        QCOMPARE(m_dialogs.shown().first().buttons, Dialogs::Buttons::Ok);
        // The window would not be shown: a close now writes nothing.
        QVERIFY(!session.close(values));
        QCOMPARE(readBytes(file()), before);
        QVERIFY(QDir(m_program).entryList(QDir::Files | QDir::Hidden).size() == 1);
    }

    void failedWrite_isReportedAndLeavesNothingHalfWritten()
    {
        // A first run whose second value does not fit: the first must not land alone.
        SetupValues values = startValues();
        QVERIFY(!run(values, [&](SetupValues& v) { v.garageFolder = QString(40000, QLatin1Char('g')); }));
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY(m_dialogs.messages().first().startsWith(QStringLiteral("Miscellaneous Error: 3163 ")));
        QVERIFY(stored(file()).isEmpty());

        // A later run whose disk write fails: the stored values stay as they were. The rollback journal
        // cannot be created where a folder of its name stands, even for root.
        QFile::remove(file());
        writeDatabase(file(), {m_cars, m_garage, QStringLiteral("200")});
        m_dialogs.clear();
        values = startValues();
        QVERIFY(!run(values, [&](SetupValues& v) {
            v.carFolder = m_start;
            v.maxCarAmount = QStringLiteral("5");
            QVERIFY(QDir().mkdir(file() + QStringLiteral("-journal")));
        }));
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY(m_dialogs.messages().first().startsWith(QStringLiteral("Miscellaneous Error: ")));
        QVERIFY(QDir().rmdir(file() + QStringLiteral("-journal")));
        QCOMPARE(stored(file()), QStringList({m_cars, m_garage, "200"}));
    }

    void databaseDeletedWhileOpen_isReportedNotLost()
    {
        SetupValues values = startValues();
        QVERIFY(!run(values, [&](SetupValues&) { QVERIFY(QFile::remove(file())); }));
        QCOMPARE(m_dialogs.messages(), QStringList{misc(err::CouldNotFindFile, describeError(err::CouldNotFindFile, file()))});
    }

    void canonicalAmount_keepsTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical");
        QTest::newRow("canonical") << "200" << "200";
        QTest::newRow("empty") << "" << "0";
        QTest::newRow("letters") << "abc" << "0";
        QTest::newRow("digits then letters") << "12abc" << "12";
        QTest::newRow("blanks skipped") << " 4 2 " << "42";
        QTest::newRow("leading zeros") << "007" << "7";
        QTest::newRow("signs") << "-7" << "-7";
        QTest::newRow("plus") << "+5" << "5";
        QTest::newRow("double sign") << "--5" << "0";
        QTest::newRow("negative zero") << "-0" << "0";
        QTest::newRow("fraction") << "1.50" << "1.5";
        QTest::newRow("bare fraction") << ".5x" << "0.5";
        QTest::newRow("second point ends it") << "1.2.3" << "1.2";
        QTest::newRow("exponent") << "1e3" << "1000";
        QTest::newRow("signed exponent") << "25E-1" << "2.5";
        QTest::newRow("unfinished exponent") << "12e+" << "12";
        QTest::newRow("exponent alone") << "e5" << "0";
        QTest::newRow("large") << "123456789012345678901" << "123456789012345680000";
        QTest::newRow("very large") << "1e21" << "1e+21";
        QTest::newRow("very small") << "0.0000001" << "1e-7";
        QTest::newRow("small") << "0.000001" << "0.000001";
        QTest::newRow("overflow") << "1e400" << "1.7976931348623157e+308";
        QTest::newRow("underflow") << "-1e-400" << "0";
        QTest::newRow("many digits") << QString(500, QLatin1Char('9')) + "e-480" << "100000000000000000000";
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
