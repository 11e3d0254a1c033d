#pragma once

#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QToolBar;

namespace quorlex {

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
    void addToolButton(QToolBar* bar, const QString& key, const QString& tooltip, const QIcon& icon,
                       const QString& command);
    void applyCommandAvailability();

    SourceEdit* m_edit;
    std::unique_ptr<QtHost> m_host;
    std::unique_ptr<EditorFormLogic> m_logic;
    QToolBar* m_fileBar = nullptr;
    QToolBar* m_tagBar = nullptr;
};

} // namespace quorlex
