#include "app/EditorForm.h"
#include "app/EditorFormLogic.h"
#include "core/Editor.h"
#include "files/ShiftJisCodec.h"
#include "host/SourceEdit.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QFile>
#include <QRandomGenerator>

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
    const QByteArray pieces[] = {"\r\n", "\n", "\r", "\r\r\n", "<BR>", "\x82\xa0", "\x93\xfa\x96\x7b",
                                 "\x81", "\xff", "\xa0", "a", " ", "\x87\x40", "\xed\x40", "\x00"};
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
    const QByteArray bytes = QByteArray("<HTML>\r\n\x93\xfa\x96\x7b\x8c\xea\n<P>\r</P>\r\n\xff\x81") + QByteArray("\r\n\r\n", 4);
    writeBytes(path, bytes);
    EditorForm form(path);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("mixed.html - クォーレクス"));
    ASSERT_TRUE(form.runCommand(QStringLiteral("F_Save")));
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_FALSE(form.editor().document().Modified);

    // Typing at the end and saving adds exactly what was typed.
    QTextCursor c = form.editBox().textCursor();
    c.movePosition(QTextCursor::End);
    form.editBox().setTextCursor(c);
    form.editBox().replaceSelection(QStringLiteral("end"));
    ASSERT_TRUE(form.runCommand(QStringLiteral("F_Save")));
    EXPECT_EQ(readBytes(path), bytes + "end");
}
