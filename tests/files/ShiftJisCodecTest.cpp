#include "files/ShiftJisCodec.h"
#include "files/ShiftJisTable.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace quorlex;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

QString chars(std::initializer_list<char32_t> codePoints)
{
    QString s;
    // Not QString::fromUcs4(), which drops U+FEFF.
    for (char32_t c : codePoints) {
        if (QChar::requiresSurrogates(c)) {
            s.append(QChar(QChar::highSurrogate(c)));
            s.append(QChar(QChar::lowSurrogate(c)));
        } else {
            s.append(QChar(char16_t(c)));
        }
    }
    return s;
}

QString reserved(int byte)
{
    return QString(QChar(char16_t(ShiftJis::ReservedBase + byte)));
}

bool isNonPreferred(unsigned char lead, unsigned char trail)
{
    const auto* end = ShiftJis::detail::NonPreferredPairs + ShiftJis::detail::NonPreferredPairCount;
    return std::binary_search(ShiftJis::detail::NonPreferredPairs, end, uint16_t(lead << 8 | trail));
}

struct DecodeRow {
    const char* name;
    QByteArray in;
    QString text;
};

} // namespace

TEST(ShiftJisDecode, KnownSequences)
{
    const DecodeRow rows[] = {
        { "empty", {}, {} },
        { "ascii", "<p class=\"a\">\\~</p>\r\n", "<p class=\"a\">\\~</p>\r\n" },
        { "nul", bytes({ 0x00, 0x41 }), chars({ 0, 'A' }) },
        { "half-width-katakana", bytes({ 0xA1, 0xB1, 0xDF }), chars({ 0xFF61, 0xFF71, 0xFF9F }) },
        { "kanji", bytes({ 0x88, 0x9F, 0x93, 0xFA }), chars({ 0x4E9C, 0x65E5 }) },
        { "jis-dash-and-tilde", bytes({ 0x81, 0x5C, 0x81, 0x60 }), chars({ 0x2015, 0xFF5E }) },
        { "nec-row-13", bytes({ 0x87, 0x40 }), chars({ 0x2460 }) },
        { "ibm-extension", bytes({ 0xFA, 0x40 }), chars({ 0x2170 }) },
        { "user-defined-first", bytes({ 0xF0, 0x40 }), chars({ 0xE000 }) },
        { "user-defined-last", bytes({ 0xF9, 0xFC }), chars({ 0xE757 }) },
        { "no-mapping-single-bytes", bytes({ 0x80, 0xA0, 0xFD, 0xFE, 0xFF }),
            reserved(0x80) + reserved(0xA0) + reserved(0xFD) + reserved(0xFE) + reserved(0xFF) },
        { "utf8-byte-order-mark", bytes({ 0xEF, 0xBB, 0xBF }),
            reserved(0xEF) + reserved(0xBB) + chars({ 0xFF7F }) },
        { "truncated-lead", bytes({ 'a', 0x82 }), "a" + reserved(0x82) },
        { "lead-before-control", bytes({ 0x82, 0x0A, 'b' }), reserved(0x82) + "\nb" },
        { "lead-before-del", bytes({ 0x82, 0x7F }), reserved(0x82) + QChar(0x7F) },
        { "lead-before-invalid-trail", bytes({ 0x82, 0xFD }), reserved(0x82) + reserved(0xFD) },
        { "unassigned-pair-ascii-trail", bytes({ 0x85, 0x40 }), reserved(0x85) + "@" },
        { "unassigned-pair-high-trail", bytes({ 0x85, 0xA1, 0x88, 0x9F }),
            reserved(0x85) + reserved(0xA1) + chars({ 0x4E9C }) },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ShiftJis::decode(row.in), row.text) << row.name;
        EXPECT_EQ(ShiftJis::encode(row.text), row.in) << row.name;
    }
}

TEST(ShiftJisEncode, ReferencesForCharactersWithoutForm)
{
    const struct {
        const char* name;
        QString text;
        QByteArray out;
    } rows[] = {
        { "latin", chars({ 'a', 0xE9, 'b' }), "a&#233;b" },
        { "yen-sign-is-not-backslash", chars({ 0xA5 }), "&#165;" },
        { "overline-is-not-tilde", chars({ 0x203E }), "&#8254;" },
        { "wave-dash", chars({ 0x301C }), "&#12316;" },
        { "last-bmp", chars({ 0xFFFF }), "&#65535;" },
        { "byte-order-mark", chars({ 0xFEFF, 'a' }), "&#65279;a" },
        { "non-bmp", chars({ 0x1F600 }), "&#128512;" },
        { "last-code-point", chars({ 0x10FFFF }), "&#1114111;" },
        { "lone-high-surrogate", QString(QChar(0xD800)) + "a", "&#55296;a" },
        { "high-surrogate-at-end", "a" + QString(QChar(0xDBFF)), "a&#56319;" },
        { "lone-low-surrogate", QString(QChar(0xDC00)), "&#56320;" },
        { "reversed-pair", QString(QChar(0xDC00)) + QChar(0xD800), "&#56320;&#55296;" },
        { "mixed", chars({ 0x65E5, 0x1F600, 0x672C }),
            bytes({ 0x93, 0xFA }) + "&#128512;" + bytes({ 0x96, 0x7B }) },
    };
    for (const auto& row : rows)
        EXPECT_EQ(ShiftJis::encode(row.text), row.out) << row.name;
}

TEST(ShiftJisEncode, ReferenceAmongLongAsciiRuns)
{
    // Many references in a row must not overrun the output buffer.
    QString text;
    QByteArray expected;
    for (int i = 0; i < 5000; ++i) {
        text += chars({ 0x10FFFF, 'x' });
        expected += "&#1114111;x";
    }
    EXPECT_EQ(ShiftJis::encode(text), expected);
}

TEST(ShiftJisCodec, NonAsciiAtEveryPositionOfAsciiRuns)
{
    // The sixteen-at-a-time ASCII paths must hand over at any offset, for every kind of character.
    const struct {
        const char* name;
        QString text;
        QByteArray bytes;
        bool readsBack;
    } inserts[] = {
        { "kanji", chars({ 0x65E5 }), bytes({ 0x93, 0xFA }), true },
        { "kanji-above-u8000", chars({ 0x9AD9 }), bytes({ 0xFB, 0xFC }), true },
        { "half-width-katakana", chars({ 0xFF71 }), bytes({ 0xB1 }), true },
        { "reserved", reserved(0x80), bytes({ 0x80 }), true },
        { "first-non-ascii", chars({ 0x80 }), "&#128;", false },
        { "non-bmp", chars({ 0x1F600 }), "&#128512;", false },
    };
    for (const auto& insert : inserts) {
        for (int length = 0; length <= 40; ++length) {
            for (int at = 0; at <= length; ++at) {
                const QString ascii(length, QChar('a'));
                const QString text = ascii.left(at) + insert.text + ascii.mid(at);
                const QByteArray encoded = QByteArray(at, 'a') + insert.bytes + QByteArray(length - at, 'a');
                ASSERT_EQ(ShiftJis::encode(text), encoded) << insert.name << " " << length << " " << at;
                if (insert.readsBack) {
                    ASSERT_EQ(ShiftJis::decode(encoded), text) << insert.name << " " << length << " " << at;
                }
            }
        }
    }
    for (int length = 0; length <= 40; ++length) {
        const QByteArray withTruncatedLead = QByteArray(length, 'a') + bytes({ 0x93 });
        EXPECT_EQ(ShiftJis::decode(withTruncatedLead), QString(length, QChar('a')) + reserved(0x93));
    }
}

TEST(ShiftJisCodec, RandomBytesComeBackUnchanged)
{
    std::mt19937 random(932);
    const int specials[]
        = { 0x80, 0xA0, 0xFD, 0xFE, 0xFF, 0x7F, 0x40, 0xFC, 0x81, 0x9F, 0xE0, 0xEF, 0xF0, 0xF9 };
    for (int round = 0; round < 20000; ++round) {
        QByteArray in;
        const int length = int(random() % 48);
        for (int i = 0; i < length; ++i) {
            int b;
            switch (random() % 5) {
            case 0:
                b = int(random() % 0x80);
                break;
            case 1:
                b = 0x81 + int(random() % 0x1F);
                break;
            case 2:
                b = 0xE0 + int(random() % 0x1D);
                break;
            case 3:
                b = specials[random() % std::size(specials)];
                break;
            default:
                b = int(random() % 0x100);
                break;
            }
            // Pairs that are written back as their preferred twin are checked elsewhere.
            while (i > 0 && isNonPreferred(uchar(in[i - 1]), uchar(b)))
                b = int(random() % 0x100);
            in.append(char(b));
        }
        const QString text = ShiftJis::decode(in);
        ASSERT_EQ(ShiftJis::encode(text), in) << in.toHex().constData();
        ASSERT_TRUE(ShiftJis::unmappable(text).isEmpty()) << in.toHex().constData();
    }
}

// A kept byte is written as its byte only where it reads back as itself; an edit can put it
// before a byte it would pair with, or take a katakana byte away from its lead byte.
TEST(ShiftJisEncode, KeptBytesNextToOtherCharacters)
{
    const struct {
        const char* name;
        QString text;
        QByteArray out;
    } rows[] = {
        { "lead-before-typed-ascii", "abc" + reserved(0x81) + "ABC", "abc&#65533;ABC" },
        { "lead-before-ascii-of-unassigned-pair", reserved(0x85) + "@", bytes({ 0x85, '@' }) },
        { "lead-before-ascii-below-trail", reserved(0x82) + "\n", bytes({ 0x82, '\n' }) },
        { "lead-before-del", reserved(0x82) + QChar(0x7F), bytes({ 0x82, 0x7F }) },
        { "lead-before-kana-of-assigned-pair", reserved(0x82) + chars({ 0xFF71 }),
            "&#65533;" + bytes({ 0xB1 }) },
        { "lead-before-kana-of-unassigned-pair", reserved(0x85) + chars({ 0xFF71 }),
            "&#65533;" + bytes({ 0xB1 }) },
        { "lead-before-kanji", reserved(0x85) + chars({ 0x65E5 }), "&#65533;" + bytes({ 0x93, 0xFA }) },
        { "lead-before-reference", reserved(0x82) + chars({ 0x1F600 }), bytes({ 0x82 }) + "&#128512;" },
        { "lead-at-end", "a" + reserved(0xE0), bytes({ 'a', 0xE0 }) },
        { "lead-before-kept-byte-it-pairs-with", reserved(0x82) + reserved(0xA0),
            bytes({ 0x82 }) + "&#65533;" },
        { "lead-before-kept-byte-of-unassigned-pair", reserved(0x85) + reserved(0xB1),
            bytes({ 0x85, 0xB1 }) },
        { "lead-before-kept-byte-outside-trail", reserved(0x82) + reserved(0xFD), bytes({ 0x82, 0xFD }) },
        { "leads-pairing-in-a-row", reserved(0x81).repeated(3),
            bytes({ 0x81 }) + "&#65533;" + bytes({ 0x81 }) },
        { "kana-byte-alone", "x" + reserved(0xB1) + "y", "x&#65533;y" },
        { "kana-byte-after-typed-lead", chars({ 0x3042 }) + reserved(0xB1),
            bytes({ 0x82, 0xA0 }) + "&#65533;" },
        { "never-lead-nor-kana", "a" + reserved(0x80) + "A" + reserved(0xA0) + reserved(0xFF) + "A",
            "a" + bytes({ 0x80, 'A', 0xA0, 0xFF, 'A' }) },
    };
    for (const auto& row : rows)
        EXPECT_EQ(ShiftJis::encode(row.text), row.out) << row.name;
}

// Random edits around kept bytes: what is written reads back as the text, except that the kept
// bytes named by unmappable() come back as their reference; and each of those, written as its
// byte instead, would not have read back.
TEST(ShiftJisCodec, RandomTextsWithKeptBytesReadBack)
{
    std::mt19937 random(65533);
    const QString ordinary[] = { "a", "@", "A", "~", "\n", "&", chars({ 0x7F }), chars({ 0xFF71 }),
        chars({ 0xFF9F }), chars({ 0x3042 }), chars({ 0x65E5 }), chars({ 0x3000 }), chars({ 0x1F600 }) };
    const int kept[] = { 0x80, 0x81, 0x82, 0x85, 0x88, 0x9F, 0xA0, 0xA1, 0xB1, 0xDF, 0xE0, 0xEB, 0xEF, 0xF0,
        0xFC, 0xFD, 0xFF };
    const QString replacement = QStringLiteral("&#65533;");
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = int(random() % 12);
        for (int i = 0; i < length; ++i)
            text += random() % 2 ? reserved(kept[random() % std::size(kept)])
                                 : ordinary[random() % std::size(ordinary)];

        const std::string trace
            = QByteArray::fromRawData(reinterpret_cast<const char*>(text.utf16()), text.size() * 2)
                  .toHex(' ')
                  .toStdString();

        // The text as it reads back, in pieces: one per character, a reference for each named one.
        QStringList pieces;
        QList<qsizetype> starts;
        for (qsizetype i = 0; i < text.size(); i += pieces.back().size()) {
            starts.append(i);
            pieces.append(text.mid(i, QChar::isHighSurrogate(text[i].unicode()) ? 2 : 1));
        }
        QList<std::pair<qsizetype, QString>> named; // the named kept bytes: piece and character
        for (const ShiftJis::Unmappable& u : ShiftJis::unmappable(text, text.size())) {
            const qsizetype piece = starts.indexOf(u.offset);
            ASSERT_GE(piece, 0) << trace;
            if (ShiftJis::keptByte(u.codePoint) >= 0) {
                named.append({ piece, pieces[piece] });
                pieces[piece] = replacement;
            } else {
                pieces[piece] = "&#" + QString::number(uint(u.codePoint)) + ";";
            }
        }
        const QString expected = pieces.join(QString());
        ASSERT_EQ(ShiftJis::decode(ShiftJis::encode(text)), expected) << trace;

        for (const auto& [at, character] : named) {
            const QString before = pieces.mid(0, at).join(QString());
            const QString after = pieces.mid(at + 1).join(QString());
            const char byte = char(ShiftJis::keptByte(character[0].unicode()));
            const QByteArray raw = ShiftJis::encode(before) + byte + ShiftJis::encode(after);
            ASSERT_NE(ShiftJis::decode(raw), before + character + after) << trace << " at " << at;
        }
    }
}

TEST(ShiftJisCodec, DuplicatePairsAreWrittenAsThePreferredPair)
{
    const struct {
        const char* name;
        QByteArray in;
        QByteArray preferred;
    } rows[] = {
        { "nec-selected-ibm-kanji", bytes({ 0xED, 0x40 }), bytes({ 0xFA, 0x5C }) },
        { "nec-selected-small-roman", bytes({ 0xEE, 0xEF }), bytes({ 0xFA, 0x40 }) },
        { "nec-selected-not-sign", bytes({ 0xEE, 0xF9 }), bytes({ 0x81, 0xCA }) },
        { "ibm-not-sign", bytes({ 0xFA, 0x54 }), bytes({ 0x81, 0xCA }) },
        { "ibm-roman-numeral", bytes({ 0xFA, 0x4A }), bytes({ 0x87, 0x54 }) },
        { "nec-row-13-approx-equal", bytes({ 0x87, 0x90 }), bytes({ 0x81, 0xE0 }) },
    };
    for (const auto& row : rows) {
        const QString text = ShiftJis::decode(row.in);
        EXPECT_EQ(text.size(), 1) << row.name;
        EXPECT_EQ(ShiftJis::encode(text), row.preferred) << row.name;
        EXPECT_EQ(ShiftJis::decode(row.preferred), text) << row.name;
    }

    // Every duplicate shows as one character whose preferred pair decodes to it again.
    for (std::size_t k = 0; k < ShiftJis::detail::NonPreferredPairCount; ++k) {
        const uint16_t pair = ShiftJis::detail::NonPreferredPairs[k];
        const QByteArray in = bytes({ pair >> 8, pair & 0xFF });
        const QString text = ShiftJis::decode(in);
        const QByteArray out = ShiftJis::encode(text);
        ASSERT_EQ(text.size(), 1) << in.toHex().constData();
        ASSERT_EQ(out.size(), 2) << in.toHex().constData();
        EXPECT_NE(out, in);
        EXPECT_EQ(ShiftJis::decode(out), text) << in.toHex().constData();
    }
}

TEST(ShiftJisCodec, EveryWritableCharacterReadsBack)
{
    QString text;
    int writable = 0;
    for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
        const bool isReserved = c >= ShiftJis::ReservedBase + 0x80u && c <= ShiftJis::ReservedBase + 0xFFu;
        if ((c >= 0xD800 && c <= 0xDFFF) || isReserved)
            continue;
        const QString one = chars({ c });
        if (!ShiftJis::encode(one).startsWith("&#")) {
            text += one;
            ++writable;
        }
    }
    // JIS X 0208, NEC and IBM extensions, user-defined area and half-width katakana.
    EXPECT_EQ(writable, 9269);
    EXPECT_EQ(ShiftJis::decode(ShiftJis::encode(text)), text);
    EXPECT_TRUE(ShiftJis::unmappable(text).isEmpty());
}

TEST(ShiftJisUnmappable, OffsetsAndCodePoints)
{
    const QString text = chars({ 'a', 0xE9, 0x65E5, 0x1F600, 0xFF61 }) + QChar(0xD800) + "x" + reserved(0x80)
        + chars({ 0xA5 });
    const QList<ShiftJis::Unmappable> found = ShiftJis::unmappable(text);
    ASSERT_EQ(found.size(), 4);
    const std::pair<qsizetype, char32_t> expected[]
        = { { 1, 0xE9 }, { 3, 0x1F600 }, { 6, 0xD800 }, { 9, 0xA5 } };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(found[i].offset, expected[i].first) << i;
        EXPECT_EQ(found[i].codePoint, expected[i].second) << i;
    }

    const QList<ShiftJis::Unmappable> limited = ShiftJis::unmappable(text, 2);
    ASSERT_EQ(limited.size(), 2);
    EXPECT_EQ(limited[1].codePoint, 0x1F600u);
    EXPECT_TRUE(ShiftJis::unmappable(text, 0).isEmpty());
    EXPECT_TRUE(ShiftJis::unmappable(u"<p>日本語ﾃｽﾄ①ⅰ</p>").isEmpty());
}
