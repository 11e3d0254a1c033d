#include "files/UnmappableQuestion.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::ScriptedHost;

namespace {

TEST(UnmappableQuestion, MappableTextAsksNothing)
{
    ScriptedHost host;
    EXPECT_TRUE(confirmCharacterReferences(host, u"<P>日本語ｶﾀｶﾅ①\r\n</P>"));
    EXPECT_TRUE(host.messages.isEmpty());
}

struct PositionCase {
    const char* name;
    QString text;
    QString expected; // the line naming the character
};

void PrintTo(const PositionCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnmappablePositionTest : public ::testing::TestWithParam<PositionCase> { };

TEST_P(UnmappablePositionTest, NamesLineAndColumn)
{
    ScriptedHost host;
    host.answerMessages({ MsgAnswer::No });
    EXPECT_FALSE(confirmCharacterReferences(host, GetParam().text));
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.split(u'\r').contains(GetParam().expected))
        << host.messages[0].text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Lines, UnmappablePositionTest,
    ::testing::Values(
        PositionCase { "first", QStringLiteral("☃"), QStringLiteral("・「☃」U+2603 → &#9731;（1 行 1 列）") },
        PositionCase {
            "crlf", QStringLiteral("ab\r\ncd☃"), QStringLiteral("・「☃」U+2603 → &#9731;（2 行 3 列）") },
        PositionCase {
            "lf", QStringLiteral("ab\ncd\n☃"), QStringLiteral("・「☃」U+2603 → &#9731;（3 行 1 列）") },
        PositionCase {
            "cr", QStringLiteral("a\rb\r\rx☃"), QStringLiteral("・「☃」U+2603 → &#9731;（4 行 2 列）") },
        PositionCase {
            "after_pair", QStringLiteral("😀x☃"), QStringLiteral("・「☃」U+2603 → &#9731;（1 行 3 列）") },
        PositionCase {
            "pair", QStringLiteral("日本\r\n😀"), QStringLiteral("・「😀」U+1F600 → &#128512;（2 行 1 列）") },
        PositionCase {
            "yen_sign", QStringLiteral("x\u00a5"), QStringLiteral("・「¥」U+00A5 → &#165;（1 行 2 列）") },
        PositionCase {
            "invisible", QStringLiteral("a\u200b"), QStringLiteral("・U+200B → &#8203;（1 行 2 列）") },
        PositionCase {
            "lone_surrogate", QString(QChar(0xd800)), QStringLiteral("・U+D800 → &#55296;（1 行 1 列）") },
        PositionCase { "kept_byte_before_typed_text", QStringLiteral("x\r\nabc\uF781ABC"),
            QStringLiteral("・シフトJISでないバイト 0x81 → &#65533;（2 行 4 列）") },
        PositionCase { "kept_katakana_byte", QStringLiteral("\uF7B1"),
            QStringLiteral("・シフトJISでないバイト 0xB1 → &#65533;（1 行 1 列）") }));

TEST(UnmappableQuestion, AsksOnceListingAFewAndCountingTheRest)
{
    ScriptedHost host;
    host.answerMessages({ MsgAnswer::Yes });
    EXPECT_TRUE(confirmCharacterReferences(host, u"☃1☃2☃3☃4☃5☃6☃7☃8"));
    ASSERT_EQ(host.messages.size(), 1);
    const auto& message = host.messages[0];
    EXPECT_EQ(message.style.toNumber(), 36);
    EXPECT_TRUE(message.title.isEmpty());
    const QStringList lines = message.text.split(u'\r');
    EXPECT_EQ(lines.count(QStringLiteral("・「☃」U+2603 → &#9731;（1 行 9 列）")), 1);
    EXPECT_EQ(lines.filter(QStringLiteral("・")).size(), 5);
    EXPECT_TRUE(lines.contains(QStringLiteral("ほかに 3 文字あります。")));
    EXPECT_TRUE(message.text.contains(QStringLiteral("数値文字参照")));
}

} // namespace
