#include "files/Utf8Codec.h"

#include "files/ShiftJisCodec.h"

namespace quorlex::Utf8 {

namespace {

constexpr bool isContinuation(uchar b)
{
    return (b & 0xC0) == 0x80;
}

// The length of the valid sequence at the start of p (n bytes left), or 0 when it is not one.
// The second byte's range depends on the lead byte, which rules out overlong forms, surrogates and
// code points above U+10FFFF.
int sequenceLength(const uchar* p, qsizetype n)
{
    const uchar lead = p[0];
    if (lead < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (n < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (!isContinuation(p[i]))
            return 0;
    }
    return length;
}

// EF 9E 80 .. EF 9F BF: a valid form of U+F780..U+F7FF, the kept-byte characters.
bool isKeptByteForm(const uchar* p)
{
    return p[0] == 0xEF && (p[1] == 0x9E || p[1] == 0x9F);
}

} // namespace

Scan scan(QByteArrayView bytes)
{
    Scan result;
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const int length = sequenceLength(p + i, n - i);
        if (length == 0) {
            result.valid = false;
            return result;
        }
        result.hasThreeByteSequence = result.hasThreeByteSequence || length == 3;
        i += length;
    }
    return result;
}

QString decode(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    QString text(n, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype o = 0;
    auto keep = [&](uchar b) { out[o++] = char16_t(ShiftJis::ReservedBase + b); };
    for (qsizetype i = 0; i < n;) {
        const uchar lead = p[i];
        if (lead < 0x80) {
            out[o++] = lead;
            ++i;
            continue;
        }
        const int length = sequenceLength(p + i, n - i);
        if (length == 0) {
            keep(lead);
            ++i;
            continue;
        }
        if (length == 3 && isKeptByteForm(p + i)) {
            for (int k = 0; k < 3; ++k)
                keep(p[i + k]);
            i += 3;
            continue;
        }
        char32_t c = lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k)
            c = c << 6 | (p[i + k] & 0x3F);
        if (c >= 0x10000) {
            out[o++] = QChar::highSurrogate(c);
            out[o++] = QChar::lowSurrogate(c);
        } else {
            out[o++] = char16_t(c);
        }
        i += length;
    }
    // Every sequence gives at most as many UTF-16 units as it has bytes.
    text.truncate(o);
    return text;
}

QByteArray encode(QStringView text)
{
    // Runs of ordinary text go through Qt's converter; kept bytes and lone surrogates between
    // them are written one by one.
    QByteArray bytes;
    qsizetype run = 0;
    auto flush = [&](qsizetype end) {
        if (run == 0 && end == text.size())
            bytes = text.toUtf8();
        else if (end > run)
            bytes.append(text.sliced(run, end - run).toUtf8());
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        const int kept = ShiftJis::keptByte(c);
        if (kept < 0 && !QChar::isSurrogate(c))
            continue;
        flush(i);
        if (kept >= 0)
            bytes.append(char(kept));
        else
            bytes.append("\xEF\xBF\xBD");
        run = i + 1;
    }
    flush(text.size());
    return bytes;
}

} // namespace quorlex::Utf8
