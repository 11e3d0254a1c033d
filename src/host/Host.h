#pragma once

#include "host/EditBox.h"
#include "host/FileDialogRequest.h"
#include "host/MessageBox.h"

#include <QString>

namespace quorlex {

// Everything the program's logic needs of the windowing platform. The Qt widgets
// implement it for the real program; tests implement it with a scripted host.
class Host {
public:
    virtual ~Host() = default;

    virtual EditBox& editBox() = 0;

    // Modal input box; returns the typed text, or empty text when cancelled.
    virtual QString inputBox(
        const QString& prompt, const QString& title, const QString& defaultText = QString())
        = 0;
    // Modal message box; returns the button that closed it. An empty title shows the product
    // title. A CR inside the text breaks the line.
    virtual MsgAnswer messageBox(const QString& text, MsgStyle style, const QString& title = QString()) = 0;

    // Asks the main window to close; its close request decides whether it does.
    virtual void closeMainWindow() = 0;

    virtual QString windowCaption() const = 0;
    virtual void setWindowCaption(const QString& caption) = 0;

    // Menu items by control name ("E_Undo"); elements of a control array are named
    // array + "_" + index ("T_C_Item_1").
    virtual void setMenuEnabled(const QString& name, bool enabled) = 0;
    virtual bool isMenuChecked(const QString& name) const = 0;
    virtual void setMenuChecked(const QString& name, bool checked) = 0;
    virtual QString menuCaption(const QString& name) const = 0;
    virtual void setMenuCaption(const QString& name, const QString& caption) = 0;
    // Loads element index of a menu control array as a copy of element 0.
    virtual void loadMenuItem(const QString& array, int index) = 0;

    // Toolbars by control name ("Toolbar1"): shown or hidden, and drawn flat (buttons
    // without raised edges until the pointer is over them).
    virtual void setToolbarVisible(const QString& name, bool visible) = 0;
    virtual void makeToolbarFlat(const QString& name) = 0;
    // A two-state toolbar button, by its bar and key ("Toolbar1", "color"): pressed in or not.
    virtual bool isToolbarButtonPressed(const QString& bar, const QString& key) const = 0;
    virtual void setToolbarButtonPressed(const QString& bar, const QString& key, bool pressed) = 0;

    virtual FileDialogResult showFileDialog(const FileDialogRequest& request) = 0;
    // Modal folder browser showing prompt, opened at initialDirectory (none when empty);
    // returns the chosen folder, or empty text when cancelled.
    virtual QString showFolderDialog(const QString& prompt, const QString& initialDirectory) = 0;
    virtual QString currentDirectory() const = 0;
};

} // namespace quorlex
