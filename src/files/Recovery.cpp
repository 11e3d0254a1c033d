#include "files/Recovery.h"

#include "core/Captions.h"
#include "core/Editor.h"
#include "core/RunJournal.h"
#include "files/DocumentFiles.h"
#include "files/FileOps.h"
#include "host/Host.h"
#include "host/ProductInfo.h"

#include <algorithm>

namespace quorlex {

bool offerBackupRecovery(
    Editor& editor, DocumentFiles& files, RunJournal& journal, const QString& backupFile, FileOps& ops)
{
    const QList<BackupNote> crashed = journal.takeCrashedRuns();
    if (crashed.isEmpty())
        return false;
    // The bytes are read once: what is offered is what was compared, even if a running copy
    // writes a new backup meanwhile.
    QByteArray bytes;
    if (ops.readAll(backupFile, bytes))
        return false;
    const QByteArray digest = RunJournal::digest(bytes);
    const auto note = std::find_if(
        crashed.cbegin(), crashed.cend(), [&](const BackupNote& n) { return n.digest == digest; });
    // html.bak has been written since by another run: it is not that run's backup.
    if (note == crashed.cend())
        return false;

    Host& host = editor.host();
    const QString question
        = QStringLiteral("前回、%1は正しく終了しませんでした。\r\r"
                         "%2 に自動保存したバックアップ（html.bak）があります。\r"
                         "このバックアップを無題のページとして開きますか？")
              .arg(productTitle(), note->time.toLocalTime().toString(QStringLiteral("yyyy年M月d日 H:mm")));
    if (host.messageBox(question, { MsgButtons::YesNo, MsgIcon::Question }) != MsgAnswer::Yes)
        return false;
    if (files.ConfirmSaveChanges())
        return false;

    EditorDocument& document = editor.document();
    host.editBox().setText(decodePage(bytes, note->encoding));
    document.setPatternMode(false);
    document.setCurrentFile(QString(), true, untitledCaption());
    document.setEncoding(note->encoding);
    document.setBackupTicks(0);
    return true;
}

} // namespace quorlex
