#include "error.h"

#include <cerrno>
#include <cstring>

namespace parkwen {

QString describeError(int number, const QString& path)
{
    switch (number) {
    case 0:
        return {};
    case err::InvalidCall:
        return QStringLiteral("Invalid procedure call or argument");
    case err::Overflow:
        return QStringLiteral("Overflow");
    case err::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case err::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case err::FileNotFound:
        return QStringLiteral("File not found");
    case err::FileExists:
        return QStringLiteral("File already exists");
    case err::DiskFull:
        return QStringLiteral("Disk full");
    case err::PermissionDenied:
        return QStringLiteral("Permission denied");
    case err::DifferentDrive:
        return QStringLiteral("Can't rename with different drive");
    case err::PathFileAccess:
        return QStringLiteral("Path/File access error");
    case err::PathNotFound:
        return QStringLiteral("Path not found");
    case err::InvalidPicture:
        return QStringLiteral("Invalid picture");
    case err::NoCurrentRecord:
        return QStringLiteral("No current record.");
    case err::CouldNotFindFile:
        return QStringLiteral("Could not find file '%1'.").arg(path);
    case err::DatabaseExists:
        return QStringLiteral("Database already exists.");
    case err::UnrecognizedDatabase:
        return QStringLiteral("Unrecognized database format '%1'.").arg(path);
    case err::IndexOutOfBounds:
        return QStringLiteral("Index out of bounds");
    case err::KeyNotUnique:
        return QStringLiteral("Key is not unique in collection");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

Error Error::fromErrno(int e)
{
    switch (e) {
    case ENOENT:
        return of(err::PathNotFound);
    case EEXIST:
    case ENOTEMPTY:
    case EBUSY:
    case EROFS:
    case ETXTBSY:
    case EISDIR:
    case ENOTDIR:
        return of(err::PathFileAccess);
    case EACCES:
    case EPERM:
        return of(err::PermissionDenied);
    case ENOSPC:
    case EDQUOT:
        return of(err::DiskFull);
    case EXDEV:
        return of(err::DifferentDrive);
    case EINVAL:
    case ENAMETOOLONG:
        return of(err::InvalidCall);
    default:
        return {err::PathFileAccess, describeError(err::PathFileAccess) + QStringLiteral(" (") +
                                         QString::fromLocal8Bit(strerror(e)) + QLatin1Char(')')};
    }
}

QString Error::miscMessage() const
{
    return QStringLiteral("Miscellaneous Error: No. ") + QString::number(m_number) + QLatin1Char(' ') +
           m_description;
}

} // namespace parkwen
