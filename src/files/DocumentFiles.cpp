#include "files/DocumentFiles.h"

#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "dialogs/PathHelpers.h"
#include "files/FileErrorText.h"
#include "files/SaveErrorMessage.h"
#include "files/ShiftJisCodec.h"
#include "files/UnmappableQuestion.h"
#include "host/Host.h"
#include "host/ProductInfo.h"

namespace quorlex {

namespace {

const QString SavePrompt = QStringLiteral("内容が変更されています。\r\r変更内容を保存しますか？");
constexpr MsgStyle SavePromptStyle { MsgButtons::YesNoCancel, MsgIcon::Question };

// A path under which no file stands: such a page starts empty.
bool namesNoFile(std::error_code error)
{
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
}

QString pageCaption(const QString& path)
{
    return FileTitleOf(path) + QStringLiteral(" - ") + productTitle();
}

} // namespace

DocumentFiles::DocumentFiles(Editor& editor, FileDlg& documentDialog)
    : m_editor(editor)
    , m_dialog(documentDialog)
    , m_ops(m_systemOps)
{
}

DocumentFiles::DocumentFiles(Editor& editor, FileDlg& documentDialog, FileOps& ops)
    : m_editor(editor)
    , m_dialog(documentDialog)
    , m_ops(ops)
{
}

bool DocumentFiles::LoadDocument(const QString& path)
{
    QByteArray bytes;
    const std::error_code error = m_ops.readAll(path, bytes);
    // Loading an unreadable file as an empty page would let the next save overwrite it.
    if (error && !namesNoFile(error)) {
        m_editor.host().messageBox(
            QStringLiteral("ファイルを開けませんでした。\r%1\r%2").arg(path, fileErrorDescription(error)),
            { MsgButtons::Ok, MsgIcon::Exclamation });
        return false;
    }

    EditorDocument& document = m_editor.document();
    const QString text = ShiftJis::decode(bytes);
    document.FilePath = path;
    m_editor.host().editBox().setText(text);
    document.setCaption(pageCaption(path));
    document.BackupTicks = 0;
    document.Modified = false;
    m_diskText = text;
    m_diskBytes = bytes;
    return true;
}

bool DocumentFiles::ConfirmSaveChanges()
{
    if (!m_editor.document().Modified)
        return false;
    switch (m_editor.host().messageBox(SavePrompt, SavePromptStyle)) {
    case MsgAnswer::Yes:
        F_Save_Click();
        return m_editor.document().Modified;
    case MsgAnswer::No:
        return false;
    default:
        return true;
    }
}

void DocumentFiles::F_Open_Click()
{
    if (ConfirmSaveChanges())
        return;
    m_dialog.Filename.clear();
    m_dialog.Title = QStringLiteral("ホームページを開く");
    m_dialog.Filter = QStringLiteral("ホームページ(HTML) |*.htm;*.html|すべてのファイル |*.*|");
    QString filter;
    QString directory;
    m_dialog.ShowOpen(filter, directory);
    if (m_dialog.Cancel)
        return;
    LoadDocument(m_dialog.Filename);
}

bool DocumentFiles::F_Save_Click()
{
    const EditorDocument& document = m_editor.document();
    if (document.PatternMode)
        return savePattern();
    if (document.FilePath.isEmpty())
        return F_SaveAS_Click();
    return writePage(document.FilePath);
}

bool DocumentFiles::savePattern()
{
    return F_SaveAS_Click();
}

bool DocumentFiles::F_SaveAS_Click()
{
    // An empty page is never saved.
    if (m_editor.host().editBox().text().isEmpty())
        return false;
    m_dialog.Title = QStringLiteral("ホームページの保存");
    m_dialog.Filter = QStringLiteral("ホームページ|*.htm;*.html|すべてのファイル|*.*|");
    m_dialog.Flags = FileDlgFlags::OverwritePrompt;
    QString filter;
    QString directory;
    const QString path = m_dialog.ShowSave(filter, directory);
    if (m_dialog.Cancel)
        return false;
    return writePage(path);
}

bool DocumentFiles::writePage(const QString& path)
{
    Host& host = m_editor.host();
    const QString text = host.editBox().text();
    if (!confirmCharacterReferences(host, text))
        return false;
    const QByteArray bytes = encodeForSave(text);
    if (const std::error_code error = replaceFile(m_ops, path, bytes)) {
        const SaveErrorMessage message = saveErrorMessage(error);
        host.messageBox(message.text, { MsgButtons::Ok, message.icon });
        return false;
    }
    EditorDocument& document = m_editor.document();
    document.FilePath = path;
    document.setCaption(pageCaption(path));
    document.Modified = false;
    m_diskText = text;
    m_diskBytes = bytes;
    return true;
}

QByteArray DocumentFiles::encodeForSave(const QString& text) const
{
    // The loaded bytes read as this very text, so they are a faithful form of it; encoding
    // afresh would turn duplicate codes (NEC and IBM rows) into the preferred ones.
    if (text == m_diskText)
        return m_diskBytes;
    return ShiftJis::encode(text);
}

void DocumentFiles::Form_OLEDragDrop(const QStringList& paths)
{
    if (paths.isEmpty() || ConfirmSaveChanges())
        return;
    for (const QString& path : paths)
        LoadDocument(path);
}

void DocumentFiles::Text1_OLEDragDrop(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (m_editor.document().Modified) {
            const MsgAnswer answer = m_editor.host().messageBox(SavePrompt, SavePromptStyle);
            if (answer == MsgAnswer::Yes) {
                // A Save As that was cancelled or failed keeps the changes: stop here.
                if (!F_SaveAS_Click())
                    return;
            } else if (answer != MsgAnswer::No) {
                return;
            }
        }
        LoadDocument(path);
    }
}

} // namespace quorlex
