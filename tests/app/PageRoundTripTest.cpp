#include "app/EditorForm.h"
#include "app/EditorFormLogic.h"
#include "core/Editor.h"
#include "files/DecodedParts.h"
#include "files/ShiftJisCodec.h"
#include "host/QtHost.h"
#include "host/SourceEdit.h"
#include "support/ModalHelper.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QFile>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorlex;

using test::readBytes;
using test::writeBytes;

// Any bytes, decoded into the real editing box and read back, give the same text, so
// saving writes the same bytes (line ends of every kind included).
TEST(PageRoundTrip, ArbitraryBytesSurviveTheRealEditingBox)
{
    test::TestHome home;
    EditorForm form;
    SourceEdit& box = form.editBox();
    QRandomGenerator rng(2024);
    const QByteArray pieces[] = { "\r\n", "\n", "\r", "\r\r\n", "<BR>", "\x82\xa0", "\x93\xfa\x96\x7b",
        "\x81", "\xff", "\xa0", "a", " ", "\x87\x40", "\xed\x40", "\x00" };
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes;
        const int n = rng.bounded(60);
        for (int i = 0; i < n; ++i)
            bytes += pieces[rng.bounded(int(std::size(pieces)))];
        const QString text = ShiftJis::decode(bytes);
        box.setSourceText(text);
        ASSERT_EQ(box.sourceText(), text) << "round " << round;
        ASSERT_EQ(ShiftJis::encode(box.sourceText()), ShiftJis::encode(text));
    }
}

TEST(PageRoundTrip, APageOpenedAndSavedIsTheSameFile)
{
    test::TestHome home;
    const QString path = home.file(QStringLiteral("mixed.html"));
    const QByteArray bytes
        = QByteArray("<HTML>\r\n\x93\xfa\x96\x7b\x8c\xea\n<P>\r</P>\r\n\xff\x81") + QByteArray("\r\n\r\n", 4);
    writeBytes(path, bytes);
    EditorForm form(path);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("mixed.html - クォーレクス"));
    ASSERT_TRUE(form.runCommand(QStringLiteral("F_Save")));
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_FALSE(form.editor().document().Modified());

    // Typing at the end and saving adds exactly what was typed.
    QTextCursor c = form.editBox().textCursor();
    c.movePosition(QTextCursor::End);
    form.editBox().setTextCursor(c);
    form.editBox().replaceSelection(QStringLiteral("end"));
    ASSERT_TRUE(form.runCommand(QStringLiteral("F_Save")));
    EXPECT_EQ(readBytes(path), bytes + "end");
}

// As a user would: type a page, save it under a new name through the real dialog, start
// again with that page, and find exactly what was typed.
TEST(PageRoundTrip, ATypedPageSavedAndOpenedAgainComesBackIdentical)
{
    test::TestHome home;
    const QString path = home.file(QStringLiteral("typed.html"));
    QString typed;
    {
        EditorForm form;
        form.show();
        SourceEdit& box = form.editBox();
        box.setFocus();
        QTest::keyClicks(&box, QStringLiteral("<P>abc"));
        QTest::keyClick(&box, Qt::Key_Return);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("日本語のページ"));
        QApplication::sendEvent(&box, &commit);
        typed = box.sourceText();
        ASSERT_EQ(typed, QStringLiteral("<P>abc<BR>\r\n日本語のページ"));

        test::chooseInFileDialog(path, [](QFileDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ホームページの保存"));
        });
        ASSERT_TRUE(form.runCommand(QStringLiteral("F_Save")));
        EXPECT_EQ(form.windowTitle(), QStringLiteral("typed.html - クォーレクス"));
        EXPECT_FALSE(form.editor().document().Modified());
        form.close();
    }
    EXPECT_EQ(readBytes(path), ShiftJis::encode(typed));
    EXPECT_EQ(readBytes(path),
        QByteArray("<P>abc<BR>\r\n\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x79\x81\x5b\x83\x57"));
    EditorForm again(path);
    EXPECT_EQ(again.editBox().sourceText(), typed);
    EXPECT_FALSE(again.editor().document().Modified());
}

// A page large enough to come in parts: the window is up with the page's caption while the
// status bar tells how far the page is in; then the page is whole, unmodified, and the load
// cannot be undone.
TEST(PageRoundTrip, ALargePageFillsTheBoxWhileTheWindowIsUp)
{
    test::TestHome home;
    const QString path = home.file(QStringLiteral("large.html"));
    QByteArray bytes;
    for (int i = 0; bytes.size() < 4 * DecodedParts::PartBytes; ++i)
        bytes += "<P>\x93\xfa\x96\x7b " + QByteArray::number(i) + "</P>" + (i % 5 ? "\r\n" : "\n");
    writeBytes(path, bytes);
    EditorForm form(path);
    QStringList messages;
    QObject::connect(form.statusBar(), &QStatusBar::messageChanged, &form,
        [&](const QString& message) { messages.append(message); });
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("large.html - クォーレクス"));
    ASSERT_TRUE(form.editBox().isFilling());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.editBox().isFilling(); }, 30000));
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("ページを読み込んでいます… ")))
        << messages.first().toStdString();
    EXPECT_TRUE(messages.last().isEmpty());
    EXPECT_EQ(form.editBox().sourceText(), ShiftJis::decode(bytes));
    EXPECT_FALSE(form.editor().document().Modified());
    EXPECT_FALSE(form.host().editBox().canUndo());
}
