#include "EditorForm.h"

#include "MainMenu.h"
#include "ToolbarIcons.h"
#include "EditorFormLogic.h"
#include "files/DocumentFiles.h"
#include "host/ProductInfo.h"
#include "host/QtHost.h"
#include "host/SourceEdit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFontDatabase>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace quorlex {

EditorForm::EditorForm(const QString& commandLine, QWidget* parent)
    : QMainWindow(parent), m_edit(new SourceEdit(this))
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

Editor& EditorForm::editor() { return m_logic->editor(); }

EditorForm::~EditorForm() = default;

bool EditorForm::runCommand(const QString& name) { return m_logic->run(name); }

void EditorForm::buildMenus()
{
    QHash<QString, QMenu*> menus;
    QList<QKeySequence> shortcuts;
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
                const QKeySequence key(entry.shortcut.toString(), QKeySequence::PortableText);
                action->setShortcut(key);
                shortcuts.append(key);
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
    m_edit->setReservedShortcuts(shortcuts);
}

void EditorForm::addToolButton(QToolBar* bar, const QString& key, const QString& tooltip, const QIcon& icon,
                               const QString& command)
{
    QAction* action = bar->addAction(icon, tooltip);
    action->setObjectName(bar->objectName() + u'_' + key);
    action->setToolTip(tooltip);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
}

void EditorForm::buildToolbars()
{
    m_fileBar = new QToolBar(QStringLiteral("ファイルバー"), this);
    m_fileBar->setObjectName(QStringLiteral("Toolbar1"));
    m_fileBar->setMovable(false);
    m_fileBar->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, m_fileBar);
    QStyle* s = style();
    addToolButton(m_fileBar, QStringLiteral("new"), QStringLiteral("新規作成"), s->standardIcon(QStyle::SP_FileIcon),
                  QStringLiteral("F_New"));
    addToolButton(m_fileBar, QStringLiteral("open"), QStringLiteral("開く"),
                  s->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("F_Open"));
    addToolButton(m_fileBar, QStringLiteral("save"), QStringLiteral("保存"),
                  s->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("F_Save"));
    addToolButton(m_fileBar, QStringLiteral("print"), QStringLiteral("印刷"), labelIcon(QStringLiteral("印"), QColor(0x60, 0x60, 0x70)),
                  QStringLiteral("F_PrintHTML"));
    addToolButton(m_fileBar, QStringLiteral("find"), QStringLiteral("検索"), labelIcon(QStringLiteral("検"), QColor(0x3a, 0x6e, 0xa5)),
                  QStringLiteral("E_Find"));
    addToolButton(m_fileBar, QStringLiteral("color"), QStringLiteral("色"), labelIcon(QStringLiteral("色"), QColor(0xc0, 0x39, 0x2b)),
                  QStringLiteral("T_SelectColor"));

    m_tagBar = new QToolBar(QStringLiteral("タグバー"), this);
    m_tagBar->setObjectName(QStringLiteral("Toolbar2"));
    m_tagBar->setMovable(false);
    m_tagBar->setIconSize(QSize(24, 24));
    addToolBar(Qt::LeftToolBarArea, m_tagBar);
    const QColor tagColour(0x2e, 0x7d, 0x5b);
    addToolButton(m_tagBar, QStringLiteral("HSize"), QStringLiteral("見出しタグ<Hn>"), labelIcon(QStringLiteral("H"), tagColour),
                  QStringLiteral("I_S_Hx"));
    addToolButton(m_tagBar, QStringLiteral("Picture"), QStringLiteral("画像の挿入<img>"), labelIcon(QStringLiteral("img"), tagColour),
                  QStringLiteral("I_img"));
    addToolButton(m_tagBar, QStringLiteral("Table"), QStringLiteral("表の作成<table>"), labelIcon(QStringLiteral("表"), tagColour),
                  QStringLiteral("I_Table"));
    addToolButton(m_tagBar, QStringLiteral("Frame"), QStringLiteral("フレームの挿入<Frame>"), labelIcon(QStringLiteral("枠"), tagColour),
                  QStringLiteral("I_Frame"));
    addToolButton(m_tagBar, QStringLiteral("Avi"), QStringLiteral("動画の挿入<img>"), labelIcon(QStringLiteral("動"), tagColour),
                  QStringLiteral("I_video"));
    addToolButton(m_tagBar, QStringLiteral("Music"), QStringLiteral("BGMの指定<bgsound>"), labelIcon(QStringLiteral("♪"), tagColour),
                  QStringLiteral("I_midi"));
    addToolButton(m_tagBar, QStringLiteral("Link"), QStringLiteral("リンクの指定<a>"), labelIcon(QStringLiteral("a"), tagColour),
                  QStringLiteral("I_L_Insert"));
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
