#include "host/SourceEdit.h"
#include "host/EditBox.h"
#include "host/LineBreakIndex.h"
#include "host/SourceEditBox.h"
#include "support/QtPrinters.h"
#include "support/StringEditBox.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QRandomGenerator>
#include <QScrollBar>
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
    static const QString alphabet = QStringLiteral("ab\r\n\r\nあ\u00a0 \uFDD0\uFDD1");
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
        QStringLiteral("a\uFDD0b\uFDD1c"), // characters the text document keeps for itself
        QStringLiteral("\uFDD1\r\n\uFDD0"),
        QStringLiteral("\uFDD0\uFDD0\nx\uFFFC\uFDD1"),
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

namespace {

// A run of markup without breaks, of about length characters.
QString markupRun(QRandomGenerator& rng, int length)
{
    static const QString alphabet = QStringLiteral("<a>b c あ\u00a0\uFDD0");
    QString run;
    for (int n = 0; n < length; ++n)
        run += alphabet[rng.bounded(int(alphabet.size()))];
    return run;
}

// A page longer than the box: lines of letters, kana and spaces, ended mostly by CR LF
// and sometimes by LF, and now and then a line long enough to be shown in pieces. Lone
// CRs are left out here: once the line between a CR and an LF is emptied, they read back
// as one CR LF, which a plain string cannot tell apart.
QString randomPage(QRandomGenerator& rng, int lineCount, bool longLines = false)
{
    static const QString alphabet = QStringLiteral("ab あ\u00a0\uFDD0");
    QString page;
    for (int i = 0; i < lineCount; ++i) {
        if (i > 0)
            page += rng.bounded(4) == 0 ? QStringLiteral("\n") : QStringLiteral("\r\n");
        if (longLines && rng.bounded(40) == 0) {
            page += markupRun(rng, int(LongLineLength) - 300 + rng.bounded(3000));
            continue;
        }
        for (int n = rng.bounded(24); n > 0; --n)
            page += alphabet[rng.bounded(int(alphabet.size()))];
    }
    return page;
}

// Display breaks are where the box promises them: none in a line of at most LongLineLength
// characters, and in a longer one pieces of at most DisplayPieceLength, none of them empty.
void expectSettledPieces(const SourceEdit& edit)
{
    const LineBreakIndex& index = edit.lineBreaks();
    QList<int> pieces; // of the current line
    auto checkLine = [&] {
        qsizetype length = 0;
        for (int p : pieces)
            length += p;
        if (pieces.size() > 1) {
            ASSERT_GT(length, LongLineLength) << "a short line in " << pieces.size() << " pieces";
            for (int p : pieces) {
                ASSERT_GT(p, 0) << "an empty piece";
                ASSERT_LE(p, DisplayPieceLength);
            }
        } else if (length > LongLineLength) {
            FAIL() << "a line of " << length << " characters in one piece";
        }
        pieces.clear();
    };
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockNumber() > 0 && index.breakBefore(block) != LineBreak::Display)
            checkLine();
        pieces.append(block.length() - 1);
    }
    checkLine();
}

// The breaks a user brings in (pasting, say) come in as CR LF.
QString asBroughtIn(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar separator : { QChar(u'\r'), QChar(0x2028), QChar(0x2029) })
        text.replace(separator, u'\n');
    return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

// What the keys do to a plain string: its text, the selection from anchor to caret, and
// the texts the edits went through, which undo and redo must bring back exactly.
struct KeyModel {
    test::StringEditBox box;
    qsizetype anchor = 0;
    qsizetype caret = 0;
    QStringList history;
    qsizetype at = 0;

    void load(const QString& text)
    {
        box.setText(text);
        anchor = caret = 0;
        history = { text };
        at = 0;
    }
    QString text() const { return box.text(); }
    qsizetype start() const { return std::min(anchor, caret); }
    qsizetype end() const { return std::max(anchor, caret); }
    bool hasSelection() const { return anchor != caret; }
    qsizetype before(qsizetype offset) const
    {
        return offset - (offset >= 2 && text().mid(offset - 2, 2) == u"\r\n" ? 2 : 1);
    }
    qsizetype after(qsizetype offset) const { return offset + (text().mid(offset, 2) == u"\r\n" ? 2 : 1); }
    void replace(qsizetype from, qsizetype to, const QString& with)
    {
        box.select(from, to - from);
        box.setSelText(with);
        anchor = caret = box.selStart();
        history.resize(at + 1);
        history.append(text());
        ++at;
    }
    void replaceSelection(const QString& with) { replace(start(), end(), with); }
    // After undo (step -1) or redo (step 1): the nearest text the edits went through that
    // way must be the box's.
    bool travel(const QString& now, int step)
    {
        for (qsizetype j = at + step; j >= 0 && j < history.size(); j += step) {
            if (history[j] == now) {
                at = j;
                box.setText(now);
                return true;
            }
        }
        return false;
    }
};

// The box's other editing keys, checked against the model: Tab, Shift+Delete (cut) and
// Shift+Insert (paste) exactly; the word deletions remove one run of text that ends or starts
// at the caret.
void pressOtherEditingKey(SourceEdit& edit, KeyModel& model, int which, std::string& name)
{
    const QString old = model.text();
    const qsizetype caret = model.caret;
    const bool selected = model.hasSelection();
    switch (which) {
    case 0:
        name = "tab";
        QTest::keyClick(&edit, Qt::Key_Tab);
        model.replaceSelection(QStringLiteral("\t"));
        return;
    case 1:
        name = "shift+delete";
        QTest::keyClick(&edit, Qt::Key_Delete, Qt::ShiftModifier);
        if (selected)
            model.replaceSelection(QString());
        return;
    case 2:
        name = "shift+insert";
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
        model.replaceSelection(asBroughtIn(QApplication::clipboard()->text()));
        return;
    default:
        break;
    }
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = { { "ctrl+backspace", Qt::Key_Backspace, Qt::ControlModifier },
        { "ctrl+delete", Qt::Key_Delete, Qt::ControlModifier } };
    const auto& key = keys[which - 3];
    name = key.name;
    QTest::keyClick(&edit, key.key, key.modifiers);
    const QString now = edit.sourceText();
    const qsizetype removed = old.size() - now.size();
    ASSERT_GE(removed, 0);
    if (removed == 0) {
        ASSERT_EQ(now, old);
        return;
    }
    // One run of text went: the selection, or the run before the caret (Ctrl+Backspace) or
    // after it (Ctrl+Delete).
    qsizetype from = -1;
    if (selected) {
        from = model.start();
        ASSERT_EQ(removed, model.end() - model.start());
    } else {
        from = which == 3 ? caret - removed : caret;
    }
    ASSERT_GE(from, 0);
    ASSERT_EQ(now, old.left(from) + old.mid(from + removed)) << key.name << " caret " << caret;
    model.replace(from, from + removed, QString());
}

// A key press that produces text, as a keyboard layout or an input method without
// composition sends it.
void typeText(QWidget* widget, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

qsizetype anchorOffset(const SourceEdit& edit)
{
    return edit.lineBreaks().offsetOf(edit.textCursor().anchor());
}

qsizetype caretOffset(const SourceEdit& edit)
{
    return edit.lineBreaks().offsetOf(edit.textCursor().position());
}

} // namespace

// Keys and program edits on a shown box over long pages must do what they do to a plain
// string, keep every line end, and undo and redo must bring back the texts exactly.
TEST(SourceEdit, SelectionNeverCutsASurrogatePair)
{
    // A search that misses selects as many characters as it sought, which may end inside one.
    SourceEdit edit;
    SourceEditBox box(edit);
    box.setText(QStringLiteral("a顔😀b"));
    box.setSelStart(0);
    box.setSelLength(3);
    EXPECT_EQ(box.selText(), QStringLiteral("a顔😀"));
    box.setSelStart(3);
    EXPECT_EQ(box.selStart(), 2);
    box.setSelLength(1);
    EXPECT_EQ(box.selLength(), 2);
    box.setSelText(QStringLiteral("<"));
    EXPECT_EQ(box.text(), QStringLiteral("a顔<b"));
}

// Searching window by window finds what searching the whole text finds: matches across breaks,
// display pieces and window ends included.
TEST(SourceEdit, SearchFindsWhatTheWholeTextFinds)
{
    SourceEdit edit;
    QRandomGenerator rng(7);
    for (int round = 0; round < 6; ++round) {
        QString page = randomPage(rng, 300, true);
        page.insert(rng.bounded(int(page.size())), u'\r'); // a lone CR somewhere
        edit.setSourceText(page);
        ASSERT_EQ(edit.sourceText(), page);
        for (int i = 0; i < 100; ++i) {
            const qsizetype at = rng.bounded(int(page.size()));
            const QString needle = i % 4 == 0 ? QStringLiteral("\r\nab") : page.mid(at, 1 + rng.bounded(12));
            const qsizetype from = rng.bounded(int(page.size()) + 2);
            const qsizetype window = 1 + rng.bounded(4000);
            SCOPED_TRACE(visible(needle).toStdString() + " from " + std::to_string(from) + " window "
                + std::to_string(window));
            ASSERT_EQ(edit.indexOfText(needle, from, window), page.indexOf(needle, from));
        }
    }
}

// Keys that type a format character or a character outside the Basic Multilingual Plane go
// through the box's own typing like letters: into the text, and into pieces that stay settled.
TEST(SourceEdit, KeysTypeEmojiAndJoinersIntoALongLine)
{
    SourceEdit edit;
    edit.resize(400, 300);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    const QString line = QString(int(LongLineLength) + 500, u'x');
    edit.setSourceText(line);
    QString typed;
    for (int i = 0; i < int(DisplayPieceLength); ++i)
        typed += i % 2 ? QStringLiteral(u"\u200D") : QStringLiteral(u"😀");
    for (qsizetype at = 0; at < typed.size(); at += typed.at(at).isHighSurrogate() ? 2 : 1)
        typeText(&edit, typed.mid(at, typed.at(at).isHighSurrogate() ? 2 : 1));
    EXPECT_EQ(edit.sourceText(), typed + line);
    ASSERT_NO_FATAL_FAILURE(expectSettledPieces(edit));
}

TEST(SourceEdit, BehavesLikeAPlainStringBox)
{
    SourceEdit edit;
    SourceEditBox real(edit);
    edit.resize(400, 300);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    bool markupOnEnter = false; // like the program, which inserts "<BR>" before the break
    edit.setKeyPressHandler([&](int code) {
        if (code == 13 && markupOnEnter)
            real.setSelText(QStringLiteral("<BR>"));
    });
    KeyModel model;
    QRandomGenerator rng(42);
    for (int round = 0; round < 8; ++round) {
        markupOnEnter = round % 2 == 1;
        const bool longLines = round >= 4;
        const QString page = randomPage(rng, 120 + rng.bounded(100), longLines);
        real.setText(page);
        model.load(page);
        QApplication::clipboard()->setText(QStringLiteral("clip\nboard"));
        QApplication::processEvents();
        ASSERT_GT(edit.verticalScrollBar()->maximum(), 0) << "the page must be longer than the box";
        for (int step = 0; step < 200; ++step) {
            SCOPED_TRACE("round " + std::to_string(round) + " step " + std::to_string(step));
            const bool couldUndo = edit.document()->isUndoAvailable();
            const bool couldRedo = edit.document()->isRedoAvailable();
            bool selectionKnown = true;
            const int action = rng.bounded(100);
            std::string name;
            if (action < 10) {
                name = "select";
                const QList<qsizetype> stops = boundaries(model.text());
                const qsizetype a = stops[rng.bounded(int(stops.size()))];
                const qsizetype b = stops[rng.bounded(int(stops.size()))];
                real.setSelStart(std::min(a, b));
                real.setSelLength(std::abs(b - a));
                model.anchor = std::min(a, b);
                model.caret = std::max(a, b);
                ASSERT_EQ(real.selText(), model.text().mid(model.start(), model.end() - model.start()));
            } else if (action < 16) {
                name = "program text";
                QString text = randomPage(rng, 1 + rng.bounded(3)).left(rng.bounded(30));
                if (longLines && rng.bounded(3) == 0)
                    text += markupRun(rng, rng.bounded(int(LongLineLength) + 500));
                if (text.endsWith(u'\r'))
                    text.chop(1); // no CR LF cut in half
                real.setSelText(text);
                model.replaceSelection(text);
            } else if (action < 30) {
                const QString typed = QStringList { "a", "b", "あ", " ", "\uFDD1" }[rng.bounded(5)];
                const bool committed = rng.bounded(3) == 0;
                name = (committed ? "commit " : "type ") + typed.toStdString();
                if (committed) {
                    QInputMethodEvent commit;
                    commit.setCommitString(typed);
                    QApplication::sendEvent(&edit, &commit);
                } else {
                    typeText(&edit, typed);
                }
                model.replaceSelection(typed);
            } else if (action < 36) {
                name = "enter";
                QTest::keyClick(&edit, Qt::Key_Return);
                model.replaceSelection(markupOnEnter ? QStringLiteral("<BR>\r\n") : QStringLiteral("\r\n"));
            } else if (action < 46) {
                name = "backspace";
                QTest::keyClick(&edit, Qt::Key_Backspace);
                if (model.hasSelection())
                    model.replaceSelection(QString());
                else if (model.caret > 0)
                    model.replace(model.before(model.caret), model.caret, QString());
            } else if (action < 56) {
                name = "delete";
                QTest::keyClick(&edit, Qt::Key_Delete);
                if (model.hasSelection())
                    model.replaceSelection(QString());
                else if (model.caret < model.text().size())
                    model.replace(model.caret, model.after(model.caret), QString());
            } else if (action < 60) {
                name = "cut";
                const QString selected = model.text().mid(model.start(), model.end() - model.start());
                QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
                if (model.hasSelection()) {
                    model.replaceSelection(QString());
                    ASSERT_EQ(QApplication::clipboard()->text(), selected);
                }
            } else if (action < 66) {
                name = "paste";
                if (rng.bounded(3) == 0)
                    QApplication::clipboard()->setText(QStringLiteral("x\ry\nz\u2028w\u2029v\uFDD0\r\n"));
                else if (longLines && rng.bounded(3) == 0)
                    QApplication::clipboard()->setText(markupRun(rng, int(DisplayPieceLength) * 3));
                const QString clip = QApplication::clipboard()->text();
                QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
                model.replaceSelection(asBroughtIn(clip));
            } else if (action < 74) {
                name = "undo";
                QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
                selectionKnown = false;
                if (couldUndo) {
                    ASSERT_TRUE(model.travel(edit.sourceText(), -1));
                }
            } else if (action < 80) {
                name = "redo";
                if (rng.bounded(2) == 0)
                    QTest::keyClick(&edit, Qt::Key_Y, Qt::ControlModifier);
                else
                    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                selectionKnown = false;
                if (couldRedo) {
                    ASSERT_TRUE(model.travel(edit.sourceText(), 1));
                }
            } else if (action < 86) {
                const bool left = rng.bounded(2) == 0;
                name = left ? "shift+left" : "shift+right";
                QTest::keyClick(&edit, left ? Qt::Key_Left : Qt::Key_Right, Qt::ShiftModifier);
                if (left && model.caret > 0)
                    model.caret = model.before(model.caret);
                else if (!left && model.caret < model.text().size())
                    model.caret = model.after(model.caret);
            } else if (action < 93) {
                const bool page = action >= 90;
                name = page ? "shift+page down" : "shift+down";
                QTest::keyClick(&edit, page ? Qt::Key_PageDown : Qt::Key_Down, Qt::ShiftModifier);
                // Where the caret lands depends on the layout; it goes no higher and the
                // anchor stays.
                EXPECT_EQ(anchorOffset(edit), model.anchor);
                EXPECT_GE(caretOffset(edit), model.caret);
                selectionKnown = false;
            } else if (action < 97) {
                ASSERT_NO_FATAL_FAILURE(pressOtherEditingKey(edit, model, rng.bounded(5), name));
            } else {
                name = "ctrl+shift+end";
                QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
                model.caret = model.text().size();
            }
            QApplication::processEvents();
            // Where nothing could be undone or redone, the model keeps the text it had.
            ASSERT_EQ(visible(edit.sourceText()), visible(model.text())) << name;
            ASSERT_NO_FATAL_FAILURE(expectSettledPieces(edit)) << name;
            ASSERT_EQ(real.length(), model.text().size()) << name;
            if (selectionKnown) {
                ASSERT_EQ(anchorOffset(edit), model.anchor) << name;
                ASSERT_EQ(caretOffset(edit), model.caret) << name;
            } else {
                model.anchor = anchorOffset(edit);
                model.caret = caretOffset(edit);
            }
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
    QInputMethodEvent withFrameMarks; // characters the text document keeps for itself stay characters
    withFrameMarks.setCommitString(QStringLiteral("\uFDD0c\uFDD1"));
    QApplication::sendEvent(&edit, &withFrameMarks);
    EXPECT_EQ(visible(edit.sourceText()), QStringLiteral("日本a<CR><LF>b\uFDD0c\uFDD1"));
}

TEST(SourceEdit, PasteBringsBreaksInAsCrLfAndCopyGivesThemAsStored)
{
    SourceEdit edit;
    int reported = 0;
    edit.setKeyPressHandler([&](int) { ++reported; });
    edit.setSourceText(QStringLiteral("p\nq"));
    QApplication::clipboard()->setText(QStringLiteral("1\n2\u20283\uFDD0"));
    edit.paste();
    EXPECT_EQ(visible(edit.sourceText()), QStringLiteral("1<CR><LF>2<CR><LF>3\uFDD0p<LF>q"));
    EXPECT_EQ(reported, 1);
    edit.selectAll();
    edit.copy();
    EXPECT_EQ(visible(QApplication::clipboard()->text()), QStringLiteral("1<CR><LF>2<CR><LF>3\uFDD0p<LF>q"));
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

namespace {

// A text handed over in the parts given.
class ListedParts : public TextParts {
public:
    explicit ListedParts(QStringList parts)
        : m_parts(std::move(parts))
    {
    }
    QString next() override { return m_taken < m_parts.size() ? m_parts[m_taken++] : QString(); }
    double progress() const override { return m_parts.isEmpty() ? 1.0 : double(m_taken) / m_parts.size(); }

private:
    QStringList m_parts;
    qsizetype m_taken = 0;
};

QStringList cutAnywhere(QRandomGenerator& rng, const QString& text, int maxPart)
{
    QStringList parts;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype n = 1 + rng.bounded(maxPart);
        parts.append(text.mid(at, n));
        at += n;
    }
    return parts;
}

// Each block's text and the kind of break before it.
QStringList blocksOf(const SourceEdit& edit)
{
    QStringList blocks;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        blocks.append(QString::number(int(edit.lineBreaks().breakBefore(block))) + block.text());
    return blocks;
}

} // namespace

// Parts cut anywhere (between CR and LF, inside a long line) give the box what the whole text
// gives it: the same text, the same breaks and the same display pieces.
TEST(SourceEdit, TextInPartsFillsTheBoxAsTheWholeText)
{
    SourceEdit whole;
    SourceEdit inParts;
    QRandomGenerator rng(5);
    for (int round = 0; round < 40; ++round) {
        QString text = randomText(rng, 60);
        for (int i = rng.bounded(3); i > 0; --i)
            text += markupRun(rng, int(LongLineLength) + rng.bounded(2000)) + randomText(rng, 20);
        whole.setSourceText(text);
        inParts.fillSourceText(std::make_unique<ListedParts>(cutAnywhere(rng, text, 1 + rng.bounded(700))));
        inParts.finishFilling();
        ASSERT_FALSE(inParts.isFilling());
        ASSERT_EQ(visible(inParts.sourceText()), visible(whole.sourceText())) << "round " << round;
        ASSERT_EQ(blocksOf(inParts), blocksOf(whole)) << "round " << round;
        ASSERT_NO_FATAL_FAILURE(expectSettledPieces(inParts));
    }
}

// While the parts come in, the box answers as if it held the whole page, and a key waits for
// the rest: it lands where the caret stands in the whole page, and undo takes back only it.
TEST(SourceEdit, AFillingBoxAnswersWithTheWholePage)
{
    SourceEdit edit;
    SourceEditBox box(edit);
    edit.resize(400, 300);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QRandomGenerator rng(9);
    const QString page = randomPage(rng, 3000, true);
    QList<int> progress;
    int filled = 0;
    QObject::connect(&edit, &SourceEdit::fillProgress, &edit, [&](int percent) { progress.append(percent); });
    QObject::connect(&edit, &SourceEdit::filled, &edit, [&] { ++filled; });

    edit.fillSourceText(std::make_unique<ListedParts>(cutAnywhere(rng, page, 2000)));
    ASSERT_TRUE(edit.isFilling());
    EXPECT_EQ(box.text(), page);
    EXPECT_FALSE(edit.isFilling());
    EXPECT_EQ(filled, 1);

    edit.fillSourceText(std::make_unique<ListedParts>(cutAnywhere(rng, page, 2000)));
    ASSERT_TRUE(edit.isFilling());
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(box.text(), u'x' + page);
    box.undo();
    EXPECT_EQ(box.text(), page);
    EXPECT_FALSE(box.canUndo());
    EXPECT_EQ(filled, 2);

    // Left alone, the box takes the parts while the event loop runs and tells how far it got.
    edit.fillSourceText(std::make_unique<ListedParts>(cutAnywhere(rng, page, 2000)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !edit.isFilling(); }, 20000));
    EXPECT_EQ(filled, 3);
    EXPECT_FALSE(progress.isEmpty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(box.text(), page);
    EXPECT_EQ(box.selStart(), 0);
}
