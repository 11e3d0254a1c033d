#pragma once

#include "host/Host.h"
#include "host/SourceEditBox.h"

#include <QHash>
#include <QPointer>

#include <functional>

class QAction;
class QWidget;

namespace quorlex {

class SourceEdit;

// The host operations on Qt widgets: the main window, its menus and its editing box.
class QtHost : public Host {
public:
    QtHost(QWidget& window, SourceEdit& edit);

    // The command run by the elements of a menu control array, given the element's index.
    void setMenuArrayHandler(const QString& array, std::function<void(int)> handler);

    EditBox& editBox() override { return m_box; }
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    MsgAnswer messageBox(const QString& text, MsgStyle style, const QString& title) override;
    void closeMainWindow() override;
    QString windowCaption() const override;
    void setWindowCaption(const QString& caption) override;
    void setMenuEnabled(const QString& name, bool enabled) override;
    bool isMenuChecked(const QString& name) const override;
    void setMenuChecked(const QString& name, bool checked) override;
    QString menuCaption(const QString& name) const override;
    void setMenuCaption(const QString& name, const QString& caption) override;
    void loadMenuItem(const QString& array, int index) override;
    void setToolbarVisible(const QString& name, bool visible) override;
    void makeToolbarFlat(const QString& name) override;
    bool isToolbarButtonPressed(const QString& bar, const QString& key) const override;
    void setToolbarButtonPressed(const QString& bar, const QString& key, bool pressed) override;
    FileDialogResult showFileDialog(const FileDialogRequest& request) override;
    QString showFolderDialog(const QString& prompt, const QString& initialDirectory) override;
    QString currentDirectory() const override;

private:
    QAction* action(const QString& name) const;
    // As action(), and a name that names nothing is reported.
    QAction* namedAction(const QString& name) const;
    QAction* toolbarButton(const QString& bar, const QString& key) const;

    QWidget& m_window;
    SourceEditBox m_box;
    QHash<QString, std::function<void(int)>> m_arrayHandlers;
    mutable QHash<QString, QPointer<QAction>> m_actions;
};

// A modal message box in front of owner, as the host shows its own; the program's other windows
// show theirs through it too, so that a message never opens behind the window that asked.
MsgAnswer showMessageBox(QWidget& owner, const QString& text, MsgStyle style, const QString& title);

// Texts shown in Qt widgets: a CR alone breaks the line as a CR LF or LF does.
QString displayText(const QString& text);

} // namespace quorlex
