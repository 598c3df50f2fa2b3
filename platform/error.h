#pragma once

#include <QString>

#include <utility>

namespace parkwen {

// The kinds of failure the program tells apart. Each one's value is the number its messages show
// ("Miscellaneous Error: No. 76 Path not found"); nothing else reads it as a number.
enum class Fault : int {
    None = 0,
    InvalidCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    FileExists = 58,
    DiskFull = 61,
    PermissionDenied = 70,
    DifferentDrive = 74,
    PathFileAccess = 75,
    PathNotFound = 76,
    InvalidPicture = 481,
    NoCurrentRecord = 3021,
    FieldTooSmall = 3163,
    CouldNotFindFile = 3024,
    DatabaseExists = 3204,
    UnrecognizedDatabase = 3343,
    IndexOutOfBounds = 35600,
    KeyNotUnique = 35602,
};
namespace err {
using enum Fault;
} // namespace err

// The standard description of a fault; `path` fills the database errors that name a file.
QString describeError(Fault fault, const QString& path = QString());

// A failure: what kind it is and its description. Fault::None means success.
class Error
{
public:
    Error() = default;
    Error(Fault fault, QString description) : m_fault(fault), m_description(std::move(description)) {}
    static Error of(Fault fault, const QString& path = QString())
    {
        return {fault, describeError(fault, path)};
    }
    // Maps an errno value of a failed system call to the program's error numbers.
    static Error fromErrno(int errnoValue);

    bool ok() const { return m_fault == Fault::None; }
    bool failed() const { return m_fault != Fault::None; }
    explicit operator bool() const { return failed(); }
    Fault fault() const { return m_fault; }
    // The number a message shows for it.
    int number() const { return int(m_fault); }
    const QString& description() const { return m_description; }

    // "Miscellaneous Error: No. 76 Path not found"
    QString miscMessage() const;

    bool operator==(const Error& other) const = default;

private:
    Fault m_fault = Fault::None;
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
