#pragma once

#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

namespace quorlex {

// The preview's offline mode: every request of a page is let through only when it asks for a
// local file or an "about:" page, so a page's remote images, scripts, style sheets and fonts are
// never fetched.
class OfflineInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    static bool isOffline(const QUrl& url);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

} // namespace quorlex
