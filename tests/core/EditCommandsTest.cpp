#include "core/EditCommands.h"
#include "core/Clipboard.h"
#include "core/Editor.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

using namespace quorlex;
using test::ScriptedHost;

namespace {

struct HeldText : Clipboard {
    QString held;
    QString text() const override { return held; }
    void setText(const QString& text) override { held = text; }
};

struct Row {
    const char* name;
    void (EditCommands::*command)();
    bool upper;
    QString before; // the selection marked [like this], or the caret as |
    QString clipboard;
    QString after;
    QString clipboardAfter;
    bool typing; // counts as typing: the undo item refreshed and the page marked modified
    bool focus;
};

const Row rows[] = {
    { "copy", &EditCommands::E_Copy_Click, true, "a[bc]d", "old", "a[bc]d", "bc", false, false },
    { "copy-nothing", &EditCommands::E_Copy_Click, true, "ab|c", "old", "ab|c", "old", false, false },
    { "cut", &EditCommands::E_Cut_Click, true, "a[Bc]d", "old", "a|d", "Bc", true, false },
    { "cut-nothing-empties-the-clipboard", &EditCommands::E_Cut_Click, true, "ab|c", "old", "ab|c", "", true,
        false },
    { "paste-lower-case", &EditCommands::E_Paste_Click, false, "a[x]b", "Hello World", "ahello world|b",
        "Hello World", true, false },
    { "paste-upper-case-as-is", &EditCommands::E_Paste_Click, true, "a[x]b", "Hello <b>", "aHello <b>|b",
        "Hello <b>", true, false },
    { "paste-nothing-removes", &EditCommands::E_Paste_Click, true, "a[x]b", "", "a|b", "", true, false },
    { "delete", &EditCommands::E_Delete_Click, true, "a[bc]d", "old", "a|d", "old", true, false },
    { "delete-nothing", &EditCommands::E_Delete_Click, true, "ab|c", "old", "ab|c", "old", true, false },
    { "plain-break", &EditCommands::E_Enter_Click, false, "a[X]b", "old", "a\r\n|b", "old", false, false },
    { "select-to-the-end", &EditCommands::E_AllSelect_Click, true, "ab|cd", "old", "ab[cd]", "old", false,
        false },
    { "select-all-from-the-top", &EditCommands::E_AllSelect_Click, true, "[a]bcd", "old", "[abcd]", "old",
        false, false },
    { "to-the-top", &EditCommands::E_GotoTop_Click, true, "ab[c]d", "old", "|abcd", "old", false, true },
    { "to-the-end", &EditCommands::E_GotoEOF_Click, true, "a[b]cd", "old", "abcd|", "old", false, true },
};

} // namespace

TEST(EditCommands, WorkOnTheSelectionAndTheClipboard)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedHost host;
        Editor editor(host);
        HeldText clipboard;
        EditCommands commands(editor, clipboard);
        editor.settings().UpperCaseTags = row.upper;
        clipboard.held = row.clipboard;
        QString plain = row.before;
        const qsizetype caret = plain.indexOf(u'|');
        const qsizetype open = plain.indexOf(u'[');
        plain.remove(u'|').remove(u'[');
        const qsizetype close = plain.indexOf(u']');
        plain.remove(u']');
        host.stringBox().setText(plain);
        host.stringBox().select(caret >= 0 ? caret : open, caret >= 0 ? 0 : close - open);

        (commands.*row.command)();

        test::StringEditBox& box = host.stringBox();
        QString after = box.text();
        if (box.selLength() > 0)
            after.insert(box.selStart() + box.selLength(), u']').insert(box.selStart(), u'[');
        else
            after.insert(box.selStart(), u'|');
        EXPECT_EQ(after, row.after);
        EXPECT_EQ(clipboard.held, row.clipboardAfter);
        EXPECT_EQ(editor.document().Modified(), row.typing);
        // The undo item shows the box's state before the command, only after typing.
        EXPECT_EQ(host.isMenuEnabled(QStringLiteral("E_Undo")), !row.typing);
        EXPECT_EQ(box.focusCount, row.focus ? 1 : 0);
    }
}
