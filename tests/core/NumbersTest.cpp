#include "core/Numbers.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>
#include <stdexcept>
#include <string>

using namespace quorlex;

namespace {

// A locale that writes "," for the decimal point and "." between groups, for Qt and, where one is
// installed, for the C library too; the previous locales come back afterwards.
class CommaDecimalLocale {
public:
    CommaDecimalLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (const char* name : { "de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252" }) {
            try {
                std::locale::global(std::locale(name));
                break;
            } catch (const std::runtime_error&) {
            }
        }
    }
    ~CommaDecimalLocale()
    {
        std::locale::global(m_cpp);
        std::setlocale(LC_ALL, m_c.c_str());
        QLocale::setDefault(m_qt);
    }

private:
    QLocale m_qt;
    std::locale m_cpp;
    std::string m_c = std::setlocale(LC_ALL, nullptr);
};

} // namespace

TEST(ToNumber, Cases)
{
    struct Row {
        const char16_t* text;
        double value;
    };
    const Row rows[] = {
        { u"3.5", 3.5 },
        { u"１２", 12 },
        { u"12px", 12 },
        { u"1 2", 12 },
        { u"abc", 0 },
        { u"", 0 },
        { u"  -7 ", -7 },
        { u"+4", 4 },
        { u"1e3", 1000 },
        { u"1e", 1 },
        { u"2.5e-1x", 0.25 },
        { u".5", 0.5 },
        { u"5.", 5 },
        { u"-", 0 },
        { u"１．５", 1.5 },
        { u"1\t2\n3", 123 },
        { u"1.2.3", 1.2 },
        { u"－３", -3 },
        { u"1,000", 1000 },
        { u"\u3000８", 8 },
        { u"+1,000,000.5", 1000000.5 },
        { u"1,00", 1 },
        { u"1000,000", 1000 },
        { u"1e-400", 0 },
        { u"nan", 0 },
        { u"-nan", 0 },
        { u"inf", 0 },
        { u"-inf", 0 },
        { u"+Infinity", 0 },
        { u"NaN", 0 },
    };
    for (const Row& r : rows) {
        const auto v = ToNumber(QStringView(r.text));
        ASSERT_TRUE(v.has_value()) << QString::fromUtf16(r.text).toStdString();
        EXPECT_DOUBLE_EQ(*v, r.value) << QString::fromUtf16(r.text).toStdString();
    }
}

TEST(ToNumber, OverflowIsReported)
{
    EXPECT_FALSE(ToNumber(u"1e400").has_value());
    EXPECT_FALSE(ToNumber(u"9e999px").has_value());
    EXPECT_FALSE(ToNumber(u"-1,000e400").has_value());
    EXPECT_TRUE(ToNumber(u"1e300").has_value());
    // Exponents at the ends of a 64-bit integer, past which the digits' place used to overflow.
    EXPECT_FALSE(ToNumber(u"99e9223372036854775807").has_value());
    EXPECT_EQ(ToNumber(u"0.01e-9223372036854775807"), 0.0);
}

TEST(ToNumber, SameUnderACommaDecimalLocale)
{
    const CommaDecimalLocale german;
    const std::pair<const char16_t*, double> rows[] = { { u"3.5px", 3.5 }, { u"1.5e3x", 1500 },
        { u" 2.5 ", 2.5 }, { u"1.000", 1 }, { u"2,5", 2 }, { u"1,000.5", 1000.5 } };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(ToNumber(text), value) << QString::fromUtf16(text).toStdString();
    EXPECT_FALSE(parseStrictNumber(u"2,5").has_value());
}

TEST(ToNumber, StrictParse)
{
    EXPECT_EQ(parseStrictNumber(u" 2.5 "), 2.5);
    EXPECT_FALSE(parseStrictNumber(u"12px").has_value());
    EXPECT_FALSE(parseStrictNumber(u"").has_value());
    EXPECT_FALSE(parseStrictNumber(u"x").has_value());
    for (const char16_t* notANumber : { u"nan", u"inf", u"-inf", u"Infinity", u"1e400" })
        EXPECT_FALSE(parseStrictNumber(notANumber).has_value())
            << QString::fromUtf16(notANumber).toStdString();
}

TEST(RoundHalfEven, HalvesGoToEven)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(toWholeNumber<qint16>(32767.4), 32767);
    EXPECT_FALSE(toWholeNumber<qint16>(32767.5).has_value());
    EXPECT_FALSE(toWholeNumber<qint16>(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_EQ(toWholeNumber<qint16>(-32768.0), -32768);
    // 2^63 and 2^64 are the doubles nearest to the largest 64-bit integers, yet do not fit.
    EXPECT_FALSE(toWholeNumber<qint64>(9223372036854775808.0).has_value());
    EXPECT_EQ(toWholeNumber<qint64>(-9223372036854775808.0), std::numeric_limits<qint64>::min());
    EXPECT_FALSE(toWholeNumber<quint64>(18446744073709551616.0).has_value());
}
