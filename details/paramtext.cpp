#include "paramtext.h"

#include "paramreader.h"
#include "textbuffer.h"

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
    return f.found ? QString::fromLatin1(text.mid(f.start, f.length)) : QString();
}

QByteArray withName(const QByteArray& text, const QString& title)
{
    const Field f = nameField(text);
    if (!f.found)
        return text;
    QByteArray out = text;
    out.replace(f.start, f.length, title.toLatin1());
    return out;
}

} // namespace parkwen::paramtext
