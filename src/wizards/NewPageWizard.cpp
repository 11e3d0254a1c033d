#include "wizards/NewPageWizard.h"

#include "core/Captions.h"
#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "files/DocumentFiles.h"
#include "files/PagePattern.h"
#include "host/Host.h"
#include "wizards/NewPage.h"

namespace quorlex {

NewPageWizard::NewPageWizard(Editor& editor, DocumentFiles& files, FileDlg& resourceDialog,
    FileDlg& documentDialog, WindowFactory makeWindow)
    : m_editor(editor)
    , m_files(files)
    , m_resourceDialog(resourceDialog)
    , m_documentDialog(documentDialog)
    , m_makeWindow(std::move(makeWindow))
{
}

void NewPageWizard::F_New_Click()
{
    if (m_window || m_files.ConfirmSaveChanges())
        return;
    const std::unique_ptr<NewHtmlWindow> window = m_makeWindow();
    m_window = window.get();
    m_window->showModal(*this);
    m_window = nullptr;
}

void NewPageWizard::Command1_Click()
{
    PagePattern pattern;
    if (const QString path = m_window->text(NewHtmlBox::Text2); !path.isEmpty()) {
        const PatternFile file = readPatternFile(path);
        // Half a pattern would make a page the user never asked for: the dialog stays open.
        if (!file.ok()) {
            m_editor.host().messageBox(
                patternReadFailure(path, file), { MsgButtons::Ok, MsgIcon::Exclamation });
            return;
        }
        pattern = file.fields.pattern;
    }
    const NewPageBackground background { m_window->selectedOption(), m_window->text(NewHtmlBox::Text3),
        m_window->option5Caption() };
    const QString page
        = newPageText(m_window->text(NewHtmlBox::Text1), pattern, newPageBodyTag(pattern, background));

    // The pattern mode ends only with the page that replaces the pattern: a cancelled wizard
    // leaves a pattern that Save stores as a pattern.
    EditorDocument& document = m_editor.document();
    document.setPatternMode(false);
    m_editor.host().editBox().setText(page);
    document.setCurrentFile(QString(), true, untitledCaption());
    m_window->unload();
}

void NewPageWizard::Command2_Click()
{
    m_window->unload();
}

void NewPageWizard::Command3_Click()
{
    m_resourceDialog.setTitle(QStringLiteral("ホームページパターンを開く"));
    m_resourceDialog.setFilter(QStringLiteral("ホームページパターン |*.hpf|すべてのファイル |*.*|"));
    if (const std::optional<FileChoice> choice = m_resourceDialog.ShowOpen())
        m_window->setText(NewHtmlBox::Text2, choice->path);
}

void NewPageWizard::Command4_Click()
{
    if (const auto rgb = m_window->chooseColour(colourOfCaption(m_window->option5Caption()))) {
        m_window->setOption5Caption(colourCaption(*rgb));
        m_window->selectOption(NewHtmlOption::Option5);
    }
}

void NewPageWizard::Command5_Click()
{
    m_documentDialog.setTitle(QStringLiteral("画像ファイルを開く"));
    m_documentDialog.setFilter(QStringLiteral(
        "インターネットイメージ(gif,jpg,jpe)|*.gif;*.jpg;*.jpe;*.jpeg|すべてのファイル |*.*|"));
    if (const std::optional<FileChoice> choice = m_documentDialog.ShowOpen())
        m_window->setText(NewHtmlBox::Text3, choice->path);
}

void NewPageWizard::Text3_Change()
{
    m_window->selectOption(NewHtmlOption::Option4);
}

QList<MenuRow> NewPageWizard::menuRows()
{
    return {
        itemRow(QStringLiteral("F_New"), QStringLiteral("F_0"), QStringLiteral("新規(&N)"),
            QStringLiteral("Ctrl+N"), [this] { F_New_Click(); }),
    };
}

} // namespace quorlex
