#include "preview/QtPreviewWindow.h"

#include "preview/HtmlViewFactory.h"
#include "preview/PreviewAddress.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPluginLoader>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace quorlex {

namespace {

const QString PluginName = QStringLiteral("quorlex_htmlview");

// Where the plugin may stand: beside the program, where it is installed, and in the build tree.
QStringList pluginFolders()
{
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList folders = { exe, exe + QStringLiteral("/../lib/quorlex") };
#ifdef QUORLEX_PLUGIN_BUILD_DIR
    folders.append(QStringLiteral(QUORLEX_PLUGIN_BUILD_DIR));
#endif
    return folders;
}

} // namespace

HtmlViewFactory* htmlViewFactory(QString* error)
{
    static HtmlViewFactory* factory = nullptr;
    static QString reason;
    if (!factory && reason.isEmpty()) {
        for (const QString& folder : pluginFolders()) {
            QPluginLoader loader(QDir(folder).filePath(PluginName));
            if (!loader.load()) {
                reason = loader.errorString();
                continue;
            }
            factory = qobject_cast<HtmlViewFactory*>(loader.instance());
            if (factory)
                break;
            reason = QStringLiteral("%1 is no preview plugin").arg(loader.fileName());
        }
        if (factory)
            reason.clear();
    }
    if (error)
        *error = reason;
    return factory;
}

QtPreviewWindow::QtPreviewWindow(
    QTabBar& tabs, QStackedWidget& pages, QWidget& editingBox, QWidget& previewArea, QLabel& statusPanel)
    : m_tabs(tabs)
    , m_pages(pages)
    , m_editingBox(editingBox)
    , m_previewArea(previewArea)
    , m_statusPanel(statusPanel)
{
    auto* layout = new QVBoxLayout(&m_previewArea);
    layout->setContentsMargins(0, 0, 0, 0);
}

QtPreviewWindow::~QtPreviewWindow()
{
    // The browser goes first, while everything its handlers reach still exists.
    delete m_view;
}

PreviewTab QtPreviewWindow::selectedTab() const
{
    return m_tabs.currentIndex() == 1 ? PreviewTab::Preview : PreviewTab::Html;
}

void QtPreviewWindow::showEditingBox()
{
    m_pages.setCurrentWidget(&m_editingBox);
    m_editingBox.setFocus();
}

void QtPreviewWindow::showPreviewArea()
{
    m_pages.setCurrentWidget(&m_previewArea);
    if (!m_view)
        createHtmlView();
    if (m_view) {
        m_view->show();
        // The page answers the keys (and the pointer) at once, as the editing box does on its tab.
        m_view->setFocus();
    }
}

void QtPreviewWindow::createHtmlView()
{
    QString error;
    m_factory = htmlViewFactory(&error);
    if (!m_factory) {
        // Without the browser part the preview area says why, instead of staying blank.
        auto* note
            = new QLabel(QStringLiteral("プレビューを表示できません。\n%1").arg(error), &m_previewArea);
        note->setObjectName(QStringLiteral("PreviewUnavailable"));
        note->setAlignment(Qt::AlignCenter);
        note->setWordWrap(true);
        m_previewArea.layout()->addWidget(note);
        m_view = note;
        return;
    }
    // The browser draws through the graphics stack, so the window that first shows it is made
    // again; a window manager places a remade window anew unless its place was set, and the
    // window would jump. Setting it to where it is keeps it there.
    QWidget* window = m_previewArea.window();
    window->move(window->pos());
    m_view = m_factory->createHtmlView(&m_previewArea, [this](const QString& text) {
        if (m_statusText)
            m_statusText(text);
    });
    m_previewArea.layout()->addWidget(m_view);
}

void QtPreviewWindow::LoadHtml(const QString& address)
{
    if (m_factory && m_view)
        m_factory->LoadHtml(m_view, address);
}

void QtPreviewWindow::setStatusText(const QString& text)
{
    m_statusPanel.setText(text);
}

bool QtPreviewWindow::openInBrowser(const QString& address)
{
    return QDesktopServices::openUrl(previewAddress(address));
}

void QtPreviewWindow::setStatusTextHandler(std::function<void(const QString&)> handler)
{
    m_statusText = std::move(handler);
}

} // namespace quorlex
