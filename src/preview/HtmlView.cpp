#include "preview/HtmlView.h"

#include "preview/OfflineInterceptor.h"
#include "preview/PreviewAddress.h"

#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace quorlex {

namespace {

const QUrl Blank(QStringLiteral("about:blank"));

// The engine refuses to start its sandbox for root; as root the preview runs without it.
void allowEngineForRoot()
{
#ifdef Q_OS_UNIX
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

} // namespace

HtmlView::HtmlView(QWidget* parent)
    : QWidget(parent)
{
    allowEngineForRoot();
    setObjectName(QStringLiteral("HtmlView"));
    setWindowTitle(QStringLiteral("ホームページのテスト表示"));

    // A profile without a storage name is kept in memory only.
    m_profile = new QWebEngineProfile(this);
    m_interceptor = new OfflineInterceptor(m_profile);
    m_profile->setUrlRequestInterceptor(m_interceptor);
    QWebEngineSettings* settings = m_profile->settings();
    settings->setDefaultTextEncoding(QStringLiteral("Shift_JIS"));
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);

    m_page = new QWebEnginePage(m_profile, this);
    m_browser = new QWebEngineView(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setPage(m_page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    setFocusProxy(m_browser);

    connect(m_page, &QWebEnginePage::linkHovered, this,
        [this](const QString& url) { Q_EMIT statusTextChanged(url); });
    connect(m_page, &QWebEnginePage::loadingChanged, this, &HtmlView::loadingChanged);
}

HtmlView::~HtmlView()
{
    // The page must go before the profile it runs in.
    delete m_browser;
    delete m_page;
    delete m_profile;
}

void HtmlView::LoadHtml(const QString& address)
{
    m_requested = previewAddress(address);
    m_browser->load(m_requested);
}

void HtmlView::loadingChanged(const QWebEngineLoadingInfo& info)
{
    // A page that cannot be shown (a file that is gone, say) gives the empty page. A load that a
    // newer one replaced is no failure.
    constexpr int Aborted = -3;
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || info.errorCode() == Aborted)
        return;
    if (info.url() != m_requested || m_requested == Blank)
        return;
    m_requested = Blank;
    m_browser->load(Blank);
}

} // namespace quorlex
