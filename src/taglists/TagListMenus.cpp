#include "taglists/TagListMenus.h"

#include "core/Commands.h"
#include "core/Editor.h"
#include "dialogs/PathHelpers.h"
#include "host/ControlNames.h"
#include "host/Host.h"
#include "host/ProductInfo.h"
#include "taglists/ListEntries.h"
#include "taglists/ListFile.h"

#include <QDir>

namespace quorlex {

namespace {

const QString& CustomTagArray = Control::T_C_Item;
const QString& SnippetArray = Control::T_T_Item;

} // namespace

TagListMenus::TagListMenus(Editor& editor, const QString& programDirectory)
    : m_editor(editor)
    , m_customTagFile(WithBackslash(programDirectory) + CustomTagFileName)
    , m_snippetFile(WithBackslash(programDirectory) + SnippetFileName)
{
}

void TagListMenus::FillTagListMenus()
{
    const QStringList tags = customTags(readListFile(m_customTagFile));
    fillMenu(CustomTagArray, tags);
    m_customTagItems = int(tags.size());

    const QStringList titles = snippetTitles(readListFile(m_snippetFile));
    fillMenu(SnippetArray, titles);
    m_snippetItems = int(titles.size());
}

void TagListMenus::fillMenu(const QString& array, const QStringList& values)
{
    Host& host = m_editor.host();
    for (int n = 0; n < values.size(); ++n) {
        if (n > 0)
            host.loadMenuItem(array, n);
        host.setMenuCaption(elementName(array, n), values.at(n));
        host.setMenuEnabled(elementName(array, n), true);
    }
    // The placeholder "未登録" is no entry: it stays, disabled, while the list is empty.
    if (values.isEmpty())
        host.setMenuEnabled(elementName(array, 0), false);
}

void TagListMenus::T_C_Add_Click()
{
    const QString tag = m_editor.host().inputBox(
        QStringLiteral("登録したい新タグを入力してください。") + CRLF + QStringLiteral("例) <ABC></ABC>"),
        QStringLiteral("カスタムタグの登録"));
    if (tag.isEmpty())
        return;
    const int n = nextEntryNumber(readListFile(m_customTagFile));
    appendOrReport(m_customTagFile, { EntryKey + QString::number(n) + u'=' + tag });
}

void TagListMenus::T_T_Add_Click()
{
    const QString title = QStringLiteral("ひな型の新規作成");
    Host& host = m_editor.host();
    const QString name = host.inputBox(QStringLiteral("ひな型のタイトルを入力してください。"), title);
    if (name.isEmpty())
        return;
    const QString content = host.inputBox(QStringLiteral("ひな型の内容を入力してください。"), title);
    if (content.isEmpty())
        return;
    const int n = nextEntryNumber(readListFile(m_snippetFile));
    // Content first, then title, as one write so a failure leaves neither.
    appendOrReport(m_snippetFile,
        { EntryKey + QString::number(n) + u'=' + content, TitleKey + QString::number(n) + u'=' + name });
}

void TagListMenus::T_C_Item_Click(qint16 index)
{
    if (index < 0 || index >= m_customTagItems)
        return;
    m_editor.AddTag(m_editor.host().menuCaption(elementName(CustomTagArray, index)), false);
}

void TagListMenus::T_T_Item_Click(qint16 index)
{
    if (index < 0 || index >= m_snippetItems)
        return;
    if (const auto content = snippetContent(readListFile(m_snippetFile), index))
        m_editor.AddTag(*content, false);
}

void TagListMenus::appendOrReport(const QString& path, const QStringList& lines)
{
    QString reason;
    if (appendListLines(path, lines, &reason))
        return;
    m_editor.host().messageBox(QStringLiteral("「") + QDir::toNativeSeparators(path)
            + QStringLiteral("」に書き込めませんでした。") + CR + reason,
        { MsgButtons::Ok, MsgIcon::Exclamation });
}

QList<MenuRow> TagListMenus::menuRows()
{
    const QString customTags = QStringLiteral("T_CusumTags");
    const QString snippets = QStringLiteral("T_T_0");
    return {
        menuRow(customTags, QStringLiteral("T_0"), QStringLiteral("カスタムタグ")),
        itemRow(QStringLiteral("T_C_Add"), customTags, QStringLiteral("追加"), QString(),
            [this] { T_C_Add_Click(); }),
        separatorRow(QStringLiteral("T_C_Sen1"), customTags),
        itemRow(elementName(Control::T_C_Item, 0), customTags, QStringLiteral("未登録"), QString(),
            [this] { T_C_Item_Click(0); }),
        menuRow(snippets, QStringLiteral("T_0"), QStringLiteral("ひな型")),
        itemRow(QStringLiteral("T_T_Add"), snippets, QStringLiteral("追加"), QString(),
            [this] { T_T_Add_Click(); }),
        separatorRow(QStringLiteral("T_T_Sen1"), snippets),
        itemRow(elementName(Control::T_T_Item, 0), snippets, QStringLiteral("未登録"), QString(),
            [this] { T_T_Item_Click(0); }),
    };
}

void TagListMenus::registerArrays(Commands& commands)
{
    commands.addArray(Control::T_C_Item, [this](int index) { T_C_Item_Click(qint16(index)); });
    commands.addArray(Control::T_T_Item, [this](int index) { T_T_Item_Click(qint16(index)); });
}

} // namespace quorlex
