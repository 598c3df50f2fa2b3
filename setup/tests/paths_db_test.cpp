#include "paths_db.h"

#include "support/carfolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace parkwen;
using namespace parkwen::test;

namespace {

// Runs SQL on a database file behind the store's back.
void exec(const QString& file, const char* sql)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// The values of Paths in stored order, read without the store.
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

std::unique_ptr<PathsRecordset> recordset(const std::shared_ptr<PathsDatabase>& db)
{
    Result<std::unique_ptr<PathsRecordset>> rs = db->openRecordset();
    return rs.ok() ? rs.take() : nullptr;
}

void append(PathsRecordset& rs, const QString& value)
{
    QVERIFY(rs.addNew().ok());
    QVERIFY(rs.setField0(value).ok());
    QVERIFY(rs.update().ok());
}

} // namespace

class PathsDbTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString file() const { return m_dir.filePath(QStringLiteral("paths.mdb")); }

    // A database holding `values`, written through the store.
    void makeDatabase(const QStringList& values)
    {
        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::create(file());
        QVERIFY(db.ok());
        auto rs = recordset(db.value());
        QVERIFY(rs);
        for (const QString& v : values)
            append(*rs, v);
    }

private slots:
    void init()
    {
        for (const QString& name : QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            QFileInfo info(m_dir.filePath(name));
            if (info.isDir())
                QDir(info.filePath()).removeRecursively();
            else
                QFile::remove(info.filePath());
        }
    }

    void create_givesEmptyPathsTable()
    {
        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::create(file());
        QVERIFY(db.ok());
        auto rs = recordset(db.value());
        QVERIFY(rs);
        QCOMPARE(rs->moveFirst().number(), err::NoCurrentRecord);
        QCOMPARE(rs->field0().error().number(), err::NoCurrentRecord);
        QCOMPARE(rs->edit().number(), err::NoCurrentRecord);
        // Another program sees the empty table at once.
        QVERIFY(stored(file()).isEmpty());
        QVERIFY(PathsDatabase::open(file()).ok());
    }

    void create_overExistingFileOrFolder_fails3204AndLeavesItAlone()
    {
        writeBytes(file(), "not touched");
        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::create(file());
        QCOMPARE(db.error().number(), err::DatabaseExists);
        QCOMPARE(db.error().description(), QStringLiteral("Database already exists."));
        QCOMPARE(readBytes(file()), QByteArray("not touched"));

        QVERIFY(QDir().mkdir(m_dir.filePath(QStringLiteral("folder.mdb"))));
        QCOMPARE(PathsDatabase::create(m_dir.filePath(QStringLiteral("folder.mdb"))).error().number(),
                 err::DatabaseExists);
    }

    void create_inMissingFolder_failsWithoutLeavingAFile()
    {
        const QString inside = m_dir.filePath(QStringLiteral("missing/paths.mdb"));
        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::create(inside);
        QVERIFY(!db.ok());
        QVERIFY(db.error().number() != err::DatabaseExists);
        QVERIFY(!QFileInfo::exists(inside));
    }

    void open_missingFile_fails3024NamingIt()
    {
        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::open(file());
        QCOMPARE(db.error().number(), err::CouldNotFindFile);
        QCOMPARE(db.error().description(), QStringLiteral("Could not find file '%1'.").arg(file()));
        QVERIFY(!QFileInfo::exists(file()));
    }

    void open_whatIsNotAPathsDatabase_fails3343()
    {
        // Text, an empty file, and an SQLite database with other tables.
        writeBytes(file(), "Car Folder\r\nGarage Folder\r\n200\r\n");
        QCOMPARE(PathsDatabase::open(file()).error().number(), err::UnrecognizedDatabase);
        QCOMPARE(PathsDatabase::open(file()).error().description(),
                 QStringLiteral("Unrecognized database format '%1'.").arg(file()));
        writeBytes(file(), QByteArray());
        QCOMPARE(PathsDatabase::open(file()).error().number(), err::UnrecognizedDatabase);
        QFile::remove(file());
        exec(file(), "CREATE TABLE Other (Path TEXT)");
        QCOMPARE(PathsDatabase::open(file()).error().number(), err::UnrecognizedDatabase);
        QFile::remove(file());
        exec(file(), "CREATE TABLE Paths (Name TEXT)");
        QCOMPARE(PathsDatabase::open(file()).error().number(), err::UnrecognizedDatabase);

        QVERIFY(QDir().mkdir(m_dir.filePath(QStringLiteral("folder.mdb"))));
        QCOMPARE(PathsDatabase::open(m_dir.filePath(QStringLiteral("folder.mdb"))).error().number(),
                 err::PathFileAccess);
    }

    void open_tableNameInAnyCase()
    {
        exec(file(), "CREATE TABLE paths (Path TEXT); INSERT INTO paths VALUES ('/cars');");
        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::open(file());
        QVERIFY(db.ok());
        auto rs = recordset(db.value());
        QCOMPARE(rs->field0().value(), QStringLiteral("/cars"));
    }

    void records_comeInInsertionOrder_andEndWithNoCurrentRecord()
    {
        makeDatabase({QStringLiteral("/b/cars"), QStringLiteral("/a/garage"), QStringLiteral("200")});
        QCOMPARE(stored(file()), QStringList({"/b/cars", "/a/garage", "200"}));

        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::open(file());
        QVERIFY(db.ok());
        auto rs = recordset(db.value());
        // A new recordset stands on the first record.
        QCOMPARE(rs->field0().value(), QStringLiteral("/b/cars"));
        QVERIFY(rs->moveNext().ok());
        QCOMPARE(rs->field0().value(), QStringLiteral("/a/garage"));
        QVERIFY(rs->moveNext().ok());
        QCOMPARE(rs->field0().value(), QStringLiteral("200"));
        QVERIFY(rs->moveFirst().ok());
        QCOMPARE(rs->field0().value(), QStringLiteral("/b/cars"));
        rs->moveNext();
        rs->moveNext();
        // Moving past the last record is allowed; what follows is not.
        QVERIFY(rs->moveNext().ok());
        QVERIFY(!rs->hasCurrent());
        QCOMPARE(rs->field0().error().number(), err::NoCurrentRecord);
        QCOMPARE(rs->edit().number(), err::NoCurrentRecord);
        QCOMPARE(rs->edit().description(), QStringLiteral("No current record."));
    }

    void edit_changesInPlace_andUnsetEditWritesNothing()
    {
        makeDatabase({QStringLiteral("/cars"), QStringLiteral("/garage"), QStringLiteral("200"), QStringLiteral("extra")});
        const QByteArray before = readBytes(file());
        {
            auto db = PathsDatabase::open(file());
            auto rs = recordset(db.value());
            for (int i = 0; i < 3; ++i) {
                QVERIFY(rs->edit().ok());
                QVERIFY(rs->update().ok());
                rs->moveNext();
            }
        }
        QCOMPARE(readBytes(file()), before);

        auto db = PathsDatabase::open(file());
        auto rs = recordset(db.value());
        rs->moveNext();
        QVERIFY(rs->edit().ok());
        QVERIFY(rs->setField0(QStringLiteral("/new garage ü")).ok());
        QCOMPARE(rs->field0().value(), QStringLiteral("/new garage ü"));
        QVERIFY(rs->update().ok());
        QCOMPARE(stored(file()), QStringList({"/cars", "/new garage ü", "200", "extra"}));
    }

    void editMisuseAndOverlongValue_areRefused()
    {
        makeDatabase({QStringLiteral("/cars")});
        auto db = PathsDatabase::open(file());
        auto rs = recordset(db.value());
        QCOMPARE(rs->setField0(QStringLiteral("x")).number(), err::InvalidCall);
        QCOMPARE(rs->update().number(), err::InvalidCall);
        QVERIFY(rs->edit().ok());
        QVERIFY(rs->setField0(QString(PathsDatabase::MaxValueLength, QLatin1Char('a'))).ok());
        QCOMPARE(rs->setField0(QString(PathsDatabase::MaxValueLength + 1, QLatin1Char('a'))).number(),
                 PathsDatabase::FieldTooSmall);
        // Moving away drops an edit that was not updated.
        rs->moveFirst();
        QCOMPARE(rs->update().number(), err::InvalidCall);
        QCOMPARE(stored(file()), QStringList({"/cars"}));
    }

    void rollback_dropsEveryWriteOfTheTransaction()
    {
        makeDatabase({QStringLiteral("/cars")});
        auto db = PathsDatabase::open(file());
        QVERIFY(db.value()->beginTransaction().ok());
        auto rs = recordset(db.value());
        QVERIFY(rs->edit().ok());
        QVERIFY(rs->setField0(QStringLiteral("/changed")).ok());
        QVERIFY(rs->update().ok());
        append(*rs, QStringLiteral("/added"));
        db.value()->rollback();
        QCOMPARE(stored(file()), QStringList({"/cars"}));

        QVERIFY(db.value()->beginTransaction().ok());
        append(*recordset(db.value()), QStringLiteral("/kept"));
        QVERIFY(db.value()->commit().ok());
        QCOMPARE(stored(file()), QStringList({"/cars", "/kept"}));
    }
};

QTEST_GUILESS_MAIN(PathsDbTest)
#include "paths_db_test.moc"
