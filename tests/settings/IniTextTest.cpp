#include "settings/IniText.h"

#include <gtest/gtest.h>

#include <QString>

#include <ostream>
#include <random>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace quorlex;
using IniText::EditResult;

namespace {

// Shift_JIS spellings used below.
#define SJ_A "\x82\xa0" // あ
#define SJ_NIHON "\x93\xfa\x96\x7b" // 日本
#define SJ_ZO "\x83\x5d" // ゾ, second byte is ']'
#define SJ_NAMAE "\x96\xbc\x91\x4f" // 名前
#define SJ_ALPHA_UPPER "\x83\x9f" // Α
#define SJ_KANA_A "\xb1" // ｱ (one byte)
#define SJ_KANA_I "\xb2" // ｲ (one byte)

QString repeated(const char* utf8, int count)
{
    return QString::fromUtf8(utf8).repeated(count);
}

QByteArray repeatedBytes(const char* bytes, int count)
{
    return QByteArray(bytes).repeated(count);
}

// ---- reading ----

struct ReadCase {
    const char* name;
    QByteArray content;
    QString section;
    QString key;
    QString expected; // "<default>" when the key must not be found
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

const QString Missing = QStringLiteral("<default>");

class IniTextRead : public testing::TestWithParam<ReadCase> { };

TEST_P(IniTextRead, ReadsValue)
{
    const ReadCase& c = GetParam();
    const QString got = IniText::value(c.content, c.section, c.key).value_or(Missing);
    EXPECT_EQ(got, c.expected);
}

const ReadCase readCases[] = {
    { "crlf", "[Main]\r\nFileBar=True\r\nTagBar=False\r\n", "Main", "TagBar", "False" },
    { "lf", "[Main]\nA=1\nB=2\n", "Main", "B", "2" },
    { "cr", "[Main]\rA=1\rB=2", "Main", "B", "2" },
    { "mixed-ends", "[X]\r\nA=1\nB=2\rC=3\n\rD=4", "X", "D", "4" },
    { "blanks-around-everything", "  [Main]\t \r\n\t FileBar \t=\t False  \r\n", "Main", "FileBar", "False" },
    { "blanks-around-asked-names", "[Main]\r\nA=1\r\n", " Main\t", " A ", "1" },
    { "ctrl-z-at-end", "[Main]\r\nA=1\x1a", "Main", "A", "1" },
    { "ctrl-z-after-blank", "[Main]\r\nA=x \x1a\r\n", "Main", "A", "x" },
    { "bracket-inside-section", "[a]b]\r\nk=v\r\n", "a]b", "k", "v" },
    { "bracket-inside-section-short-name", "[a]b]\r\nk=v\r\n", "a", "k", Missing },
    { "text-after-last-bracket", "[Main] old\r\nk=v\r\n", "Main", "k", "v" },
    { "blanks-inside-brackets", "[ Main ]\r\nk=v\r\n", "Main", "k", "v" },
    { "empty-section-name", "[]\r\nk=v\r\n", "", "k", "v" },
    { "unclosed-bracket-is-no-section", "[Main]\r\n[Other\r\nk=v\r\n", "Main", "k", "v" },
    { "case-of-names", "[MAIN]\r\nfilebar=1\r\n", "Main", "FileBar", "1" },
    { "case-of-non-ascii-names", "[" SJ_ALPHA_UPPER "]\r\nk=v\r\n", QStringLiteral(u"α"), "k", "v" },
    { "first-duplicate-section-wins", "[M]\r\nk=1\r\n[m]\r\nk=2\r\nj=3\r\n", "M", "k", "1" },
    { "second-duplicate-section-ignored", "[M]\r\nk=1\r\n[m]\r\nk=2\r\nj=3\r\n", "M", "j", Missing },
    { "first-duplicate-key-wins", "[M]\r\nk=1\r\nK=2\r\n", "M", "k", "1" },
    { "key-in-other-section", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n", "B", "k", Missing },
    { "double-quotes", "[M]\r\nk=\"a b\"\r\n", "M", "k", "a b" },
    { "single-quotes", "[M]\r\nk='x'\r\n", "M", "k", "x" },
    { "quotes-keep-inner-blanks", "[M]\r\nk= \" a \" \r\n", "M", "k", " a " },
    { "mismatched-quotes", "[M]\r\nk=\"x'\r\n", "M", "k", "\"x'" },
    { "lone-quote", "[M]\r\nk=\"\r\n", "M", "k", "\"" },
    { "inner-quotes-only", "[M]\r\nk=a\"b\"\r\n", "M", "k", "a\"b\"" },
    { "empty-value", "[M]\r\nk=\r\n", "M", "k", "" },
    { "empty-quoted-value", "[M]\r\nk=\"\"\r\n", "M", "k", "" },
    { "value-holding-equals", "[M]\r\nk=a=b\r\n", "M", "k", "a=b" },
    { "empty-key-name", "[M]\r\n=v\r\n", "M", "", "v" },
    { "missing-key", "[M]\r\nk=1\r\n", "M", "j", Missing },
    { "missing-section", "[M]\r\nk=1\r\n", "N", "k", Missing },
    { "empty-file", "", "M", "k", Missing },
    { "key-before-first-section", "k=1\r\n[M]\r\n", "M", "k", Missing },
    { "commented-key-is-no-key", "[M]\r\n;k=1\r\n", "M", "k", Missing },
    { "malformed-line-is-no-key", "[M]\r\nk\r\n", "M", "k", Missing },
    { "japanese-value", "[M]\r\nk=" SJ_NIHON "\r\n", "M", "k", QStringLiteral(u"日本") },
    { "japanese-key", "[M]\r\n" SJ_NAMAE "=x\r\n", "M", QStringLiteral(u"名前"), "x" },
    // ゾ ends in the byte of ']': the section name must be found in characters, not bytes.
    { "section-ending-in-zo", "[" SJ_ZO "]\r\nk=1\r\n", QStringLiteral(u"ゾ"), "k", "1" },
    { "unclosed-section-ending-in-zo", "[M]\r\n[" SJ_ZO "\r\nk=1\r\n", "M", "k", "1" },
};

INSTANTIATE_TEST_SUITE_P(
    Rules, IniTextRead, testing::ValuesIn(readCases), [](const testing::TestParamInfo<ReadCase>& info) {
        return QByteArray(info.param.name).replace('-', '_').toStdString();
    });

// ---- the 254-byte cut ----

struct CutCase {
    const char* name;
    QByteArray stored; // the value as it stands after "="
    QString expected;
};

void PrintTo(const CutCase& c, std::ostream* os)
{
    *os << c.name;
}

class IniTextCut : public testing::TestWithParam<CutCase> { };

TEST_P(IniTextCut, CutsAtCharacterBoundary)
{
    const CutCase& c = GetParam();
    const QString got = IniText::value("[M]\r\nk=" + c.stored + "\r\n", u"M", u"k").value_or(Missing);
    EXPECT_EQ(got, c.expected);
}

const CutCase cutCases[] = {
    { "ascii-254-kept", repeatedBytes("a", 254), repeated("a", 254) },
    { "ascii-255-cut", repeatedBytes("a", 255), repeated("a", 254) },
    { "kanji-254-kept", repeatedBytes(SJ_A, 127), repeated("あ", 127) },
    { "kanji-256-cut-to-254", repeatedBytes(SJ_A, 128), repeated("あ", 127) },
    // Byte 254 would be the first half of あ: the cut falls before it.
    { "kanji-straddling-254", "a" + repeatedBytes(SJ_A, 127), "a" + repeated("あ", 126) },
    { "half-width-kana-one-byte", repeatedBytes("a", 253) + SJ_KANA_A SJ_KANA_I,
        repeated("a", 253) + QStringLiteral(u"ｱ") },
    { "quotes-not-counted", '"' + repeatedBytes("a", 254) + '"', repeated("a", 254) },
};

INSTANTIATE_TEST_SUITE_P(
    Rules, IniTextCut, testing::ValuesIn(cutCases), [](const testing::TestParamInfo<CutCase>& info) {
        return QByteArray(info.param.name).replace('-', '_').toStdString();
    });

// ---- writing ----

struct WriteCase {
    const char* name;
    QByteArray before;
    QString section;
    QString key;
    QString text;
    EditResult result;
    QByteArray after; // for Changed only
    const char* readsBack = nullptr; // what a read gives afterwards when not `text`
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class IniTextWrite : public testing::TestWithParam<WriteCase> { };

TEST_P(IniTextWrite, EditsOnlyTheKey)
{
    const WriteCase& c = GetParam();
    const IniText::Edit edit = IniText::withValue(c.before, c.section, c.key, c.text);
    ASSERT_EQ(edit.result, c.result);
    if (c.result != EditResult::Changed)
        return;
    EXPECT_EQ(edit.content, c.after);
    // Whatever was written reads back.
    const QString expected = c.readsBack ? QString::fromUtf8(c.readsBack) : c.text;
    EXPECT_EQ(IniText::value(edit.content, c.section, c.key), expected);
}

const WriteCase writeCases[] = {
    { "new-file", "", "Main", "FileBar", "True", EditResult::Changed, "[Main]\r\nFileBar=True\r\n" },
    { "new-section-after-blank-line", "[A]\r\nx=1\r\n", "Main", "k", "v", EditResult::Changed,
        "[A]\r\nx=1\r\n\r\n[Main]\r\nk=v\r\n" },
    { "new-section-blank-line-present", "[A]\r\nx=1\r\n\r\n", "Main", "k", "v", EditResult::Changed,
        "[A]\r\nx=1\r\n\r\n[Main]\r\nk=v\r\n" },
    { "new-section-no-final-line-end", "[A]\nx=1", "Main", "k", "v", EditResult::Changed,
        "[A]\nx=1\r\n\r\n[Main]\r\nk=v\r\n" },
    { "new-section-not-matching-unclosed", "[Main\r\n", "Main", "k", "v", EditResult::Changed,
        "[Main\r\n\r\n[Main]\r\nk=v\r\n" },
    { "new-key-after-last-key", "[M]\r\na=1\r\n\r\n[N]\r\nb=2\r\n", "M", "k", "v", EditResult::Changed,
        "[M]\r\na=1\r\nk=v\r\n\r\n[N]\r\nb=2\r\n" },
    { "new-key-before-comment-of-next-section", "[M]\r\na=1\r\n; about N\r\n[N]\r\n", "M", "k", "v",
        EditResult::Changed, "[M]\r\na=1\r\nk=v\r\n; about N\r\n[N]\r\n" },
    { "new-key-in-section-without-keys", "[M]\r\n\r\n[N]\r\n", "M", "k", "v", EditResult::Changed,
        "[M]\r\nk=v\r\n\r\n[N]\r\n" },
    { "new-key-after-section-without-line-end", "[M]", "M", "k", "v", EditResult::Changed, "[M]\r\nk=v\r\n" },
    { "new-key-after-key-without-line-end", "[M]\na=1", "M", "k", "v", EditResult::Changed,
        "[M]\na=1\r\nk=v\r\n" },
    { "new-key-lf-file-keeps-lf-lines", "[M]\na=1\nb=2\n", "M", "k", "v", EditResult::Changed,
        "[M]\na=1\nb=2\nk=v\r\n" },
    { "new-key-in-first-duplicate-section", "[M]\r\na=1\r\n[M]\r\nb=2\r\n", "m", "k", "v",
        EditResult::Changed, "[M]\r\na=1\r\nk=v\r\n[M]\r\nb=2\r\n" },
    { "changed-key-rewritten-tight", "[M]\r\n  FileBar = True  \r\nx=1\n", "M", "FileBar", "False",
        EditResult::Changed, "[M]\r\nFileBar=False\r\nx=1\n" },
    { "changed-key-keeps-spelling", "[main]\r\nFILEBAR=True", "Main", "FileBar", "False", EditResult::Changed,
        "[main]\r\nFILEBAR=False" },
    { "changed-key-keeps-cr", "[M]\rk=1\rz=2", "M", "k", "2", EditResult::Changed, "[M]\rk=2\rz=2" },
    { "changed-first-duplicate-key", "[M]\r\nk=1\r\nk=2\r\n", "M", "k", "3", EditResult::Changed,
        "[M]\r\nk=3\r\nk=2\r\n" },
    { "changed-to-empty", "[M]\r\nk=1\r\n", "M", "k", "", EditResult::Changed, "[M]\r\nk=\r\n" },
    { "changed-from-quoted", "[M]\r\nk=\"1\"\r\n", "M", "k", "2", EditResult::Changed, "[M]\r\nk=2\r\n" },
    { "other-lines-byte-for-byte",
        "; head \t\r\n  junk line\n[M]\r\n;c=1\r\nmalformed\r\n \tk = 1 \r\n\t\r\n[N]\rk=1\r", "M", "k", "2",
        EditResult::Changed,
        "; head \t\r\n  junk line\n[M]\r\n;c=1\r\nmalformed\r\nk=2\r\n\t\r\n[N]\rk=1\r" },
    { "comment-lookalike-not-replaced", "[M]\r\n;k=1\r\n", "M", "k", "2", EditResult::Changed,
        "[M]\r\nk=2\r\n;k=1\r\n" },
    { "blanks-kept-by-quotes", "", "M", "k", " a ", EditResult::Changed, "[M]\r\nk=\" a \"\r\n" },
    { "own-quotes-kept-by-quotes", "", "M", "k", "'q'", EditResult::Changed, "[M]\r\nk=\"'q'\"\r\n" },
    { "trailing-ctrl-z-kept-by-quotes", "", "M", "k", "a\x1a", EditResult::Changed,
        "[M]\r\nk=\"a\x1a\"\r\n" },
    { "inner-quote-written-plain", "", "M", "k", "a\"b", EditResult::Changed, "[M]\r\nk=a\"b\r\n" },
    { "names-trimmed", "", " M ", " k ", "v", EditResult::Changed, "[M]\r\nk=v\r\n" },
    { "bracket-in-section-name", "", "a]b", "k", "v", EditResult::Changed, "[a]b]\r\nk=v\r\n" },
    { "japanese-names-and-value", "", QStringLiteral(u"ゾ"), QStringLiteral(u"名前"), QStringLiteral(u"日本"),
        EditResult::Changed, "[" SJ_ZO "]\r\n" SJ_NAMAE "=" SJ_NIHON "\r\n" },
    { "value-of-254-bytes", "", "M", "k", repeated("あ", 127), EditResult::Changed,
        "[M]\r\nk=" + repeatedBytes(SJ_A, 127) + "\r\n" },
    { "quoted-value-of-254-bytes", "", "M", "k", " " + repeated("a", 253), EditResult::Changed,
        "[M]\r\nk=\" " + repeatedBytes("a", 253) + "\"\r\n" },
    // A kept byte (not Shift_JIS, read from a file) is written where it reads back as itself.
    { "key-ending-in-kept-lead-byte", "", "M", "k\uF781", "v", EditResult::Changed, "[M]\r\nk\x81=v\r\n" },
    { "value-ending-in-kept-lead-byte", "", "M", "k", "v\uF781", EditResult::Changed, "[M]\r\nk=v\x81\r\n" },
    { "unchanged-same-value", "[M]\r\nk=v\r\n", "M", "k", "v", EditResult::Unchanged, {} },
    { "unchanged-other-case-and-blanks", "[m]\r\n K = v \r\n", "M", "k", "v", EditResult::Unchanged, {} },
    { "unchanged-quoted-same-value", "[M]\r\nk=\"v\"\r\n", "M", "k", "v", EditResult::Unchanged, {} },
    { "unchanged-empty", "[M]\r\nk=\r\n", "M", "k", "", EditResult::Unchanged, {} },
    { "refused-line-break-in-value", "", "M", "k", "a\r\n[X]", EditResult::Refused, {} },
    { "refused-lf-in-section", "", "M\nk=1", "k", "v", EditResult::Refused, {} },
    { "refused-nul-in-value", "", "M", "k", QString(QChar(0)), EditResult::Refused, {} },
    { "refused-equals-in-key", "", "M", "a=b", "v", EditResult::Refused, {} },
    { "refused-comment-key", "", "M", ";k", "v", EditResult::Refused, {} },
    { "refused-bracket-key", "", "M", "[k]", "v", EditResult::Refused, {} },
    { "refused-name-without-shift-jis-form", "", QStringLiteral(u"😀"), "k", "v", EditResult::Refused, {} },
    { "refused-value-without-shift-jis-form", "", "M", "k", QStringLiteral(u"😀"), EditResult::Refused, {} },
    { "refused-value-over-254-bytes", "", "M", "k", repeated("a", 255), EditResult::Refused, {} },
    { "refused-value-over-254-bytes-existing-key", "[M]\r\nk=1\r\n", "M", "k", repeated("あ", 128),
        EditResult::Refused, {} },
    { "refused-value-already-stored-as-reference", "[M]\r\nk=&#128512;\r\n", "M", "k", QStringLiteral(u"😀"),
        EditResult::Refused, {} },
    // "]" after the kept byte 0x81 would make a pair with it: the header would not read back.
    { "refused-section-ending-in-kept-lead-byte", "", "x\uF781", "k", "v", EditResult::Refused, {} },
    { "refused-value-with-kept-byte-before-ascii", "", "M", "k", "\uF781A", EditResult::Refused, {} },
    { "refused-key-of-kept-katakana-byte", "", "M", "\uF7B1", "v", EditResult::Refused, {} },
};

INSTANTIATE_TEST_SUITE_P(
    Rules, IniTextWrite, testing::ValuesIn(writeCases), [](const testing::TestParamInfo<WriteCase>& info) {
        return QByteArray(info.param.name).replace('-', '_').toStdString();
    });

// Values that the reading rules would change are stored so that they read back as written.
TEST(IniTextRoundTrip, TrickyValuesReadBackAsWritten)
{
    const QString values[] = {
        "",
        " ",
        "\t",
        " a ",
        "\"",
        "\"\"",
        "''",
        "\"a\"",
        "'a' ",
        "a=b",
        "[x]",
        ";c",
        "a\x1a",
        "\x1a",
        "\"a'",
        QStringLiteral(u"日本語"),
        QStringLiteral(u"ゾ]"),
        QStringLiteral(u"表\\"),
    };
    QByteArray content = "; settings\r\n[M]\r\nother=1\r\n";
    for (const QString& v : values) {
        SCOPED_TRACE(v.toStdString());
        const IniText::Edit edit = IniText::withValue(content, u"M", u"k", v);
        ASSERT_NE(edit.result, EditResult::Refused);
        if (edit.result == EditResult::Changed)
            content = edit.content;
        EXPECT_EQ(IniText::value(content, u"M", u"k"), v);
        EXPECT_EQ(IniText::value(content, u"M", u"other"), u"1");
        EXPECT_TRUE(content.startsWith("; settings\r\n[M]\r\nother=1\r\n"));
    }
}

// Whatever the writer accepts reads back as written, in a file that keeps growing; names and
// values are drawn from pieces that the reading rules treat specially.
TEST(IniTextRoundTrip, AcceptedWritesReadBack)
{
    const QString pieces[] = { "a", "Z", "0", " ", "\t", "[", "]", "=", ";", "\"", "'", "\x1a", "\\",
        QStringLiteral(u"ゾ"), QStringLiteral(u"あ"), QStringLiteral(u"ｱ"), QStringLiteral(u"😀"), "\uF781",
        "\uF785", "\uF7A0", "\uF7B1", "\uF7FD", repeated("x", 120), repeated("あ", 60) };
    std::mt19937 random(254);
    const auto draw = [&](int most) {
        QString s;
        for (int n = int(random() % (most + 1)); n > 0; --n)
            s += pieces[random() % std::size(pieces)];
        return s;
    };
    QByteArray content;
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        const QString section = random() % 4 ? QStringLiteral("M") : draw(3);
        const QString key = random() % 4 ? QStringLiteral("k%1").arg(random() % 5) : draw(3);
        const QString text = draw(5);
        const IniText::Edit edit = IniText::withValue(content, section, key, text);
        if (edit.result == EditResult::Refused)
            continue;
        ++accepted;
        if (edit.result == EditResult::Changed)
            content = edit.content;
        ASSERT_EQ(IniText::value(content, section, key), text)
            << section.toStdString() << " / " << key.toStdString() << " / " << text.toStdString();
    }
    EXPECT_GT(accepted, 1000);
}

// A second write of the same value never adds a second key or section.
TEST(IniTextRoundTrip, RepeatedWritesKeepOneKey)
{
    QByteArray content;
    for (int i = 0; i < 3; ++i) {
        for (const char* key : { "FileBar", "TagBar" }) {
            const IniText::Edit edit
                = IniText::withValue(content, u"Main", QString::fromLatin1(key), i % 2 ? u"False" : u"True");
            ASSERT_EQ(edit.result, EditResult::Changed);
            content = edit.content;
        }
    }
    EXPECT_EQ(content, "[Main]\r\nFileBar=True\r\nTagBar=True\r\n");
}

} // namespace
