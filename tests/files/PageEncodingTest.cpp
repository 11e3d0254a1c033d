#include "files/PageEncoding.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

using Enc = PageEncoding;

struct DetectRow {
    const char* name;
    QByteArray bytes;
    PageEncoding expected;
};

class Detection : public ::testing::TestWithParam<DetectRow> { };

TEST_P(Detection, ReadsThePageInTheRightEncoding)
{
    EXPECT_EQ(detectPageEncoding(GetParam().bytes), GetParam().expected);
}

const QByteArray Utf8Japanese = "\xE6\x97\xA5\xE6\x9C\xAC"; // 日本
const QByteArray SjisJapanese = "\x93\xFA\x96\x7B"; // 日本
const QByteArray SjisValidUtf8 = "\xC3\xBD\xC3\xBD"; // ﾃｽﾃｽ, and "ýý" in UTF-8

INSTANTIATE_TEST_SUITE_P(Pages, Detection,
    ::testing::Values(DetectRow { "mark", "\xEF\xBB\xBFx" + SjisJapanese, Enc::Utf8WithMark },
        DetectRow {
            "mark_over_sjis_declaration", "\xEF\xBB\xBF<meta charset=\"Shift_JIS\">", Enc::Utf8WithMark },
        DetectRow { "meta_charset", "<meta charset=\"utf-8\">" + SjisJapanese, Enc::Utf8 },
        DetectRow { "meta_charset_unquoted_capitals", "<HTML><META CHARSET=UTF-8>x", Enc::Utf8 },
        DetectRow { "http_equiv",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">" + SjisValidUtf8,
            Enc::Utf8 },
        DetectRow { "http_equiv_sjis_over_valid_utf8",
            "<meta http-equiv='content-type' content='text/html;charset=Shift_JIS'>" + Utf8Japanese,
            Enc::ShiftJis },
        DetectRow { "sjis_declaration_wins_over_utf8",
            "<meta charset=utf-8><meta http-equiv=Content-Type content=\"text/html; charset=x-sjis\">"
                + Utf8Japanese,
            Enc::ShiftJis },
        DetectRow { "other_declaration", "<meta charset=\"EUC-JP\">" + Utf8Japanese, Enc::ShiftJis },
        DetectRow { "declaration_in_comment", "<!-- <meta charset=utf-8> -->" + Utf8Japanese, Enc::Utf8 },
        DetectRow {
            "commented_declaration_is_none", "<!-- <meta charset=utf-8> -->" + SjisJapanese, Enc::ShiftJis },
        DetectRow { "content_without_http_equiv", "<meta name=x content=\"charset=utf-8\">" + SjisJapanese,
            Enc::ShiftJis },
        DetectRow { "declaration_past_1024_bytes",
            QByteArray(1024, ' ') + "<meta charset=utf-8>" + SjisJapanese, Enc::ShiftJis },
        DetectRow { "declaration_in_attribute_of_another_tag",
            "<p title=\"<meta charset=utf-8>\">" + SjisJapanese, Enc::ShiftJis },
        DetectRow { "valid_utf8_without_declaration", "<p>" + Utf8Japanese + "</p>", Enc::Utf8 },
        DetectRow { "sjis_valid_utf8_by_chance", "<p>" + SjisValidUtf8 + "</p>", Enc::ShiftJis },
        DetectRow { "sjis", "<p>" + SjisJapanese + "</p>", Enc::ShiftJis },
        DetectRow { "utf8_cut_short", Utf8Japanese + "\xE6\x97", Enc::ShiftJis },
        DetectRow { "ascii_only", "<html><body>x</body></html>", Enc::ShiftJis }),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundTripRow {
    const char* name;
    QByteArray bytes;
    PageEncoding encoding;
    const char16_t* text; // as the editor shows it
};

class RoundTrip : public ::testing::TestWithParam<RoundTripRow> { };

TEST_P(RoundTrip, GivesBackEveryByte)
{
    const RoundTripRow& row = GetParam();
    const QString text = decodePage(row.bytes, row.encoding);
    EXPECT_EQ(text, QString::fromUtf16(row.text));
    EXPECT_EQ(encodePage(text, row.encoding), row.bytes);
}

INSTANTIATE_TEST_SUITE_P(Pages, RoundTrip,
    ::testing::Values(RoundTripRow { "utf8", "<p>" + Utf8Japanese + "\xF0\x9F\x98\x80</p>", Enc::Utf8,
                          u"<p>日本\U0001F600</p>" },
        RoundTripRow { "utf8_mark", "\xEF\xBB\xBF" + Utf8Japanese, Enc::Utf8WithMark, u"日本" },
        RoundTripRow { "utf8_invalid_bytes_kept", "a\xE3\x81z\xFF\xC0\x80\xED\xA0\x80\xF4\x90\x80\x80",
            Enc::Utf8, u"a\uF7E3\uF781z\uF7FF\uF7C0\uF780\uF7ED\uF7A0\uF780\uF7F4\uF790\uF780\uF780" },
        RoundTripRow {
            "utf8_kept_byte_characters_read_as_bytes", "\xEF\x9E\x80", Enc::Utf8, u"\uF7EF\uF79E\uF780" },
        RoundTripRow { "shift_jis", SjisJapanese + "\x80", Enc::ShiftJis, u"日本\uF780" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Utf8Page, EditedTextKeepsItsInvalidBytesAndHasAFormForEveryCharacter)
{
    QString text = decodePage("a\xFF"
                              "b",
        Enc::Utf8WithMark);
    text.insert(1, QStringLiteral("€\U0001F600"));
    text.append(QChar(0xD800)); // a lone surrogate has no form of its own
    EXPECT_EQ(encodePage(text, Enc::Utf8WithMark),
        QByteArray("\xEF\xBB\xBF"
                   "a\xE2\x82\xAC\xF0\x9F\x98\x80\xFF"
                   "b\xEF\xBF\xBD"));
}

} // namespace
