#include "dialogs/PathHelpers.h"

#include <QDir>

#include <algorithm>

namespace quorlex {

QString FileTitleOf(const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("無題");
    const qsizetype p = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return p < 0 ? path : path.mid(p + 1);
}

QString WithBackslash(const QString& path)
{
    if (path.endsWith(u'\\') || path.endsWith(u'/'))
        return path;
    const bool backslash = path.contains(u'\\');
    const bool slash = path.contains(u'/');
    if (backslash && !slash)
        return path + u'\\';
    if (slash && !backslash)
        return path + u'/';
    return path + QDir::separator();
}

QString CutAtNull(const QString& s)
{
    const qsizetype nul = s.indexOf(QChar(u'\0'));
    return nul < 0 ? s : s.left(nul);
}

} // namespace quorlex
