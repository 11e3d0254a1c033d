#include "preview/OfflineInterceptor.h"

namespace quorlex {

bool OfflineInterceptor::isOffline(const QUrl& url)
{
    const QString scheme = url.scheme();
    return scheme == QStringLiteral("file") || scheme == QStringLiteral("about");
}

void OfflineInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (!isOffline(info.requestUrl()))
        info.block(true);
}

} // namespace quorlex
