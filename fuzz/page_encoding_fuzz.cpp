// How a page is read and written back: whatever encoding the detection picks, the page's bytes
// read and written again are the same bytes; UTF-8 text written and read back writes the same
// bytes again; and the detection keeps to its rules.
#include "FuzzText.h"

#include "files/CharsetDeclaration.h"
#include "files/PageEncoding.h"
#include "files/Utf8Codec.h"

#include <QStringDecoder>

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

QString hex(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(' '));
}

void bytesComeBack(QByteArrayView bytes, PageEncoding encoding)
{
    const QByteArray written = encodePage(decodePage(bytes, encoding), encoding);
    check(written == bytes, "a page read and written again keeps every byte",
        pageEncodingName(encoding) + u' ' + hex(bytes) + QStringLiteral(" -> ") + hex(written));
}

void detectionKeepsItsRules(QByteArrayView bytes)
{
    const PageEncoding encoding = detectPageEncoding(bytes);
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    check(marked == (encoding == PageEncoding::Utf8WithMark),
        "the mark and only the mark gives UTF-8 with its mark", hex(bytes));
    const Utf8::Scan scan = Utf8::scan(bytes);
    if (!marked && declaredCharset(bytes) == DeclaredCharset::None)
        check((encoding == PageEncoding::Utf8) == (scan.valid && scan.hasThreeByteSequence),
            "undeclared pages are UTF-8 when valid with a three-byte sequence", hex(bytes));
    // Valid UTF-8 reads as Qt reads it, but for the kept-byte characters (EF 9E xx, EF 9F xx).
    if (scan.valid && !bytes.contains("\xEF\x9E") && !bytes.contains("\xEF\x9F")) {
        QStringDecoder qtDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        check(Utf8::decode(bytes) == QString(qtDecoder(bytes)), "valid UTF-8 reads as UTF-8", hex(bytes));
    }
    // Shift_JIS may write a duplicate pair as its twin; the codec fuzzer covers that.
    if (encoding != PageEncoding::ShiftJis)
        bytesComeBack(bytes, encoding);
}

void textComesBack(const QString& text)
{
    const QByteArray written = Utf8::encode(text);
    const QString read = Utf8::decode(written);
    check(Utf8::encode(read) == written, "written text reads back as what writes the same bytes",
        fuzz::visible(text));
    bool plain = true;
    for (qsizetype i = 0; i < text.size() && plain; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else
            plain = !c.isSurrogate() && (c.unicode() < 0xF780 || c.unicode() > 0xF7FF);
    }
    // Text without kept bytes or lone surrogates is plain UTF-8.
    if (plain) {
        check(read == text, "plain text reads back",
            fuzz::visible(text) + QStringLiteral(" -> ") + fuzz::visible(read));
        check(written == text.toUtf8(), "plain text is written as UTF-8", fuzz::visible(text));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    detectionKeepsItsRules(bytes);
    // Whatever the detection says, UTF-8 never loses a byte.
    bytesComeBack(bytes, PageEncoding::Utf8);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytesComeBack(bytes, PageEncoding::Utf8WithMark);

    FuzzedDataProvider provider(data, size);
    textComesBack(fuzz::anyText(provider, size / 2));
    static const QString special
        = QStringLiteral(u"a<>\u00E9\u3042\uFEFF\uFFFD\uF780\uF7C3\uF7A9\uF7EF\uF79E\uF7FF") + QChar(0xD83D)
        + QChar(0xDE00);
    textComesBack(fuzz::textOf(provider, special, 64));
    return 0;
}
