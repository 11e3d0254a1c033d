#pragma once

#include "core/MenuRow.h"

#include <QString>

namespace quorlex {

class AboutWindow;
class HelpLauncher;

// The help file of a program in applicationDir: on Windows "Quorlex.chm" beside the program, on
// other systems the index of the program's own manual (see manualIndexPath).
QString helpFilePath(const QString& applicationDir);
// The command line that starts the Windows help viewer on a help file, at topic when not empty.
QString helpViewerCommandLine(const QString& helpFile, const QString& topic);

// The Help menu: the manual in one viewer that is brought to the front while it runs and started
// again once it was closed, and the about window.
class HelpCommands {
public:
    HelpCommands(QString helpFile, HelpLauncher& launcher, AboutWindow& about);

    void ShowHelp(const QString& topic);
    void H_Topic_Click() { ShowHelp(QString()); }
    void H_Version_Click();

    QList<MenuRow> menuRows();

private:
    QString m_helpFile;
    HelpLauncher& m_launcher;
    AboutWindow& m_about;
    qint64 m_task = 0;
};

} // namespace quorlex
