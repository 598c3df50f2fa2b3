#include "setup/rigwell.h"

#include "platform/numbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace parkwen {

namespace {

// The shortest decimal text of `value`: the fewest significant digits that read back as the same
// number, in plain notation unless the number is very large or very small.
QString shortestText(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    if (ec != std::errc())
        return QStringLiteral("0");
    const std::string scientific(buffer, end);
    const size_t ePos = scientific.find('e');
    std::string digits;
    for (size_t i = 0; i < ePos; ++i)
        if (scientific[i] != '.')
            digits += scientific[i];
    const int exp10 = std::stoi(scientific.substr(ePos + 1));
    const int k = int(digits.size());
    const int n = exp10 + 1; // digits before the decimal point

    std::string text;
    if (k <= n && n <= 21) {
        text = digits + std::string(size_t(n - k), '0');
    } else if (0 < n && n <= 21) {
        text = digits.substr(0, size_t(n)) + '.' + digits.substr(size_t(n));
    } else if (-6 < n && n <= 0) {
        text = "0." + std::string(size_t(-n), '0') + digits;
    } else {
        text = digits.substr(0, 1);
        if (k > 1)
            text += '.' + digits.substr(1);
        text += n - 1 < 0 ? "e-" : "e+";
        text += std::to_string(std::abs(n - 1));
    }
    if (value < 0)
        text.insert(text.begin(), '-');
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

QString canonicalAmount(const QString& text)
{
    return shortestText(leadingNumber(text));
}

SetupSession::SetupSession(QString databaseFile, FileSystem& fs, Dialogs& dialogs)
    : m_file(std::move(databaseFile)), m_fs(fs), m_dialogs(dialogs)
{
}

bool SetupSession::open(SetupValues& values)
{
    Result<std::shared_ptr<PathsDatabase>> created = PathsDatabase::create(m_file);
    if (created.ok()) {
        m_db = created.take();
        m_newDatabase = true;
        return true;
    }
    if (created.error().fault() != err::DatabaseExists) {
        report(created.error());
        return false;
    }
    // A first run that ended before its window closed left an empty table: this is still a first run.
    if (PathsDatabase::isUnfinished(m_file)) {
        Result<std::shared_ptr<PathsDatabase>> opened = PathsDatabase::open(m_file);
        if (!opened.ok()) {
            report(opened.error());
            return false;
        }
        m_db = opened.take();
        m_newDatabase = true;
        return true;
    }
    m_dialogs.beep();
    // The values are only shown once all of them have been read.
    SetupValues loaded = values;
    if (Error e = load(loaded)) {
        m_db.reset();
        report(e);
        return false;
    }
    values = loaded;
    return true;
}

Error SetupSession::load(SetupValues& values)
{
    Result<std::shared_ptr<PathsDatabase>> opened = PathsDatabase::open(m_file);
    if (!opened.ok())
        return opened.error();
    m_db = opened.take();
    Result<std::unique_ptr<PathsRecordset>> rs = m_db->openRecordset();
    if (!rs.ok())
        return rs.error();
    PathsRecordset& records = *rs.value();

    // Each record is put into edit mode and updated unchanged, which writes nothing. A stored folder
    // that is no longer there leaves its list at the starting folder.
    auto loadRecord = [&records](const std::function<Error(const QString&)>& use) -> Error {
        if (Error e = records.edit())
            return e;
        Result<QString> value = records.field0();
        if (!value.ok())
            return value.error();
        if (Error e = use(value.value()); e && e.fault() != err::PathNotFound)
            return e;
        return records.update();
    };
    if (Error e = records.moveFirst())
        return e;
    if (Error e = loadRecord([&](const QString& v) { return pointFolder(values.carFolder, v); }))
        return e;
    records.moveNext();
    if (Error e = loadRecord([&](const QString& v) { return pointFolder(values.garageFolder, v); }))
        return e;
    records.moveNext();
    if (Error e = loadRecord([&](const QString& v) {
            values.maxCarAmount = canonicalAmount(v);
            return Error();
        }))
        return e;

    records.close();
    return {};
}

Error SetupSession::pointFolder(QString& folder, const QString& stored)
{
    if (!QDir::isAbsolutePath(stored) || !m_fs.isFolder(stored))
        return Error::of(err::PathNotFound);
    folder = QDir::cleanPath(stored);
    return {};
}

namespace {
QString canonicalFolder(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}
bool isInside(const QString& inner, const QString& outer)
{
    return outer == QLatin1String("/") ? inner != outer : inner.startsWith(outer + QLatin1Char('/'));
}
} // namespace

QString folderConflict(const QString& carFolder, const QString& garageFolder)
{
    const QString car = canonicalFolder(carFolder);
    const QString garage = canonicalFolder(garageFolder);
    if (car == garage)
        return QCoreApplication::translate("SetupSession",
                                           "The Car Folder and the Garage Folder are the same folder. "
                                           "Please choose two different folders.");
    if (isInside(garage, car))
        return QCoreApplication::translate("SetupSession",
                                           "The Garage Folder is inside the Car Folder. "
                                           "Please choose two folders, neither of them inside the other.");
    if (isInside(car, garage))
        return QCoreApplication::translate("SetupSession",
                                           "The Car Folder is inside the Garage Folder. "
                                           "Please choose two folders, neither of them inside the other.");
    return {};
}

bool SetupSession::foldersUsable(const SetupValues& values)
{
    const QString problem = folderConflict(values.carFolder, values.garageFolder);
    if (problem.isEmpty())
        return true;
    m_dialogs.message(problem, Dialogs::Icon::Exclamation);
    return false;
}

bool SetupSession::close(const SetupValues& values)
{
    if (!m_db)
        return false;
    const Error e = write(values);
    m_db.reset();
    if (e) {
        report(e);
        return false;
    }
    return true;
}

Error SetupSession::write(const SetupValues& values)
{
    // Values written into a file that was deleted meanwhile would be lost without a word.
    if (!m_fs.exists(m_file))
        return Error::of(err::CouldNotFindFile, m_file);
    if (Error e = m_db->beginTransaction())
        return e;

    const QString fields[3] = {values.carFolder, values.garageFolder, values.maxCarAmount};
    const auto writeAll = [&]() -> Error {
        Result<std::unique_ptr<PathsRecordset>> rs = m_db->openRecordset();
        if (!rs.ok())
            return rs.error();
        PathsRecordset& records = *rs.value();
        for (int i = 0; i < 3; ++i) {
            if (m_newDatabase) {
                if (Error e = records.addNew())
                    return e;
            } else {
                if (Error e = i == 0 ? records.moveFirst() : records.moveNext())
                    return e;
                if (Error e = records.edit())
                    return e;
            }
            if (Error e = records.setField0(fields[i]))
                return e;
            if (Error e = records.update())
                return e;
        }
        records.close();
        return {};
    };

    if (Error e = writeAll()) {
        m_db->rollback();
        return e;
    }
    return m_db->commit();
}

void SetupSession::report(const Error& e)
{
    m_dialogs.message(QCoreApplication::translate("SetupSession", "Miscellaneous Error: ") +
                          QString::number(e.number()) + QLatin1Char(' ') + e.description(),
                      Dialogs::Icon::None, Dialogs::Buttons::Ok);
}

} // namespace parkwen
