#include "core/Numbers.h"

#include <QLocale>

#include <cmath>
#include <string>

namespace quorlex {

std::optional<double> parseLocaleNumber(QStringView s)
{
    const QString trimmed = s.trimmed().toString();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale().toDouble(trimmed, &ok);
    if (ok)
        return v;
    // The C syntax is always understood as well, so "3.5" reads the same everywhere.
    const double c = QLocale::c().toDouble(trimmed, &ok);
    if (ok)
        return c;
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

// Collects the characters of the leading numeric prefix, blanks skipped, and parses
// them with the C library so that very long digit strings still give the right value.
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
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        out.push_back(char(s[i++].unicode()));
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
    return std::strtod(text.c_str(), nullptr);
}

std::optional<double> ToNumber(QStringView s)
{
    if (const auto v = parseLocaleNumber(s))
        return std::isfinite(*v) ? v : std::nullopt;
    const double v = leadingNumber(toNarrow(s));
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
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
