#pragma once

#include <QString>

#include <utility>

namespace parkwen {

// Error numbers the program tells apart. They match the numbers users see in messages.
namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int FileExists = 58;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int DifferentDrive = 74;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidPicture = 481;
constexpr int NoCurrentRecord = 3021;
constexpr int CouldNotFindFile = 3024;
constexpr int DatabaseExists = 3204;
constexpr int UnrecognizedDatabase = 3343;
constexpr int IndexOutOfBounds = 35600;
constexpr int KeyNotUnique = 35602;
} // namespace err

// The standard description of an error number; `path` fills the database errors that name a file.
QString describeError(int number, const QString& path = QString());

// A failure: a number and a description. Number 0 means success.
class Error
{
public:
    Error() = default;
    Error(int number, QString description) : m_number(number), m_description(std::move(description)) {}
    static Error of(int number, const QString& path = QString())
    {
        return {number, describeError(number, path)};
    }
    // Maps an errno value of a failed system call to the program's error numbers.
    static Error fromErrno(int errnoValue);

    bool ok() const { return m_number == 0; }
    bool failed() const { return m_number != 0; }
    explicit operator bool() const { return failed(); }
    int number() const { return m_number; }
    const QString& description() const { return m_description; }

    // "Miscellaneous Error: No. 76 Path not found"
    QString miscMessage() const;

    bool operator==(const Error& other) const = default;

private:
    int m_number = 0;
    QString m_description;
};

// A value or the failure that prevented it.
template <typename T> class Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Error error) : m_error(std::move(error)) {}

    bool ok() const { return m_error.ok(); }
    const Error& error() const { return m_error; }
    const T& value() const { return m_value; }
    T& value() { return m_value; }
    T take() { return std::move(m_value); }

private:
    T m_value{};
    Error m_error;
};

} // namespace parkwen
