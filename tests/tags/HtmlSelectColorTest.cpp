#include "tags/HtmlSelectColor.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct HtmlSelectColorTest : ::testing::Test {
    void TearDown() override
    {
        if (window.window())
            window.window()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    QtSelectColorWindow window { nullptr };
};

} // namespace

TEST_F(HtmlSelectColorTest, FixedTopmostRowOfOptionsStartingAtBlack)
{
    window.show();
    HtmlSelectColor* w = window.window();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("色の指定"));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->colour(), PaletteColour::None);
    // One row, left to right, every caption whole, the button at the right.
    int right = 0;
    for (const PaletteColour c : { PaletteColour::Red, PaletteColour::Blue, PaletteColour::Yellow,
             PaletteColour::Green, PaletteColour::None }) {
        QRadioButton* option = w->option(c);
        EXPECT_GE(option->x(), right);
        EXPECT_GE(option->width(), option->sizeHint().width());
        right = option->geometry().right();
    }
    EXPECT_GT(w->applyButton()->x(), right);
    EXPECT_EQ(w->applyButton()->text(), QStringLiteral("変更"));
}
