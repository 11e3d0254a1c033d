// Compares the codec with iconv "CP932" (glibc), exhaustively over one- and two-byte sequences
// and over the BMP.
#include "files/ShiftJisCodec.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

using namespace quorlex;

namespace {

class Converter {
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != iconv_t(-1); }

    // The whole input converted, or nothing when iconv rejects any of it.
    std::optional<QByteArray> convert(QByteArrayView in)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* ip = const_cast<char*>(in.data());
        size_t il = size_t(in.size());
        char buffer[64];
        char* op = buffer;
        size_t ol = sizeof buffer;
        if (iconv(m_cd, &ip, &il, &op, &ol) == size_t(-1) || il != 0
            || iconv(m_cd, nullptr, nullptr, &op, &ol) == size_t(-1))
            return std::nullopt;
        return QByteArray(buffer, qsizetype(sizeof buffer - ol));
    }

private:
    iconv_t m_cd;
};

QString fromUtf16Le(const QByteArray& b)
{
    return QString(reinterpret_cast<const QChar*>(b.constData()), b.size() / 2);
}

QByteArray toUtf16Le(const QString& s)
{
    return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}

bool hasReserved(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= ShiftJis::ReservedBase + 0x80 && c.unicode() <= ShiftJis::ReservedBase + 0xFF;
    });
}

class ShiftJisIconv : public testing::Test {
protected:
    void SetUp() override
    {
        if (!m_decoder.valid() || !m_encoder.valid())
            GTEST_SKIP() << "iconv has no CP932 converter";
    }

    Converter m_decoder { "UTF-16LE", "CP932" };
    Converter m_encoder { "CP932", "UTF-16LE" };
};

} // namespace

TEST_F(ShiftJisIconv, DecodesEveryOneAndTwoByteSequenceAlike)
{
    int agreed = 0;
    for (int length = 1; length <= 2; ++length) {
        for (int value = 0; value < (1 << (8 * length)); ++value) {
            QByteArray in;
            if (length == 2)
                in.append(char(value >> 8));
            in.append(char(value & 0xFF));
            const QString ours = ShiftJis::decode(in);
            if (const auto theirs = m_decoder.convert(in)) {
                ASSERT_EQ(ours, fromUtf16Le(*theirs)) << in.toHex().constData();
                ++agreed;
            } else {
                // Undecodable bytes are kept as reserved characters, written back unchanged.
                ASSERT_TRUE(hasReserved(ours)) << in.toHex().constData();
                ASSERT_EQ(ShiftJis::encode(ours), in) << in.toHex().constData();
            }
        }
    }
    // 0x00..0x7F and 0xA1..0xDF, their pairs, and the 9604 assigned double-byte pairs.
    EXPECT_EQ(agreed, 191 + 191 * 191 + 9604);
}

TEST_F(ShiftJisIconv, EncodesEveryBmpCharacterAlike)
{
    int roundTrip = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString text = QString(QChar(char16_t(c)));
        const QByteArray ours = ShiftJis::encode(text);
        if (const int kept = ShiftJis::keptByte(c); kept >= 0) {
            // Alone, a kept byte reads back as itself unless it is a half-width katakana.
            const bool katakana = kept >= 0xA1 && kept <= 0xDF;
            ASSERT_EQ(ours, katakana ? QByteArray("&#65533;") : QByteArray(1, char(kept))) << kept;
            continue;
        }
        const auto theirs = m_encoder.convert(toUtf16Le(text));
        const auto back = theirs ? m_decoder.convert(*theirs) : std::nullopt;
        if (back && fromUtf16Le(*back) == text) {
            ASSERT_EQ(ours, *theirs) << "U+" << std::hex << uint32_t(c);
            ASSERT_TRUE(ShiftJis::unmappable(text).isEmpty());
            ++roundTrip;
        } else {
            // No form, or only a one-way fallback such as U+00A5 to 0x5C that would read back
            // as another character.
            ASSERT_EQ(ours, "&#" + QByteArray::number(uint32_t(c)) + ";") << "U+" << std::hex << uint32_t(c);
            ASSERT_EQ(ShiftJis::unmappable(text).size(), 1);
        }
    }
    EXPECT_EQ(roundTrip, 9397);
}
