#include "app/EditorForm.h"

#include "app/EditorFormLogic.h"
#include "app/MenuOrder.h"
#include "app/PlainToolTips.h"
#include "app/QtClipboard.h"
#include "app/ToolbarIcons.h"
#include "core/Commands.h"
#include "core/EditCommands.h"
#include "core/Editor.h"
#include "core/FormLayout.h"
#include "core/MenuRow.h"
#include "core/ProgramDirectory.h"
#include "files/DocumentFiles.h"
#include "find/HtmlFind.h"
#include "find/HtmlFindDialog.h"
#include "host/CaretPlacePanel.h"
#include "host/ControlNames.h"
#include "host/LineNumberGutter.h"
#include "host/ProductInfo.h"
#include "host/QtHost.h"
#include "host/SourceColouring.h"
#include "host/SourceEdit.h"
#include "preview/HelpCommands.h"
#include "preview/HtmlVersion.h"
#include "preview/ManualViewer.h"
#include "preview/Preview.h"
#include "preview/PrintCommands.h"
#include "preview/QtPreviewWindow.h"
#include "preview/QtPrintSystem.h"
#include "settings/HtmlSettingDialog.h"
#include "settings/SettingsMenu.h"
#include "taglists/HtmlTagList.h"
#include "taglists/TagListWindowCommands.h"
#include "tags/ColourPalette.h"
#include "tags/HtmlSelectColor.h"
#include "wizards/FrameWizard.h"
#include "wizards/FrameWizardDialog.h"
#include "wizards/NewHtml.h"
#include "wizards/NewPageWizard.h"
#include "wizards/TableWizard.h"
#include "wizards/TableWizardDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QMimeData>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <span>

namespace quorlex {

namespace {
// The image key of a toolbar button's action.
constexpr char imageKeyProperty[] = "quorlexImageKey";
} // namespace

EditorForm::EditorForm(const QString& commandLine, QWidget* parent)
    : QMainWindow(parent)
    , m_edit(new SourceEdit(this))
{
    setObjectName(QStringLiteral("EditorForm"));
    setWindowTitle(productTitle());
    resize(960, 680);
    m_edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    new SourceColouring(*m_edit);
    new LineNumberGutter(*m_edit);
    buildTabStrip();
    buildStatusBar();
    // A large page fills the box while the window is already up; the status bar tells how far.
    connect(m_edit, &SourceEdit::fillProgress, this, [this](int percent) {
        statusBar()->showMessage(QStringLiteral("ページを読み込んでいます… %1%").arg(percent));
    });
    connect(m_edit, &SourceEdit::filled, statusBar(), &QStatusBar::clearMessage);

    m_host = std::make_unique<QtHost>(*this, *m_edit);
    m_logic = std::make_unique<EditorFormLogic>(*m_host, commandLine);
    m_logic->setFormResize([this] { Form_Resize(); });
    // The status bar names the encoding of the page at hand.
    EditorDocument& document = editor().document();
    m_caretPlace->setEncodingName(document.encodingName());
    document.setEncodingListener(
        [this, &document] { m_caretPlace->setEncodingName(document.encodingName()); });
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
    // Asked over the window, once it shows.
    QTimer::singleShot(0, this, [this] { m_logic->offerBackupRecovery(); });
}

Editor& EditorForm::editor()
{
    return m_logic->editor();
}

EditorForm::~EditorForm()
{
    // The windows of the features go before the logic their handlers reach.
    m_palette.reset();
    m_colourWindow.reset();
    m_tagListCommands.reset();
    m_tagListWindow.reset();
    m_preview.reset();
    m_previewWindow.reset();
}

void EditorForm::registerFeatures()
{
    Commands& commands = m_logic->commands();
    Editor& editor = m_logic->editor();
    const QString directory = programDirectory();

    m_previewWindow
        = std::make_unique<QtPreviewWindow>(*m_tabs, *m_pages, *m_edit, *m_previewArea, *m_statusPanel);
    m_preview = std::make_unique<Preview>(editor, m_logic->files(), *m_previewWindow, directory);
    commands.add(m_preview->menuRows());
    // Queued: the tab bar switches on the mouse press, and a browser created inside that press
    // would not see the pointer until the next click (no status text on hover).
    connect(
        m_tabs, &QTabBar::currentChanged, this, [this] { m_preview->TabStrip1_Click(); },
        Qt::QueuedConnection);

    m_tagListWindow = std::make_unique<QtTagListWindow>(this);
    m_tagListCommands = std::make_unique<TagListWindowCommands>(editor, *m_tagListWindow, directory);
    commands.add(m_tagListCommands->menuRows());

    m_colourWindow = std::make_unique<QtSelectColorWindow>(this);
    m_palette = std::make_unique<ColourPalette>(editor, *m_colourWindow);
    m_palette->registerCommands(commands);

    m_printSystem = std::make_unique<QtPrintSystem>(this);
    m_print = std::make_unique<PrintCommands>(editor, *m_printSystem);
    commands.add(m_print->menuRows());
    m_settingsWindow = std::make_unique<QtSettingsWindow>();
    m_settings = std::make_unique<SettingsMenu>(m_logic->ini(), editor, *m_settingsWindow);
    commands.add(m_settings->menuRows());
    m_helpLauncher = std::make_unique<QtHelpLauncher>();
    m_aboutWindow = std::make_unique<QtAboutWindow>(this);
    m_help = std::make_unique<HelpCommands>(
        helpFilePath(QCoreApplication::applicationDirPath()), *m_helpLauncher, *m_aboutWindow);
    commands.add(m_help->menuRows());

    m_newPage = std::make_unique<NewPageWizard>(editor, m_logic->files(), m_logic->resourceDialog(),
        m_logic->documentDialog(), [this] { return std::make_unique<NewHtml>(this); });
    commands.add(m_newPage->menuRows());

    m_clipboard = std::make_unique<QtClipboard>();
    m_editCommands = std::make_unique<EditCommands>(editor, *m_clipboard);
    commands.add(m_editCommands->menuRows());
    m_findWindow = std::make_unique<QtFindWindow>(*this);
    m_find = std::make_unique<HtmlFind>(editor, *m_findWindow);
    m_find->addCommands(commands);
    m_tableWindow = std::make_unique<QtTableWizardWindow>(*this);
    m_table = std::make_unique<NewTable>(editor, *m_tableWindow);
    commands.add(m_table->menuRows());
    m_frameWindow = std::make_unique<QtFrameWizardWindow>(*this);
    m_frame = std::make_unique<NewFrame>(editor, *m_frameWindow);
    commands.add(m_frame->menuRows());
}

bool EditorForm::runCommand(const QString& name)
{
    return m_logic->run(name);
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
    m_tabs->setExpanding(false);
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
}

void EditorForm::buildStatusBar()
{
    statusBar()->setObjectName(Control::StatusBar1);
    m_statusPanel = new QLabel(statusBar());
    m_statusPanel->setObjectName(Control::StatusBar1 + QStringLiteral("_Panel1"));
    // A long address is cut at the panel's edge rather than widening the window.
    m_statusPanel->setMinimumWidth(1);
    m_statusPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_statusPanel->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(m_statusPanel, 1);
    m_caretPlace = new CaretPlacePanel(*m_edit, statusBar());
    m_caretPlace->setObjectName(Control::StatusBar1 + QStringLiteral("_Place"));
    statusBar()->addPermanentWidget(m_caretPlace);
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
    bar->setIconSize(QSize(16, 16));
    addToolBar(area, bar);
    for (const ToolbarButton& button : buttons) {
        const QString key = button.key.toString();
        QAction* action = bar->addAction(button.tooltip.toString());
        action->setProperty(imageKeyProperty, button.image.toString());
        action->setObjectName(name + u'_' + key);
        action->setToolTip(button.tooltip.toString());
        action->setData(button.command.toString());
        action->setCheckable(key == Control::ColorButtonKey && name == Control::Toolbar1);
        connect(action, &QAction::triggered, this, [this, click, key] { (m_logic.get()->*click)(key); });
    }
    showToolTipsAsWritten(*bar);
    return bar;
}

void EditorForm::paintToolbarImages()
{
    // The bars take the window's colours, which are already up to date when they change.
    const QColor ink = palette().color(QPalette::WindowText);
    for (QToolBar* bar : { m_fileBar, m_tagBar }) {
        for (QAction* action : bar->actions())
            action->setIcon(toolbarIcon(action->property(imageKeyProperty).toString(), ink));
    }
}

void EditorForm::buildToolbars()
{
    m_fileBar = addButtonBar(Control::Toolbar1, QStringLiteral("ファイルバー"), Qt::TopToolBarArea,
        fileBarButtons(), &EditorFormLogic::Toolbar1_ButtonClick);
    m_tagBar = addButtonBar(Control::Toolbar2, QStringLiteral("タグバー"), Qt::LeftToolBarArea,
        tagBarButtons(), &EditorFormLogic::Toolbar2_ButtonClick);
    paintToolbarImages();
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

void EditorForm::Form_Resize()
{
    // The client area is what lies below the menu bar.
    const QWidget* menu = menuWidget();
    const int menuHeight = menu && !menu->isHidden() ? menu->height() : 0;
    const QStatusBar* status = statusBar();
    const FormLayout layout
        = formLayout({ QSize(width(), height() - menuHeight), !m_fileBar->isHidden(), m_fileBar->height(),
            !m_tagBar->isHidden(), m_tagBar->width(), status->isHidden() ? 0 : status->height() });
    if (layout.redrawTagBar)
        m_tagBar->update();
    // The tab strip's own layout then fits the selected tab's page into it.
    if (layout.tabStrip)
        centralWidget()->setGeometry(layout.tabStrip->translated(0, menuHeight));
}

void EditorForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

bool EditorForm::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    // The window's own layout has just placed the bars: the tab strip follows them.
    case QEvent::LayoutRequest:
        Form_Resize();
        break;
    case QEvent::PaletteChange:
        paintToolbarImages();
        break;
    // Asked once the activation is over, and never while a dialog of a command is up.
    case QEvent::WindowActivate:
        QTimer::singleShot(0, this, [this] {
            if (isActiveWindow() && !QApplication::activeModalWidget())
                m_logic->windowActivated();
        });
        break;
    default:
        break;
    }
    return handled;
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
