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
// decodes to the reserved character U+F700 + b (U+F780..U+F7FF), a kept byte. This covers 0x80,
// 0xA0 and 0xFD..0xFF, a lead byte at the end or before a byte that cannot follow it, and both
// bytes of an unassigned pair (when the second byte is ASCII, it is read as itself). Code page 932
// itself never produces this range.
//
// encode() writes a kept byte back as its raw byte b wherever that reads back as the same
// character, so decode() followed by encode() never changes a file. After an edit that is not
// always so: a lead byte followed by a byte it would pair with, or a half-width katakana byte no
// longer after its lead byte, would read back as other characters. Such a kept byte is written as
// the reference "&#65533;" instead and unmappable() lists it. A user who types one of these
// Private Use characters is treated the same way.
//
// The only bytes that do not come back unchanged are duplicate pairs (NEC-selected IBM
// extensions in rows 0xED/0xEE, NEC row 13 and IBM duplicates): they read as their character,
// which is written as the pair the table prefers.
inline constexpr char16_t ReservedBase = 0xF700;

// The character whose reference stands for a kept byte that cannot be written as it was.
inline constexpr char32_t KeptByteReplacement = 0xFFFD;

// The byte that a kept-byte character stands for, or -1 for any other character.
constexpr int keptByte(char32_t c)
{
    return c >= ReservedBase + 0x80u && c <= ReservedBase + 0xFFu ? int(c - ReservedBase) : -1;
}

// Bytes of code page 932 to text. Never fails; bytes that are not valid code page 932 are kept
// as reserved characters that encode() writes back as the same bytes.
QString decode(QByteArrayView bytes);

// Text to code page 932. A character without a code page 932 form is written as an HTML numeric
// character reference "&#" + decimal code point + ";" (one reference for a whole surrogate pair),
// a kept byte that would not read back as itself as "&#65533;".
// A lone surrogate has no form either. Nor have characters that converters map only one way,
// such as U+00A5 YEN SIGN to 0x5C or U+301C WAVE DASH to 0x8160: those bytes read back as other
// characters (backslash, fullwidth tilde), so they are written as references too.
QByteArray encode(QStringView text);

// A character of text that has no code page 932 form (and would be written as a reference).
struct Unmappable {
    qsizetype offset; // in UTF-16 code units
    char32_t codePoint; // for a kept byte, its reserved character
};

// The unmappable characters of text in order, at most `limit` of them, with the kept bytes that
// cannot be written as their byte where they stand.
QList<Unmappable> unmappable(QStringView text, qsizetype limit = 100);

} // namespace ShiftJis
} // namespace quorlex
