#pragma once

#include <functional>

namespace quorlex {

// The colours of the palette's option buttons, Option1 to Option5 in order.
enum class PaletteColour { Red, Blue, Yellow, Green, None };

// The colour palette window HtmlSelectColor as the palette's logic sees it: a topmost tool
// window with one row of colour options and the "変更" button.
class SelectColorWindow {
public:
    virtual ~SelectColorWindow() = default;

    // Shows the window without taking the focus from the main window, creating it first (with
    // Option5 selected) when there is none.
    virtual void show() = 0;
    // Hides the window, keeping its choice; nothing when there is none.
    virtual void hide() = 0;
    // The window's handlers: "変更" clicked with the chosen colour, and the window closed by its
    // frame (it is gone then; the next show creates a new one).
    virtual void setHandlers(std::function<void(PaletteColour)> apply, std::function<void()> closed) = 0;
};

} // namespace quorlex
