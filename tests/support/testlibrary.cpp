#include "tests/support/testlibrary.h"

#include "setup/paths_db.h"

#include <stdexcept>

namespace parkwen::test {

void TestLibrary::writePaths(const QStringList& records)
{
    const QString file = programFolder + QStringLiteral("/paths.mdb");
    QFile::remove(file);
    auto db = PathsDatabase::create(file);
    if (!db.ok())
        throw std::runtime_error("cannot create paths database");
    auto rs = db.value()->openRecordset();
    for (const QString& record : records) {
        rs.value()->addNew();
        rs.value()->setField0(record);
        rs.value()->update();
    }
}

void TestLibrary::installProgram(const QString& name)
{
    writeBytes(programFolder + QLatin1Char('/') + name, QByteArray());
}

} // namespace parkwen::test
