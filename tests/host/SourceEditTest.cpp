#include "host/SourceEdit.h"
#include "host/LineBreakIndex.h"
#include "host/SourceEditBox.h"
#include "support/QtPrinters.h"
#include "support/StringEditBox.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

QString visible(QString s)
{
    s.replace(u'\r', QStringLiteral("<CR>"));
    s.replace(u'\n', QStringLiteral("<LF>"));
    return s;
}

// Offsets where the caret can stand in the widget: never between CR and LF.
QList<qsizetype> boundaries(const QString& text)
{
    QList<qsizetype> out;
    for (qsizetype i = 0; i <= text.size(); ++i)
        if (!(i > 0 && i < text.size() && text[i - 1] == u'\r' && text[i] == u'\n'))
            out.append(i);
    return out;
}

QString randomText(QRandomGenerator& rng, int maxLength)
{
    static const QString alphabet = QStringLiteral("ab\r\n\r\nあ\u00a0 ");
    QString s;
    const int n = rng.bounded(maxLength + 1);
    for (int i = 0; i < n; ++i)
        s.append(alphabet[rng.bounded(int(alphabet.size()))]);
    return s;
}

} // namespace

TEST(SourceEdit, TextRoundTripKeepsEveryLineEnd)
{
    SourceEdit edit;
    const QStringList cases = {
        QString(),
        QStringLiteral("a"),
        QStringLiteral("a\r\nb"),
        QStringLiteral("a\nb\n"),
        QStringLiteral("a\rb\r"),
        QStringLiteral("\r\n\r\n"),
        QStringLiteral("a\r\nb\nc\rd"),
        QStringLiteral("\r\r\n\n\r"),
        QStringLiteral("\n"),
        QStringLiteral("x\u00a0y\tz"),
        QStringLiteral("日本語\r\n\r\nテキスト\n"),
        QStringLiteral("a\u2028b"),
    };
    for (const QString& text : cases) {
        edit.setSourceText(text);
        EXPECT_EQ(visible(edit.sourceText()), visible(text));
        EXPECT_EQ(edit.sourceLength(), text.size()) << visible(text).toStdString();
    }
    QRandomGenerator rng(7);
    for (int round = 0; round < 300; ++round) {
        const QString text = randomText(rng, 40);
        edit.setSourceText(text);
        ASSERT_EQ(visible(edit.sourceText()), visible(text));
        ASSERT_EQ(edit.sourceLength(), text.size());
    }
}

TEST(SourceEdit, OffsetsCountCrLfAsTwo)
{
    SourceEdit edit;
    SourceEditBox box(edit);
    box.setText(QStringLiteral("ab\r\ncd\nef\r\n"));
    box.setSelStart(4); // before c
    EXPECT_EQ(box.selStart(), 4);
    box.setSelLength(4);
    EXPECT_EQ(visible(box.selText()), QStringLiteral("cd<LF>e"));
    box.setSelStart(3); // between CR and LF: stays at the line's end
    EXPECT_EQ(box.selStart(), 2);
    box.setSelStart(999);
    EXPECT_EQ(box.selStart(), 11);
    box.setSelStart(0);
    box.setSelLength(999);
    EXPECT_EQ(box.selLength(), 11);
    EXPECT_EQ(visible(box.selText()), visible(box.text()));
}

// The widget's box and the plain string box must agree on every operation.
TEST(SourceEdit, BehavesLikeAPlainStringBox)
{
    SourceEdit edit;
    SourceEditBox real(edit);
    test::StringEditBox model;
    QRandomGenerator rng(42);
    for (int round = 0; round < 40; ++round) {
        const QString start = randomText(rng, 30);
        real.setText(start);
        model.setText(start);
        for (int step = 0; step < 25; ++step) {
            const QList<qsizetype> caretStops = boundaries(model.text());
            const qsizetype s = caretStops[rng.bounded(int(caretStops.size()))];
            QList<qsizetype> ends;
            for (qsizetype e : caretStops)
                if (e >= s)
                    ends.append(e);
            const qsizetype e = ends[rng.bounded(int(ends.size()))];
            real.setSelStart(s);
            real.setSelLength(e - s);
            model.select(s, e - s);
            ASSERT_EQ(real.selStart(), model.selStart());
            ASSERT_EQ(real.selLength(), model.selLength());
            ASSERT_EQ(visible(real.selText()), visible(model.selText()));
            const QString insert = randomText(rng, 6);
            real.setSelText(insert);
            model.setSelText(insert);
            ASSERT_EQ(visible(real.text()), visible(model.text()))
                << "round " << round << " step " << step << " insert " << visible(insert).toStdString()
                << " at " << s << "+" << (e - s);
            ASSERT_EQ(real.selStart(), model.selStart());
            ASSERT_EQ(real.selLength(), 0);
            ASSERT_EQ(real.length(), model.length());
        }
    }
}

TEST(SourceEdit, UndoBringsBackTheLineEndsItRemoved)
{
    SourceEdit edit;
    SourceEditBox box(edit);
    const QString original = QStringLiteral("one\ntwo\r\nthree\rfour\nfive");
    box.setText(original);
    EXPECT_FALSE(box.canUndo());
    box.setSelStart(2);
    box.setSelLength(17); // from inside "one" to inside "four"
    box.setSelText(QStringLiteral("X\r\nY"));
    EXPECT_EQ(visible(box.text()), QStringLiteral("onX<CR><LF>Y<LF>five"));
    EXPECT_TRUE(box.canUndo());
    box.undo();
    EXPECT_EQ(visible(box.text()), visible(original));
    // Offsets after the undo still count each kind of break correctly.
    box.setSelStart(original.indexOf(u'f'));
    box.setSelLength(4);
    EXPECT_EQ(box.selText(), QStringLiteral("four"));
}

TEST(SourceEdit, KeysReportCodesAndEnterInsertsCrLf)
{
    SourceEdit edit;
    QList<int> codes;
    edit.setKeyPressHandler([&](int code) { codes.append(code); });
    edit.setSourceText(QStringLiteral("a\nb"));
    QTextCursor c = edit.textCursor();
    c.movePosition(QTextCursor::End);
    edit.setTextCursor(c);
    QTest::keyClicks(&edit, QStringLiteral("x"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(visible(edit.sourceText()), QStringLiteral("a<LF>bx<CR><LF><CR><LF><CR><LF>"));
    EXPECT_EQ(codes, (QList<int> { 'x', 13, 13, 13 }));
    EXPECT_FALSE(edit.sourceText().contains(QChar(0x2028)));
    EXPECT_FALSE(edit.sourceText().contains(QChar(0x2029)));
    codes.clear();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(codes, (QList<int> { 8, 0 })); // arrows produce nothing; Delete counts as typing
}

TEST(SourceEdit, InputMethodCommitAddsOnlyItsText)
{
    SourceEdit edit;
    QList<int> codes;
    edit.setKeyPressHandler([&](int code) { codes.append(code); });
    QInputMethodEvent preedit(QStringLiteral("にほん"), {});
    QApplication::sendEvent(&edit, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("日本"));
    QApplication::sendEvent(&edit, &commit);
    EXPECT_EQ(edit.sourceText(), QStringLiteral("日本"));
    ASSERT_EQ(codes.size(), 1);
    EXPECT_EQ(codes[0], QChar(u'日').unicode());
    QInputMethodEvent withBreak;
    withBreak.setCommitString(QStringLiteral("a\u2029b"));
    QApplication::sendEvent(&edit, &withBreak);
    EXPECT_EQ(visible(edit.sourceText()), QStringLiteral("日本a<CR><LF>b"));
}

TEST(SourceEdit, PasteBringsBreaksInAsCrLfAndCopyGivesThemAsStored)
{
    SourceEdit edit;
    int reported = 0;
    edit.setKeyPressHandler([&](int) { ++reported; });
    edit.setSourceText(QStringLiteral("p\nq"));
    QApplication::clipboard()->setText(QStringLiteral("1\n2\u20283"));
    edit.paste();
    EXPECT_EQ(visible(edit.sourceText()), QStringLiteral("1<CR><LF>2<CR><LF>3p<LF>q"));
    EXPECT_EQ(reported, 1);
    edit.selectAll();
    edit.copy();
    EXPECT_EQ(visible(QApplication::clipboard()->text()), QStringLiteral("1<CR><LF>2<CR><LF>3p<LF>q"));
}

TEST(SourceEdit, DropsAcceptOnlyFiles)
{
    SourceEdit edit;
    QStringList dropped;
    QObject::connect(&edit, &SourceEdit::filesDropped, &edit, [&](const QStringList& p) { dropped = p; });
    QMimeData text;
    text.setText(QStringLiteral("dragged"));
    EXPECT_FALSE(edit.acceptDroppedData(&text));
    EXPECT_TRUE(edit.sourceText().isEmpty());
    EXPECT_TRUE(dropped.isEmpty());
    QMimeData files;
    files.setUrls({ QUrl::fromLocalFile(QStringLiteral("/tmp/a.html")),
        QUrl::fromLocalFile(QStringLiteral("/tmp/b.html")) });
    EXPECT_TRUE(edit.acceptDroppedData(&files));
    EXPECT_EQ(dropped, (QStringList { QStringLiteral("/tmp/a.html"), QStringLiteral("/tmp/b.html") }));
}

// Removing text from the start of a line through a later break must keep the break
// before that line, whichever way the removal happens, and undo must restore all.
TEST(SourceEdit, RemovalFromALineStartKeepsTheBreakBeforeIt)
{
    SourceEdit edit;
    SourceEditBox box(edit);
    const QString original = QStringLiteral("a\r\nbb\ncc\rdd");
    box.setText(original);
    box.setSelStart(3);
    box.setSelLength(4); // "bb\nc"
    box.setSelText(QString());
    EXPECT_EQ(visible(box.text()), QStringLiteral("a<CR><LF>c<CR>dd"));
    box.undo();
    EXPECT_EQ(visible(box.text()), visible(original));
    edit.redo();
    EXPECT_EQ(visible(box.text()), QStringLiteral("a<CR><LF>c<CR>dd"));
    box.undo();
    EXPECT_EQ(visible(box.text()), visible(original));

    // The Delete key on an empty line removes the break after it, not the one before.
    box.setText(QStringLiteral("x\r\n\ny"));
    box.setSelStart(3);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(visible(box.text()), QStringLiteral("x<CR><LF>y"));
    box.setSelStart(1);
    box.setSelLength(2);
    EXPECT_EQ(visible(box.selText()), QStringLiteral("<CR><LF>"));
    box.setSelStart(0);
    box.undo();
    EXPECT_EQ(visible(box.text()), QStringLiteral("x<CR><LF><LF>y"));
}

namespace {

// A page of numbered lines of different lengths, most ended by CR LF and every seventh
// by LF alone.
QString longPage(int lineCount)
{
    QString page;
    for (int i = 0; i < lineCount; ++i) {
        if (i > 0)
            page += i % 7 == 0 ? QStringLiteral("\n") : QStringLiteral("\r\n");
        page += QStringLiteral("line %1 of the page").arg(i);
    }
    return page;
}

// The offset of the start of a line of text.
qsizetype lineStart(const QString& text, int line)
{
    qsizetype offset = 0;
    for (int i = 0; i < line; ++i)
        offset = text.indexOf(u'\n', offset) + 1;
    return offset;
}

} // namespace

// Keys that replace a selection reaching far below the visible lines of a shown box.
TEST(SourceEdit, KeysReplaceASelectionBeyondTheVisibleLines)
{
    struct Row {
        const char* name;
        Qt::Key key; // Key_unknown: an input method commits the replacement
        Qt::KeyboardModifiers modifiers;
        QString replacement;
    };
    const Row rows[] = {
        { "delete", Qt::Key_Delete, Qt::NoModifier, QString() },
        { "backspace", Qt::Key_Backspace, Qt::NoModifier, QString() },
        { "letter", Qt::Key_Q, Qt::NoModifier, QStringLiteral("q") },
        { "cut", Qt::Key_X, Qt::ControlModifier, QString() },
        { "input method", Qt::Key_unknown, Qt::NoModifier, QStringLiteral("日本") },
    };
    SourceEdit edit;
    edit.resize(400, 300);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    const QString page = longPage(200);
    for (const Row& row : rows) {
        // From the end of the first line, and from the start of the second (so that the
        // removal takes whole lines and their breaks).
        for (const bool fromLineStart : { false, true }) {
            SCOPED_TRACE(std::string(row.name) + (fromLineStart ? " from a line start" : " from a line end"));
            edit.setSourceText(page);
            QTest::keyClick(&edit, fromLineStart ? Qt::Key_Down : Qt::Key_End);
            for (int i = 0; i < 60; ++i)
                QTest::keyClick(&edit, Qt::Key_Down, Qt::ShiftModifier);
            const qsizetype from = fromLineStart ? lineStart(page, 1) : page.indexOf(u'\r');
            // Down keeps the column: the first line is the shortest.
            const qsizetype to = fromLineStart ? lineStart(page, 61) : lineStart(page, 60) + from;
            ASSERT_EQ(edit.selectionStartOffset(), from);
            ASSERT_EQ(edit.selectionLengthOffset(), to - from);
            if (row.key == Qt::Key_unknown) {
                QInputMethodEvent commit;
                commit.setCommitString(row.replacement);
                QApplication::sendEvent(&edit, &commit);
            } else {
                QTest::keyClick(&edit, row.key, row.modifiers);
            }
            const QString edited = page.left(from) + row.replacement + page.mid(to);
            EXPECT_EQ(visible(edit.sourceText()), visible(edited));
            if (row.modifiers & Qt::ControlModifier) {
                EXPECT_EQ(visible(QApplication::clipboard()->text()), visible(page.mid(from, to - from)));
            }
            edit.undo();
            EXPECT_EQ(visible(edit.sourceText()), visible(page));
            edit.redo();
            EXPECT_EQ(visible(edit.sourceText()), visible(edited));
        }
    }
}
