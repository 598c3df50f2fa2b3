#include "platform/numbers.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace parkwen {

namespace {

bool isPassedOver(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

LeadingDigits leadingDigits(const QString& text)
{
    enum class State { Start, Sign, Int, Frac, Exp, ExpSign, ExpDigits };
    State state = State::Start;
    LeadingDigits n;
    bool expNegative = false;
    int exponent = 0;

    for (QChar c : text) {
        if (isPassedOver(c))
            continue;
        const bool digit = isDigit(c);
        const bool sign = c == QLatin1Char('+') || c == QLatin1Char('-');
        const bool point = c == QLatin1Char('.');
        const bool e = c == QLatin1Char('e') || c == QLatin1Char('E');
        bool goOn = true;
        switch (state) {
        case State::Start:
            if (sign) {
                n.negative = c == QLatin1Char('-');
                state = State::Sign;
                break;
            }
            [[fallthrough]];
        case State::Sign:
        case State::Int:
            if (digit) {
                n.intDigits.append(c);
                state = State::Int;
            } else if (point) {
                state = State::Frac;
            } else if (e && !n.isEmpty()) {
                state = State::Exp;
            } else {
                goOn = false;
            }
            break;
        case State::Frac:
            if (digit)
                n.fracDigits.append(c);
            else if (e && !n.isEmpty())
                state = State::Exp;
            else
                goOn = false;
            break;
        case State::Exp:
            if (sign) {
                expNegative = c == QLatin1Char('-');
                state = State::ExpSign;
                break;
            }
            [[fallthrough]];
        case State::ExpSign:
        case State::ExpDigits:
            if (digit) {
                exponent = std::min(exponent * 10 + (c.unicode() - '0'), 1'000'000);
                state = State::ExpDigits;
            } else {
                goOn = false;
            }
            break;
        }
        if (!goOn)
            break;
    }
    if (n.isEmpty())
        return {};
    n.exponent = expNegative ? -exponent : exponent;
    return n;
}

double leadingNumber(const QString& text)
{
    const LeadingDigits n = leadingDigits(text);
    const qsizetype intStart = [&] {
        for (qsizetype i = 0; i < n.intDigits.size(); ++i)
            if (n.intDigits.at(i) != QLatin1Char('0'))
                return i;
        return qsizetype(-1);
    }();
    const qsizetype fracStart = [&] {
        for (qsizetype i = 0; i < n.fracDigits.size(); ++i)
            if (n.fracDigits.at(i) != QLatin1Char('0'))
                return i;
        return qsizetype(-1);
    }();
    if (intStart < 0 && fracStart < 0)
        return 0.0;

    std::string number = n.intDigits.isEmpty() ? std::string("0") : n.intDigits.toStdString();
    if (!n.fracDigits.isEmpty())
        number += '.' + n.fracDigits.toStdString();
    number += 'e' + std::to_string(n.exponent);

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Where the first significant digit stands tells an overflow from an underflow.
        const long magnitude = intStart >= 0 ? long(n.intDigits.size() - intStart) - 1 + n.exponent
                                             : -long(fracStart) - 1 + n.exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return n.negative ? -value : value;
}

} // namespace parkwen
