#include "host/SourceEdit.h"
#include "host/SourceEditBox.h"
#include "support/QtPrinters.h"

#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

// Lines with every kind of break, longer and taller than the box.
QString page(const QString& word)
{
    const QString breaks[] = { QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r") };
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("%1 %2 with a line longer than the box is wide, %1").arg(word).arg(i)
            + breaks[i % 3];
    return text;
}

} // namespace

TEST(SourceEdit, WholeTextReplacementIsOneUndoStepAndKeepsTheView)
{
    SourceEdit edit;
    edit.resize(300, 200);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    SourceEditBox box(edit);
    const QString before = page(QStringLiteral("cell"));
    box.setText(before);
    edit.verticalScrollBar()->setValue(120);

    QString after = page(QStringLiteral("row"));
    after.replace(QStringLiteral("row 7 "), QStringLiteral("row\r\n7\n"));
    box.replaceWholeText(after);
    EXPECT_EQ(box.text(), after);
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 0);
    EXPECT_EQ(edit.verticalScrollBar()->value(), 120);
    // A caret put on a line in view moves nothing.
    box.setSelStart(after.indexOf(QStringLiteral("row 125 ")));
    EXPECT_EQ(edit.verticalScrollBar()->value(), 120);

    ASSERT_TRUE(box.canUndo());
    box.undo();
    EXPECT_EQ(box.text(), before);
    EXPECT_FALSE(box.canUndo());
    edit.redo();
    EXPECT_EQ(box.text(), after);
}

// Any text replaces any other with its line ends as given, and undo and redo swap them whole.
TEST(SourceEdit, WholeTextReplacementKeepsEveryLineEnd)
{
    SourceEdit edit;
    SourceEditBox box(edit);
    QRandomGenerator rng(11);
    const QString alphabet = QStringLiteral("ab\r\n\r\nあ\r");
    auto random = [&] {
        QString s;
        for (int i = rng.bounded(25); i > 0; --i)
            s.append(alphabet[rng.bounded(int(alphabet.size()))]);
        return s;
    };
    for (int round = 0; round < 200; ++round) {
        const QString before = random();
        const QString after = random();
        box.setText(before);
        box.replaceWholeText(after);
        ASSERT_EQ(box.text(), after);
        ASSERT_EQ(box.length(), after.size());
        box.undo();
        ASSERT_EQ(box.text(), before);
        edit.redo();
        ASSERT_EQ(box.text(), after);
    }
}
