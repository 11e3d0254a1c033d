#pragma once

#include "core/Toolbars.h"

#include <QMainWindow>

#include <memory>
#include <span>

class QAction;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolBar;

namespace quorlex {

class EditCommands;
class Editor;
class EditorFormLogic;
class HtmlFind;
class NewFrame;
class NewTable;
class QtClipboard;
class QtFindWindow;
class QtFrameWizardWindow;
class QtHost;
class QtTableWizardWindow;
class SourceEdit;

// The main window: the menus, the two toolbars and the editing box, bound to the
// program's logic. It holds no rules of its own.
class EditorForm : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorForm(const QString& commandLine = QString(), QWidget* parent = nullptr);
    ~EditorForm() override;

    Editor& editor();
    EditorFormLogic& logic() { return *m_logic; }
    SourceEdit& editBox() { return *m_edit; }
    QtHost& host() { return *m_host; }
    QToolBar* fileBar() const { return m_fileBar; }
    QToolBar* tagBar() const { return m_tagBar; }
    // The tab strip's tabs ("HTML", "プレビュー") and the preview area shown under the second.
    QTabBar* tabs() const { return m_tabs; }
    QWidget* previewArea() const { return m_previewArea; }
    // The find window, loaded or not.
    QtFindWindow& findWindow() { return *m_findWindow; }

    // Runs a command by its name (a menu item's control name); false when there is none.
    bool runCommand(const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The bars are shown and hidden through the Tools menu only: no menu of the window's own.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void buildTabStrip();
    void registerFeatures();
    void buildMenus();
    void buildToolbars();
    QToolBar* addButtonBar(const QString& name, const QString& title, Qt::ToolBarArea area,
        std::span<const ToolbarButton> buttons, void (EditorFormLogic::*click)(const QString&));
    void applyCommandAvailability();

    SourceEdit* m_edit;
    std::unique_ptr<QtHost> m_host;
    std::unique_ptr<EditorFormLogic> m_logic;
    // Features with a window or a platform service of their own, and their Qt sides.
    std::unique_ptr<QtClipboard> m_clipboard;
    std::unique_ptr<EditCommands> m_editCommands;
    std::unique_ptr<QtFindWindow> m_findWindow;
    std::unique_ptr<HtmlFind> m_find;
    std::unique_ptr<QtTableWizardWindow> m_tableWindow;
    std::unique_ptr<NewTable> m_table;
    std::unique_ptr<QtFrameWizardWindow> m_frameWindow;
    std::unique_ptr<NewFrame> m_frame;
    QToolBar* m_fileBar = nullptr;
    QToolBar* m_tagBar = nullptr;
    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    QWidget* m_previewArea = nullptr;
};

} // namespace quorlex
