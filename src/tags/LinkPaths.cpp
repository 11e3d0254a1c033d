#include "tags/LinkPaths.h"

#include "host/FileDialogRules.h"

#include <QList>

#include <algorithm>

namespace quorlex {

namespace {

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

// "C:" and the like.
bool startsWithDrive(const QString& path)
{
    if (path.size() < 2 || path.at(1) != u':')
        return false;
    const QChar letter = path.at(0);
    return (letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z');
}

// The length of the root that path starts with: a drive ("C:\" or "C:"), a share ("\\server\share\")
// or a lone separator; 0 for a relative path.
qsizetype rootLength(const QString& path)
{
    if (startsWithDrive(path))
        return path.size() > 2 && isSeparator(path.at(2)) ? 3 : 2;
    if (path.size() >= 2 && isSeparator(path.at(0)) && isSeparator(path.at(1))) {
        // The server name and the share name both belong to the root.
        qsizetype i = 2;
        for (int names = 0; names < 2 && i < path.size(); ++names) {
            while (i < path.size() && !isSeparator(path.at(i)))
                ++i;
            if (i < path.size())
                ++i;
        }
        return i;
    }
    return !path.isEmpty() && isSeparator(path.at(0)) ? 1 : 0;
}

QString sameSeparators(QString root)
{
    return root.replace(u'\\', u'/');
}

// Where each name below the root starts; empty names of doubled separators are left out.
QList<qsizetype> nameStarts(const QString& path, qsizetype root)
{
    QList<qsizetype> starts;
    for (qsizetype i = root; i < path.size(); ++i)
        if (!isSeparator(path.at(i)) && (i == root || isSeparator(path.at(i - 1))))
            starts.append(i);
    return starts;
}

QString nameAt(const QString& path, qsizetype start)
{
    qsizetype end = start;
    while (end < path.size() && !isSeparator(path.at(end)))
        ++end;
    return path.sliced(start, end - start);
}

} // namespace

QString FolderOf(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path.at(i)))
            return path.left(i + 1);
        // Only a drive's colon marks a folder: on POSIX a colon may stand in a file name.
        if (i == 1 && startsWithDrive(path))
            return path.left(2) + u'\\';
    }
    return QString();
}

QString RelativePath(const QString& base, const QString& path)
{
    const qsizetype baseRoot = rootLength(base);
    const qsizetype pathRoot = rootLength(path);
    if (base.isEmpty() || pathRoot == 0 || startsWithScheme(path)
        || sameSeparators(base.left(baseRoot)) != sameSeparators(path.left(pathRoot)))
        return path;

    const QList<qsizetype> baseNames = nameStarts(base, baseRoot);
    const QList<qsizetype> pathNames = nameStarts(path, pathRoot);
    // The last name of path is its file, unless path itself ends in a separator.
    const qsizetype pathFolders
        = isSeparator(path.back()) ? pathNames.size() : std::max<qsizetype>(pathNames.size() - 1, 0);
    qsizetype shared = 0;
    while (shared < baseNames.size() && shared < pathFolders
        && nameAt(base, baseNames.at(shared)) == nameAt(path, pathNames.at(shared)))
        ++shared;

    const qsizetype tail = shared < pathNames.size() ? pathNames.at(shared) : path.size();
    QChar separator = u'/';
    for (qsizetype i = tail - 1; i >= 0; --i) {
        if (isSeparator(path.at(i))) {
            separator = path.at(i);
            break;
        }
    }
    QString steps;
    for (qsizetype i = shared; i < baseNames.size(); ++i)
        steps += QStringLiteral("..") + separator;
    return steps + path.sliced(tail);
}

QString& ToSlashes(QString& text)
{
    return text.replace(u'\\', u'/');
}

} // namespace quorlex
