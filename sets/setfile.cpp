#include "sets/setfile.h"

#include <QStringDecoder>

namespace parkwen {

namespace {

// Car names are folder names, so a set file stores the bytes the disk uses for them (UTF-8 here).
// Files made where names are single-byte text still read: bytes that are not valid UTF-8 are taken as
// Latin-1, one character per byte.
QString decodeName(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString name = utf8(bytes);
    if (!utf8.hasError())
        return name;
    return QString::fromLatin1(bytes);
}

// The longest file name accepted, a little below the 255 bytes a folder entry can hold.
constexpr qsizetype MaxFileNameBytes = 240;

} // namespace

QByteArray setFileBytes(const QStringList& members)
{
    QByteArray bytes;
    for (const QString& name : members) {
        bytes += '"';
        bytes += name.toUtf8();
        bytes += "\"\r\n";
    }
    return bytes;
}

QStringList readSetFileBytes(const QByteArray& bytes)
{
    QStringList names;
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    while (at < size) {
        const qsizetype cr = bytes.indexOf('\r', at);
        if (cr < 0) {
            // A last record without its CR LF.
            QByteArrayView rest = QByteArrayView(bytes).sliced(at + 1);
            if (rest.endsWith('"'))
                rest.chop(1);
            names << decodeName(rest);
            break;
        }
        const qsizetype length = cr - at + 1; // the record, CR included
        names << (length < 3 ? QString() : decodeName(QByteArrayView(bytes).sliced(at + 1, length - 3)));
        at = cr + 2; // past the CR and the character after it
    }
    return names;
}

QString setFileName(const QString& typedName)
{
    if (typedName.endsWith(QLatin1String(".pkn"), Qt::CaseSensitive))
        return typedName;
    return typedName + QLatin1String(".pkn");
}

QString setFileNameProblem(const QString& fileName)
{
    const bool badCharacter = fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')) ||
                              fileName.contains(QChar(0));
    if (badCharacter || fileName.startsWith(QLatin1Char('.')) || fileName.toUtf8().size() > MaxFileNameBytes)
        return QStringLiteral(
                   "That Name can't be used for a Set. A Set's Name must not contain \"/\" or \"\\\", "
                   "must not begin with \".\" and must be shorter than %1 characters.")
            .arg(MaxFileNameBytes);
    return {};
}

} // namespace parkwen
