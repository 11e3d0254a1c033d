#include "core/Toolbars.h"
#include "core/Commands.h"
#include "support/QtPrinters.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace quorlex;
using namespace Qt::Literals::StringLiterals;

TEST(Toolbars, EveryKeyRunsItsCommandAndNoOtherKeyRunsAny)
{
    const QStringList names = { u"F_New"_s, u"F_Open"_s, u"F_Save"_s, u"F_PrintHTML"_s, u"Toolbar1_find"_s,
        u"Toolbar1_color"_s, u"I_S_Hx"_s, u"I_img"_s, u"I_Table"_s, u"I_Frame"_s, u"I_video"_s, u"I_midi"_s,
        u"I_L_Insert"_s };
    QStringList ran;
    Commands commands;
    for (const QString& name : names)
        commands.addCommand(name, [&ran, name] { ran.append(name); });

    struct Row {
        bool fileBar;
        const char16_t* key;
        const char16_t* command; // empty: the click does nothing
    };
    const Row rows[] = {
        { true, u"new", u"F_New" },
        { true, u"open", u"F_Open" },
        { true, u"save", u"F_Save" },
        { true, u"print", u"F_PrintHTML" },
        { true, u"find", u"Toolbar1_find" },
        { true, u"color", u"Toolbar1_color" },
        { false, u"HSize", u"I_S_Hx" },
        { false, u"Picture", u"I_img" },
        { false, u"Table", u"I_Table" },
        { false, u"Frame", u"I_Frame" },
        { false, u"Avi", u"I_video" },
        { false, u"Music", u"I_midi" },
        { false, u"Link", u"I_L_Insert" },
        // Keys are compared exactly, and each bar knows only its own.
        { true, u"New", u"" },
        { true, u"HSize", u"" },
        { false, u"hsize", u"" },
        { false, u"new", u"" },
        { false, u"", u"" },
    };
    for (const Row& row : rows) {
        const QString key = QString::fromUtf16(row.key);
        SCOPED_TRACE(key.toStdString());
        ran.clear();
        const bool clicked
            = runToolbarButton(commands, row.fileBar ? fileBarButtons() : tagBarButtons(), key);
        const QString expected = QString::fromUtf16(row.command);
        EXPECT_EQ(clicked, !expected.isEmpty());
        EXPECT_EQ(ran, expected.isEmpty() ? QStringList() : QStringList { expected });
    }
}
