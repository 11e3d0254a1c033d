#include "preview/ManualViewer.h"

#include "preview/HelpCommands.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include <QProcess>
#include <windows.h>
#endif

namespace quorlex {

ManualViewer::ManualViewer(const QString& helpFile, const QString& topic, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("ManualViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("クォーレクス ヘルプ"));
    resize(820, 640);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("戻る"));
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("進む"));
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("目次"));
    QAction* external = bar->addAction(QStringLiteral("ブラウザで開く"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(external, &QAction::triggered, this, [this] { QDesktopServices::openUrl(m_browser->source()); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);

    const QFileInfo file(helpFile);
    if (!file.isFile()) {
        external->setEnabled(false);
        m_browser->setHtml(
            QStringLiteral("<p>ヘルプファイルが見つかりません。</p><p>%1</p>").arg(helpFile.toHtmlEscaped()));
        return;
    }
    const QString page = topic.isEmpty() ? file.absoluteFilePath() : file.absoluteDir().filePath(topic);
    m_browser->setSource(QUrl::fromLocalFile(page));
}

#ifdef Q_OS_WIN
namespace {

struct WindowSearch {
    DWORD process;
    HWND window;
};

BOOL CALLBACK findProcessWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window))
        return TRUE;
    search->window = window;
    return FALSE;
}

} // namespace

qint64 QtHelpLauncher::start(const QString& helpFile, const QString& topic)
{
    // The help viewer takes its command line as written: "hh.exe" path[::topic].
    const QString commandLine = helpViewerCommandLine(helpFile, topic);
    QProcess process;
    process.setProgram(QStringLiteral("hh.exe"));
    process.setNativeArguments(commandLine.mid(QStringLiteral("hh.exe ").size()));
    qint64 pid = 0;
    return process.startDetached(&pid) ? pid : 0;
}

bool QtHelpLauncher::bringToFront(qint64 task)
{
    WindowSearch search { DWORD(task), nullptr };
    EnumWindows(findProcessWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.window)
        return false;
    if (IsIconic(search.window))
        ShowWindow(search.window, SW_RESTORE);
    SetForegroundWindow(search.window);
    return true;
}
#else
qint64 QtHelpLauncher::start(const QString& helpFile, const QString& topic)
{
    m_viewer = new ManualViewer(helpFile, topic);
    m_viewer->show();
    m_viewer->activateWindow();
    m_viewerTask = ++m_lastTask;
    return m_viewerTask;
}

bool QtHelpLauncher::bringToFront(qint64 task)
{
    if (!m_viewer || task != m_viewerTask)
        return false;
    m_viewer->showNormal();
    m_viewer->raise();
    m_viewer->activateWindow();
    return true;
}
#endif

} // namespace quorlex
