#include "setup/paths_db.h"

#include "setup/tests/pathsfile.h"
#include "tests/support/carfolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace parkwen;
using namespace parkwen::test;

class PathsDbTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString file() const { return m_dir->filePath(QStringLiteral("paths.mdb")); }

    std::unique_ptr<PathsRecordset> openRecords()
    {
        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::open(file());
        if (!db.ok())
            return nullptr;
        Result<std::unique_ptr<PathsRecordset>> rs = db.value()->openRecordset();
        return rs.ok() ? rs.take() : nullptr;
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void create_givesEmptyTable_andRefusesAnExistingName()
    {
        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::create(file());
        QVERIFY(db.ok());
        Result<std::unique_ptr<PathsRecordset>> rs = db.value()->openRecordset();
        QCOMPARE(rs.value()->moveFirst().fault(), err::NoCurrentRecord);
        QCOMPARE(rs.value()->edit().fault(), err::NoCurrentRecord);
        QVERIFY(storedPaths(file()).isEmpty());

        writeBytes(file(), "not touched");
        QCOMPARE(PathsDatabase::create(file()).error(),
                 Error(Fault(3204), QStringLiteral("Database already exists.")));
        QCOMPARE(readBytes(file()), QByteArray("not touched"));
        QVERIFY(QDir().mkdir(m_dir->filePath(QStringLiteral("folder.mdb"))));
        QCOMPARE(PathsDatabase::create(m_dir->filePath(QStringLiteral("folder.mdb"))).error().number(), 3204);

        // A creation that cannot finish leaves nothing behind.
        const QString inMissing = m_dir->filePath(QStringLiteral("missing/paths.mdb"));
        QCOMPARE(PathsDatabase::create(inMissing).error().fault(), err::PathFileAccess);
        QVERIFY(!QFileInfo::exists(inMissing));
    }

    void open_tellsMissingFromNotAPathsDatabase()
    {
        QCOMPARE(PathsDatabase::open(file()).error(),
                 Error(Fault(3024), QStringLiteral("Could not find file '%1'.").arg(file())));
        const Error notPaths(Fault(3343), QStringLiteral("Unrecognized database format '%1'.").arg(file()));
        writeBytes(file(), "C:\\cars\r\nC:\\garage\r\n200\r\n");
        QCOMPARE(PathsDatabase::open(file()).error(), notPaths);
        writeBytes(file(), QByteArray());
        QCOMPARE(PathsDatabase::open(file()).error(), notPaths);
        QFile::remove(file());
        QVERIFY(execSql(file(), "CREATE TABLE Paths (Name TEXT)"));
        QCOMPARE(PathsDatabase::open(file()).error(), notPaths);
        QVERIFY(QDir().mkdir(m_dir->filePath(QStringLiteral("folder.mdb"))));
        QCOMPARE(PathsDatabase::open(m_dir->filePath(QStringLiteral("folder.mdb"))).error().fault(),
                 err::PathFileAccess);

        // The table name is matched in any case.
        QFile::remove(file());
        QVERIFY(execSql(file(), "CREATE TABLE paths (Path TEXT); INSERT INTO paths VALUES ('/cars');"));
        QCOMPARE(openRecords()->field0().value(), QStringLiteral("/cars"));
    }

    void records_comeInInsertionOrder_andEndWithNoCurrentRecord()
    {
        {
            Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::create(file());
            Result<std::unique_ptr<PathsRecordset>> rs = db.value()->openRecordset();
            for (const char* v : {"/b/cars", "/a/garage", "200"}) {
                QVERIFY(rs.value()->addNew().ok());
                QVERIFY(rs.value()->setField0(QString::fromUtf8(v)).ok());
                QVERIFY(rs.value()->update().ok());
            }
        }
        QCOMPARE(storedPaths(file()), QStringList({"/b/cars", "/a/garage", "200"}));

        auto rs = openRecords();
        QStringList seen;
        for (int i = 0; i < 3; ++i, rs->moveNext())
            seen << rs->field0().value();
        QCOMPARE(seen, QStringList({"/b/cars", "/a/garage", "200"}));
        // Moving past the last record is allowed; what follows is not.
        QVERIFY(rs->moveNext().ok());
        QCOMPARE(rs->field0().error(), Error(Fault(3021), QStringLiteral("No current record.")));
        QCOMPARE(rs->edit().fault(), err::NoCurrentRecord);
        QVERIFY(rs->moveFirst().ok());
        QCOMPARE(rs->field0().value(), QStringLiteral("/b/cars"));
    }

    void edit_changesInPlace_andAnUnsetEditWritesNothing()
    {
        QVERIFY(writePaths(file(), {"/cars", "/garage", "200", "extra"}));
        const QByteArray before = readBytes(file());
        auto rs = openRecords();
        QCOMPARE(rs->setField0(QStringLiteral("x")).fault(), err::InvalidCall);
        QCOMPARE(rs->update().fault(), err::InvalidCall);
        for (int i = 0; i < 3; ++i, rs->moveNext()) {
            QVERIFY(rs->edit().ok());
            QVERIFY(rs->update().ok());
        }
        QCOMPARE(readBytes(file()), before);

        rs->moveFirst();
        rs->moveNext();
        QVERIFY(rs->edit().ok());
        QVERIFY(rs->setField0(QStringLiteral("/new garage ü")).ok());
        QCOMPARE(rs->field0().value(), QStringLiteral("/new garage ü"));
        QCOMPARE(rs->setField0(QString(PathsDatabase::MaxValueLength + 1, QLatin1Char('a'))).fault(),
                 PathsDatabase::FieldTooSmall);
        QVERIFY(rs->update().ok());
        QCOMPARE(storedPaths(file()), QStringList({"/cars", "/new garage ü", "200", "extra"}));
    }

    void rollback_dropsEveryWriteOfTheTransaction()
    {
        QVERIFY(writePaths(file(), {"/cars"}));
        Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::open(file());
        QVERIFY(db.value()->beginTransaction().ok());
        auto rs = db.value()->openRecordset().take();
        QVERIFY(rs->edit().ok() && rs->setField0(QStringLiteral("/changed")).ok() && rs->update().ok());
        QVERIFY(rs->addNew().ok() && rs->setField0(QStringLiteral("/added")).ok() && rs->update().ok());
        db.value()->rollback();
        QCOMPARE(storedPaths(file()), QStringList({"/cars"}));
    }
};

QTEST_GUILESS_MAIN(PathsDbTest)
#include "paths_db_test.moc"
