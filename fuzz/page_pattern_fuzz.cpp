// Page pattern files: any bytes are read without harm, and a pattern written and read again
// comes back whole, all four fields.
#include "FuzzText.h"

#include "files/PagePattern.h"
#include "files/ShiftJisCodec.h"

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

// The reader and writer, bytes in and out. Adapt these two to the pattern code's own names
// when it lands; the properties below stay as they are.
std::optional<PagePattern> readPattern(QByteArrayView bytes)
{
    return parsePagePattern(bytes);
}

QByteArray writePattern(const PagePattern& pattern)
{
    return pagePatternBytes(pattern);
}

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
    readPattern(QByteArrayView(rest.data(), qsizetype(rest.size())));

    // Text without a Shift_JIS form is written as references, which read back as written.
    const QString all = pattern.TitleSuffix + pattern.BgColor + pattern.BgImage + pattern.Body;
    if (!ShiftJis::unmappable(all).isEmpty())
        return 0;
    const std::optional<PagePattern> read = readPattern(writePattern(pattern));
    check(read.has_value(), "a written pattern can be read", shown(pattern));
    check(read->TitleSuffix == pattern.TitleSuffix && read->BgColor == pattern.BgColor
            && read->BgImage == pattern.BgImage && read->Body == pattern.Body,
        "a written pattern reads back whole", shown(pattern) + QStringLiteral(" -> ") + shown(*read));
    return 0;
}
