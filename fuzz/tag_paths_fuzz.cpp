// The link path functions on any text: a folder is where its path's file name starts, a
// relative path is the end of the path, and slashes replace every backslash and nothing else.
#include "FuzzText.h"

#include "tags/PathFunctions.h"

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    static const QString special = QStringLiteral(u"a\\/:.C 無");
    const QString path = fuzz::textOf(provider, special, 24);
    QString base = fuzz::textOf(provider, special, 24);
    if (base.isEmpty())
        base = QStringLiteral("C:\\"); // an empty base would be the working folder

    // The folder is the path up to its last separator, or a drive ("C:") made a folder.
    const QString folder = FolderOf(path);
    if (!folder.isEmpty()) {
        check(isSeparator(folder.back()), "a folder ends in a separator", fuzz::visible(path));
        const QString rest = path.startsWith(folder) ? path.mid(folder.size()) : path.mid(folder.size() - 1);
        check(path.startsWith(folder)
                || (folder.endsWith(QStringLiteral(":\\")) && path.startsWith(folder.chopped(1))),
            "a folder begins the path", fuzz::visible(path));
        check(!rest.contains(u'\\') && !rest.contains(u'/'), "the file name after a folder has no separator",
            fuzz::visible(path));
    }

    const QString relative = RelativePath(base, path);
    check(path.endsWith(relative), "a relative path ends the path",
        fuzz::visible(base) + QStringLiteral(" ") + fuzz::visible(path));
    const qsizetype shared = path.size() - relative.size();
    check(base.left(shared) == path.left(shared), "what is cut is what the path shares with its base",
        fuzz::visible(base) + QStringLiteral(" ") + fuzz::visible(path));
    check(shared == path.size() || shared == base.size() || base[shared] != path[shared],
        "the longest shared beginning is cut",
        fuzz::visible(base) + QStringLiteral(" ") + fuzz::visible(path));

    QString slashed = path;
    const QString result = ToSlashes(slashed);
    QString expected = path;
    expected.replace(u'\\', u'/');
    check(result == expected && slashed == expected, "every backslash becomes a slash", fuzz::visible(path));
    return 0;
}
