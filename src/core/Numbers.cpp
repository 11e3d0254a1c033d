#include "core/Numbers.h"

#include <QList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace quorlex {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The power of ten of the first significant digit of a plain number text, with its exponent.
// Only its sign is used: it tells an overflow from an underflow.
long long decimalMagnitude(std::string_view text)
{
    const std::size_t e = text.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = text.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc())
            exponent = std::numeric_limits<int>::max(); // beyond any double either way
        if (negative)
            exponent = -exponent;
        // Far beyond any double either way, and small enough that adding the place of the first
        // digit below cannot overflow.
        exponent = std::clamp<long long>(
            exponent, -std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
    }
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    const long long position = first < point ? (long long)(point - first) - 1 : -(long long)(first - point);
    return exponent + position;
}

// The value of a text of the form [-]digits[.digits][e[+-]digits], read without any locale.
// A number too large gives an infinity, one too small 0, as strtod does.
double plainNumber(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        value = decimalMagnitude(text) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return !text.empty() && text.front() == '-' ? -value : value;
    }
    return value;
}

// Digits with "," between groups of three as in English: "1,000,000", never "1,00" or ",5".
bool validGrouping(QStringView digits)
{
    const QList<QStringView> groups = digits.split(u',');
    if (groups.size() == 1)
        return true;
    if (groups.front().isEmpty() || groups.front().size() > 3)
        return false;
    return std::all_of(groups.begin() + 1, groups.end(), [](QStringView g) { return g.size() == 3; });
}

// The whole of s (blanks around allowed) as a number: sign, digits with grouping separators, a
// "." decimal point and an exponent. An infinity when it is too large for a double.
std::optional<double> wholeNumber(QStringView s)
{
    const QStringView t = s.trimmed();
    std::string plain;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-')
            plain.push_back('-');
        ++i;
    }
    const qsizetype integerStart = i;
    while (i < t.size() && (isDigit(t[i]) || t[i] == u','))
        ++i;
    const QStringView integer = t.sliced(integerStart, i - integerStart);
    if (!validGrouping(integer))
        return std::nullopt;
    for (QChar c : integer) {
        if (c != u',')
            plain.push_back(char(c.unicode()));
    }
    bool anyDigit = !integer.isEmpty();
    if (i < t.size() && t[i] == u'.') {
        plain.push_back('.');
        for (++i; i < t.size() && isDigit(t[i]); ++i) {
            plain.push_back(char(t[i].unicode()));
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        plain.push_back('e');
        ++i;
        if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
            plain.push_back(char(t[i++].unicode()));
        const qsizetype exponentStart = i;
        for (; i < t.size() && isDigit(t[i]); ++i)
            plain.push_back(char(t[i].unicode()));
        if (i == exponentStart)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    return plainNumber(plain);
}

} // namespace

std::optional<double> parseStrictNumber(QStringView s)
{
    const auto v = wholeNumber(s);
    if (v && std::isfinite(*v))
        return v;
    return std::nullopt;
}

QString toNarrow(QStringView s)
{
    QString out = s.toString();
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(char16_t(u - 0xFF01 + 0x21));
        else if (u == 0x3000)
            c = QChar(u' ');
    }
    return out;
}

namespace {

bool isSkippedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Collects the characters of the leading numeric prefix, blanks skipped, as a plain number text.
std::string leadingNumberText(QStringView s)
{
    std::string out;
    qsizetype i = 0;
    auto skip = [&] {
        while (i < s.size() && isSkippedBlank(s[i]))
            ++i;
    };
    auto digits = [&] {
        bool any = false;
        for (skip(); i < s.size() && s[i] >= u'0' && s[i] <= u'9'; skip()) {
            out.push_back(char(s[i].unicode()));
            ++i;
            any = true;
        }
        return any;
    };
    skip();
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-')
            out.push_back('-');
        ++i;
    }
    bool mantissa = digits();
    skip();
    if (i < s.size() && s[i] == u'.') {
        out.push_back('.');
        ++i;
        mantissa = digits() || mantissa;
    }
    if (!mantissa)
        return {};
    skip();
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        const std::string before = out;
        const qsizetype at = i;
        out.push_back('e');
        ++i;
        skip();
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            out.push_back(char(s[i++].unicode()));
        if (!digits()) {
            out = before;
            i = at;
        }
    }
    return out;
}

} // namespace

double leadingNumber(QStringView s)
{
    const std::string text = leadingNumberText(s);
    if (text.empty())
        return 0.0;
    return plainNumber(text);
}

std::optional<double> ToNumber(QStringView s)
{
    // An infinity here is a number too large, never the words "inf" or "nan".
    const std::optional<double> whole = wholeNumber(s);
    const double v = whole ? *whole : leadingNumber(toNarrow(s));
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

QString generalNumberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'g', 15).toUpper();
}

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

} // namespace quorlex
