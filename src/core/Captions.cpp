#include "core/Captions.h"

#include "dialogs/PathHelpers.h"
#include "host/ProductInfo.h"

namespace quorlex {

QString pageCaption(const QString& path)
{
    return FileTitleOf(path) + QStringLiteral(" - ") + productTitle();
}

QString untitledCaption()
{
    return QStringLiteral("無題 - ") + productTitle();
}

QString untitledPatternCaption()
{
    return QStringLiteral("無題(テンプレート) - ") + productTitle();
}

QString patternCaption(const QString& path)
{
    return path + QStringLiteral("(テンプレート) - ") + productTitle();
}

QString convertedTextCaption(const QString& textPath)
{
    return FileTitleOf(textPath) + QStringLiteral("（テキスト）---> 無題 - ") + productTitle();
}

} // namespace quorlex
