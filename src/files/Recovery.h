#pragma once

#include <QString>

namespace quorlex {

class DocumentFiles;
class Editor;
class FileOps;
class RunJournal;

// At start: when an earlier run ended without closing the program and html.bak (backupFile) still
// holds a backup that run wrote, asks whether to open it, naming its time. Yes opens it as an
// untitled, modified page in the encoding it was written in; No leaves it as it is. The backup is
// never removed. True when the backup was opened.
bool offerBackupRecovery(
    Editor& editor, DocumentFiles& files, RunJournal& journal, const QString& backupFile, FileOps& ops);

} // namespace quorlex
