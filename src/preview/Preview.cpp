#include "preview/Preview.h"

#include "core/Editor.h"
#include "dialogs/PathHelpers.h"
#include "files/DocumentFiles.h"
#include "files/FileErrorText.h"
#include "host/Host.h"
#include "host/ProductInfo.h"
#include "preview/PreviewAddress.h"
#include "preview/PreviewCopy.h"
#include "preview/PreviewWindow.h"

#include <QDir>

namespace quorlex {

PreviewSaveMode previewSaveMode(qint16 previewSave)
{
    switch (previewSave) {
    case 0:
        return PreviewSaveMode::SaveFirst;
    case 1:
        return PreviewSaveMode::ShowCopy;
    default:
        return PreviewSaveMode::Ask;
    }
}

Preview::Preview(Editor& editor, DocumentFiles& files, PreviewWindow& window, const QString& programDirectory)
    : Preview(editor, files, window, programDirectory, m_systemOps)
{
}

Preview::Preview(Editor& editor, DocumentFiles& files, PreviewWindow& window, const QString& programDirectory,
    FileOps& ops)
    : m_editor(editor)
    , m_files(files)
    , m_window(window)
    , m_copyFile(WithBackslash(programDirectory) + PreviewCopyFileName)
    , m_ops(ops)
{
    m_window.setStatusTextHandler([this](const QString& text) { WebBrowser1_StatusTextChange(text); });
}

void Preview::TabStrip1_Click()
{
    switch (m_window.selectedTab()) {
    case PreviewTab::Html:
        m_window.showEditingBox();
        m_window.setStatusText(QString());
        break;
    case PreviewTab::Preview:
        m_window.showPreviewArea();
        showPage();
        break;
    }
}

void Preview::showPage()
{
    const EditorDocument& document = m_editor.document();
    switch (previewSaveMode(m_editor.settings().PreviewSave)) {
    case PreviewSaveMode::SaveFirst:
        if (document.Modified())
            m_files.F_Save_Click();
        showFile();
        break;
    case PreviewSaveMode::ShowCopy:
        if (document.FilePath().isEmpty() || document.Modified())
            showCopy();
        else
            showFile();
        break;
    case PreviewSaveMode::Ask:
        // Cancel, or a save that did not happen, leaves the browser as it was.
        if (!m_files.ConfirmSaveChanges())
            showFile();
        break;
    }
}

void Preview::showFile()
{
    m_window.LoadHtml(FileScheme + m_editor.document().FilePath());
}

void Preview::showCopy()
{
    const EditorDocument& document = m_editor.document();
    const std::error_code error = writePreviewCopy(
        m_ops, m_copyFile, m_editor.host().editBox().text(), document.FilePath(), document.encoding());
    if (!error) {
        m_copyFailureShown = false;
        m_window.LoadHtml(FileScheme + m_copyFile);
        return;
    }
    // An old copy would show text that is no longer the page's: show the empty page instead.
    m_window.LoadHtml(QStringLiteral("about:"));
    if (m_copyFailureShown)
        return;
    m_copyFailureShown = true;
    m_editor.host().messageBox(QStringLiteral("プレビュー用のファイル「%1」を書き込めませんでした。\r%2")
                                   .arg(QDir::toNativeSeparators(m_copyFile), fileErrorDescription(error)),
        { MsgButtons::Ok, MsgIcon::Exclamation });
}

void Preview::WebBrowser1_StatusTextChange(const QString& text)
{
    // Only while the preview is up: the "HTML" tab keeps its panel empty.
    if (m_window.selectedTab() == PreviewTab::Preview)
        m_window.setStatusText(text);
}

void Preview::F_PreView_Click()
{
    m_files.F_Save_Click();
    const EditorDocument& document = m_editor.document();
    if (document.Modified() || document.FilePath().isEmpty())
        return;
    m_window.openInBrowser(FileScheme + document.FilePath());
}

QList<MenuRow> Preview::menuRows()
{
    return {
        itemRow(QStringLiteral("F_PreView"), QStringLiteral("F_0"),
            QStringLiteral("ブラウザでプレビュー(&V)"), QStringLiteral("F5"), [this] { F_PreView_Click(); }),
    };
}

} // namespace quorlex
