#pragma once

#include "EditBox.h"
#include "FileDialogRequest.h"

#include <QString>

namespace quorlex {

// Message box styles and results, as the commands name them.
namespace Mb {
inline constexpr int Ok = 0;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int SystemModal = 4096;

inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;
inline constexpr int IdYes = 6;
inline constexpr int IdNo = 7;
} // namespace Mb

// Everything the program's logic needs of the windowing platform. The Qt widgets
// implement it for the real program; tests implement it with a scripted host.
class Host {
public:
    virtual ~Host() = default;

    virtual EditBox& editBox() = 0;

    // Modal input box; returns the typed text, or empty text when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText = QString()) = 0;
    // Modal message box; style = buttons + icon (+ 4096), result 1 OK, 2 Cancel, 6 Yes, 7 No.
    // An empty title shows the product title. A CR inside the text breaks the line.
    virtual int messageBox(const QString& text, int style, const QString& title = QString()) = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;

    // Asks the main window to close; its close request decides whether it does.
    virtual void closeMainWindow() = 0;

    virtual QString windowCaption() const = 0;
    virtual void setWindowCaption(const QString& caption) = 0;

    // Menu items by control name ("E_Undo"); elements of a control array are named
    // array + "_" + index ("T_C_Item_1").
    virtual bool isMenuEnabled(const QString& name) const = 0;
    virtual void setMenuEnabled(const QString& name, bool enabled) = 0;
    virtual bool isMenuChecked(const QString& name) const = 0;
    virtual void setMenuChecked(const QString& name, bool checked) = 0;
    virtual QString menuCaption(const QString& name) const = 0;
    virtual void setMenuCaption(const QString& name, const QString& caption) = 0;
    // Loads element index of a menu control array as a copy of element 0.
    virtual void loadMenuItem(const QString& array, int index) = 0;
    virtual int menuItemCount(const QString& array) const = 0;

    // Toolbars by control name ("Toolbar1"): shown or hidden, and drawn flat (buttons
    // without raised edges until the pointer is over them).
    virtual bool isToolbarVisible(const QString& name) const = 0;
    virtual void setToolbarVisible(const QString& name, bool visible) = 0;
    virtual void makeToolbarFlat(const QString& name) = 0;

    virtual FileDialogResult showFileDialog(const FileDialogRequest& request) = 0;
    // Modal folder browser showing prompt, opened at initialDirectory (none when empty);
    // returns the chosen folder, or empty text when cancelled.
    virtual QString showFolderDialog(const QString& prompt, const QString& initialDirectory) = 0;
    virtual QString currentDirectory() const = 0;
};

} // namespace quorlex
