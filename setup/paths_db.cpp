#include "setup/paths_db.h"

#include <QCoreApplication>
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
    int prepareCode() const { return m_rc; }
    sqlite3_stmt* get() const { return m_stmt; }
    int step() { return sqlite3_step(m_stmt); }

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_rc = SQLITE_ERROR;
};

QByteArray nativeName(const QString& file)
{
#ifdef Q_OS_WIN
    return file.toUtf8();
#else
    return QFile::encodeName(file);
#endif
}

QString engineText(sqlite3* db, int rc)
{
    return QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

// Maps an engine failure onto the program's error numbers, keeping the engine's own words.
Error sqliteError(sqlite3* db, int rc, const QString& file)
{
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return Error::of(err::UnrecognizedDatabase, file);
    case SQLITE_FULL:
        return Error::of(err::DiskFull);
    default:
        return {err::PathFileAccess, describeError(err::PathFileAccess) + QStringLiteral(" (") +
                                         engineText(db, rc) + QLatin1Char(')')};
    }
}

// Opens an SQLite handle; closes it again on failure.
Result<sqlite3*> openHandle(const QString& file, int flags)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(nativeName(file).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        Error e = sqliteError(db, rc, file);
        sqlite3_close_v2(db);
        return e;
    }
    sqlite3_extended_result_codes(db, 1);
    // Another program writing at the same moment is waited for briefly, never for long.
    sqlite3_busy_timeout(db, 2000);
    // Temporary tables and sorts stay in memory: a run that is killed leaves no file behind.
    sqlite3_exec(db, "PRAGMA temp_store=MEMORY", nullptr, nullptr, nullptr);
    return db;
}

} // namespace

PathsDatabase::~PathsDatabase()
{
    sqlite3_close_v2(m_db);
}

Result<std::shared_ptr<PathsDatabase>> PathsDatabase::create(const QString& file)
{
    // Claim the name first: creation must never reuse a file that appeared in the meantime.
    {
        QFile claim(file);
        if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(file) || QFileInfo(file).isSymLink())
                return Error::of(err::DatabaseExists);
            return Error(err::PathFileAccess, describeError(err::PathFileAccess) + QStringLiteral(" (") +
                                                  claim.errorString() + QLatin1Char(')'));
        }
    }
    Result<sqlite3*> handle = openHandle(file, SQLITE_OPEN_READWRITE);
    if (!handle.ok()) {
        QFile::remove(file);
        return handle.error();
    }
    std::shared_ptr<PathsDatabase> db(new PathsDatabase(handle.value(), file));
    const int rc = sqlite3_exec(db->m_db, "CREATE TABLE Paths (Path TEXT)", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        Error e = sqliteError(db->m_db, rc, file);
        db.reset();
        QFile::remove(file);
        return e;
    }
    return db;
}

Result<std::shared_ptr<PathsDatabase>> PathsDatabase::open(const QString& file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return Error::of(err::CouldNotFindFile, file);
    if (!info.isFile())
        return Error::of(err::PathFileAccess);
    Result<sqlite3*> handle = openHandle(file, SQLITE_OPEN_READWRITE);
    if (!handle.ok()) {
        // A file we may only read is still readable; the setup program reports the failure when it writes.
        handle = openHandle(file, SQLITE_OPEN_READONLY);
        if (!handle.ok())
            return handle.error();
    }
    std::shared_ptr<PathsDatabase> db(new PathsDatabase(handle.value(), file));
    // Reading the schema is the first access to the file: a file that is not a database fails here,
    // and so does a database without a Paths table holding a Path field.
    Statement check(db->m_db, "SELECT Path FROM Paths LIMIT 0");
    if (!check.prepared()) {
        const int rc = check.prepareCode();
        if ((rc & 0xff) == SQLITE_ERROR)
            return Error::of(err::UnrecognizedDatabase, file);
        return sqliteError(db->m_db, rc, file);
    }
    return db;
}

bool PathsDatabase::isUnfinished(const QString& file)
{
    Result<std::shared_ptr<PathsDatabase>> db = PathsDatabase::open(file);
    if (!db.ok())
        return false;
    Statement any(db.value()->m_db, "SELECT 1 FROM Paths LIMIT 1");
    return any.prepared() && any.step() == SQLITE_DONE;
}

Result<std::unique_ptr<PathsRecordset>> PathsDatabase::openRecordset()
{
    Statement select(m_db, "SELECT rowid FROM Paths ORDER BY rowid");
    if (!select.prepared())
        return sqliteError(m_db, select.prepareCode(), m_file);
    std::vector<qint64> rows;
    int rc;
    while ((rc = select.step()) == SQLITE_ROW)
        rows.push_back(sqlite3_column_int64(select.get(), 0));
    if (rc != SQLITE_DONE)
        return sqliteError(m_db, rc, m_file);
    return std::make_unique<PathsRecordset>(shared_from_this(), std::move(rows));
}

Error PathsDatabase::beginTransaction()
{
    const int rc = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? Error() : sqliteError(m_db, rc, m_file);
}

Error PathsDatabase::commit()
{
    const int rc = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        return {};
    Error e = sqliteError(m_db, rc, m_file);
    // A commit that failed may leave the transaction open; nothing of it must land later.
    rollback();
    return e;
}

void PathsDatabase::rollback()
{
    if (!sqlite3_get_autocommit(m_db))
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
    if (m_mode != Mode::None)
        return m_pending;
    if (!hasCurrent())
        return Error::of(err::NoCurrentRecord);
    sqlite3* db = m_db->handle();
    Statement select(db, "SELECT Path FROM Paths WHERE rowid = ?");
    if (!select.prepared())
        return sqliteError(db, select.prepareCode(), m_db->file());
    sqlite3_bind_int64(select.get(), 1, m_rowIds[m_position]);
    const int rc = select.step();
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? Error::of(err::NoCurrentRecord) : sqliteError(db, rc, m_db->file());
    const unsigned char* text = sqlite3_column_text(select.get(), 0);
    const int bytes = sqlite3_column_bytes(select.get(), 0);
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text), bytes) : QString();
}

Error PathsRecordset::edit()
{
    m_mode = Mode::None;
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
    if (value.size() > PathsDatabase::MaxValueLength)
        return {PathsDatabase::FieldTooSmall,
                QCoreApplication::translate(
                    "Error", "The field is too small to accept the amount of data you attempted to add.")};
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
            return sqliteError(db, up.prepareCode(), m_db->file());
        sqlite3_bind_text(up.get(), 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(up.get(), 2, m_rowIds[m_position]);
        rc = up.step();
        // The record was removed behind our back.
        if (rc == SQLITE_DONE && sqlite3_changes(db) != 1)
            return Error::of(err::NoCurrentRecord);
    } else {
        Statement ins(db, "INSERT INTO Paths (Path) VALUES (?)");
        if (!ins.prepared())
            return sqliteError(db, ins.prepareCode(), m_db->file());
        sqlite3_bind_text(ins.get(), 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        rc = ins.step();
        if (rc == SQLITE_DONE)
            m_rowIds.push_back(sqlite3_last_insert_rowid(db));
    }
    if (rc != SQLITE_DONE)
        return sqliteError(db, rc, m_db->file());
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
