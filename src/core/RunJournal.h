#pragma once

#include "files/FileOps.h"
#include "files/PageEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

namespace quorlex {

// A backup that a run wrote (or was about to write) to html.bak.
struct BackupNote {
    QDateTime time;
    QByteArray digest; // of the bytes written
    PageEncoding encoding = PageEncoding::ShiftJis;
};

// Each run of the program keeps a note in the program directory while it runs
// ("quorlex-<id>.run", held by the lock file beside it) naming the backups it writes. A clean end
// removes the note; a crash leaves it behind with a lock that no living process holds. Several
// copies of the program may share the directory: a note whose lock a running copy holds is never
// taken for a crash.
class RunJournal {
public:
    explicit RunJournal(const QString& programDirectory);
    // Ends the run cleanly.
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    // Notes this run as running; false when the note cannot be written (a read-only folder).
    bool begin();
    // html.bak is about to be written with bytes. The note keeps this backup and the one before,
    // so that whichever of them html.bak holds after a crash during the write is known.
    void backupWriting(QByteArrayView bytes, PageEncoding encoding);
    // The run ends cleanly: its note goes. Nothing is noted after this.
    void finish();

    // The backups of earlier runs that ended without finish() and no longer run, newest first.
    // Their notes are taken away, so that no other copy starting now offers them as well.
    QList<BackupNote> takeCrashedRuns();

    static QByteArray digest(QByteArrayView bytes);

private:
    QString notePath(const QString& id) const;
    void writeNote();

    QString m_directory;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    QDateTime m_started;
    std::optional<BackupNote> m_backup;
    std::optional<BackupNote> m_previousBackup;
    SystemFileOps m_ops;
};

} // namespace quorlex
