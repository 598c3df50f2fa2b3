#pragma once

#include <QFile>
#include <QStringList>

#include <sqlite3.h>

namespace parkwen::test {

// Runs SQL on a database file behind the program's back.
inline bool execSql(const QString& file, const char* sql)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(QFile::encodeName(file).constData(), &db) == SQLITE_OK &&
              sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// A paths database holding exactly `values`.
inline bool writePaths(const QString& file, const QStringList& values)
{
    QByteArray sql = "CREATE TABLE Paths (Path TEXT);";
    for (const QString& v : values)
        sql += "INSERT INTO Paths VALUES ('" + QString(v).replace(QLatin1Char('\''), QLatin1String("''")).toUtf8() + "');";
    return execSql(file, sql.constData());
}

// The values of Paths in stored order.
inline QStringList storedPaths(const QString& file)
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

} // namespace parkwen::test
