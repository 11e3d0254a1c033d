#include "files/DocumentFiles.h"

#include "core/Captions.h"
#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "dialogs/PathHelpers.h"
#include "files/DecodedParts.h"
#include "files/FileErrorText.h"
#include "files/SaveErrorMessage.h"
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

} // namespace

DocumentFiles::DocumentFiles(Editor& editor, FileDlg& documentDialog)
    : DocumentFiles(editor, documentDialog, m_systemOps)
{
}

DocumentFiles::DocumentFiles(Editor& editor, FileDlg& documentDialog, FileOps& ops)
    : m_editor(editor)
    , m_dialog(documentDialog)
    , m_ops(ops)
    , m_patterns(editor, documentDialog, ops, [this] { return ConfirmSaveChanges(); })
    , m_diskWatch(editor, ops, [this](const QString& path) { LoadDocument(path); })
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
    // A large page is decoded as the box takes it, so the window shows its start at once.
    const PageEncoding encoding = detectPageEncoding(bytes);
    m_editor.host().editBox().setTextInParts(std::make_unique<DecodedParts>(bytes, encoding));
    document.setCurrentFile(path, false, pageCaption(path));
    document.setEncoding(encoding);
    document.setBackupTicks(0);
    m_patterns.pageLoaded();
    m_diskBytes = bytes;
    m_diskEncoding = encoding;
    m_diskWatch.remember(path, bytes);
    return true;
}

bool DocumentFiles::ConfirmSaveChanges()
{
    if (!m_editor.document().Modified())
        return false;
    switch (m_editor.host().messageBox(SavePrompt, SavePromptStyle)) {
    case MsgAnswer::Yes:
        F_Save_Click();
        return m_editor.document().Modified();
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
    m_dialog.setFilename(QString());
    m_dialog.setTitle(QStringLiteral("ホームページを開く"));
    m_dialog.setFilter(QStringLiteral("ホームページ(HTML) |*.htm;*.html|すべてのファイル |*.*|"));
    if (const auto choice = m_dialog.ShowOpen())
        LoadDocument(choice->path);
}

bool DocumentFiles::F_Save_Click()
{
    const EditorDocument& document = m_editor.document();
    if (document.PatternMode())
        return m_patterns.Save();
    // The raw text would destroy a pattern that was saved under this path.
    if (document.FilePath().isEmpty() || m_patterns.isPatternFile(document.FilePath()))
        return F_SaveAS_Click();
    return writePage(document.FilePath());
}

bool DocumentFiles::F_SaveAS_Click()
{
    // An empty page is never saved.
    if (m_editor.host().editBox().length() == 0)
        return false;
    m_dialog.setTitle(QStringLiteral("ホームページの保存"));
    m_dialog.setFilter(QStringLiteral("ホームページ|*.htm;*.html|すべてのファイル|*.*|"));
    m_dialog.setFlags(FileDlgFlag::OverwritePrompt);
    // A pattern saved from this page is not proposed for the page.
    if (m_patterns.isPatternFile(m_dialog.Filename()))
        m_dialog.setFilename(QString());
    const auto choice = m_dialog.ShowSave();
    return choice && writePage(choice->path);
}

bool DocumentFiles::writePage(const QString& path)
{
    Host& host = m_editor.host();
    const QString text = host.editBox().text();
    if (m_patterns.isPatternFile(path)) {
        host.messageBox(QStringLiteral("このファイルにはテンプレートが保存されています。\r"
                                       "ホームページは別の名前で保存してください。"),
            { MsgButtons::Ok, MsgIcon::Exclamation });
        return false;
    }
    if (!m_diskWatch.mayOverwrite(path))
        return false;
    // Only Shift_JIS lacks characters.
    const PageEncoding encoding = m_editor.document().encoding();
    if (encoding == PageEncoding::ShiftJis && !confirmCharacterReferences(host, text))
        return false;
    const QByteArray bytes = encodeForSave(text);
    if (const std::error_code error = replaceFile(m_ops, path, bytes)) {
        const SaveErrorMessage message = saveErrorMessage(error);
        host.messageBox(message.text, { MsgButtons::Ok, message.icon });
        return false;
    }
    m_editor.document().setCurrentFile(path, false, pageCaption(path));
    m_diskBytes = bytes;
    m_diskEncoding = encoding;
    m_diskWatch.remember(path, bytes);
    return true;
}

QByteArray DocumentFiles::encodeForSave(const QString& text) const
{
    // Bytes that read as this very text are a faithful form of it; encoding afresh would turn
    // duplicate codes (NEC and IBM rows) into the preferred ones. The text such bytes read as
    // encodes to as many bytes, so only then is it worth decoding them to compare.
    const PageEncoding encoding = m_editor.document().encoding();
    QByteArray encoded = encodePage(text, encoding);
    if (encoding == m_diskEncoding && encoded.size() == m_diskBytes.size() && encoded != m_diskBytes
        && decodePage(m_diskBytes, encoding) == text)
        return m_diskBytes;
    return encoded;
}

bool DocumentFiles::hasUnsavedText() const
{
    // A modified page whose text is empty holds nothing to lose.
    return m_editor.document().Modified() && m_editor.host().editBox().length() > 0;
}

void DocumentFiles::Form_OLEDragDrop(const QStringList& paths)
{
    // Dropping on the frame would otherwise replace unsaved text without a word.
    if (paths.isEmpty() || (hasUnsavedText() && ConfirmSaveChanges()))
        return;
    for (const QString& path : paths)
        LoadDocument(path);
}

void DocumentFiles::Text1_OLEDragDrop(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (hasUnsavedText()) {
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

QList<MenuRow> DocumentFiles::menuRows()
{
    return m_patterns.menuRows()
        + QList<MenuRow> {
              itemRow(QStringLiteral("F_Open"), QStringLiteral("F_0"), QStringLiteral("開く(&O)"),
                  QStringLiteral("Ctrl+O"), [this] { F_Open_Click(); }),
              itemRow(QStringLiteral("F_Save"), QStringLiteral("F_0"), QStringLiteral("保存(&S)"),
                  QStringLiteral("Ctrl+S"), [this] { F_Save_Click(); }),
              itemRow(QStringLiteral("F_SaveAS"), QStringLiteral("F_0"),
                  QStringLiteral("名前を付けて保存(&A)"), QString(), [this] { F_SaveAS_Click(); }),
          };
}

} // namespace quorlex
