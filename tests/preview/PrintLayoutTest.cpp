#include "preview/PrintLayout.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace Qt::Literals::StringLiterals;

namespace {

// One unit per character, two for a character outside Latin-1 (a full-width one).
qreal cells(QStringView text)
{
    qreal width = 0;
    for (QChar c : text)
        width += c.unicode() > 0xff ? 2 : 1;
    return width;
}

} // namespace

TEST(PrintLayout, LinesWrapAndFillPages)
{
    struct Row {
        const char* name;
        const char16_t* text;
        QList<QStringList> pages; // a page width of 6 units, three lines a page
    };
    const Row rows[] = {
        { "empty", u"", { {} } },
        { "one-line", u"abc", { { u"abc"_s } } },
        { "crlf-cr-lf", u"a\r\nb\rc\nd", { { u"a"_s, u"b"_s, u"c"_s }, { u"d"_s } } },
        { "trailing-break", u"a\r\n", { { u"a"_s } } },
        { "empty-lines", u"\r\n\r\nx", { { u""_s, u""_s, u"x"_s } } },
        { "exactly-the-width", u"abcdef", { { u"abcdef"_s } } },
        { "wider-than-page", u"abcdefghijklmn", { { u"abcdef"_s, u"ghijkl"_s, u"mn"_s } } },
        { "wide-characters", u"日本語の文章", { { u"日本語"_s, u"の文章"_s } } },
        { "wide-after-narrow", u"abcde日本", { { u"abcde"_s, u"日本"_s } } },
        { "new-page", u"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7",
            { { u"1"_s, u"2"_s, u"3"_s }, { u"4"_s, u"5"_s, u"6"_s }, { u"7"_s } } },
        { "tabs", u"a\tb", { { u"a     "_s, u"  b"_s } } },
        { "surrogate-pair-kept-whole", u"abcde\U0001F600x", { { u"abcde"_s, u"\U0001F600x"_s } } },
        { "one-character-a-line", u"\U0001F600\U0001F600\U0001F600",
            { { u"\U0001F600"_s, u"\U0001F600"_s, u"\U0001F600"_s } } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(printPages(QStringView(row.text), 6, 3, cells), row.pages);
    }
}
