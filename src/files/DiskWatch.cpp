#include "files/DiskWatch.h"

#include "core/Editor.h"
#include "files/FileOps.h"
#include "host/Host.h"

#include <QDir>

namespace quorlex {

namespace {

QString shown(const QString& path)
{
    return QStringLiteral("「%1」").arg(QDir::toNativeSeparators(path));
}

} // namespace

DiskWatch::DiskWatch(Editor& editor, FileOps& ops, std::function<void(const QString&)> reload)
    : m_editor(editor)
    , m_ops(ops)
    , m_reload(std::move(reload))
{
}

void DiskWatch::remember(const QString& path, const QByteArray& bytes)
{
    m_path = path;
    m_bytes = bytes;
    m_stamp = fileStamp(path);
    m_answered = m_stamp;
}

DiskWatch::Change DiskWatch::changeOnDisk(FileStamp& now)
{
    // An untitled page, or a file the page was not read from or written to as a page.
    if (m_path.isEmpty() || m_editor.document().FilePath() != m_path || m_editor.document().PatternMode())
        return Change::None;
    now = fileStamp(m_path);
    if (now == m_stamp || isOwnWrite(m_path, now))
        return Change::None;
    if (!now.exists)
        return Change::Deleted;
    QByteArray bytes;
    if (m_ops.readAll(m_path, bytes))
        return Change::None;
    // Touched, or written back with the same bytes: nothing to ask about.
    if (bytes == m_bytes) {
        m_stamp = now;
        m_answered = now;
        return Change::None;
    }
    return Change::Changed;
}

void DiskWatch::windowActivated()
{
    // The question's own box gives the window back its focus when it closes.
    if (m_asking)
        return;
    FileStamp now;
    const Change change = changeOnDisk(now);
    if (change == Change::None || now == m_answered)
        return;
    m_answered = now;
    m_asking = true;
    Host& host = m_editor.host();
    EditorDocument& document = m_editor.document();
    if (change == Change::Deleted) {
        host.messageBox(shown(m_path)
                + QStringLiteral("は、ほかのプログラムによって削除されたか、名前を変えられました。\r\r"
                                 "編集中の内容はそのまま残っています。保存すると、もう一度書き込みます。"),
            { MsgButtons::Ok, MsgIcon::Information });
        document.setModified(true);
    } else {
        const QString lost = document.Modified()
            ? QStringLiteral("\r（このウィンドウで変更した内容は失われます。）")
            : QString();
        const MsgAnswer answer = host.messageBox(shown(m_path)
                + QStringLiteral("は、ほかのプログラムによって変更されました。\r\r"
                                 "ファイルから読み込み直しますか？")
                + lost,
            { MsgButtons::YesNo, MsgIcon::Question });
        if (answer == MsgAnswer::Yes)
            m_reload(m_path);
        else
            document.setModified(true);
    }
    m_asking = false;
}

bool DiskWatch::mayOverwrite(const QString& path)
{
    if (path != m_path)
        return true;
    FileStamp now;
    // A deleted file is simply written again.
    if (changeOnDisk(now) != Change::Changed)
        return true;
    return m_editor.host().messageBox(shown(path)
                   + QStringLiteral(
                       "は、開いた後か保存した後に、ほかのプログラムによって変更されています。\r\r"
                       "上書きして保存しますか？"),
               { MsgButtons::YesNo, MsgIcon::Exclamation })
        == MsgAnswer::Yes;
}

} // namespace quorlex
