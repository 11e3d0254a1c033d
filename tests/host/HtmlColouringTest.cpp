#include "host/HtmlColouring.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

// One letter per character: T tag, A attribute name, V attribute value, R reference,
// C comment, D doctype or declaration, . uncoloured.
QString paintOf(qsizetype length, const QList<HtmlSpan>& spans)
{
    static const QString letters = QStringLiteral("TAVRCD");
    QString out(length, u'.');
    for (const HtmlSpan& span : spans)
        for (qsizetype i = span.start; i < span.start + span.length; ++i)
            out[i] = letters[int(span.kind)];
    return out;
}

// Scans lines as separated by line breaks and returns their paint joined by "|".
QString paintLines(const QStringList& lines)
{
    HtmlScanState state;
    QStringList painted;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            state = HtmlColouring::afterLineBreak(state);
        QList<HtmlSpan> spans;
        state = HtmlColouring::scan(lines[i], state, &spans);
        painted.append(paintOf(lines[i].size(), spans));
    }
    return painted.join(u'|');
}

struct Row {
    const char* name;
    const char16_t* text; // lines separated by "\n"
    const char* paint;
};

class Colouring : public ::testing::TestWithParam<Row> { };

TEST_P(Colouring, PaintsEachKindOfToken)
{
    const Row& row = GetParam();
    EXPECT_EQ(paintLines(QString::fromUtf16(row.text).split(u'\n')), QString::fromLatin1(row.paint));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tokens, Colouring, ::testing::Values(
    Row { "start-tag", u"<a href=\"x.html\">link</a>", "TT.AAAA.VVVVVVVVT....TTTT" },
    Row { "value-kinds", u"<img alt='a b' width=5 ismap/>", "TTTT.AAA.VVVVV.AAAAA.V.AAAAATT" },
    Row { "spaces-around-equals", u"<p class = \"c\" >", "TT.AAAAA...VVV.T" },
    Row { "references", u"&amp; &#38; &#x26; &copy;", "RRRRR.RRRRR.RRRRRR.RRRRRR" },
    Row { "not-references", u"a & b &x y &#; &#xg; &1;", "........................" },
    Row { "reference-in-value", u"<a title=\"&lt;x\">", "TT.AAAAA.VRRRRVVT" },
    Row { "less-than-in-text", u"a < b <3 </ >", "............." },
    Row { "comment", u"x<!-- <b> -->y", ".CCCCCCCCCCCC." },
    Row { "empty-comments", u"<!----><!-->a", "CCCCCCCCCCCC." },
    Row { "doctype", u"<!DOCTYPE html>\n<html lang=ja>", "DDDDDDDDDDDDDDD|TTTTT.AAAA.VVT" },
    Row { "xml-declaration", u"<?xml version=\"1.0\"?>", "DDDDDDDDDDDDDDDDDDDDD" },
    Row { "script-is-raw-text", u"<SCRIPT>if (a<b) x=\"&amp;\"</Script >", "TTTTTTTT..................TTTTTTTT.T" },
    Row { "style-spans-lines", u"<style>\np { color: red }\n</style>", "TTTTTTT|................|TTTTTTTT" },
    Row { "title-holds-references", u"<title>&amp; <b></title>", "TTTTTTTRRRRR....TTTTTTTT" },
    Row { "end-tag-opens-no-raw-text", u"</script><b>", "TTTTTTTTTTTT" },
    Row { "scripting-lookalike", u"<scripts><b>", "TTTTTTTTTTTT" },
    Row { "comment-spans-lines", u"<!-- a\n<p>b\nc -->d", "CCCCCC|CCCC|CCCCC." },
    Row { "dashes-then-break", u"<!-- a --\n>b -->", "CCCCCCCCC|CCCCCC" },
    Row { "tag-spans-lines", u"<a\nhref=\"x\"\n>", "TT|AAAA.VVV|T" },
    Row { "value-spans-lines", u"<a title=\"a\nb\">c", "TT.AAAAA.VV|VVT." },
    Row { "break-ends-unquoted-value", u"<a b=c\nd>", "TT.A.V|AT" },
    Row { "break-after-less-than", u"a<\nb>", "..|.." }
), [](const ::testing::TestParamInfo<Row>& info) {
    return QString::fromLatin1(info.param.name).replace(u'-', u'_').toStdString();
});
// clang-format on

// A display piece may end anywhere: scanning a text in two pieces ends in the same state as
// scanning it whole, wherever it is cut.
TEST(Colouring, PiecesEndInTheStateOfTheWhole)
{
    const QString samples[] = {
        QStringLiteral(
            "<!DOCTYPE html><html lang=\"ja\"><!-- c -- x --><p class='a&amp;b' id=x>t &lt; u</p>"),
        QStringLiteral(
            "<script type=\"text/javascript\">if (a</b) x = '</scrip';</SCRIPT ><title>a&amp;</title>"),
        QStringLiteral("<style>p{}</style ><textarea>&#x26;<b></textarea><?xml a?><!x><!-x>"),
    };
    for (const QString& text : samples) {
        const HtmlScanState whole = HtmlColouring::scan(text, {});
        for (qsizetype cut = 0; cut <= text.size(); ++cut) {
            const HtmlScanState first = HtmlColouring::scan(QStringView(text).left(cut), {});
            EXPECT_EQ(HtmlColouring::scan(QStringView(text).mid(cut), first), whole)
                << text.toStdString() << " cut at " << cut;
        }
    }
}

TEST(Colouring, TagNameCutByAPieceStillOpensRawText)
{
    HtmlScanState state = HtmlColouring::scan(u"<scr", {});
    state = HtmlColouring::scan(u"ipt>a<b", state);
    QList<HtmlSpan> spans;
    HtmlColouring::scan(u"c</script>", state, &spans);
    EXPECT_EQ(paintOf(10, spans), QStringLiteral(".TTTTTTTTT"));
}

} // namespace
