#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace quorlex {

// The encoding a page was read in, and so the one it is written back in. New pages, settings,
// list files and page patterns are always Shift_JIS.
enum class PageEncoding {
    ShiftJis, // code page 932
    Utf8, // UTF-8 without a byte-order mark
    Utf8WithMark, // UTF-8 that starts with the byte-order mark EF BB BF
};

// How a page's bytes are read:
// - UTF-8 with its mark when they start with the UTF-8 byte-order mark;
// - otherwise, when a charset declaration in the first 1,024 bytes names Shift_JIS: code page 932;
//   when one names UTF-8: UTF-8; when declarations name only other charsets: code page 932;
// - without any declaration: UTF-8 when all bytes are valid UTF-8 and include at least one
//   three-byte sequence (Japanese text), else code page 932. Shift_JIS text that happens to be
//   valid UTF-8 is nearly always made of two-byte sequences, so it stays Shift_JIS.
PageEncoding detectPageEncoding(QByteArrayView bytes);

// The page's text: without the mark, bytes that are not valid in the encoding kept as the
// reserved characters that encodePage() writes back as the same bytes.
QString decodePage(QByteArrayView bytes, PageEncoding encoding);
// The page's bytes in its encoding, with the mark for Utf8WithMark. For Shift_JIS a character
// without a Shift_JIS form becomes "&#N;"; UTF-8 has a form for every character.
QByteArray encodePage(QStringView text, PageEncoding encoding);

// The encoding's name as people know it: "Shift_JIS", "UTF-8", "UTF-8 BOM".
QString pageEncodingName(PageEncoding encoding);
// The same without a word on the mark: "Shift_JIS" or "UTF-8".
QString pageEncodingShortName(PageEncoding encoding);
std::optional<PageEncoding> pageEncodingFromName(QStringView name);

} // namespace quorlex
