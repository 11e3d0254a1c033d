#pragma once

#include <QString>

namespace quorlex {

// The main window's captions; each ends in the product title.
// After loading or saving a page: its file title, " - " and the product title.
QString pageCaption(const QString& path);
// After the new page wizard: "無題 - " and the product title.
QString untitledCaption();
// After a new page pattern: "無題(テンプレート) - " and the product title.
QString untitledPatternCaption();
// After a page pattern was opened or saved at path: the full path, "(テンプレート) - " and the
// product title.
QString patternCaption(const QString& path);
// After a text file was converted to a page: its file title, "（テキスト）---> 無題 - " and the
// product title.
QString convertedTextCaption(const QString& textPath);

} // namespace quorlex
