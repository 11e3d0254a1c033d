// Code page 932 both ways: bytes read and written back are the same bytes, text written and
// read back is the same text wherever it has a code page 932 form.
#include "FuzzText.h"

#include "files/ShiftJisCodec.h"

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

QString hex(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(' '));
}

// Lead bytes of the rows that hold duplicate pairs (NEC row 13, the NEC-selected IBM
// extensions, the IBM extensions): a pair there may be written back as its preferred twin.
bool mayHoldDuplicates(QByteArrayView bytes)
{
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u == 0x87 || u == 0xED || u == 0xEE || (u >= 0xFA && u <= 0xFC))
            return true;
    }
    return false;
}

void bytesComeBack(QByteArrayView bytes)
{
    const QString text = ShiftJis::decode(bytes);
    const QByteArray written = ShiftJis::encode(text);
    check(ShiftJis::unmappable(text).isEmpty(), "decoded text is all writable", hex(bytes));
    if (!mayHoldDuplicates(bytes))
        check(written == bytes, "decode then encode gives the bytes",
            hex(bytes) + QStringLiteral(" -> ") + hex(written));
    // A duplicate pair becomes its twin: same length, same text, and stable from then on.
    check(written.size() == bytes.size(), "rewritten file keeps its length", hex(bytes));
    check(ShiftJis::decode(written) == text, "rewritten file reads as the same text", hex(bytes));
    check(ShiftJis::encode(ShiftJis::decode(written)) == written, "second round trip is exact", hex(bytes));
}

void textComesBack(const QString& text)
{
    const QByteArray written = ShiftJis::encode(text);
    const QString read = ShiftJis::decode(written);
    if (ShiftJis::unmappable(text, text.size() + 1).isEmpty())
        check(read == text, "writable text reads back",
            fuzz::visible(text) + QStringLiteral(" -> ") + fuzz::visible(read));
    check(ShiftJis::encode(read) == written, "written text reads back as what writes the same bytes",
        fuzz::visible(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    bytesComeBack(bytes);
    // The same input as text: UTF-16 code units, and the characters the codec treats specially.
    FuzzedDataProvider provider(data, size);
    textComesBack(fuzz::anyText(provider, size / 2));
    static const QString special = QStringLiteral(u"a\\~\u00A5\u203E\u301C\uFF5E\u2225\u2016\uFFE2\u00AC"
                                                  u"\uF780\uF781\uF79F\uF7A0\uF7E0\uF7FD\uF7FF\uFF71\u3042"
                                                  u"\uE000\uE757\uE758\u2460\u2170")
        + QChar(0xD83D) + QChar(0xDE00); // the halves of a surrogate pair, apart or together
    textComesBack(fuzz::textOf(provider, special, 64));
    return 0;
}
