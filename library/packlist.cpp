#include "library/packlist.h"

#include <QCoreApplication>

namespace parkwen {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimmed(const QByteArray& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text.at(from)))
        ++from;
    while (to > from && isBlank(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

} // namespace

Packlist Packlist::fromBytes(const QByteArray& bytes)
{
    Packlist list;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        Line line{bytes.mid(start, end - start), {}};
        if (end < bytes.size()) {
            const qsizetype endLength =
                bytes.at(end) == '\r' && end + 1 < bytes.size() && bytes.at(end + 1) == '\n' ? 2 : 1;
            line.end = bytes.mid(end, endLength);
            end += endLength;
        }
        list.m_lines.append(line);
        start = end;
    }
    return list;
}

Packlist Packlist::fresh()
{
    return fromBytes(QByteArray(DefaultPack.data(), DefaultPack.size()) + '\n');
}

QByteArray Packlist::bytes() const
{
    QByteArray out;
    for (const Line& line : m_lines)
        out += line.text + line.end;
    return out;
}

bool Packlist::parseLine(const QByteArray& text, Entry& entry)
{
    QByteArray rest = trimmed(text);
    entry.enabled = !rest.startsWith(';');
    if (!entry.enabled)
        rest = trimmed(rest.mid(1));
    entry.writable = rest.endsWith('*');
    if (entry.writable)
        rest = trimmed(rest.chopped(1));
    entry.name = QString::fromUtf8(rest);
    // A comment in words ("; my race packs") names no pack.
    return !rest.isEmpty() && nameProblem(entry.name).isEmpty() && !rest.contains(' ');
}

QList<Packlist::Entry> Packlist::entries() const
{
    QList<Entry> out;
    for (int i = 0; i < m_lines.size(); ++i) {
        Entry entry;
        entry.line = i;
        if (parseLine(m_lines.at(i).text, entry))
            out << entry;
    }
    return out;
}

QStringList Packlist::enabledPacks() const
{
    QStringList out;
    for (const Entry& entry : entries())
        if (entry.enabled && !out.contains(entry.name))
            out << entry.name;
    return out;
}

bool Packlist::isEnabled(const QString& name) const
{
    return lineOf(name, true) >= 0;
}

QString Packlist::writablePack() const
{
    for (const Entry& entry : entries())
        if (entry.enabled && entry.writable)
            return entry.name;
    return {};
}

int Packlist::lineOf(const QString& name, bool enabled) const
{
    for (const Entry& entry : entries())
        if (entry.name == name && entry.enabled == enabled)
            return entry.line;
    return -1;
}

QByteArray Packlist::newLineEnd() const
{
    // The file's own line ends, so that a new line looks like the others.
    for (const Line& line : m_lines)
        if (!line.end.isEmpty())
            return line.end;
    return QByteArrayLiteral("\n");
}

bool Packlist::enable(const QString& name)
{
    if (isEnabled(name))
        return false;
    const int off = lineOf(name, false);
    if (off >= 0) {
        QByteArray& text = m_lines[off].text;
        text.remove(text.indexOf(';'), 1);
        return true;
    }
    int at = m_lines.size();
    const QString writable = writablePack();
    if (!writable.isEmpty())
        at = lineOf(writable, true);
    const QByteArray text = name.toUtf8();
    if (at == m_lines.size() && !m_lines.isEmpty() && m_lines.last().end.isEmpty()) {
        // The last line has no line end: it keeps none, and the new last line has none either.
        m_lines.last().end = newLineEnd();
        m_lines.append(Line{text, {}});
        return true;
    }
    m_lines.insert(at, Line{text, newLineEnd()});
    return true;
}

bool Packlist::disable(const QString& name)
{
    const int on = lineOf(name, true);
    if (on < 0)
        return false;
    // Every line that switches it on goes off, or the game would still load it.
    for (const Entry& entry : entries())
        if (entry.enabled && entry.name == name)
            m_lines[entry.line].text.prepend(';');
    return true;
}

bool Packlist::move(const QString& name, int by)
{
    const QList<Entry> list = entries();
    int index = -1;
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).name == name && (index < 0 || list.at(i).enabled))
            index = i;
    const int other = index + by;
    if (index < 0 || by == 0 || other < 0 || other >= list.size())
        return false;
    std::swap(m_lines[list.at(index).line].text, m_lines[list.at(other).line].text);
    return true;
}

QString Packlist::nameProblem(const QString& name)
{
    auto says = [](const char* text) { return QCoreApplication::translate("Packlist", text); };
    if (name.isEmpty())
        return says("A name cannot be empty.");
    if (name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')))
        return says("A name cannot hold / or \\, nor be . or ..: it must stay inside the packs folder.");
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return says("A name cannot hold control characters.");
    if (name.startsWith(QLatin1Char(';')) || name.contains(QLatin1Char('*')) || name.trimmed() != name)
        return says("A name cannot start with ; or a space, end with a space, or hold *.");
    return {};
}

} // namespace parkwen
