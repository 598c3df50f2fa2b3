#include "platform/numbers.h"

#include <charconv>
#include <limits>
#include <string>

namespace parkwen {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

double leadingNumber(const QString& text)
{
    enum class State { Start, Sign, Int, Frac, Exp, ExpSign, ExpDigits };
    State state = State::Start;
    bool negative = false;
    std::string intDigits, fracDigits;
    bool expNegative = false;
    long exponent = 0;
    bool exponentTaken = false;

    for (QChar c : text) {
        if (isBlank(c))
            continue;
        const bool digit = isDigit(c);
        const bool sign = c == QLatin1Char('+') || c == QLatin1Char('-');
        const bool point = c == QLatin1Char('.');
        const bool e = c == QLatin1Char('e') || c == QLatin1Char('E');
        const bool haveMantissa = !intDigits.empty() || !fracDigits.empty();
        bool goOn = true;
        switch (state) {
        case State::Start:
            if (sign) {
                negative = c == QLatin1Char('-');
                state = State::Sign;
                break;
            }
            [[fallthrough]];
        case State::Sign:
        case State::Int:
            if (digit) {
                intDigits += char(c.unicode());
                state = State::Int;
            } else if (point) {
                state = State::Frac;
            } else if (e && haveMantissa) {
                state = State::Exp;
            } else {
                goOn = false;
            }
            break;
        case State::Frac:
            if (digit)
                fracDigits += char(c.unicode());
            else if (e && haveMantissa)
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
                // Saturates far beyond the range of a double.
                exponent = std::min(exponent * 10 + (c.unicode() - '0'), 1'000'000L);
                exponentTaken = true;
                state = State::ExpDigits;
            } else {
                goOn = false;
            }
            break;
        }
        if (!goOn)
            break;
    }

    const auto firstNonZero = [](const std::string& s) { return s.find_first_not_of('0'); };
    const size_t intStart = firstNonZero(intDigits);
    const size_t fracStart = firstNonZero(fracDigits);
    if (intStart == std::string::npos && fracStart == std::string::npos)
        return 0.0;
    const long exp10 = exponentTaken ? (expNegative ? -exponent : exponent) : 0;

    std::string number = intDigits.empty() ? std::string("0") : intDigits;
    if (!fracDigits.empty())
        number += '.' + fracDigits;
    number += 'e' + std::to_string(exp10);

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Where the first significant digit stands tells an overflow from an underflow.
        const long magnitude = intStart != std::string::npos ? long(intDigits.size() - intStart) - 1 + exp10
                                                             : -long(fracStart) - 1 + exp10;
        value = magnitude > 0 ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace parkwen
