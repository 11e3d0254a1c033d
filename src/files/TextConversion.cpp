#include "files/TextConversion.h"

#include "core/Captions.h"
#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "dialogs/PathHelpers.h"
#include "files/DocumentFiles.h"
#include "files/FileErrorText.h"
#include "files/TextFile.h"
#include "host/Host.h"
#include "host/ProductInfo.h"

namespace quorlex {

namespace {

const QString Rule = QStringLiteral("-----");
constexpr FileDlgFlags MustExist = FileDlgFlag::FileMustExist | FileDlgFlag::HideReadOnly;

bool isRuleLine(const QString& line)
{
    return line.startsWith(Rule) && line.endsWith(Rule);
}

} // namespace

QString textToPage(const QString& name, const QString& text)
{
    QString page = QStringLiteral("<HTML>") + CRLF + CRLF + QStringLiteral("<HEAD>") + CRLF
        + QStringLiteral("<title>") + name + QStringLiteral("</title>") + CRLF + QStringLiteral("</HEAD>")
        + CRLF + CRLF + QStringLiteral("<BODY>");
    // Only CR LF ends a line; an empty file has no line at all.
    if (!text.isEmpty()) {
        for (const QString& line : text.split(CRLF))
            page += CRLF + (isRuleLine(line) ? QStringLiteral("<hr>") : line + QStringLiteral("<br>"));
    }
    return page + CRLF + QStringLiteral("</BODY>") + CRLF + CRLF + QStringLiteral("</HTML>");
}

TextConversion::TextConversion(
    Editor& editor, DocumentFiles& files, FileDlg& documentDialog, FileDlg& resourceDialog)
    : TextConversion(editor, files, documentDialog, resourceDialog, m_systemOps)
{
}

TextConversion::TextConversion(
    Editor& editor, DocumentFiles& files, FileDlg& documentDialog, FileDlg& resourceDialog, FileOps& ops)
    : m_editor(editor)
    , m_files(files)
    , m_documentDialog(documentDialog)
    , m_resourceDialog(resourceDialog)
    , m_ops(ops)
{
}

QString TextConversion::unreadableText(const QString& path, std::error_code error)
{
    return fileErrorDescription(error) + u'\r' + path;
}

void TextConversion::F_ConvertHTML_Click()
{
    if (m_files.ConfirmSaveChanges())
        return;
    m_documentDialog.setFilename(QString());
    m_documentDialog.setTitle(QStringLiteral("テキストファイルを開く"));
    m_documentDialog.setFilter(QStringLiteral("テキストファイル(txt)|*.txt|すべてのファイル |*.*|"));
    m_documentDialog.setFlags(MustExist);
    const auto choice = m_documentDialog.ShowOpen();
    if (!choice)
        return;

    Host& host = m_editor.host();
    const TextFileContent file = ReadTextFile(m_ops, choice->path);
    if (file.error) {
        host.messageBox(file.fileNotFound() ? QStringLiteral("ファイルが見つかりません。")
                                            : unreadableText(choice->path, file.error),
            { MsgButtons::Ok, MsgIcon::Exclamation });
        return;
    }
    host.editBox().setText(textToPage(FileTitleOf(choice->path), file.text));
    EditorDocument& document = m_editor.document();
    document.setCurrentFile(QString(), document.Modified(), convertedTextCaption(choice->path));
    document.setBackupTicks(0);
}

void TextConversion::I_AddTextFile_Click()
{
    m_resourceDialog.setTitle(QStringLiteral("テキストの挿入"));
    m_resourceDialog.setFilter(QStringLiteral("テキストファイル|*.txt|すべてのファイル |*.*|"));
    m_resourceDialog.setFlags(MustExist);
    const auto choice = m_resourceDialog.ShowOpen();
    if (!choice || choice->path.isEmpty())
        return;
    const TextFileContent file = ReadTextFile(m_ops, choice->path);
    // A missing file inserts nothing in silence; one that cannot be read is told, rather than
    // inserted as an empty block.
    if (file.error) {
        if (!file.fileNotFound())
            m_editor.host().messageBox(
                unreadableText(choice->path, file.error), { MsgButtons::Ok, MsgIcon::Exclamation });
        return;
    }
    m_editor.AddTag(QStringLiteral("<pre>") + file.text + QStringLiteral("</pre>"), false);
}

QList<MenuRow> TextConversion::menuRows()
{
    return {
        itemRow(QStringLiteral("F_ConvertHTML"), QStringLiteral("F_0"),
            QStringLiteral("テキストをHTMLに変換(&C)"), QString(), [this] { F_ConvertHTML_Click(); }),
        itemRow(QStringLiteral("I_AddTextFile"), QStringLiteral("I_0"),
            QStringLiteral("テキストファイルの挿入(&T&ｶ)"), QStringLiteral("Shift+F9"),
            [this] { I_AddTextFile_Click(); }),
    };
}

} // namespace quorlex
