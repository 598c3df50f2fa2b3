#include "details/paramtext.h"

#include "details/paramreader.h"
#include "details/textbuffer.h"
#include "details/textencoding.h"

namespace parkwen::paramtext {

qsizetype find(const QByteArray& text, const QByteArray& word, qsizetype from)
{
    return TextBuffer(QString::fromLatin1(text))
        .indexOf(QString::fromLatin1(word), int(qMax<qsizetype>(from, 0)));
}

bool isParameterText(const QByteArray& text)
{
    return isParameterFile(QString::fromLatin1(text));
}

Field nameField(const QByteArray& text)
{
    const qsizetype name = find(text, "Name");
    if (name < 0)
        return {};
    const qsizetype open = text.indexOf('"', name);
    if (open < 0)
        return {};
    const qsizetype start = open + 1;
    qsizetype end = text.indexOf('"', start);
    if (end < 0) {
        end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
    }
    return {true, start, end - start};
}

QString nameOf(const QByteArray& text)
{
    const Field f = nameField(text);
    return f.found ? decodeText(text.mid(f.start, f.length), encodingOf(text)) : QString();
}

bool canHoldName(const QByteArray& text, const QString& title)
{
    return encodeText(title, encodingOf(text)).has_value();
}

QByteArray withName(const QByteArray& text, const QString& title)
{
    const Field f = nameField(text);
    const std::optional<QByteArray> encoded = encodeText(title, encodingOf(text));
    if (!f.found || !encoded)
        return text;
    QByteArray out = text;
    out.replace(f.start, f.length, *encoded);
    return out;
}

} // namespace parkwen::paramtext
