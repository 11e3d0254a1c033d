#pragma once

#include "host/FileDialogRequest.h"

#include <QList>
#include <QString>

namespace quorlex {

// The filters of a dialog written as one text: description, bar, pattern, bar, repeated,
// as in "テキストファイル|*.txt|すべてのファイル |*.*|". Descriptions keep their spaces as
// written. As in a NUL-separated filter list, an empty description ends the list; a
// description without a pattern (a missing or empty last pattern) is dropped, so a
// malformed text gives the well-formed pairs before the fault and never fails.
QList<FileFilter> parseFilterList(const QString& filter);

} // namespace quorlex
