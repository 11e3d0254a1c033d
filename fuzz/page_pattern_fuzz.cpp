// Page pattern files: any bytes are read without harm, and a pattern written and read again
// comes back whole, all four fields, whatever they hold.
#include "FuzzText.h"

#include "files/PagePattern.h"
#include "files/ShiftJisCodec.h"

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

QString field(FuzzedDataProvider& data, std::size_t maxChars)
{
    static const QString special = QStringLiteral(u"a \",\r\n\r\n\t<BODY>あｱ\uF781\x1a");
    return fuzz::textOf(data, special, maxChars);
}

QString shown(const PagePattern& p)
{
    return fuzz::visible(p.TitleSuffix) + QStringLiteral(" | ") + fuzz::visible(p.BgColor)
        + QStringLiteral(" | ") + fuzz::visible(p.BgImage) + QStringLiteral(" | ") + fuzz::visible(p.Body);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    PagePattern pattern;
    pattern.TitleSuffix = field(provider, 8);
    pattern.BgColor = field(provider, 8);
    pattern.BgImage = field(provider, 8);
    pattern.Body = field(provider, 64);
    const std::string rest = provider.ConsumeRemainingBytesAsString();
    parsePagePattern(ShiftJis::decode(QByteArrayView(rest.data(), qsizetype(rest.size()))));

    const QString text = formatPagePattern(pattern);
    const PatternFields read = parsePagePattern(text);
    check(read.complete() && read.pattern == pattern, "a written pattern reads back whole",
        shown(pattern) + QStringLiteral(" -> ") + shown(read.pattern));
    // Through the file's bytes: text without a Shift_JIS form is written as references instead.
    if (ShiftJis::unmappable(text).isEmpty())
        check(parsePagePattern(ShiftJis::decode(ShiftJis::encode(text))).pattern == pattern,
            "a written pattern file reads back whole", shown(pattern));
    return 0;
}
