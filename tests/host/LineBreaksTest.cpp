#include "host/LineBreaks.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct PieceCase {
    const char* name;
    QString text;
    qsizetype end;
};

void PrintTo(const PieceCase& c, std::ostream* os)
{
    *os << c.name;
}

QString filler(qsizetype length)
{
    return QString(length, u'x');
}

class DisplayPieceEndTest : public ::testing::TestWithParam<PieceCase> { };

TEST_P(DisplayPieceEndTest, CutsWhereTheRowSays)
{
    EXPECT_EQ(displayPieceEnd(GetParam().text), GetParam().end);
}

constexpr qsizetype P = DisplayPieceLength;

INSTANTIATE_TEST_SUITE_P(Rows, DisplayPieceEndTest,
    ::testing::Values(PieceCase { "no_mark", filler(P * 2), P },
        PieceCase { "after_the_last_tag_end", filler(P - 30) + QStringLiteral(">  ") + filler(P), P - 29 },
        PieceCase { "tag_end_before_space", filler(P - 40) + u'>' + filler(10) + u' ' + filler(P), P - 39 },
        PieceCase { "space_without_tag_end", filler(P - 5) + u' ' + filler(P), P - 4 },
        PieceCase { "tag_end_too_far_back", filler(P / 2) + u'>' + filler(P), P },
        PieceCase { "tag_end_as_last_character", filler(P - 1) + u'>' + filler(P), P },
        PieceCase { "surrogate_pair_kept_whole", filler(P - 1) + QString::fromUcs4(U"\U0001F600") + filler(9),
            P - 1 },
        PieceCase {
            "pair_ending_at_the_cut", filler(P - 2) + QString::fromUcs4(U"\U0001F600") + filler(9), P }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DominantBreak, IsTheMostFrequentKind)
{
    EXPECT_EQ(dominantBreakOf(u"a\r\nb\nc\n"), LineBreak::Lf);
    EXPECT_EQ(dominantBreakOf(u"a\rb\r\nc\r"), LineBreak::Cr);
    EXPECT_EQ(dominantBreakOf(u"a\nb\r\n"), LineBreak::CrLf); // a tie
    EXPECT_EQ(dominantBreakOf(u"a\u2029b\u2029c\n"), LineBreak::CrLf);
    EXPECT_EQ(dominantBreakOf(u"none"), LineBreak::CrLf);
}

} // namespace

TEST(LineCount, CountsEveryKindOfBreakOnce)
{
    const std::pair<const char*, qsizetype> rows[] = {
        { "", 1 },
        { "a", 1 },
        { "a\r\nb", 2 },
        { "a\rb\nc", 3 },
        { "\r", 2 },
        { "\r\n\r", 3 },
        { "\n\r", 3 },
        { "a\r\n", 2 },
    };
    for (const auto& [text, lines] : rows) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(lineCountOf(QString::fromLatin1(text)), lines);
        EXPECT_EQ(lineCountOf(QByteArrayView(text)), lines);
    }
}
