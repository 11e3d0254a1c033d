#include "app/EditorForm.h"

#include "app/EditorFormLogic.h"
#include "app/MenuOrder.h"
#include "app/PlainToolTips.h"
#include "app/QtClipboard.h"
#include "app/ToolbarIcons.h"
#include "core/Commands.h"
#include "core/EditCommands.h"
#include "core/MenuRow.h"
#include "files/DocumentFiles.h"
#include "find/HtmlFind.h"
#include "find/HtmlFindDialog.h"
#include "host/ControlNames.h"
#include "host/ProductInfo.h"
#include "host/QtHost.h"
#include "host/SourceEdit.h"
#include "wizards/FrameWizard.h"
#include "wizards/FrameWizardDialog.h"
#include "wizards/TableWizard.h"
#include "wizards/TableWizardDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QMimeData>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <span>

namespace quorlex {

EditorForm::EditorForm(const QString& commandLine, QWidget* parent)
    : QMainWindow(parent)
    , m_edit(new SourceEdit(this))
{
    setObjectName(QStringLiteral("EditorForm"));
    setWindowTitle(productTitle());
    resize(960, 680);
    m_edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    buildTabStrip();
    statusBar()->setObjectName(Control::StatusBar1);

    m_host = std::make_unique<QtHost>(*this, *m_edit);
    m_logic = std::make_unique<EditorFormLogic>(*m_host, commandLine);
    m_edit->setKeyPressHandler([this](int code) { m_logic->Text1_KeyPress(code); });
    connect(m_edit, &SourceEdit::filesDropped, this,
        [this](const QStringList& paths) { m_logic->files().Text1_OLEDragDrop(paths); });

    registerFeatures();
    buildMenus();
    buildToolbars();
    applyCommandAvailability();
    setAcceptDrops(true);
    m_logic->Form_Load();
    m_edit->setFocus();
}

Editor& EditorForm::editor()
{
    return m_logic->editor();
}

EditorForm::~EditorForm() = default;

bool EditorForm::runCommand(const QString& name)
{
    return m_logic->run(name);
}

void EditorForm::registerFeatures()
{
    Commands& commands = m_logic->commands();
    m_clipboard = std::make_unique<QtClipboard>();
    m_editCommands = std::make_unique<EditCommands>(editor(), *m_clipboard);
    commands.add(m_editCommands->menuRows());
    m_findWindow = std::make_unique<QtFindWindow>(*this);
    m_find = std::make_unique<HtmlFind>(editor(), *m_findWindow);
    m_find->addCommands(commands);
    m_tableWindow = std::make_unique<QtTableWizardWindow>(*this);
    m_table = std::make_unique<NewTable>(editor(), *m_tableWindow);
    commands.add(m_table->menuRows());
    m_frameWindow = std::make_unique<QtFrameWizardWindow>(*this);
    m_frame = std::make_unique<NewFrame>(editor(), *m_frameWindow);
    commands.add(m_frame->menuRows());
}

void EditorForm::buildTabStrip()
{
    // The tab strip fills what the bars leave: "HTML" shows the editing box, "プレビュー" the
    // preview area Picture1 in its place.
    auto* strip = new QWidget(this);
    strip->setObjectName(Control::TabStrip1);
    m_tabs = new QTabBar(strip);
    m_tabs->setObjectName(Control::TabStrip1 + QStringLiteral("_Tabs"));
    m_tabs->addTab(QStringLiteral("HTML"));
    m_tabs->addTab(QStringLiteral("プレビュー"));
    m_tabs->setDrawBase(true);
    m_pages = new QStackedWidget(strip);
    m_pages->addWidget(m_edit);
    m_previewArea = new QWidget(m_pages);
    m_previewArea->setObjectName(Control::Picture1);
    m_pages->addWidget(m_previewArea);
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_pages, 1);
    setCentralWidget(strip);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) { m_pages->setCurrentIndex(index); });
}

void EditorForm::buildMenus()
{
    const Commands& commands = m_logic->commands();
    for (auto it = commands.arrays().begin(); it != commands.arrays().end(); ++it)
        m_host->setMenuArrayHandler(it.key(), it.value());

    QHash<QString, QMenu*> menus;
    for (const MenuRow& row : orderedMenuRows(commands.rows())) {
        QMenu* parentMenu = menus.value(row.parent);
        if (!row.parent.isEmpty() && !parentMenu) {
            qCCritical(
                lcCommands, "menu %s of %s is missing", qUtf8Printable(row.parent), qUtf8Printable(row.name));
            continue;
        }
        switch (row.kind) {
        case MenuRow::Kind::Menu: {
            QMenu* menu = parentMenu ? parentMenu->addMenu(row.caption) : menuBar()->addMenu(row.caption);
            menu->setObjectName(row.name);
            menu->menuAction()->setObjectName(row.name + QStringLiteral("_Menu"));
            menus.insert(row.name, menu);
            break;
        }
        case MenuRow::Kind::Separator:
            parentMenu->addSeparator()->setObjectName(row.name);
            break;
        case MenuRow::Kind::Item:
        case MenuRow::Kind::CheckItem: {
            // Parented to its menu, so run-time elements of a control array can be added there.
            auto* action = new QAction(row.caption, parentMenu);
            action->setObjectName(row.name);
            action->setCheckable(row.kind == MenuRow::Kind::CheckItem);
            if (!row.shortcut.isEmpty())
                action->setShortcut(QKeySequence(row.shortcut, QKeySequence::PortableText));
            parentMenu->addAction(action);
            // A check item's command sets the check mark itself: undo Qt's own toggle first.
            const QString name = row.name;
            connect(action, &QAction::triggered, this, [this, name, action](bool checked) {
                if (action->isCheckable())
                    action->setChecked(!checked);
                runCommand(name);
            });
            break;
        }
        }
    }
}

QToolBar* EditorForm::addButtonBar(const QString& name, const QString& title, Qt::ToolBarArea area,
    std::span<const ToolbarButton> buttons, void (EditorFormLogic::*click)(const QString&))
{
    auto* bar = new QToolBar(title, this);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    addToolBar(area, bar);
    for (const ToolbarButton& button : buttons) {
        const QString key = button.key.toString();
        QAction* action = bar->addAction(toolbarIcon(button.image), button.tooltip.toString());
        action->setObjectName(name + u'_' + key);
        action->setToolTip(button.tooltip.toString());
        action->setData(button.command.toString());
        action->setCheckable(key == Control::ColorButtonKey && name == Control::Toolbar1);
        connect(action, &QAction::triggered, this, [this, click, key] { (m_logic.get()->*click)(key); });
    }
    showToolTipsAsWritten(*bar);
    return bar;
}

void EditorForm::buildToolbars()
{
    m_fileBar = addButtonBar(Control::Toolbar1, QStringLiteral("ファイルバー"), Qt::TopToolBarArea,
        fileBarButtons(), &EditorFormLogic::Toolbar1_ButtonClick);
    m_tagBar = addButtonBar(Control::Toolbar2, QStringLiteral("タグバー"), Qt::LeftToolBarArea,
        tagBarButtons(), &EditorFormLogic::Toolbar2_ButtonClick);
}

void EditorForm::applyCommandAvailability()
{
    const Commands& commands = m_logic->commands();
    for (QAction* action : findChildren<QAction*>()) {
        const QString name = action->objectName();
        if (name.isEmpty() || name.endsWith(QStringLiteral("_Menu")) || action->isSeparator())
            continue;
        const QString command = action->data().isValid() ? action->data().toString() : name;
        action->setEnabled(commands.contains(command));
    }
    // The undo item follows the box's undo state from the first key on.
    m_host->setMenuEnabled(Control::E_Undo, false);

    // Keys of the menu's commands go to the menu, the others stay with the box.
    QList<QKeySequence> shortcuts;
    for (const QAction* action : menuBar()->findChildren<QAction*>())
        if (action->isEnabled() && !action->shortcut().isEmpty())
            shortcuts.append(action->shortcut());
    m_edit->setReservedShortcuts(shortcuts);
}

void EditorForm::closeEvent(QCloseEvent* event)
{
    if (m_logic->Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    // The other windows close with the main window, without further questions.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
}

namespace {

// Files are offered as a copy, never a move: a source that honours a move would delete them.
bool offerCopyOfFiles(QDropEvent* event)
{
    if (droppedFilePaths(event->mimeData()).isEmpty()) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

void EditorForm::dragEnterEvent(QDragEnterEvent* event)
{
    offerCopyOfFiles(event);
}

void EditorForm::dragMoveEvent(QDragMoveEvent* event)
{
    offerCopyOfFiles(event);
}

void EditorForm::dropEvent(QDropEvent* event)
{
    if (offerCopyOfFiles(event))
        m_logic->files().Form_OLEDragDrop(droppedFilePaths(event->mimeData()));
}

} // namespace quorlex
