#include "app/EditorFormLogic.h"

#include "core/AutoBackup.h"
#include "core/Editor.h"
#include "core/KeyPress.h"
#include "core/Numbers.h"
#include "core/ProgramDirectory.h"
#include "core/RunJournal.h"
#include "core/Toolbars.h"
#include "dialogs/FileDlg.h"
#include "dialogs/PathHelpers.h"
#include "files/DocumentFiles.h"
#include "files/Recovery.h"
#include "files/TextConversion.h"
#include "host/ControlNames.h"
#include "host/Host.h"
#include "settings/IniFile.h"
#include "settings/LoadSetting.h"
#include "taglists/TagListMenus.h"
#include "tags/LinkCommands.h"
#include "tags/LinkMenu.h"
#include "tags/TextMarkupCommands.h"

namespace quorlex {

namespace {
const QString& FileBarItem = Control::T_W_Filebar;
const QString& TagBarItem = Control::T_W_TagBar;
const QString& FileBar = Control::Toolbar1;
const QString& TagBar = Control::Toolbar2;
} // namespace

std::optional<bool> readIniBoolean(const QString& value)
{
    const QString v = value.trimmed();
    if (v.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (v.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = parseStrictNumber(v))
        return *number != 0.0;
    return std::nullopt;
}

EditorFormLogic::EditorFormLogic(Host& host, QString commandLine)
    : m_host(host)
    , m_commandLine(std::move(commandLine))
    , m_editor(std::make_unique<Editor>(host))
{
    // The shared objects exist from the start, so every command can reach them.
    m_documentDialog = std::make_unique<FileDlg>(host);
    m_resourceDialog = std::make_unique<FileDlg>(host);
    m_ini = std::make_unique<IniFile>();
    m_files = std::make_unique<DocumentFiles>(*m_editor, *m_documentDialog);
    m_tagLists = std::make_unique<TagListMenus>(*m_editor, programDirectory());
    m_markup = std::make_unique<TextMarkupCommands>(*m_editor);
    m_conversion
        = std::make_unique<TextConversion>(*m_editor, *m_files, *m_documentDialog, *m_resourceDialog);
    m_journal = std::make_unique<RunJournal>(programDirectory());
    m_backup = std::make_unique<AutoBackup>(*m_editor, programDirectory());
    m_backup->setJournal(m_journal.get());
    m_links = std::make_unique<LinkCommands>(*m_editor, *m_resourceDialog, *m_documentDialog);
    registerCommands();
}

EditorFormLogic::~EditorFormLogic() = default;

void EditorFormLogic::registerCommands()
{
    // Each feature brings its own menu rows and commands.
    m_commands.add(menuRows());
    m_commands.add(m_files->menuRows());
    m_commands.add(m_conversion->menuRows());
    m_commands.add(m_markup->menuRows());
    m_commands.add(linkMenuRows(*m_links));
    m_commands.add(m_tagLists->menuRows());
    m_tagLists->registerArrays(m_commands);
}

QList<MenuRow> EditorFormLogic::menuRows()
{
    const QString file = QStringLiteral("F_0");
    const QString tools = QStringLiteral("T_0");
    const QString bars = QStringLiteral("T_W_Toolbar");
    auto checkItem = [](const QString& name, const QString& parent, const QString& caption,
                         std::function<void()> handler) {
        MenuRow row = itemRow(name, parent, caption, QString(), std::move(handler));
        row.kind = MenuRow::Kind::CheckItem;
        return row;
    };
    return {
        menuRow(file, QString(), QStringLiteral("ホームページ(&F&ﾊ)")),
        separatorRow(QStringLiteral("F_Sen1"), file),
        separatorRow(QStringLiteral("F_Sen2"), file),
        separatorRow(QStringLiteral("F_Sen3"), file),
        separatorRow(QStringLiteral("F_Sen4"), file),
        itemRow(QStringLiteral("F_End"), file, QStringLiteral("クォーレクスの終了(&X)"), QString(),
            [this] { F_End_Click(); }),
        separatorRow(QStringLiteral("I_Sen1"), QStringLiteral("I_0")),
        menuRow(tools, QString(), QStringLiteral("ツール(&T&ｶ)")),
        menuRow(bars, tools, QStringLiteral("ツールバーの表示")),
        checkItem(
            Control::T_W_Filebar, bars, QStringLiteral("ファイルバー"), [this] { T_W_Filebar_Click(); }),
        checkItem(Control::T_W_TagBar, bars, QStringLiteral("タグバー"), [this] { T_W_TagBar_Click(); }),
        separatorRow(QStringLiteral("T_Sen1"), tools),
        separatorRow(QStringLiteral("T_Sen2"), tools),
    };
}

void EditorFormLogic::Form_Load()
{
    m_ini->setIniFile(WithBackslash(programDirectory()) + QStringLiteral("quorlex.ini"));
    if (!m_commandLine.isEmpty())
        m_files->LoadDocument(m_commandLine);

    const auto fileBar = readIniBoolean(
        m_ini->GetIni(QStringLiteral("Main"), QStringLiteral("FileBar"), QStringLiteral("1")));
    const auto tagBar = readIniBoolean(
        m_ini->GetIni(QStringLiteral("Main"), QStringLiteral("TagBar"), QStringLiteral("1")));
    m_host.setMenuChecked(FileBarItem, fileBar.value_or(false));
    m_host.setMenuChecked(TagBarItem, tagBar.value_or(false));
    m_host.setToolbarVisible(FileBar, m_host.isMenuChecked(FileBarItem));
    m_host.setToolbarVisible(TagBar, m_host.isMenuChecked(TagBarItem));
    m_host.makeToolbarFlat(FileBar);
    m_host.makeToolbarFlat(TagBar);

    m_tagLists->FillTagListMenus();
    LoadSetting(*m_ini, m_editor->settings());
    m_journal->begin();
    m_backup->start();
}

void EditorFormLogic::offerBackupRecovery()
{
    SystemFileOps ops;
    quorlex::offerBackupRecovery(*m_editor, *m_files, *m_journal, m_backup->backupFile(), ops);
}

void EditorFormLogic::windowActivated()
{
    m_files->diskWatch().windowActivated();
}

bool EditorFormLogic::Form_QueryUnload()
{
    if (m_files->ConfirmSaveChanges())
        return true;
    auto word = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
    m_ini->SetIni(QStringLiteral("Main"), QStringLiteral("FileBar"), word(m_host.isMenuChecked(FileBarItem)));
    m_ini->SetIni(QStringLiteral("Main"), QStringLiteral("TagBar"), word(m_host.isMenuChecked(TagBarItem)));
    m_journal->finish();
    return false;
}

void EditorFormLogic::F_End_Click()
{
    m_host.closeMainWindow();
}

void EditorFormLogic::Text1_KeyPress(int keyAscii)
{
    quorlex::Text1_KeyPress(*m_editor, keyAscii);
}

void EditorFormLogic::Toolbar1_ButtonClick(const QString& key)
{
    runToolbarButton(m_commands, fileBarButtons(), key);
}

void EditorFormLogic::Toolbar2_ButtonClick(const QString& key)
{
    runToolbarButton(m_commands, tagBarButtons(), key);
}

void EditorFormLogic::toggleBar(const QString& item, const QString& bar)
{
    const bool show = !m_host.isMenuChecked(item);
    m_host.setMenuChecked(item, show);
    m_host.setToolbarVisible(bar, show);
    if (m_formResize)
        m_formResize();
}

void EditorFormLogic::T_W_Filebar_Click()
{
    toggleBar(FileBarItem, FileBar);
}

void EditorFormLogic::T_W_TagBar_Click()
{
    toggleBar(TagBarItem, TagBar);
}

} // namespace quorlex
