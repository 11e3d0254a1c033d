#include "preview/ManualLocation.h"

#include <QDir>
#include <QFileInfo>

namespace quorlex {

QString manualIndexPath(const QString& applicationDir, const QStringList& dataDirs)
{
    const QString index = QStringLiteral("index.html");
    const QDir program(applicationDir);
    QStringList candidates = { program.filePath(QStringLiteral("manual/") + index),
        QDir::cleanPath(program.filePath(QStringLiteral("../share/quorlex/manual/") + index)) };
    for (const QString& dir : dataDirs)
        candidates.append(QDir(dir).filePath(QStringLiteral("quorlex/manual/") + index));
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return candidate;
    return candidates[1];
}

} // namespace quorlex
