#pragma once

#include <QString>

namespace quorlex {

// The product title: the window's first caption and the tail of every caption.
inline QString productTitle()
{
    return QStringLiteral("クォーレクス");
}

inline constexpr char16_t CR = u'\r';
inline constexpr char16_t LF = u'\n';
inline const QString CRLF = QStringLiteral("\r\n");

} // namespace quorlex
