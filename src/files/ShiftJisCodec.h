#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

namespace quorlex {
namespace ShiftJis {

// Code page 932 as Microsoft's table has it: JIS X 0208, NEC row 13, NEC-selected and IBM
// extensions, half-width katakana and the user-defined area (0xF040..0xF9FC as U+E000..U+E757).
// The table is generated from iconv "CP932" by tools/gen_cp932_table.cpp; no platform converter
// is used at run time.
//
// Undecodable bytes: a byte b (0x80..0xFF) that is not part of a valid code page 932 character
// decodes to the reserved character U+F700 + b (U+F780..U+F7FF), and encode() writes that
// character back as the raw byte b, so decode() followed by encode() never changes a file. This
// covers 0x80, 0xA0 and 0xFD..0xFF, a lead byte at the end or before a byte that cannot follow
// it, and both bytes of an unassigned pair (when the second byte is ASCII, it is read as itself).
// Code page 932 itself never produces this range. A user who types one of these Private Use
// characters gets the raw byte on save; the range is obscure enough that this is acceptable.
//
// The only bytes that do not come back unchanged are duplicate pairs (NEC-selected IBM
// extensions in rows 0xED/0xEE, NEC row 13 and IBM duplicates): they read as their character,
// which is written as the pair the table prefers.
inline constexpr char16_t ReservedBase = 0xF700;

// Bytes of code page 932 to text. Never fails; bytes that are not valid code page 932 are kept
// as reserved characters that encode() writes back as the same bytes.
QString decode(QByteArrayView bytes);

// Text to code page 932. A character without a code page 932 form is written as an HTML numeric
// character reference "&#" + decimal code point + ";" (one reference for a whole surrogate pair).
// A lone surrogate has no form either. Nor have characters that converters map only one way,
// such as U+00A5 YEN SIGN to 0x5C or U+301C WAVE DASH to 0x8160: those bytes read back as other
// characters (backslash, fullwidth tilde), so they are written as references too.
QByteArray encode(QStringView text);

// A character of text that has no code page 932 form (and would be written as a reference).
struct Unmappable {
    qsizetype offset; // in UTF-16 code units
    char32_t codePoint;
};

// The unmappable characters of text in order, at most `limit` of them. Reserved characters are
// not listed: they are written as their byte.
QList<Unmappable> unmappable(QStringView text, qsizetype limit = 100);

} // namespace ShiftJis
} // namespace quorlex
