#pragma once

#include <QMainWindow>
#include <QStyle>

#include <memory>
#include <span>

class QAction;
class QMenu;
class QToolBar;

namespace quorlex {

// A toolbar button: its key, its tooltip as stored, the command it runs and its image
// (a theme icon, or a label drawn in the bar's colour).
struct ToolButton {
    const char16_t* key;
    const char16_t* tooltip;
    const char16_t* command;
    const char16_t* label;
    QStyle::StandardPixmap themeIcon = QStyle::SP_CustomBase;
};

class Editor;
class EditorFormLogic;
class QtHost;
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

    // Runs the command of a menu item or toolbar key by its name; false when the item
    // has no command (its part of the program is not there yet).
    bool runCommand(const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolbars();
    QToolBar* addButtonBar(const QString& name, const QString& title, Qt::ToolBarArea area,
        std::span<const ToolButton> buttons, const QColor& colour);
    void applyCommandAvailability();

    SourceEdit* m_edit;
    std::unique_ptr<QtHost> m_host;
    std::unique_ptr<EditorFormLogic> m_logic;
    QToolBar* m_fileBar = nullptr;
    QToolBar* m_tagBar = nullptr;
};

} // namespace quorlex
