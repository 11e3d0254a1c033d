#include "preview/PreviewCopy.h"

#include "files/PageEncoding.h"
#include "host/ProductInfo.h"
#include "preview/PreviewAddress.h"

namespace quorlex {

namespace {

const QString Head = QStringLiteral("<head>");

// The page's path inside the base address: characters that would end the path or the attribute
// early ("%", "#", "?", the quote) are escaped, and so is "\" where it is no separator, so that
// the address names the page's own folder. Everything else stays as stored.
QString baseAddressPath(const QString& filePath)
{
    QString path;
    path.reserve(filePath.size());
    for (const QChar c : filePath) {
        switch (c.unicode()) {
        case u'%':
            path += QStringLiteral("%25");
            break;
        case u'#':
            path += QStringLiteral("%23");
            break;
        case u'?':
            path += QStringLiteral("%3F");
            break;
        case u'"':
            path += QStringLiteral("%22");
            break;
#ifndef Q_OS_WIN
        case u'\\':
            path += QStringLiteral("%5C");
            break;
#endif
        default:
            path += c;
        }
    }
    return path;
}

} // namespace

QString previewCopyText(const QString& text, const QString& filePath)
{
    const QString base = CRLF + QStringLiteral("<base href=\"") + FileScheme + baseAddressPath(filePath)
        + QStringLiteral("\">") + CRLF;
    const qsizetype head = text.indexOf(Head, 0, Qt::CaseInsensitive);
    if (head < 0)
        return Head + base + QStringLiteral("</head>") + text;
    QString copy = text;
    copy.insert(head + Head.size(), base);
    return copy;
}

std::error_code writePreviewCopy(
    FileOps& ops, const QString& path, const QString& text, const QString& filePath, PageEncoding encoding)
{
    // A UTF-8 copy always carries the mark: the browser then reads it as UTF-8 even when the
    // page declares nothing.
    if (encoding == PageEncoding::Utf8)
        encoding = PageEncoding::Utf8WithMark;
    return replaceFile(ops, path, encodePage(previewCopyText(text, filePath), encoding));
}

} // namespace quorlex
