#include "library/enginepaths.h"

#include <QRandomGenerator>

namespace parkwen::enginepaths {

namespace {

bool isToken(const QByteArray& text, bool base36)
{
    if (text.isEmpty() || (!base36 && text.size() != 8) || (base36 && text.size() > 8))
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (base36 && c >= 'a' && c <= 'z')))
            return false;
    return true;
}

} // namespace

QByteArray token()
{
    return QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0');
}

Hidden hiddenKind(const QByteArray& entry, QLatin1StringView prefix, QByteArray* car)
{
    const QByteArrayView p(prefix.data(), prefix.size());
    if (!entry.startsWith(p))
        return Hidden::None;
    const QByteArray rest = entry.mid(p.size());
    if (isToken(rest, false))
        return Hidden::Wrapper;
    const qsizetype dash = rest.lastIndexOf('-');
    if (dash <= 0 || !isToken(rest.mid(dash + 1), true))
        return Hidden::None;
    if (car)
        *car = rest.left(dash);
    return Hidden::Flat;
}

} // namespace parkwen::enginepaths
