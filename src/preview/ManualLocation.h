#pragma once

#include <QString>
#include <QStringList>

namespace quorlex {

// The index page of the program's manual for a program in applicationDir: "manual" beside the
// program (a build or an unpacked copy), then "../share/quorlex/manual" (an installed program),
// then quorlex/manual in the system's data folders. The first that exists; when none does, the
// installed place, so that the viewer names where the manual was expected.
QString manualIndexPath(const QString& applicationDir, const QStringList& dataDirs);

} // namespace quorlex
