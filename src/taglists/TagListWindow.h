#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace quorlex {

// The tag list window HtmlTagList as its commands see it: a topmost tool window with a caption
// and a list of lines.
class TagListWindow {
public:
    virtual ~TagListWindow() = default;

    // Shows the window with this caption and these lines in place of the old ones, creating it
    // first (raised above the other windows, without taking the focus) when there is none.
    virtual void showList(const QString& caption, const QStringList& lines) = 0;
    // The handler of a double-click on the list: the selected line's index (-1 when none is
    // selected) and its text.
    virtual void setDoubleClickHandler(std::function<void(int index, const QString& text)> handler) = 0;
};

} // namespace quorlex
