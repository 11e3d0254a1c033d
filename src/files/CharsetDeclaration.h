#pragma once

#include <QByteArrayView>

namespace quorlex {

// What the charset declarations of a page's head say: <meta charset=…> or
// <meta http-equiv="Content-Type" content="…; charset=…">.
enum class DeclaredCharset {
    None, // no declaration
    Utf8, // a declaration names UTF-8, none Shift_JIS
    ShiftJis, // a declaration names Shift_JIS (or one of its other names)
    Other, // declarations, none naming UTF-8 or Shift_JIS
};

// The declarations among the first 1,024 bytes of a page, found as a browser's prescan finds
// them: in <meta> elements outside comments, with their attributes read as HTML reads them.
// A declaration naming Shift_JIS wins over one naming UTF-8, which wins over any other.
DeclaredCharset declaredCharset(QByteArrayView page);

} // namespace quorlex
