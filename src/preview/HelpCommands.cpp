#include "preview/HelpCommands.h"

#include "preview/HelpWindows.h"
#include "preview/ManualLocation.h"

#include <QStandardPaths>

namespace quorlex {

QString helpFilePath(const QString& applicationDir)
{
#ifdef Q_OS_WIN
    QString dir = applicationDir;
    dir.replace(u'/', u'\\');
    return dir + (dir.endsWith(u'\\') ? QString() : QStringLiteral("\\")) + QStringLiteral("Quorlex.chm");
#else
    return manualIndexPath(
        applicationDir, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
#endif
}

QString helpViewerCommandLine(const QString& helpFile, const QString& topic)
{
    return QStringLiteral("hh.exe ") + helpFile
        + (topic.isEmpty() ? QString() : QStringLiteral("::") + topic);
}

HelpCommands::HelpCommands(QString helpFile, HelpLauncher& launcher, AboutWindow& about)
    : m_helpFile(std::move(helpFile))
    , m_launcher(launcher)
    , m_about(about)
{
}

void HelpCommands::ShowHelp(const QString& topic)
{
    // One viewer at a time: while it runs it is only brought to the front, whatever the topic.
    if (m_task != 0 && m_launcher.bringToFront(m_task))
        return;
    m_task = m_launcher.start(m_helpFile, topic);
}

void HelpCommands::H_Version_Click()
{
    m_about.showAbout();
}

QList<MenuRow> HelpCommands::menuRows()
{
    const QString help = QStringLiteral("H_0");
    return {
        menuRow(help, QString(), QStringLiteral("ヘルプ(&H&ｸ)")),
        itemRow(QStringLiteral("H_Topic"), help, QStringLiteral("ヘルプ"), QStringLiteral("F1"),
            [this] { H_Topic_Click(); }),
        separatorRow(QStringLiteral("H_Sen1"), help),
        itemRow(QStringLiteral("H_Version"), help, QStringLiteral("バージョン情報"), QString(),
            [this] { H_Version_Click(); }),
    };
}

} // namespace quorlex
