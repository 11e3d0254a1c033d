#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

namespace quorlex {
namespace ShiftJis {

// Undecodable bytes: a byte b (0x80..0xFF) that is not part of a valid code page 932 character
// decodes to the reserved character U+F700 + b (U+F780..U+F7FF), and encode() writes that
// character back as the raw byte b, so decode() followed by encode() never changes a file.
// Code page 932 itself never produces this range (its user-defined area is U+E000..U+E757).
// A user who types one of these Private Use characters gets the raw byte on save; the range is
// obscure enough that this is acceptable.
inline constexpr char16_t ReservedBase = 0xF700;

// Bytes of code page 932 to text. Never fails; bytes that are not valid code page 932 are kept
// as reserved characters that encode() writes back as the same bytes.
QString decode(QByteArrayView bytes);

// Text to code page 932. A character without a code page 932 form is written as an HTML numeric
// character reference "&#" + decimal code point + ";" (one reference for a whole surrogate pair).
QByteArray encode(QStringView text);

// A character of text that has no code page 932 form (and would be written as a reference).
struct Unmappable
{
    qsizetype offset; // in UTF-16 code units
    char32_t codePoint;
};

// The unmappable characters of text in order, at most `limit` of them.
QList<Unmappable> unmappable(QStringView text, qsizetype limit = 100);

} // namespace ShiftJis
} // namespace quorlex
