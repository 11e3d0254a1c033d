#include "core/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorlex {

QString programDirectory()
{
    const QString home = qEnvironmentVariable("QUORLEX_HOME");
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        return QDir::toNativeSeparators(QDir::cleanPath(home));
    }
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty() && QFileInfo(exeDir).isWritable())
        return QDir::toNativeSeparators(exeDir);
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.quorlex");
    QDir().mkpath(data);
    return QDir::toNativeSeparators(data);
}

} // namespace quorlex
