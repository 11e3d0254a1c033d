#include "preview/PreviewAddress.h"

#include <QDir>

namespace quorlex {

QUrl previewAddress(const QString& address)
{
    const QUrl blank(QStringLiteral("about:blank"));
    if (address.startsWith(FileScheme, Qt::CaseInsensitive)) {
        const QString path = QDir::fromNativeSeparators(address.mid(FileScheme.size()));
        return path.isEmpty() ? blank : QUrl::fromLocalFile(path);
    }
    QString other = address;
    other.replace(u'\\', u'/');
    const QUrl url(other, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.scheme() == QStringLiteral("about"))
        return blank;
    return url;
}

} // namespace quorlex
