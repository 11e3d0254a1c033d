#include "taglists/ListFile.h"

#include "files/ShiftJisCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace quorlex {

ListRecord splitRecord(QStringView line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return { line.toString(), QString() };
    return { line.left(eq).toString(), line.mid(eq + 1).toString() };
}

QList<ListRecord> parseListText(QStringView text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QList<QStringView> lines = text.split(lineEnd);
    // The line end of the last line does not start another one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<ListRecord> records;
    records.reserve(lines.size());
    for (QStringView line : lines)
        records.append(splitRecord(line));
    return records;
}

QList<ListRecord> readListFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseListText(ShiftJis::decode(file.readAll()));
}

namespace {

// True when the file is empty, missing, not a plain file or ends in CR or LF: new lines can
// follow at once.
bool endsWithLineEnd(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential() || file.size() == 0
        || !file.seek(file.size() - 1))
        return true;
    char last = 0;
    return !file.getChar(&last) || last == '\r' || last == '\n';
}

QString openFailureReason(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("同じ名前のフォルダがあります。");
    if (!QFileInfo(info.absolutePath()).isDir())
        return QStringLiteral("保存先のフォルダが見つかりません。");
    return QStringLiteral("ファイルを開けません。書き込みが禁止されているか、ほかのプログラムが使用中です。");
}

} // namespace

bool appendListLines(const QString& path, const QStringList& lines, QString* reason)
{
    QByteArray bytes;
    if (!endsWithLineEnd(path))
        bytes += "\r\n";
    for (const QString& line : lines)
        bytes += ShiftJis::encode(line) + "\r\n";

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (reason)
            *reason = openFailureReason(path);
        return false;
    }
    const qint64 before = file.size();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // Leave no half record behind for the readers to trip over.
        file.resize(before);
        if (reason)
            *reason
                = QStringLiteral("書き込み中にエラーが起きました。ディスクの空き容量を確かめてください。");
        return false;
    }
    return true;
}

} // namespace quorlex
