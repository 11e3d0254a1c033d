#include "find/HtmlFind.h"
#include "core/Commands.h"
#include "core/Editor.h"
#include "find/TextSearch.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <array>

using namespace quorlex;
using test::ScriptedHost;

namespace {

// The find window's controls as plain values; messages are recorded and answered OK.
struct ScriptedFindWindow : FindWindow {
    bool loaded = false;
    int loads = 0;
    int shows = 0;
    int editorActivations = 0;
    std::array<QString, 2> texts;
    std::array<QStringList, 2> lists;
    SearchFrom from = SearchFrom::CurrentPosition;
    QList<ScriptedHost::Message> messages;

    bool isLoaded() const override { return loaded; }
    void load(HtmlFind&) override
    {
        loaded = true;
        ++loads;
        texts = {};
        lists = {};
        from = SearchFrom::CurrentPosition;
    }
    void show() override { ++shows; }
    void unload() override { loaded = false; }
    QString text(FindBox box) const override { return texts[std::size_t(box)]; }
    void setText(FindBox box, const QString& text) override { texts[std::size_t(box)] = text; }
    QStringList history(FindBox box) const override { return lists[std::size_t(box)]; }
    void addToHistory(FindBox box, const QString& entry) override { lists[std::size_t(box)].append(entry); }
    SearchFrom searchFrom() const override { return from; }
    void setSearchFrom(SearchFrom f) override { from = f; }
    MsgAnswer message(const QString& text, MsgStyle style, const QString& title) override
    {
        messages.append({ text, style, title });
        return MsgAnswer::Ok;
    }
    void activateEditor() override { ++editorActivations; }
};

struct FindTest : ::testing::Test {
    ScriptedHost host;
    Editor editor { host };
    ScriptedFindWindow window;
    HtmlFind find { editor, window };

    void page(const QString& text, qsizetype start = 0, qsizetype length = 0)
    {
        host.stringBox().setText(text);
        host.stringBox().select(start, length);
    }
    void boxes(const QString& findText, const QString& replacement = QString())
    {
        window.loaded = true;
        window.texts = { findText, replacement };
    }
    QString text() { return host.stringBox().text(); }
    // The selection as "start+length".
    QString selection()
    {
        return QStringLiteral("%1+%2").arg(host.stringBox().selStart()).arg(host.stringBox().selLength());
    }
    QString lastMessage() { return window.messages.isEmpty() ? QString() : window.messages.last().text; }
};

const MsgStyle SystemModalNotice { MsgButtons::Ok, MsgIcon::Information, true };

// ---- FindText --------------------------------------------------------------

struct FindRow {
    const char* name;
    QString text;
    qsizetype start, length;
    SearchFrom from;
    QString s;
    bool found;
    QString selection;
    SearchFrom fromAfter;
};

std::vector<FindRow> findRows()
{
    const auto top = SearchFrom::Top;
    const auto here = SearchFrom::CurrentPosition;
    return {
        { "from-top", "xxabcxxabc", 8, 0, top, "abc", true, "2+3", here },
        { "previous-match-passed-over", "xxabcxxabc", 2, 3, here, "abc", true, "7+3", here },
        // A caret without a selection is a start, not a previous match.
        { "caret-before-a-match", "abcabc", 3, 0, here, "bc", true, "4+2", here },
        { "match-at-the-caret", "abcabc", 3, 0, here, "abc", true, "3+3", here },
        { "other-selection-searched-from-its-start", "xabcx", 0, 3, here, "abc", true, "1+3", here },
        { "miss-keeps-start-and-selects-length", "xxabcxxabc", 7, 3, here, "abc", false, "7+3", top },
        { "case-counts", "abc", 0, 0, here, "ABC", false, "0+3", top },
        { "width-counts", "ａｂｃ", 0, 0, here, "abc", false, "0+3", top },
        { "miss-selection-cut-at-the-end", "ab", 1, 0, here, "zz", false, "1+1", top },
    };
}

} // namespace

TEST_F(FindTest, FindTextStartsAfterThePreviousMatchOnly)
{
    for (const FindRow& row : findRows()) {
        SCOPED_TRACE(row.name);
        page(row.text, row.start, row.length);
        window.from = row.from;
        window.messages.clear();
        EXPECT_EQ(find.FindText(row.s), row.found);
        EXPECT_EQ(selection(), row.selection);
        EXPECT_EQ(window.from, row.fromAfter);
        if (row.found) {
            EXPECT_TRUE(window.messages.isEmpty());
        } else {
            ASSERT_EQ(window.messages.size(), 1);
            EXPECT_EQ(window.messages[0].text,
                QStringLiteral("「") + row.s + QStringLiteral("」は、もうありません。"));
            EXPECT_EQ(window.messages[0].style, SystemModalNotice);
            EXPECT_EQ(window.messages[0].title, QStringLiteral("検索"));
        }
    }
}

TEST_F(FindTest, FindGoesThroughTheTextThenStartsAgainAtTheTop)
{
    page(QStringLiteral("xxabcxxabc"));
    boxes(QStringLiteral("abc"));
    window.from = SearchFrom::Top;
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        find.Command1_Click();
        seen.append(selection());
    }
    EXPECT_EQ(seen, (QStringList { "2+3", "7+3", "7+3", "2+3" }));
    EXPECT_EQ(window.messages.size(), 1);
    EXPECT_GE(window.shows, 1); // the window comes to the front with its message

    // An empty find box does nothing at all.
    boxes(QString(), QStringLiteral("x"));
    find.Command1_Click();
    find.Command3_Click();
    find.Command4_Click();
    EXPECT_EQ(selection(), QStringLiteral("2+3"));
    EXPECT_EQ(text(), QStringLiteral("xxabcxxabc"));
    EXPECT_EQ(window.lists[0], QStringList { "abc" });
    EXPECT_EQ(window.messages.size(), 1);
}

TEST_F(FindTest, ReplaceTakesTheMatchThenSelectsTheNext)
{
    // An occurrence right after the replaced text is the next match.
    page(QStringLiteral("abab"));
    boxes(QStringLiteral("ab"), QStringLiteral("x"));
    find.Command3_Click();
    EXPECT_EQ(text(), QStringLiteral("xab"));
    EXPECT_EQ(selection(), QStringLiteral("1+2"));
    EXPECT_TRUE(editor.document().Modified());
    find.Command3_Click();
    EXPECT_EQ(text(), QStringLiteral("xx"));
    EXPECT_EQ(lastMessage(), QStringLiteral("「ab」は、もうありません。"));

    // A selection that is the find text is replaced without searching; another one is searched from.
    page(QStringLiteral("ab-ab"), 3, 2);
    find.Command3_Click();
    EXPECT_EQ(text(), QStringLiteral("ab-x"));
    page(QStringLiteral("ab-ab-ab"), 3, 1);
    find.Command3_Click();
    EXPECT_EQ(text(), QStringLiteral("ab-x-ab"));
    EXPECT_EQ(selection(), QStringLiteral("5+2"));

    // Without a further match nothing changes.
    editor.document().setModified(false);
    page(QStringLiteral("abc"));
    boxes(QStringLiteral("zz"), QStringLiteral("y"));
    find.Command3_Click();
    EXPECT_EQ(text(), QStringLiteral("abc"));
    EXPECT_FALSE(editor.document().Modified());
    EXPECT_EQ(lastMessage(), QStringLiteral("「zz」は、もうありません。"));
}

TEST_F(FindTest, ReplaceAllIsOneEditThatReportsItsCount)
{
    struct Row {
        const char* name;
        QString text;
        qsizetype caret;
        QString s, replacement, result;
        int count;
        qsizetype caretAfter;
    };
    const Row rows[] = {
        { "non-overlapping", "aaa", 0, "aa", "b", "ba", 1, 0 },
        { "inserted-text-not-searched", "aXa", 1, "a", "aa", "aaXaa", 2, 1 },
        { "none", "abc", 2, "z", "y", "abc", 0, 2 },
        { "empty-replacement-deletes", "a-b-a", 0, "a", "", "-b-", 2, 0 },
        { "caret-cut-at-the-new-end", "xxxxx", 5, "xx", "", "x", 2, 1 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        page(row.text, row.caret, 0);
        boxes(row.s, row.replacement);
        window.messages.clear();
        editor.document().setModified(false);
        find.Command4_Click();
        EXPECT_EQ(text(), row.result);
        EXPECT_EQ(selection(), QStringLiteral("%1+0").arg(row.caretAfter));
        ASSERT_EQ(window.messages.size(), 1);
        EXPECT_EQ(window.messages[0].text, QStringLiteral("%1ヶ所を変更しました。").arg(row.count));
        EXPECT_EQ(window.messages[0].style, SystemModalNotice);
        EXPECT_EQ(window.messages[0].title, QStringLiteral("置換"));
        EXPECT_EQ(window.from, SearchFrom::Top);
        EXPECT_TRUE(editor.document().Modified());
        // One undo takes the whole replacement back; an unchanged text has nothing to undo.
        EXPECT_EQ(host.stringBox().canUndo(), row.count > 0);
        host.stringBox().undo();
        EXPECT_EQ(text(), row.text);
    }
    EXPECT_EQ(window.lists[1], (QStringList { "b", "aa", "y", "" }));
}

TEST_F(FindTest, FindNextRepeatsTheLastSearchWithoutWrapping)
{
    page(QStringLiteral("ab ab ab"));
    find.E_FindNext_Click(); // nothing searched yet
    EXPECT_EQ(selection(), QStringLiteral("0+0"));
    EXPECT_EQ(window.editorActivations, 0);

    boxes(QStringLiteral("ab"));
    find.Command1_Click();
    QStringList seen { selection() };
    for (int i = 0; i < 3; ++i) {
        find.E_FindNext_Click();
        seen.append(selection());
    }
    EXPECT_EQ(seen, (QStringList { "0+2", "3+2", "6+2", "6+2" }));
    ASSERT_EQ(window.messages.size(), 1);
    EXPECT_EQ(window.messages[0].text, QStringLiteral("abは、もうありません。"));
    EXPECT_EQ(window.messages[0].style, (MsgStyle { MsgButtons::Ok, MsgIcon::Information, false }));
    EXPECT_EQ(window.editorActivations, 3);
    EXPECT_EQ(window.from, SearchFrom::CurrentPosition); // F3 leaves the window's option alone
}

TEST_F(FindTest, OpeningCopiesTheSelectionAndTheButtonOnlyWhenLoading)
{
    Commands commands;
    find.addCommands(commands);
    page(QStringLiteral("one two"), 0, 3);
    commands.run(QStringLiteral("Toolbar1_find"));
    EXPECT_EQ(window.texts[0], QStringLiteral("one"));
    host.stringBox().select(4, 3);
    commands.run(QStringLiteral("Toolbar1_find"));
    EXPECT_EQ(window.texts[0], QStringLiteral("one"));
    commands.run(QStringLiteral("E_Find"));
    EXPECT_EQ(window.texts[0], QStringLiteral("two"));
    host.stringBox().select(0, 0);
    commands.run(QStringLiteral("E_Find"));
    EXPECT_EQ(window.texts[0], QString());
    EXPECT_EQ(window.loads, 1);
    EXPECT_EQ(window.shows, 4);
    find.Command2_Click();
    EXPECT_FALSE(window.loaded);
}

// Counting and replacing agree with cutting the text at every occurrence.
TEST(TextSearch, CountAndReplaceAgreeWithSplitting)
{
    EXPECT_EQ(CountOccurrences(u"", u"a"), 0);
    EXPECT_EQ(CountOccurrences(u"abc", u""), 0);
    EXPECT_EQ(replaceEvery(u"abc", u"", u"x"), QStringLiteral("abc"));
    QRandomGenerator rng(8);
    const QString alphabet = QStringLiteral("aab\r\n");
    auto random = [&](int max) {
        QString s;
        for (int i = rng.bounded(max + 1); i > 0; --i)
            s.append(alphabet[rng.bounded(int(alphabet.size()))]);
        return s;
    };
    for (int round = 0; round < 500; ++round) {
        const QString text = random(30);
        QString part = random(3);
        if (part.isEmpty())
            part = QStringLiteral("a");
        const QString replacement = random(3);
        const QStringList pieces = text.split(part);
        ASSERT_EQ(CountOccurrences(text, part), text.isEmpty() ? 0 : pieces.size() - 1);
        ASSERT_EQ(replaceEvery(text, part, replacement), pieces.join(replacement));
    }
}
