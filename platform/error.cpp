#include "platform/error.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace parkwen {

QString describeError(Fault fault, const QString& path)
{
    switch (fault) {
    case Fault::None:
        return {};
    case err::InvalidCall:
        return QCoreApplication::translate("Error", "Invalid procedure call or argument");
    case err::Overflow:
        return QCoreApplication::translate("Error", "Overflow");
    case err::SubscriptOutOfRange:
        return QCoreApplication::translate("Error", "Subscript out of range");
    case err::TypeMismatch:
        return QCoreApplication::translate("Error", "Type mismatch");
    case err::FileNotFound:
        return QCoreApplication::translate("Error", "File not found");
    case err::FileExists:
        return QCoreApplication::translate("Error", "File already exists");
    case err::DiskFull:
        return QCoreApplication::translate("Error", "Disk full");
    case err::PermissionDenied:
        return QCoreApplication::translate("Error", "Permission denied");
    case err::DifferentDrive:
        return QCoreApplication::translate("Error", "Can't rename with different drive");
    case err::PathFileAccess:
        return QCoreApplication::translate("Error", "Path/File access error");
    case err::PathNotFound:
        return QCoreApplication::translate("Error", "Path not found");
    case err::InvalidPicture:
        return QCoreApplication::translate("Error", "Invalid picture");
    case err::FieldTooSmall:
        return QCoreApplication::translate(
            "Error", "The field is too small to accept the amount of data you attempted to add.");
    case err::NoCurrentRecord:
        return QCoreApplication::translate("Error", "No current record.");
    case err::CouldNotFindFile:
        return QCoreApplication::translate("Error", "Could not find file '%1'.").arg(path);
    case err::DatabaseExists:
        return QCoreApplication::translate("Error", "Database already exists.");
    case err::UnrecognizedDatabase:
        return QCoreApplication::translate("Error", "Unrecognized database format '%1'.").arg(path);
    case err::IndexOutOfBounds:
        return QCoreApplication::translate("Error", "Index out of bounds");
    case err::KeyNotUnique:
        return QCoreApplication::translate("Error", "Key is not unique in collection");
    }
    return QCoreApplication::translate("Error", "Application-defined or object-defined error");
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
    return QCoreApplication::translate("Error", "Miscellaneous Error: No. ") + QString::number(number()) +
           QLatin1Char(' ') + m_description;
}

} // namespace parkwen
