#include "paramtext.h"

namespace parkwen::paramtext {

namespace {
char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
} // namespace

qsizetype find(const QByteArray& text, const QByteArray& word, qsizetype from)
{
    if (from < 0)
        from = 0;
    const qsizetype n = word.size();
    if (n == 0)
        return from <= text.size() ? from : -1;
    for (qsizetype i = from; i + n <= text.size(); ++i) {
        qsizetype j = 0;
        while (j < n && lower(text[i + j]) == lower(word[j]))
            ++j;
        if (j == n)
            return i;
    }
    return -1;
}

bool isParameterText(const QByteArray& text)
{
    return find(text, "BODY {") >= 0;
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
