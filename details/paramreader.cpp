#include "details/paramreader.h"

#include "details/basecar.h"
#include "details/textbuffer.h"
#include "details/textencoding.h"
#include "platform/numbers.h"

#include <algorithm>
#include <cmath>

namespace parkwen {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isTrueFalseLetter(QChar c)
{
    const char l = c.toLatin1();
    return l == 'T' || l == 't' || l == 'F' || l == 'f';
}

// The reading cursor over the text buffer with the reader's primitives.
class Cursor
{
public:
    explicit Cursor(TextBuffer& buffer) : m_b(buffer) {}

    int position() const { return m_b.position(); }
    void setPosition(int position) { m_b.setPosition(position); }
    void advance(int delta) { m_b.advance(delta); }
    int length() const { return m_b.length(); }
    QChar at(int index) const { return m_b.at(index); }

    // Selects the first occurrence at or after `from`; leaves the cursor when there is none.
    int search(const QString& key, int from) { return m_b.find(key, from); }

    // Stops on the first character at or after the position that `stop` accepts. False when the
    // end of the text came first: the cursor then stands at the end.
    template <typename Stop> bool scanTo(Stop stop)
    {
        const QString& text = m_b.text();
        for (int i = m_b.position(); i < text.size(); ++i) {
            if (stop(text.at(i))) {
                m_b.setPosition(i);
                return true;
            }
        }
        m_b.setPosition(length());
        return false;
    }
    bool scanToDigit() { return scanTo(isDigit); }
    bool scanToTrueFalse() { return scanTo(isTrueFalseLetter); }

    QString take(int count)
    {
        m_b.setSelLength(count);
        return m_b.selectedText();
    }

private:
    TextBuffer& m_b;
};

// Searches one key repeatedly from growing positions without going over the same text twice.
class RepeatedSearch
{
public:
    RepeatedSearch(const TextBuffer& buffer, QString key) : m_b(buffer), m_key(std::move(key)) {}
    int from(int position)
    {
        if (m_exhausted)
            return -1;
        if (m_found < position) {
            m_found = m_b.indexOf(m_key, position);
            m_exhausted = m_found < 0;
        }
        return m_found;
    }

private:
    const TextBuffer& m_b;
    QString m_key;
    int m_found = -1;
    bool m_exhausted = false;
};

// Step 3: the class digit, looking past mentions of the word with no digit close behind.
void readClass(TextBuffer& buffer, CarStatistics& stats)
{
    Cursor c(buffer);
    RepeatedSearch classWord(buffer, QStringLiteral("Class"));
    const QString& text = buffer.text();
    int pos = 0;
    int counter = 0;
    const auto searchFrom = [&](int from) {
        const int found = classWord.from(from);
        return found >= 0 ? found : from;
    };
    pos = searchFrom(pos);
    for (;;) {
        if (pos >= text.size())
            return;
        const bool digit = isDigit(text.at(pos++));
        if (++counter > 100) {
            counter = 1;
            pos = searchFrom(std::min(pos + 12, int(text.size())));
        }
        if (digit)
            break;
    }
    c.setPosition(pos - 1);
    const QString value = c.take(1);
    const int digit = value.isEmpty() ? -1 : value.at(0).unicode() - '0';
    if (digit >= 0 && digit <= int(CarClass::Special))
        stats.carClass = CarClass(digit);
}

void readRating(Cursor& c, CarStatistics& stats)
{
    c.setPosition(0);
    c.search(QStringLiteral("Rating"), 0);
    if (!c.scanToDigit())
        return;
    const int digit = c.take(1).at(0).unicode() - '0';
    if (digit >= 0 && digit <= int(Rating::Pro))
        stats.rating = Rating(digit);
}

std::optional<double> readGrip(Cursor& c)
{
    const QString grip = QStringLiteral("Grip");
    c.setPosition(0);
    c.search(grip, 0);
    if (!c.scanToDigit())
        return std::nullopt;
    double sum = leadingNumber(c.take(8));
    c.advance(12);
    for (int i = 0; i < 4; ++i) {
        c.search(grip, c.position());
        if (!c.scanToDigit())
            return std::nullopt;
        sum += leadingNumber(c.take(8));
        c.advance(17);
    }
    return (sum / 5) * 100 / 0.02;
}

std::optional<double> readTurn(Cursor& c)
{
    c.setPosition(1);
    c.search(QStringLiteral("SteerRate"), 0);
    if (!c.scanToDigit())
        return std::nullopt;
    const double rate = leadingNumber(c.take(8));
    c.search(QStringLiteral("SteerMod"), 0);
    if (!c.scanToDigit())
        return std::nullopt;
    const double modifier = leadingNumber(c.take(8));
    double ratios = 0;
    for (int i = 0; i < 4; ++i) {
        c.search(QStringLiteral("SteerRatio"), c.position());
        if (!c.scanToDigit())
            return std::nullopt;
        ratios += std::fabs(leadingNumber(c.take(8)));
        c.advance(14);
    }
    return (rate / 3 + modifier * 2 + ratios) * 100 / 6;
}

// Finds the next wheel's IsPowered value. False when the text ends first.
bool nextWheelPowered(Cursor& c, int wheel, bool& powered)
{
    c.search(QStringLiteral("IsPowered"), wheel == 0 ? 0 : c.position());
    if (!c.scanToTrueFalse())
        return false;
    // The game reads the value in any letter case: "true" powers a wheel as "TRUE" does.
    powered = c.take(4).compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
    return true;
}

std::optional<double> readAcceleration(Cursor& c)
{
    double engines = 0;
    for (int wheel = 0; wheel < 4; ++wheel) {
        bool powered = false;
        if (!nextWheelPowered(c, wheel, powered))
            return std::nullopt;
        if (powered) {
            c.search(QStringLiteral("EngineRatio"), c.position());
            if (!c.scanToDigit())
                return std::nullopt;
            engines += leadingNumber(c.take(12));
            c.advance(13);
        }
    }
    return (engines / 4) * 100 / 50000;
}

void readMass(Cursor& c, CarStatistics& stats)
{
    // The first mention is passed over: in the game's layout it is the centre-of-mass comment.
    c.setPosition(0);
    const int first = c.search(QStringLiteral("Mass"), 0);
    c.setPosition(first + 12);
    c.search(QStringLiteral("Mass"), c.position());
    if (c.scanToDigit())
        stats.massKg = leadingNumber(twoDecimals(c.take(8)));
    c.setPosition(0);
}

void readTransmission(Cursor& c, CarStatistics& stats)
{
    PoweredWheels powered{};
    for (int wheel = 0; wheel < 4; ++wheel) {
        if (!nextWheelPowered(c, wheel, powered[wheel]))
            return;
        if (powered[wheel])
            c.advance(13);
    }
    stats.poweredWheels = powered;
}

// The checksum line after the last block: past "End AI", its closing brace and the line ends.
void readBase(Cursor& c, CarStatistics& stats)
{
    stats.baseCar = QString();
    const int endAi = c.search(QStringLiteral("End Ai"), 0);
    if (endAi < 0)
        return;
    c.setPosition(endAi);
    const int brace = c.search(QStringLiteral("}"), endAi);
    if (brace < 0)
        return;
    int start = brace + 1;
    while (c.at(start) == QLatin1Char('\r') || c.at(start) == QLatin1Char('\n'))
        ++start;
    c.setPosition(start);
    stats.baseCar = Carbase(c.take(8));
}

// The file name in the TPAGE line: what follows the second path separator, up to the closing quote.
// Everything stays within that one line: a line with fewer separators gives the name after its last
// one (or the whole quoted name), and a line without a closing quote gives no name, rather than a
// name taken from the following lines, which would point the skin commands at another file.
// A line with more separators gives its last name.
void readSkin(TextBuffer& buffer, CarStatistics& stats)
{
    stats.currentSkin.clear();
    buffer.setPosition(0);
    const int tpage = buffer.find(QStringLiteral("TPAGE"), 0);
    if (tpage < 0)
        return;
    const QString& text = buffer.text();
    int lineEnd = tpage;
    while (lineEnd < text.size() && text.at(lineEnd) != QLatin1Char('\r') &&
           text.at(lineEnd) != QLatin1Char('\n'))
        ++lineEnd;
    const auto isSeparator = [](QChar ch) { return ch == QLatin1Char('\\') || ch == QLatin1Char('/'); };

    int pos = tpage + 3;
    for (int separators = 0; separators < 2; ++separators) {
        int next = pos;
        while (next < lineEnd && !isSeparator(text.at(next)))
            ++next;
        if (next >= lineEnd)
            break;
        pos = next + 1;
    }
    if (pos == tpage + 3) {
        // No separator at all: the name starts after the opening quote.
        const int quote = buffer.indexOf(QLatin1Char('"'), pos);
        if (quote < 0 || quote >= lineEnd)
            return;
        pos = quote + 1;
    }
    buffer.setPosition(pos);
    const int closing = buffer.indexOf(QLatin1Char('"'), pos);
    if (closing < 0 || closing >= lineEnd)
        return;
    buffer.setSelLength(closing - pos);
    // The skin commands delete and overwrite this file, so it must be a plain name inside the car
    // folder: a deeper path keeps only its last name, and "." or ".." names nothing.
    QString name = buffer.selectedText();
    const qsizetype last = std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    name = name.mid(last + 1);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        name.clear();
    // The buffer holds the file's bytes; a name with letters beyond ASCII is decoded as the file
    // is written, so that it matches the file's name on disk.
    stats.currentSkin = decodeText(name.toLatin1(), encodingOf(buffer.bytes()));
}

} // namespace

QString twoDecimals(const QString& text)
{
    const LeadingDigits n = leadingDigits(text);
    const QString digits = n.intDigits + n.fracDigits;
    // Where the decimal point falls among the digits; a bound keeps absurd exponents printable.
    const int point = int(std::clamp<qsizetype>(n.intDigits.size() + n.exponent, -400, 400));
    const auto digitAt = [&](int k) { return k >= 0 && k < digits.size() ? digits.at(k) : QLatin1Char('0'); };

    QString whole;
    for (int k = 0; k < point; ++k)
        whole.append(digitAt(k));
    while (whole.size() > 2 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (whole.size() < 2)
        whole.prepend(QLatin1Char('0'));
    const QString fraction = QString(digitAt(point)) + digitAt(point + 1);

    const QString result = whole + QLatin1Char('.') + fraction;
    const bool zero =
        std::all_of(result.begin(), result.end(), [](QChar ch) { return ch == '0' || ch == '.'; });
    return (n.negative && !zero ? QStringLiteral("-") : QString()) + result;
}

int transmissionOrder(const PoweredWheels& powered)
{
    int count = 0;
    int mask = 0; // front left, front right, back left, back right as bits 8, 4, 2, 1
    for (const bool wheel : powered) {
        count += wheel ? 1 : 0;
        mask = mask * 2 + (wheel ? 1 : 0);
    }
    return count * 16 + (15 - mask);
}

bool isParameterFile(const QString& text)
{
    return text.contains(QLatin1String("BODY {"), Qt::CaseInsensitive);
}

bool isParameterFile(const TextBuffer& buffer)
{
    return isParameterFile(buffer.text());
}

void readStatistics(TextBuffer& buffer, CarStatistics& stats)
{
    Cursor c(buffer);

    c.setPosition(1);
    c.search(QStringLiteral("Topspeed"), 0);
    if (c.scanToDigit())
        stats.speedMph = leadingNumber(twoDecimals(c.take(9)));

    readClass(buffer, stats);
    readRating(c, stats);
    stats.gripPercent = readGrip(c);
    stats.turnPercent = readTurn(c);
    stats.accelPercent = readAcceleration(c);
    readMass(c, stats);
    readTransmission(c, stats);
    readBase(c, stats);
    readSkin(buffer, stats);
}

} // namespace parkwen
