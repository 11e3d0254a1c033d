#include "app/EditorFormLogic.h"

#include "core/Editor.h"
#include "core/KeyPress.h"
#include "core/Numbers.h"
#include "core/ProgramDirectory.h"
#include "dialogs/FileDlg.h"
#include "dialogs/PathHelpers.h"
#include "files/DocumentFiles.h"
#include "host/Host.h"
#include "settings/IniFile.h"
#include "settings/LoadSetting.h"
#include "taglists/TagListMenus.h"
#include "tags/TextMarkupCommands.h"
#include "tags/TextMarkupMenu.h"

namespace quorlex {

namespace {
const QString FileBarItem = QStringLiteral("T_W_Filebar");
const QString TagBarItem = QStringLiteral("T_W_TagBar");
const QString FileBar = QStringLiteral("Toolbar1");
const QString TagBar = QStringLiteral("Toolbar2");
} // namespace

std::optional<bool> readIniBoolean(const QString& value)
{
    const QString v = value.trimmed();
    if (v.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (v.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = parseLocaleNumber(v))
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
    registerCommands();
}

EditorFormLogic::~EditorFormLogic() = default;

void EditorFormLogic::registerCommands()
{
    for (const TextMarkupMenuEntry& entry : textMarkupMenu) {
        const QString name = entry.name.toString();
        if (entry.kind == TextMarkupMenuEntry::Item)
            m_commands.insert(name, [this, name] { m_markup->run(name); });
    }
    m_commands.insert(QStringLiteral("E_Undo"), [this] {
        m_host.editBox().undo();
        m_host.editBox().setFocus();
    });
    m_commands.insert(QStringLiteral("F_End"), [this] { F_End_Click(); });
    m_commands.insert(QStringLiteral("F_Open"), [this] { m_files->F_Open_Click(); });
    m_commands.insert(QStringLiteral("F_Save"), [this] { m_files->F_Save_Click(); });
    m_commands.insert(QStringLiteral("F_SaveAS"), [this] { m_files->F_SaveAS_Click(); });
    m_commands.insert(QStringLiteral("T_C_Add"), [this] { m_tagLists->T_C_Add_Click(); });
    m_commands.insert(QStringLiteral("T_T_Add"), [this] { m_tagLists->T_T_Add_Click(); });
    m_commands.insert(FileBarItem, [this] { T_W_Filebar_Click(); });
    m_commands.insert(TagBarItem, [this] { T_W_TagBar_Click(); });
    m_arrayCommands.insert(
        QStringLiteral("T_C_Item"), [this](int i) { m_tagLists->T_C_Item_Click(qint16(i)); });
    m_arrayCommands.insert(
        QStringLiteral("T_T_Item"), [this](int i) { m_tagLists->T_T_Item_Click(qint16(i)); });
    for (const QString& array : m_arrayCommands.keys()) {
        const auto command = m_arrayCommands.value(array);
        m_commands.insert(array + QStringLiteral("_0"), [command] { command(0); });
    }
}

bool EditorFormLogic::run(const QString& name)
{
    const auto command = m_commands.value(name);
    if (!command)
        return false;
    command();
    return true;
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
}

bool EditorFormLogic::Form_QueryUnload()
{
    if (m_files->ConfirmSaveChanges())
        return true;
    auto word = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
    m_ini->SetIni(QStringLiteral("Main"), QStringLiteral("FileBar"), word(m_host.isMenuChecked(FileBarItem)));
    m_ini->SetIni(QStringLiteral("Main"), QStringLiteral("TagBar"), word(m_host.isMenuChecked(TagBarItem)));
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

void EditorFormLogic::toggleBar(const QString& item, const QString& bar)
{
    const bool show = !m_host.isMenuChecked(item);
    m_host.setMenuChecked(item, show);
    m_host.setToolbarVisible(bar, show);
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
