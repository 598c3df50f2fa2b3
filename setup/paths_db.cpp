#include "paths_db.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace parkwen {

namespace {

// Short-lived RAII wrapper around sqlite3_stmt. Owned by the caller.
class Statement
{
public:
    Statement(sqlite3* db, const char* sql) { m_rc = sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    bool prepared() const { return m_rc == SQLITE_OK && m_stmt; }
    sqlite3_stmt* get() const { return m_stmt; }
    int step() { return sqlite3_step(m_stmt); }

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_rc = SQLITE_ERROR;
};

Error sqliteError(sqlite3* db, int rc)
{
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return Error::of(err::UnrecognizedDatabase, db ? QString::fromUtf8(sqlite3_db_filename(db, "main")) : QString());
    case SQLITE_FULL: return Error::of(err::DiskFull);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return {err::PathFileAccess, describeError(err::PathFileAccess) + QStringLiteral(" (") +
                                                        QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)) +
                                                        QLatin1Char(')')};
    default: return {err::PathFileAccess, QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc))};
    }
}

// Opens an SQLite handle; closes it again on failure.
Result<sqlite3*> openHandle(const QString& file, int flags)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        Error e = sqliteError(db, rc);
        sqlite3_close(db);
        return e;
    }
    sqlite3_busy_timeout(db, 2000);
    return db;
}

} // namespace

PathsDatabase::~PathsDatabase()
{
    sqlite3_close(m_db);
}

Result<std::shared_ptr<PathsDatabase>> PathsDatabase::create(const QString& file)
{
    if (QFileInfo::exists(file))
        return Error::of(err::DatabaseExists);
    Result<sqlite3*> handle = openHandle(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!handle.ok())
        return handle.error();
    std::shared_ptr<PathsDatabase> db(new PathsDatabase(handle.value(), file));
    char* message = nullptr;
    const int rc = sqlite3_exec(db->m_db, "CREATE TABLE Paths (Path TEXT)", nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        return sqliteError(db->m_db, rc);
    return db;
}

Result<std::shared_ptr<PathsDatabase>> PathsDatabase::open(const QString& file)
{
    if (!QFileInfo(file).isFile())
        return Error::of(err::CouldNotFindFile, file);
    Result<sqlite3*> handle = openHandle(file, SQLITE_OPEN_READWRITE);
    if (!handle.ok()) {
        // A file we may only read is still readable; rigwell reports the failure when it writes.
        handle = openHandle(file, SQLITE_OPEN_READONLY);
        if (!handle.ok())
            return handle.error();
    }
    std::shared_ptr<PathsDatabase> db(new PathsDatabase(handle.value(), file));
    // The file must hold a table named Paths (any letter case) with a first column.
    Statement check(db->m_db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Paths' COLLATE NOCASE");
    if (!check.prepared())
        return Error::of(err::UnrecognizedDatabase, file);
    const int rc = check.step();
    if (rc != SQLITE_ROW)
        return Error::of(err::UnrecognizedDatabase, file);
    return db;
}

Result<std::unique_ptr<PathsRecordset>> PathsDatabase::openRecordset()
{
    Statement select(m_db, "SELECT rowid FROM Paths ORDER BY rowid");
    if (!select.prepared())
        return sqliteError(m_db, sqlite3_errcode(m_db));
    std::vector<qint64> rows;
    int rc;
    while ((rc = select.step()) == SQLITE_ROW)
        rows.push_back(sqlite3_column_int64(select.get(), 0));
    if (rc != SQLITE_DONE)
        return sqliteError(m_db, rc);
    return std::make_unique<PathsRecordset>(shared_from_this(), std::move(rows));
}

Error PathsDatabase::beginTransaction()
{
    const int rc = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? Error() : sqliteError(m_db, rc);
}

Error PathsDatabase::commit()
{
    const int rc = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? Error() : sqliteError(m_db, rc);
}

void PathsDatabase::rollback()
{
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

PathsRecordset::PathsRecordset(std::shared_ptr<PathsDatabase> db, std::vector<qint64> rowIds)
    : m_db(std::move(db)), m_rowIds(std::move(rowIds))
{
}

Error PathsRecordset::moveFirst()
{
    m_mode = Mode::None;
    m_position = 0;
    if (m_rowIds.empty())
        return Error::of(err::NoCurrentRecord);
    return {};
}

Error PathsRecordset::moveNext()
{
    m_mode = Mode::None;
    if (m_position < m_rowIds.size())
        ++m_position;
    return {};
}

bool PathsRecordset::hasCurrent() const
{
    return m_position < m_rowIds.size();
}

Result<QString> PathsRecordset::field0() const
{
    if (m_mode == Mode::Add)
        return m_pending;
    if (!hasCurrent())
        return Error::of(err::NoCurrentRecord);
    Statement select(m_db->handle(), "SELECT Path FROM Paths WHERE rowid = ?");
    if (!select.prepared())
        return sqliteError(m_db->handle(), sqlite3_errcode(m_db->handle()));
    sqlite3_bind_int64(select.get(), 1, m_rowIds[m_position]);
    const int rc = select.step();
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? Error::of(err::NoCurrentRecord) : sqliteError(m_db->handle(), rc);
    const unsigned char* text = sqlite3_column_text(select.get(), 0);
    const int bytes = sqlite3_column_bytes(select.get(), 0);
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text), bytes) : QString();
}

Error PathsRecordset::edit()
{
    if (!hasCurrent())
        return Error::of(err::NoCurrentRecord);
    Result<QString> current = field0();
    if (!current.ok())
        return current.error();
    m_mode = Mode::Edit;
    m_pending = current.value();
    m_pendingSet = false;
    return {};
}

Error PathsRecordset::addNew()
{
    m_mode = Mode::Add;
    m_pending.clear();
    m_pendingSet = false;
    return {};
}

Error PathsRecordset::setField0(const QString& value)
{
    if (m_mode == Mode::None)
        return Error::of(err::InvalidCall);
    m_pending = value;
    m_pendingSet = true;
    return {};
}

Error PathsRecordset::update()
{
    sqlite3* db = m_db->handle();
    if (m_mode == Mode::None)
        return Error::of(err::InvalidCall);
    const QByteArray value = m_pending.toUtf8();
    int rc;
    if (m_mode == Mode::Edit) {
        // An update that changes nothing writes nothing.
        if (!m_pendingSet) {
            m_mode = Mode::None;
            return {};
        }
        Statement up(db, "UPDATE Paths SET Path = ? WHERE rowid = ?");
        if (!up.prepared())
            return sqliteError(db, sqlite3_errcode(db));
        sqlite3_bind_text(up.get(), 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(up.get(), 2, m_rowIds[m_position]);
        rc = up.step();
    } else {
        Statement ins(db, "INSERT INTO Paths (Path) VALUES (?)");
        if (!ins.prepared())
            return sqliteError(db, sqlite3_errcode(db));
        sqlite3_bind_text(ins.get(), 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        rc = ins.step();
        if (rc == SQLITE_DONE)
            m_rowIds.push_back(sqlite3_last_insert_rowid(db));
    }
    if (rc != SQLITE_DONE)
        return sqliteError(db, rc);
    m_mode = Mode::None;
    m_pendingSet = false;
    return {};
}

void PathsRecordset::close()
{
    m_mode = Mode::None;
    m_rowIds.clear();
    m_position = 0;
}

} // namespace parkwen
