#pragma once

#include "core/Toolbars.h"

#include <QMainWindow>

#include <memory>
#include <span>

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolBar;

namespace quorlex {

class CaretPlacePanel;
class ColourPalette;
class EditCommands;
class Editor;
class EditorFormLogic;
class HelpCommands;
class HtmlFind;
class NewFrame;
class NewPageWizard;
class NewTable;
class Preview;
class PrintCommands;
class QtAboutWindow;
class QtClipboard;
class QtFindWindow;
class QtFrameWizardWindow;
class QtHelpLauncher;
class QtHost;
class QtPreviewWindow;
class QtPrintSystem;
class QtSelectColorWindow;
class QtSettingsWindow;
class QtTableWizardWindow;
class QtTagListWindow;
class SettingsMenu;
class SourceEdit;
class TagListWindowCommands;

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
    PrintCommands& printing() { return *m_print; }
    QtHelpLauncher& helpLauncher() { return *m_helpLauncher; }
    // Panel 1 of the status bar: the preview's status text.
    QLabel* statusPanel() const { return m_statusPanel; }
    // The permanent panel at the right of the status bar: the caret's line and column, the encoding.
    CaretPlacePanel* caretPlacePanel() const { return m_caretPlace; }
    // The windows of the preview, the tag list and the colour palette, as the features see them.
    QtPreviewWindow& previewWindow() { return *m_previewWindow; }
    QtTagListWindow& tagListWindow() { return *m_tagListWindow; }
    QtSelectColorWindow& colourWindow() { return *m_colourWindow; }
    // The find window, loaded or not.
    QtFindWindow& findWindow() { return *m_findWindow; }

    // Runs a command by its name (a menu item's control name); false when there is none.
    bool runCommand(const QString& name);
    // The resize handler: places the tab strip between the bars; runs after each bar toggle too.
    void Form_Resize();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The bars are shown and hidden through the Tools menu only: no menu of the window's own.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void buildTabStrip();
    void buildStatusBar();
    // The features with windows of their own, each given its window and adding its commands.
    void registerFeatures();
    void buildMenus();
    void buildToolbars();
    QToolBar* addButtonBar(const QString& name, const QString& title, Qt::ToolBarArea area,
        std::span<const ToolbarButton> buttons, void (EditorFormLogic::*click)(const QString&));
    void applyCommandAvailability();
    // Draws the buttons' images in the bars' text colour, again when the colours change.
    void paintToolbarImages();

    SourceEdit* m_edit;
    std::unique_ptr<QtHost> m_host;
    std::unique_ptr<EditorFormLogic> m_logic;
    std::unique_ptr<QtPrintSystem> m_printSystem;
    std::unique_ptr<PrintCommands> m_print;
    std::unique_ptr<QtSettingsWindow> m_settingsWindow;
    std::unique_ptr<SettingsMenu> m_settings;
    std::unique_ptr<QtHelpLauncher> m_helpLauncher;
    std::unique_ptr<QtAboutWindow> m_aboutWindow;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<NewPageWizard> m_newPage;
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
    QLabel* m_statusPanel = nullptr;
    CaretPlacePanel* m_caretPlace = nullptr;
    std::unique_ptr<QtPreviewWindow> m_previewWindow;
    std::unique_ptr<Preview> m_preview;
    std::unique_ptr<QtTagListWindow> m_tagListWindow;
    std::unique_ptr<TagListWindowCommands> m_tagListCommands;
    std::unique_ptr<QtSelectColorWindow> m_colourWindow;
    std::unique_ptr<ColourPalette> m_palette;
};

} // namespace quorlex
