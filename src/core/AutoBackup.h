#pragma once

#include "files/FileOps.h"

#include <QString>
#include <QTimer>

#include <chrono>

namespace quorlex {

class Editor;
class RunJournal;

// Timer1: a tick every minute while the program runs. Ticks are counted in BackupTicks while the
// page holds text, and every fifth one writes the text to html.bak in the program directory, in
// the page's encoding. The
// backup never depends on the page's file, its modified state or any setting.
class AutoBackup {
public:
    static constexpr std::chrono::milliseconds Interval { 60000 };
    static constexpr qint16 TicksPerBackup = 5;
    static inline const QString BackupFileName = QStringLiteral("html.bak");
    static inline const QString Notice = QStringLiteral("(ﾊﾞｯｸｱｯﾌﾟ保存 html.bak) しばらくお待ちください。");

    // interval is Timer1's; tests shorten it.
    AutoBackup(
        Editor& editor, const QString& programDirectory, std::chrono::milliseconds interval = Interval);
    // The same, with the file system replaced (tests make its steps fail).
    AutoBackup(Editor& editor, const QString& programDirectory, FileOps& ops,
        std::chrono::milliseconds interval = Interval);

    const QString& backupFile() const { return m_backupFile; }
    // Where each backup is noted before it is written, so that a later start can offer it back.
    void setJournal(RunJournal* journal) { m_journal = journal; }
    // Starts Timer1; it runs until the program ends.
    void start() { m_timer.start(); }
    bool isActive() const { return m_timer.isActive(); }
    std::chrono::milliseconds interval() const { return m_timer.intervalAsDuration(); }

    // One tick: counts it while the page holds text and writes the backup on the fifth. A
    // backup that cannot be written is skipped without a message; the count starts again.
    void Timer1_Timer();

private:
    Editor& m_editor;
    QString m_backupFile;
    SystemFileOps m_systemOps;
    FileOps& m_ops;
    RunJournal* m_journal = nullptr;
    QTimer m_timer;
};

} // namespace quorlex
