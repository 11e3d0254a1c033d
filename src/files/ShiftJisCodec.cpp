#include "ShiftJisCodec.h"

#include "ShiftJisTable.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace quorlex::ShiftJis {

using namespace detail;

namespace {

constexpr uint64_t HighBitOfEachByte = 0x8080808080808080ull;
constexpr uint64_t NonAsciiBitsOfEachUnit = 0xFF80FF80FF80FF80ull;

constexpr char16_t reservedFor(unsigned char b)
{
    return char16_t(ReservedBase + b);
}

constexpr bool isHalfWidthKatakana(unsigned char b)
{
    return b >= 0xA1 && b <= 0xDF;
}

// The bytes of every BMP character: 0 for none, below 0x100 one byte, otherwise a lead/trail pair.
// ASCII is handled before the table is consulted.
struct EncodeTable
{
    uint16_t code[0x10000] = {};
};

std::unique_ptr<const EncodeTable> buildEncodeTable()
{
    auto table = std::make_unique<EncodeTable>();
    for (unsigned b = 0xA1; b <= 0xDF; ++b)
        table->code[0xFF61 + (b - 0xA1)] = uint16_t(b);
    for (unsigned b = 0x80; b <= 0xFF; ++b)
        table->code[reservedFor(uchar(b))] = uint16_t(b);
    const uint16_t *nonPreferredEnd = NonPreferredPairs + NonPreferredPairCount;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLead(uchar(lead)))
            continue;
        for (int t = 0; t < TrailCount; ++t) {
            const char16_t c = PairTable[leadRow(uchar(lead))][t];
            const auto pair = uint16_t(lead << 8 | (TrailFirst + t));
            if (c != 0 && !std::binary_search(NonPreferredPairs, nonPreferredEnd, pair))
                table->code[c] = pair;
        }
    }
    return table;
}

const uint16_t *encodeTable()
{
    static const std::unique_ptr<const EncodeTable> table = buildEncodeTable();
    return table->code;
}

// The code point starting at text[i], a whole surrogate pair when there is one.
char32_t codePointAt(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[i + 1].unicode());
    return c;
}

// Appends bytes to a QByteArray through a raw pointer, growing it on demand.
class ByteWriter
{
public:
    explicit ByteWriter(qsizetype expected)
        : m_bytes(expected, Qt::Uninitialized)
        , m_pos(m_bytes.data())
        , m_end(m_pos + m_bytes.size())
    {
    }

    // Makes room for at least n more bytes and returns where they go.
    char *room(qsizetype n)
    {
        if (m_end - m_pos < n) {
            const qsizetype used = m_pos - m_bytes.data();
            m_bytes.resize(std::max(used + n, m_bytes.size() * 3 / 2 + 64));
            m_pos = m_bytes.data() + used;
            m_end = m_bytes.data() + m_bytes.size();
        }
        return m_pos;
    }

    void advance(qsizetype n) { m_pos += n; }

    QByteArray take()
    {
        m_bytes.truncate(m_pos - m_bytes.data());
        return std::move(m_bytes);
    }

private:
    QByteArray m_bytes;
    char *m_pos;
    char *m_end;
};

void writeReference(ByteWriter &out, char32_t codePoint)
{
    // "&#1114111;" is the longest reference.
    char *p = out.room(10);
    char digits[8];
    int count = 0;
    do {
        digits[count++] = char('0' + codePoint % 10);
        codePoint /= 10;
    } while (codePoint != 0);
    *p++ = '&';
    *p++ = '#';
    while (count > 0)
        *p++ = digits[--count];
    *p++ = ';';
    out.advance(p - out.room(0));
}

} // namespace

QString decode(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    // Every byte gives at most one UTF-16 code unit.
    QString text(size, Qt::Uninitialized);
    char16_t *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;
    qsizetype i = 0;
    while (i < size) {
        // Markup is mostly ASCII: copy it eight bytes at a time.
        while (i + 8 <= size) {
            uint64_t word;
            std::memcpy(&word, in + i, 8);
            if (word & HighBitOfEachByte)
                break;
            for (int k = 0; k < 8; ++k)
                out[k] = in[i + k];
            out += 8;
            i += 8;
        }
        if (i == size)
            break;
        const unsigned char b = in[i];
        if (b < 0x80) {
            *out++ = b;
            ++i;
            continue;
        }
        if (isHalfWidthKatakana(b)) {
            *out++ = char16_t(0xFF61 + (b - 0xA1));
            ++i;
            continue;
        }
        if (isLead(b) && i + 1 < size) {
            const unsigned char t = in[i + 1];
            if (t >= TrailFirst && t <= TrailLast) {
                if (const char16_t c = PairTable[leadRow(b)][t - TrailFirst]) {
                    *out++ = c;
                    i += 2;
                    continue;
                }
                // An unassigned pair keeps both bytes; an ASCII second byte is read as itself.
                if (t >= 0x80) {
                    *out++ = reservedFor(b);
                    *out++ = reservedFor(t);
                    i += 2;
                    continue;
                }
            }
        }
        *out++ = reservedFor(b);
        ++i;
    }
    text.truncate(out - begin);
    return text;
}

QByteArray encode(QStringView text)
{
    const uint16_t *table = encodeTable();
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    // Japanese text needs two bytes a character; markup needs one.
    ByteWriter out(size + size / 4 + 16);
    qsizetype i = 0;
    while (i < size) {
        while (i + 8 <= size) {
            uint64_t words[2];
            std::memcpy(words, in + i, 16);
            if ((words[0] | words[1]) & NonAsciiBitsOfEachUnit)
                break;
            char *p = out.room(8);
            for (int k = 0; k < 8; ++k)
                p[k] = char(in[i + k]);
            out.advance(8);
            i += 8;
        }
        if (i == size)
            break;
        const char16_t c = in[i];
        const uint16_t code = c < 0x80 ? c : table[c];
        char *p = out.room(2);
        if (code >= 0x100) {
            p[0] = char(code >> 8);
            p[1] = char(code & 0xFF);
            out.advance(2);
        } else if (code != 0 || c == 0) {
            p[0] = char(code);
            out.advance(1);
        } else {
            const char32_t codePoint = codePointAt(text, i);
            writeReference(out, codePoint);
            if (codePoint > 0xFFFF)
                ++i;
        }
        ++i;
    }
    return out.take();
}

QList<Unmappable> unmappable(QStringView text, qsizetype limit)
{
    const uint16_t *table = encodeTable();
    QList<Unmappable> found;
    for (qsizetype i = 0; i < text.size() && found.size() < limit; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || table[c] != 0)
            continue;
        const char32_t codePoint = codePointAt(text, i);
        found.append({i, codePoint});
        if (codePoint > 0xFFFF)
            ++i;
    }
    return found;
}

} // namespace quorlex::ShiftJis
