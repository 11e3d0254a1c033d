// List files: any bytes read as records without harm, records written out read back the same,
// and a custom tag appended to any file is read back as the last tag.
#include "FuzzText.h"

#include "files/ShiftJisCodec.h"
#include "taglists/ListEntries.h"
#include "taglists/ListFile.h"

#include <QFile>
#include <QTemporaryDir>

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

QString listFilePath()
{
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("usertag.tol"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    static const QString special = QStringLiteral(u"TOLN0123=a\r\n\x1a\uF781ｱ\uFDD0");
    QString tag = fuzz::textOf(provider, special, 16);
    // The input box gives one line.
    tag.remove(u'\r');
    tag.remove(u'\n');
    const int snippet = provider.ConsumeIntegral<int>();
    const std::string rest = provider.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), qsizetype(rest.size()));

    const QList<ListRecord> records = parseListText(ShiftJis::decode(bytes));
    QString written;
    for (const ListRecord& record : records)
        written += record.key + u'=' + record.value + QStringLiteral("\r\n");
    check(parseListText(ShiftJis::decode(ShiftJis::encode(written))) == records,
        "records read back as written", fuzz::visible(written));
    snippetTitles(records);
    snippetContent(records, snippet);

    // As the custom tag command does it, on a file of these bytes.
    const QString path = listFilePath();
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
        "the list file can be written");
    file.close();
    const QList<ListRecord> before = readListFile(path);
    check(before == records, "the file reads as its bytes");
    const QString line = EntryKey + QString::number(nextEntryNumber(before)) + u'=' + tag;
    check(appendListLines(path, { line }), "a line is appended");
    const QStringList tags = customTags(readListFile(path));
    // A tag without a Shift_JIS form is stored as references, which read back as they are.
    if (ShiftJis::unmappable(line).isEmpty())
        check(tags == customTags(before) + QStringList { tag }, "an appended tag is the last one",
            fuzz::visible(ShiftJis::decode(bytes)) + QStringLiteral(" + ") + fuzz::visible(line));
    return 0;
}
