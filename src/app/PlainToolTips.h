#pragma once

class QWidget;

namespace quorlex {

// Shows the tooltips of the widget's children exactly as written: Qt would take a tooltip
// such as "画像の挿入<img>" for rich text and drop the tag.
void showToolTipsAsWritten(QWidget& parent);

} // namespace quorlex
