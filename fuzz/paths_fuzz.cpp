// The dialog path helpers on any text: a file title holds no separator, a folder made to end
// in a separator takes a file name back out whole, and a cut text holds no NUL.
#include "FuzzText.h"

#include "dialogs/PathHelpers.h"

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
    static const QString special = QStringLiteral(u"a\\/:.\0 C無");
    const QString path
        = provider.ConsumeBool() ? fuzz::textOf(provider, special, 24) : fuzz::anyText(provider, 24);
    const QString name = fuzz::textOf(provider, special, 8);

    const QString title = FileTitleOf(path);
    check(!title.contains(u'\\') && !title.contains(u'/'), "a file title holds no separator",
        fuzz::visible(path));
    check(path.isEmpty() || path.endsWith(title), "a file title ends the path", fuzz::visible(path));

    const QString folder = WithBackslash(path);
    check(folder.startsWith(path) && folder.size() - path.size() <= 1 && isSeparator(folder.back()),
        "a folder ends in one separator", fuzz::visible(path));
    if (!name.isEmpty() && !name.contains(u'\\') && !name.contains(u'/'))
        check(FileTitleOf(folder + name) == name, "a name appended to a folder is its file title",
            fuzz::visible(folder + name));

    const QString cut = CutAtNull(path);
    check(!cut.contains(QChar(0)) && path.startsWith(cut), "a cut text is the text before its first NUL",
        fuzz::visible(path));
    check(cut.size() == path.size() || path[cut.size()] == QChar(0), "only a NUL cuts a text",
        fuzz::visible(path));
    return 0;
}
