#include "files/PagePatterns.h"

#include "core/Captions.h"
#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "files/FileErrorText.h"
#include "files/FileOps.h"
#include "files/PageEncoding.h"
#include "files/PagePattern.h"
#include "files/UnmappableQuestion.h"
#include "host/Host.h"
#include "host/ProductInfo.h"

#include <cerrno>

namespace quorlex {

namespace {

const QString PatternFilter = QStringLiteral("テンプレートファイル |*.hpf|すべてのファイル |*.*|");

// The file or its folder refuses writing.
bool isAccessError(std::error_code error)
{
    if (error == FileErrc::ReadOnlyFile)
        return true;
    const int number = systemError(error);
    return number == EACCES || number == EPERM || number == EROFS;
}

} // namespace

PagePatterns::PagePatterns(
    Editor& editor, FileDlg& documentDialog, FileOps& ops, std::function<bool()> confirmSaveChanges)
    : m_editor(editor)
    , m_dialog(documentDialog)
    , m_ops(ops)
    , m_confirmSaveChanges(std::move(confirmSaveChanges))
{
}

void PagePatterns::F_T_New_Click()
{
    if (m_confirmSaveChanges())
        return;
    EditorDocument& document = m_editor.document();
    document.setCurrentFile(QString(), document.Modified(), document.caption());
    document.setPatternMode(true);
    m_patternFile.clear();
    m_editor.host().editBox().setText(QString());
    m_editor.host().messageBox(
        QStringLiteral("<BODY>の部分だけ作成してください。\r"
                       "詳しくは、ヘルプを参照してください。\r"
                       "この文で作成されたパターンのタイトル、画面色の設定は、保存するときにできます。"),
        { MsgButtons::Ok, MsgIcon::Information }, productTitle());
    document.setCaption(untitledPatternCaption());
}

void PagePatterns::F_T_Open_Click()
{
    if (m_confirmSaveChanges())
        return;
    m_dialog.setFilename(QString());
    m_dialog.setTitle(QStringLiteral("ホームページテンプレートを開く"));
    m_dialog.setFilter(PatternFilter);
    const std::optional<FileChoice> choice = m_dialog.ShowOpen();
    if (!choice)
        return;
    const PatternFile file = readPatternFile(m_ops, choice->path);
    if (!file.ok()) {
        m_editor.host().messageBox(
            patternReadFailure(choice->path, file), { MsgButtons::Ok, MsgIcon::Exclamation });
        return;
    }
    m_editor.host().editBox().setText(file.fields.pattern.Body);
    m_editor.document().setPatternMode(true);
    // Patterns are Shift_JIS, and so is a page saved from one.
    m_editor.document().setEncoding(PageEncoding::ShiftJis);
    m_editor.document().setCaption(patternCaption(choice->path));
    m_patternFile = choice->path;
}

bool PagePatterns::F_T_Save_Click()
{
    if (m_editor.host().editBox().text().isEmpty())
        return false;
    m_dialog.setFilename(QString());
    m_dialog.setTitle(QStringLiteral("ホームページテンプレートの保存"));
    m_dialog.setFilter(PatternFilter);
    const std::optional<FileChoice> choice = m_dialog.ShowSave();
    if (!choice)
        return false;
    EditorDocument& document = m_editor.document();
    document.setCurrentFile(choice->path, document.Modified(), document.caption());
    // From here on a page Save never writes the raw text over this file.
    m_patternFile = choice->path;
    return store(choice->path);
}

bool PagePatterns::Save()
{
    return m_patternFile.isEmpty() ? F_T_Save_Click() : store(m_patternFile);
}

bool PagePatterns::isPatternFile(const QString& path) const
{
    return !m_patternFile.isEmpty() && path == m_patternFile;
}

bool PagePatterns::store(const QString& path)
{
    Host& host = m_editor.host();
    const QString body = host.editBox().text();
    if (!confirmCharacterReferences(host, body))
        return false;
    // The other fields are never asked for: they stay as the file has them.
    PagePattern pattern = readPatternFile(m_ops, path).fields.pattern;
    pattern.Body = body;
    if (const std::error_code error = writePatternFile(m_ops, path, pattern)) {
        if (isAccessError(error))
            host.messageBox(
                QStringLiteral("ファイルが読み込み専用になっています。\r解除してから保存して下さい。"),
                { MsgButtons::Ok, MsgIcon::Critical });
        else
            host.messageBox(fileErrorDescription(error), { MsgButtons::Ok, MsgIcon::Exclamation });
        return false;
    }
    m_editor.document().setCurrentFile(m_editor.document().FilePath(), false, patternCaption(path));
    return true;
}

QList<MenuRow> PagePatterns::menuRows()
{
    const QString submenu = QStringLiteral("F_Template");
    return {
        menuRow(submenu, QStringLiteral("F_0"), QStringLiteral("テンプレート(&T)")),
        itemRow(QStringLiteral("F_T_New"), submenu, QStringLiteral("新規作成"), QString(),
            [this] { F_T_New_Click(); }),
        itemRow(QStringLiteral("F_T_Open"), submenu, QStringLiteral("開く"), QString(),
            [this] { F_T_Open_Click(); }),
        itemRow(QStringLiteral("F_T_Save"), submenu, QStringLiteral("保存"), QString(),
            [this] { F_T_Save_Click(); }),
    };
}

} // namespace quorlex
