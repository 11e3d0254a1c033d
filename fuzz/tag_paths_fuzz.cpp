// The link path functions: a folder is where its path's file name starts, a relative address
// leads from its base to the path, and slashes replace every backslash and nothing else.
#include "FuzzText.h"

#include "tags/LinkPaths.h"

#include <QDir>

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

// Folder names joined by separators of either kind, sometimes doubled; no "." or "..".
QString names(FuzzedDataProvider& data, int maxNames)
{
    static const QString letters = QStringLiteral(u"ab あ");
    static const QStringList separators
        = { QStringLiteral("\\"), QStringLiteral("/"), QStringLiteral("\\\\"), QStringLiteral("\\/") };
    QString out;
    const int count = data.ConsumeIntegralInRange(1, maxNames);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out += separators[data.ConsumeIntegralInRange<qsizetype>(0, separators.size() - 1)];
        QString name = fuzz::textOf(data, letters, 3);
        out += name.isEmpty() ? QStringLiteral("n") : name;
    }
    return out;
}

// A root, or none when relative is true and the fuzzer picks it.
QString root(FuzzedDataProvider& data, bool relative)
{
    static const QStringList roots
        = { QStringLiteral("C:\\"), QStringLiteral("C:/"), QStringLiteral("c:\\"), QStringLiteral("D:\\"),
              QStringLiteral("/"), QStringLiteral("\\\\srv\\share\\"), QStringLiteral("C:"), QString() };
    return roots[data.ConsumeIntegralInRange<qsizetype>(0, roots.size() - (relative ? 1 : 2))];
}

// The path with "." and ".." steps and doubled separators gone; a drive ("C:") stays in front.
QString normal(QString path)
{
    ToSlashes(path);
    const qsizetype drive = path.size() >= 2 && path[1] == u':' ? 2 : 0;
    return path.left(drive) + QDir::cleanPath(path.mid(drive));
}

QString pair(const QString& base, const QString& path)
{
    return fuzz::visible(base) + QStringLiteral(" , ") + fuzz::visible(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    static const QString special = QStringLiteral(u"a\\/:.C 無");
    const QString anyPath = fuzz::textOf(provider, special, 24);

    // The folder is the path up to its last separator, or a drive ("C:") made a folder.
    const QString folder = FolderOf(anyPath);
    if (!folder.isEmpty()) {
        check(isSeparator(folder.back()), "a folder ends in a separator", fuzz::visible(anyPath));
        const bool drive = !anyPath.startsWith(folder) && folder.endsWith(QStringLiteral(":\\"))
            && anyPath.startsWith(folder.chopped(1));
        check(anyPath.startsWith(folder) || drive, "a folder begins its path", fuzz::visible(anyPath));
        const QString name = anyPath.mid(folder.size() - (drive ? 1 : 0));
        check(!name.contains(u'\\') && !name.contains(u'/'), "no separator follows a folder",
            fuzz::visible(anyPath));
    }
    RelativePath(fuzz::textOf(provider, special, 24), anyPath);

    // A base folder and a path below or beside it.
    const QString base = root(provider, false) + names(provider, 4) + QStringLiteral("\\");
    const QString below = names(provider, 3);
    check(RelativePath(base, base + below) == below, "a path below its base is the rest of it",
        pair(base, below));
    const QString path = root(provider, true) + names(provider, 5)
        + (provider.ConsumeBool() ? QStringLiteral("/") : QString());
    const QString relative = RelativePath(base, path);
    check(RelativePath(QString(), path) == path, "without a base a path stays as it is", fuzz::visible(path));
    check(relative == path || normal(base + relative) == normal(path),
        "the relative address leads to the path",
        pair(base, path) + QStringLiteral(" -> ") + fuzz::visible(relative));

    QString slashed = anyPath;
    QString expected = anyPath;
    expected.replace(u'\\', u'/');
    check(ToSlashes(slashed) == expected && slashed == expected, "every backslash becomes a slash",
        fuzz::visible(anyPath));
    return 0;
}
