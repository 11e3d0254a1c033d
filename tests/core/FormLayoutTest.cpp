#include "core/FormLayout.h"

#include <gtest/gtest.h>

using namespace quorlex;

TEST(FormLayout, PlacesTheTabStripBetweenTheBars)
{
    struct Row {
        const char* name;
        QSize client;
        bool fileBar;
        bool tagBar;
        int top;
        int left;
        std::optional<QRect> tabStrip;
    };
    // Bars as the window has them: file bar 28 high, tag bar 25 wide, status bar 17 high.
    const Row rows[] = {
        { "both-bars", { 492, 347 }, true, true, 28, 25, QRect(25, 28, 467, 302) },
        { "file-bar-only", { 492, 347 }, true, false, 28, 0, QRect(0, 28, 492, 302) },
        { "tag-bar-only", { 492, 347 }, false, true, 0, 25, QRect(25, 0, 467, 330) },
        { "no-bars", { 492, 347 }, false, false, 0, 0, QRect(0, 0, 492, 330) },
        { "exactly-the-bars", { 25, 45 }, true, true, 28, 25, QRect(25, 28, 0, 0) },
        { "narrower-than-tag-bar", { 20, 347 }, true, true, 28, 25, std::nullopt },
        { "lower-than-bars", { 492, 30 }, true, true, 28, 25, std::nullopt },
        { "lower-than-status-bar", { 492, 10 }, false, false, 0, 0, std::nullopt },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FormLayout layout = formLayout({ row.client, row.fileBar, 28, row.tagBar, 25, 17 });
        EXPECT_EQ(layout.top, row.top);
        EXPECT_EQ(layout.left, row.left);
        EXPECT_EQ(layout.redrawTagBar, row.tagBar);
        EXPECT_EQ(layout.tabStrip, row.tabStrip);
    }
}
