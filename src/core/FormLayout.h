#pragma once

#include <QRect>
#include <QSize>

#include <optional>

namespace quorlex {

// What the main window's layout depends on: its client area (below the menu bar) and the bars.
struct FormMetrics {
    QSize client;
    bool fileBarVisible = false;
    int fileBarHeight = 0;
    bool tagBarVisible = false;
    int tagBarWidth = 0;
    int statusBarHeight = 0;
};

// Where the resize handler puts things: the tab strip below the file bar and right of the tag
// bar, filling the client area down to the status bar. A window smaller than its bars leaves
// the tab strip a negative size; that step is then skipped (no tab strip rectangle) while the
// others still apply.
struct FormLayout {
    int top = 0;
    int left = 0;
    bool redrawTagBar = false;
    std::optional<QRect> tabStrip;
};

// The arithmetic of the main window's resize handler, in client coordinates.
FormLayout formLayout(const FormMetrics& metrics);

} // namespace quorlex
