#pragma once

#include "host/MessageBox.h"

#include <QString>
#include <QStringList>

namespace quorlex {

class HtmlFind;

// The two editable combo boxes of the find window: the text to find (Text1) and the
// replacement (Combo1). Each one's list is its history.
enum class FindBox { Text1, Combo1 };

// The option pair Option1: where the next search starts.
enum class SearchFrom {
    Top, // index 0, "先頭から"
    CurrentPosition, // index 1, "現在の位置から"
};

// The find window HtmlFind as its logic sees it: modeless, above every other window, created
// on demand and discarded (histories and all) when the user closes it.
class FindWindow {
public:
    virtual ~FindWindow() = default;

    virtual bool isLoaded() const = 0;
    // Creates the window with empty histories and "現在の位置から" selected; its buttons run
    // find's handlers. Does not show it.
    virtual void load(HtmlFind& find) = 0;
    // Shows the loaded window and brings it to the front.
    virtual void show() = 0;
    virtual void unload() = 0;

    virtual QString text(FindBox box) const = 0;
    virtual void setText(FindBox box, const QString& text) = 0;
    virtual QStringList history(FindBox box) const = 0;
    // Appends entry to the box's list; the box's own text stays as it is.
    virtual void addToHistory(FindBox box, const QString& entry) = 0;
    virtual SearchFrom searchFrom() const = 0;
    virtual void setSearchFrom(SearchFrom from) = 0;

    // A message box in front of the find window (in front of the main window when the find
    // window is not loaded).
    virtual MsgAnswer message(const QString& text, MsgStyle style, const QString& title) = 0;
    // Brings the main window to the front.
    virtual void activateEditor() = 0;
};

} // namespace quorlex
