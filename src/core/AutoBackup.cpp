#include "core/AutoBackup.h"

#include "core/Editor.h"
#include "core/RunJournal.h"
#include "dialogs/PathHelpers.h"
#include "files/PageEncoding.h"
#include "host/Host.h"

namespace quorlex {

AutoBackup::AutoBackup(Editor& editor, const QString& programDirectory, std::chrono::milliseconds interval)
    : AutoBackup(editor, programDirectory, m_systemOps, interval)
{
}

AutoBackup::AutoBackup(
    Editor& editor, const QString& programDirectory, FileOps& ops, std::chrono::milliseconds interval)
    : m_editor(editor)
    , m_backupFile(WithBackslash(programDirectory) + BackupFileName)
    , m_ops(ops)
{
    m_timer.setInterval(interval);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Timer1_Timer(); });
}

void AutoBackup::Timer1_Timer()
{
    // The text is read only when it is written: copying a large page every minute would stall
    // the window each time. A page still coming in is left to come in: asking for its length
    // would take the rest of it at once.
    EditBox& box = m_editor.host().editBox();
    if (box.isFilling() || box.length() == 0)
        return;
    EditorDocument& document = m_editor.document();
    document.setBackupTicks(qint16(document.BackupTicks() + 1));
    if (document.BackupTicks() < TicksPerBackup)
        return;
    const QString text = box.text();

    const QString caption = document.caption();
    document.setCaption(Notice);
    // The backup is in the page's own encoding. It is noted in the run's journal before it is
    // written, so that a crash during the write still finds it. The new backup goes beside the
    // old one and is renamed over it, so a crash during the write leaves the previous backup whole.
    const QByteArray bytes = encodePage(text, document.encoding());
    if (m_journal)
        m_journal->backupWriting(bytes, document.encoding());
    (void)replaceFile(m_ops, m_backupFile, bytes);
    document.setBackupTicks(0);
    document.setCaption(caption);
}

} // namespace quorlex
