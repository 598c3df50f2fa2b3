#include "details/paramrefs.h"

#include "details/textencoding.h"

#include <algorithm>

namespace parkwen {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isKeyChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool isPathKey(const QByteArray& key)
{
    static const char* const keys[] = {"MODEL", "TPAGE",     "TCARBOX", "TSHADOW",
                                       "COLL",  "SFXENGINE", "SFXHONK", "SFXSERVO"};
    return std::any_of(std::begin(keys), std::end(keys),
                       [&](const char* k) { return key.compare(k, Qt::CaseInsensitive) == 0; });
}

} // namespace

ParamRefs readParamRefs(const QByteArray& file)
{
    ParamRefs refs;
    const TextEncoding encoding = encodingOf(file);
    const qsizetype size = file.size();
    qsizetype lineStart = 0;
    while (lineStart < size) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < size && file.at(lineEnd) != '\n' && file.at(lineEnd) != '\r')
            ++lineEnd;
        qsizetype i = lineStart;
        while (i < lineEnd && isBlank(file.at(i)))
            ++i;
        if (i + 1 < lineEnd && file.at(i) == ';' && file.at(i + 1) == ')') {
            i += 2;
            while (i < lineEnd && isBlank(file.at(i)))
                ++i;
        }
        const qsizetype keyStart = i;
        while (i < lineEnd && isKeyChar(file.at(i)))
            ++i;
        const QByteArray key = file.mid(keyStart, i - keyStart);
        const bool pathKey = isPathKey(key);
        const bool nameKey = refs.name.isEmpty() && key.compare("Name", Qt::CaseInsensitive) == 0;
        if ((pathKey || nameKey) && i < lineEnd && isBlank(file.at(i))) {
            const qsizetype open = file.indexOf('"', i);
            const qsizetype close = open < 0 || open >= lineEnd ? -1 : file.indexOf('"', open + 1);
            if (close > open && close < lineEnd) {
                const QByteArray raw = file.mid(open + 1, close - open - 1);
                const QString value = decodeText(raw, encoding);
                if (nameKey) {
                    refs.name = value;
                } else if (!value.trimmed().isEmpty() &&
                           value.trimmed().compare(QLatin1String("NONE"), Qt::CaseInsensitive) != 0) {
                    refs.paths.append({QString::fromLatin1(key).toUpper(), value, open + 1, raw.size()});
                }
            }
        }
        lineStart = lineEnd + 1;
    }
    return refs;
}

QString boxPicturePath(const ParamRefs& refs)
{
    for (const ParamPath& p : refs.paths)
        if (p.key == QLatin1String("TCARBOX"))
            return p.path;
    return QString();
}

QStringList pathParts(const QString& path)
{
    QString normal = path.trimmed();
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return normal.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

std::optional<QByteArray> replacePaths(const QByteArray& file, const QList<PathReplacement>& replacements)
{
    QList<PathReplacement> sorted = replacements;
    std::sort(sorted.begin(), sorted.end(),
              [](const PathReplacement& a, const PathReplacement& b) { return a.old.start > b.old.start; });
    const TextEncoding encoding = encodingOf(file);
    QByteArray out = file;
    for (const PathReplacement& r : sorted) {
        std::optional<QByteArray> bytes = encodeText(r.path, encoding);
        if (!bytes)
            return std::nullopt;
        out.replace(r.old.start, r.old.length, *bytes);
    }
    return out;
}

} // namespace parkwen
