#pragma once

#include "platform/error.h"

#include <QString>

#include <memory>
#include <vector>

struct sqlite3;

namespace parkwen {

class PathsRecordset;

// The paths database: an SQLite file holding one table, Paths (Path TEXT), whose records in insertion
// order are the Car Folder, the Garage Folder and the Max Car Amount. Both programs use it; only the
// setup program writes.
class PathsDatabase : public std::enable_shared_from_this<PathsDatabase>
{
public:
    // The longest value a record holds, in characters: room for any folder path of the platforms
    // the program runs on.
    static constexpr qsizetype MaxValueLength = 32767;
    // Raised when a value longer than MaxValueLength is set.
    static constexpr Fault FieldTooSmall = Fault::FieldTooSmall;

    ~PathsDatabase();
    PathsDatabase(const PathsDatabase&) = delete;
    PathsDatabase& operator=(const PathsDatabase&) = delete;

    // A new database with an empty Paths table; 3204 when something of that name already exists.
    // A creation that fails half-way leaves no file behind.
    static Result<std::shared_ptr<PathsDatabase>> create(const QString& file);
    // An existing database; 3024 when the file does not exist, 3343 when it is not a paths database
    // (not an SQLite file, or no Paths table with a Path field), 75 when the name is not a file.
    static Result<std::shared_ptr<PathsDatabase>> open(const QString& file);

    // Whether `file` is a paths database whose table holds no record: the setup window was closed by a
    // kill or the end of the session before it stored anything. Such a file counts as not set up.
    static bool isUnfinished(const QString& file);

    // A recordset over the table's records in stored order, standing on the first record (if any).
    Result<std::unique_ptr<PathsRecordset>> openRecordset();

    // Groups writes so that they land together or not at all.
    Error beginTransaction();
    Error commit();
    void rollback();

    const QString& file() const { return m_file; }
    sqlite3* handle() const { return m_db; }

private:
    PathsDatabase(sqlite3* db, QString file) : m_db(db), m_file(std::move(file)) {}
    sqlite3* m_db;
    QString m_file;
};

// Moves over the records of Paths and edits them one at a time, as the programs need:
// MoveFirst/MoveNext, Edit/AddNew, field 0, Update.
class PathsRecordset
{
public:
    explicit PathsRecordset(std::shared_ptr<PathsDatabase> db, std::vector<qint64> rowIds);

    // 3021 when the table is empty.
    Error moveFirst();
    // Never fails; past the last record there is no current record, and Edit or field 0 then fail.
    Error moveNext();
    bool hasCurrent() const;

    // Field 0 of the current record, or the value being edited or added; 3021 when there is none.
    Result<QString> field0() const;

    // Edit the current record (3021 when there is none), or start a new one at the end.
    Error edit();
    Error addNew();
    // Sets field 0 of the record being edited or added: 5 when none is, 3163 for a value longer than
    // PathsDatabase::MaxValueLength.
    Error setField0(const QString& value);
    // Stores the record being edited or added (5 when none is). An edit whose value was never set
    // writes nothing.
    Error update();
    void close();

private:
    enum class Mode { None, Edit, Add };
    std::shared_ptr<PathsDatabase> m_db;
    std::vector<qint64> m_rowIds;
    size_t m_position = 0;
    Mode m_mode = Mode::None;
    QString m_pending;
    bool m_pendingSet = false;
};

} // namespace parkwen
