#include "wizards/FrameWizard.h"
#include "core/Editor.h"
#include "support/QtPrinters.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

using namespace quorlex;
using test::ScriptedHost;

namespace {

// The dialog's controls as plain values; showModal loads it and runs the test's script.
struct ScriptedFrameWindow : FrameWizardWindow {
    std::array<QString, 3> boxes;
    QStringList items;
    int selected = 0;
    bool open = false;
    QStringList messages;
    std::function<void(NewFrame&)> user;

    void showModal(NewFrame& wizard) override
    {
        boxes = { QStringLiteral("0"), QString(), QString() };
        items = { QStringLiteral("1") };
        selected = 0;
        open = true;
        wizard.Form_Load();
        if (user)
            user(wizard);
    }
    void unload() override { open = false; }
    QString text(FrameBox box) const override { return boxes[std::size_t(box)]; }
    void setText(FrameBox box, const QString& text) override { boxes[std::size_t(box)] = text; }
    void addFrameItem(int number) override { items.append(QString::number(number)); }
    void selectFrameItem(int number) override { selected = number; }
    int selectedFrameItem() const override { return selected; }
    void message(const QString& text, MsgStyle style) override
    {
        EXPECT_EQ(style, (MsgStyle { MsgButtons::Ok, MsgIcon::Exclamation, false }));
        messages.append(text);
    }

    // The user types one frame's entries.
    void type(const QString& ratio, const QString& name = QString(), const QString& address = QString())
    {
        boxes = { ratio, name, address };
    }
    // The user picks frame number in the list.
    void pick(NewFrame& wizard, int number)
    {
        selected = number;
        wizard.Combo1_Click();
    }
};

struct FrameWizardTest : ::testing::Test {
    ScriptedHost host;
    Editor editor { host };
    ScriptedFrameWindow window;
    NewFrame wizard { editor, window };

    // Opens the wizard, types one ratio per frame (adding frames between them) and inserts.
    QString insertFrames(const QStringList& ratios)
    {
        host.stringBox().setText(QString());
        window.user = [this, ratios](NewFrame& w) {
            for (qsizetype i = 0; i < ratios.size(); ++i) {
                if (i > 0)
                    w.Command4_Click();
                window.type(
                    ratios[i], QStringLiteral("f%1").arg(i + 1), QStringLiteral("f%1.html").arg(i + 1));
            }
            w.Command1_Click();
        };
        wizard.I_Frame_Click();
        EXPECT_FALSE(window.open);
        return host.stringBox().text();
    }
};

QString frameLine(int n)
{
    return QStringLiteral("    <FRAME SRC=\"f%1.html\" NAME=f%1>\r\n").arg(n);
}

} // namespace

TEST_F(FrameWizardTest, InsertsTheFramesUpToTheFirstWithoutARatio)
{
    editor.settings().UpperCaseTags = true;
    struct Row {
        const char* name;
        QStringList ratios;
        QString cols;
        int frames;
    };
    const Row rows[] = {
        { "two", { "30", "70" }, "30%,70%", 2 },
        { "at-once", { "0" }, "", 0 },
        { "zero-ends-the-list", { "40", "0", "60" }, "40%", 1 },
        { "over-100-stored-as-100", { "150" }, "100%", 1 },
        { "below-0-stored-as-0", { "20", "-5", "30" }, "20%", 1 },
        { "not-a-number-as-a-whole", { "3a", "50" }, "", 0 },
        { "kept-as-typed", { "030", " 5" }, "030%, 5%", 2 },
        { "ten", { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10" }, "1%,2%,3%,4%,5%,6%,7%,8%,9%,10%",
            10 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QString expected = QStringLiteral("<FRAMESET COLS=\"") + row.cols + QStringLiteral("\">\r\n");
        for (int n = 1; n <= row.frames; ++n)
            expected += frameLine(n);
        expected += QStringLiteral("</FRAMESET>\r\n");
        EXPECT_EQ(insertFrames(row.ratios), expected);
    }
    // Lower-case tag mode lower-cases the whole frameset, the user's names and addresses too.
    editor.settings().UpperCaseTags = false;
    host.stringBox().setText(QString());
    window.user = [this](NewFrame& w) {
        window.type(QStringLiteral("30"), QStringLiteral("Menu"), QStringLiteral("Menu.html"));
        w.Command1_Click();
    };
    wizard.I_Frame_Click();
    EXPECT_EQ(host.stringBox().text(),
        QStringLiteral(
            "<frameset cols=\"30%\">\r\n    <frame src=\"menu.html\" name=menu>\r\n</frameset>\r\n"));
}

TEST_F(FrameWizardTest, SwitchingStoresTheShownFrameAndShowsTheOther)
{
    window.user = [this](NewFrame& w) {
        EXPECT_EQ(w.CurrentFrame(), 1);
        window.type(QStringLiteral("030"), QStringLiteral("menu"), QStringLiteral("menu.html"));
        w.Command4_Click();
        EXPECT_EQ(window.boxes, (std::array<QString, 3> { "0", "", "" }));
        window.type(QStringLiteral("3a"), QStringLiteral("main"));
        window.pick(w, 1);
        EXPECT_EQ(window.boxes, (std::array<QString, 3> { "30", "menu", "menu.html" }));
        window.pick(w, 2);
        EXPECT_EQ(window.boxes, (std::array<QString, 3> { "3", "main", "" }));
        window.type(QStringLiteral("999"));
        window.pick(w, 1);
        window.pick(w, 2);
        EXPECT_EQ(window.boxes[0], QStringLiteral("100"));
        for (int i = 0; i < 9; ++i)
            w.Command4_Click();
        EXPECT_EQ(w.FrameCount(), 10);
        EXPECT_EQ(w.CurrentFrame(), 10);
        w.Command2_Click();
    };
    wizard.I_Frame_Click();
    EXPECT_EQ(window.items, (QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10" }));
    EXPECT_EQ(window.messages, QStringList { QStringLiteral("フレームは、10個まで設定できます。") });
    EXPECT_FALSE(window.open);
    EXPECT_EQ(host.stringBox().text(), QString());

    // Every opening starts afresh.
    window.user = [this](NewFrame& w) {
        EXPECT_EQ(w.FrameCount(), 1);
        window.pick(w, 2); // no such frame any more: shows it empty
        EXPECT_EQ(window.boxes, (std::array<QString, 3> { "0", "", "" }));
        w.Command2_Click();
    };
    wizard.I_Frame_Click();
}
