#pragma once

#include <QString>

namespace quorlex {

// Simple Unicode case mappings, one code point to one code point, so characters
// without case (Japanese text among them) are unchanged and the length never changes.
QString simpleLower(const QString& s);
QString simpleUpper(const QString& s);

// s upper-cased in upper-case tag mode, lower-cased otherwise.
QString CaseTag(const QString& s, bool upperCaseTags);

// The conversion AddTag applies: the text unchanged in upper-case mode or with
// noConvert, lower-cased otherwise.
QString convertForInsertion(const QString& tag, bool noConvert, bool upperCaseTags);

} // namespace quorlex
