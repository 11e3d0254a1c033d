#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quorlex;

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
    EXPECT_TRUE(ToNumber(u"1e300").has_value());
}

TEST(ToNumber, StrictParse)
{
    EXPECT_EQ(parseLocaleNumber(u" 2.5 "), 2.5);
    EXPECT_FALSE(parseLocaleNumber(u"12px").has_value());
    EXPECT_FALSE(parseLocaleNumber(u"").has_value());
    EXPECT_FALSE(parseLocaleNumber(u"x").has_value());
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
}
