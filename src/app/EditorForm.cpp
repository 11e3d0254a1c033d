#include "app/EditorForm.h"

#include "app/EditorFormLogic.h"
#include "app/MainMenu.h"
#include "app/ToolbarIcons.h"
#include "files/DocumentFiles.h"
#include "host/ProductInfo.h"
#include "host/QtHost.h"
#include "host/SourceEdit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

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
    setCentralWidget(m_edit);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    m_host = std::make_unique<QtHost>(*this, *m_edit);
    m_logic = std::make_unique<EditorFormLogic>(*m_host, commandLine);
    m_edit->setKeyPressHandler([this](int code) { m_logic->Text1_KeyPress(code); });
    connect(m_edit, &SourceEdit::filesDropped, this,
        [this](const QStringList& paths) { m_logic->files().Text1_OLEDragDrop(paths); });
    for (auto it = m_logic->arrayCommands().begin(); it != m_logic->arrayCommands().end(); ++it)
        m_host->setMenuArrayHandler(it.key(), it.value());

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

void EditorForm::buildMenus()
{
    QHash<QString, QMenu*> menus;
    for (const MenuEntry& entry : mainMenuEntries()) {
        const QString name = entry.name.toString();
        QMenu* parentMenu = menus.value(entry.parent.toString());
        switch (entry.kind) {
        case MenuEntry::Menu: {
            QMenu* menu = parentMenu ? parentMenu->addMenu(entry.caption.toString())
                                     : menuBar()->addMenu(entry.caption.toString());
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name + QStringLiteral("_Menu"));
            menus.insert(name, menu);
            break;
        }
        case MenuEntry::Separator:
            parentMenu->addSeparator()->setObjectName(name);
            break;
        case MenuEntry::Item:
        case MenuEntry::CheckItem: {
            // Parented to its menu, so run-time elements of a control array can be added there.
            auto* action = new QAction(entry.caption.toString(), parentMenu);
            action->setObjectName(name);
            action->setCheckable(entry.kind == MenuEntry::CheckItem);
            if (!entry.shortcut.isEmpty()) {
                action->setShortcut(QKeySequence(entry.shortcut.toString(), QKeySequence::PortableText));
            }
            parentMenu->addAction(action);
            // A check item's command sets the check mark itself: undo Qt's own toggle first.
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

namespace {

const ToolButton fileBarButtons[] = {
    { u"new", u"新規作成", u"F_New", u"", QStyle::SP_FileIcon },
    { u"open", u"開く", u"F_Open", u"", QStyle::SP_DialogOpenButton },
    { u"save", u"保存", u"F_Save", u"", QStyle::SP_DialogSaveButton },
    { u"print", u"印刷", u"F_PrintHTML", u"印" },
    { u"find", u"検索", u"E_Find", u"検" },
    { u"color", u"色", u"T_SelectColor", u"色" },
};

const ToolButton tagBarButtons[] = {
    { u"HSize", u"見出しタグ<Hn>", u"I_S_Hx", u"H" },
    { u"Picture", u"画像の挿入<img>", u"I_img", u"img" },
    { u"Table", u"表の作成<table>", u"I_Table", u"表" },
    { u"Frame", u"フレームの挿入<Frame>", u"I_Frame", u"枠" },
    { u"Avi", u"動画の挿入<img>", u"I_video", u"動" },
    { u"Music", u"BGMの指定<bgsound>", u"I_midi", u"♪" },
    { u"Link", u"リンクの指定<a>", u"I_L_Insert", u"a" },
};

} // namespace

QToolBar* EditorForm::addButtonBar(const QString& name, const QString& title, Qt::ToolBarArea area,
    std::span<const ToolButton> buttons, const QColor& colour)
{
    auto* bar = new QToolBar(title, this);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    addToolBar(area, bar);
    for (const ToolButton& b : buttons) {
        const QString label = QString::fromUtf16(b.label);
        const QIcon icon = b.themeIcon != QStyle::SP_CustomBase ? style()->standardIcon(b.themeIcon)
                                                                : labelIcon(label, colour);
        const QString tooltip = QString::fromUtf16(b.tooltip);
        const QString command = QString::fromUtf16(b.command);
        QAction* action = bar->addAction(icon, tooltip);
        action->setObjectName(name + u'_' + QString::fromUtf16(b.key));
        action->setToolTip(tooltip);
        action->setData(command);
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    }
    return bar;
}

void EditorForm::buildToolbars()
{
    m_fileBar = addButtonBar(QStringLiteral("Toolbar1"), QStringLiteral("ファイルバー"), Qt::TopToolBarArea,
        fileBarButtons, QColor(0x3a, 0x6e, 0xa5));
    m_tagBar = addButtonBar(QStringLiteral("Toolbar2"), QStringLiteral("タグバー"), Qt::LeftToolBarArea,
        tagBarButtons, QColor(0x2e, 0x7d, 0x5b));
}

void EditorForm::applyCommandAvailability()
{
    for (QAction* action : findChildren<QAction*>()) {
        const QString name = action->objectName();
        if (name.isEmpty() || name.endsWith(QStringLiteral("_Menu")) || action->isSeparator())
            continue;
        const QString command = action->data().isValid() ? action->data().toString() : name;
        action->setEnabled(m_logic->commands().contains(command));
    }
    // The undo item follows the box's undo state from the first key on; "やり直し" never starts.
    m_host->setMenuEnabled(QStringLiteral("E_Undo"), false);
    m_host->setMenuEnabled(QStringLiteral("E_AllClear"), false);

    // Keys of the menu's commands go to the menu, the others stay with the box (Ctrl+A
    // selects all until the menu has a command of its own for it).
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

void EditorForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFilePaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void EditorForm::dropEvent(QDropEvent* event)
{
    const QStringList paths = droppedFilePaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    m_logic->files().Form_OLEDragDrop(paths);
}

} // namespace quorlex
