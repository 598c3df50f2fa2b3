#include "details/textbuffer.h"

#include "platform/filesystem.h"

#include <algorithm>

namespace parkwen {

TextBuffer::TextBuffer(QString text) : m_text(std::move(text)) {}

Error TextBuffer::load(FileSystem& fs, const QString& path)
{
    clear();
    Result<QByteArray> bytes = fs.readFile(path);
    if (!bytes.ok())
        return bytes.error();
    m_text = QString::fromLatin1(bytes.value());
    return {};
}

Error TextBuffer::load(FileSystem& fs, const QString& folder, const QString& name)
{
    return load(fs, joinPath(folder, fs.resolve(folder, name)));
}

Error TextBuffer::save(FileSystem& fs, const QString& path) const
{
    return fs.writeFileAtomic(path, bytes());
}

void TextBuffer::setText(const QString& text)
{
    m_text = text;
    m_selStart = 0;
    m_selLength = 0;
}

QChar TextBuffer::at(int index) const
{
    if (index < 0 || index >= length())
        return QChar();
    return m_text.at(index);
}

QString TextBuffer::mid(int index, int count) const
{
    if (index < 0 || index >= length() || count <= 0)
        return QString();
    return m_text.mid(index, count);
}

void TextBuffer::setPosition(int position)
{
    m_selStart = std::clamp(position, 0, length());
    m_selLength = 0;
}

void TextBuffer::setSelLength(int length)
{
    m_selLength = std::clamp(length, 0, this->length() - m_selStart);
}

void TextBuffer::select(int start, int length)
{
    setPosition(start);
    setSelLength(length);
}

QString TextBuffer::selectedText() const
{
    return m_text.mid(m_selStart, m_selLength);
}

int TextBuffer::indexOf(const QString& key, int from) const
{
    if (from < 0)
        from = 0;
    if (key.isEmpty() || from > length())
        return -1;
    return int(m_text.indexOf(key, from, Qt::CaseInsensitive));
}

int TextBuffer::find(const QString& key, int from)
{
    const int found = indexOf(key, from);
    if (found >= 0)
        select(found, int(key.size()));
    return found;
}

int TextBuffer::indexOf(QChar c, int from) const
{
    if (from < 0)
        from = 0;
    if (from >= length())
        return -1;
    return int(m_text.indexOf(c, from, Qt::CaseSensitive));
}

bool TextBuffer::moveTo(QChar c)
{
    const int found = indexOf(c, m_selStart);
    if (found < 0)
        return false;
    setPosition(found);
    return true;
}

bool TextBuffer::selectUpTo(QChar c)
{
    const int found = indexOf(c, m_selStart);
    setSelLength((found < 0 ? length() : found) - m_selStart);
    return found >= 0;
}

void TextBuffer::replaceSelection(const QString& replacement)
{
    m_text.replace(m_selStart, m_selLength, replacement);
    setPosition(m_selStart + int(replacement.size()));
}

} // namespace parkwen
