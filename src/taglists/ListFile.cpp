#include "taglists/ListFile.h"

#include "files/FileErrorText.h"
#include "files/FileOps.h"
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
    // A pipe, a device or a huge file at the path counts as a missing list, rather than
    // hanging the program or filling the memory.
    QByteArray bytes;
    if (readSmallFile(path, bytes))
        return {};
    return parseListText(ShiftJis::decode(bytes));
}

namespace {

// True when the regular file is empty, missing or ends in CR or LF: new lines can follow at
// once.
bool endsWithLineEnd(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return true;
    char last = 0;
    return !file.getChar(&last) || last == '\r' || last == '\n';
}

QString openFailureReason(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("同じ名前のフォルダがあります。");
    if (info.exists() && !info.isFile())
        return fileErrorDescription(FileErrc::NotRegularFile);
    if (!QFileInfo(info.absolutePath()).isDir())
        return QStringLiteral("保存先のフォルダが見つかりません。");
    return QStringLiteral("ファイルを開けません。書き込みが禁止されているか、ほかのプログラムが使用中です。");
}

} // namespace

bool appendListLines(const QString& path, const QStringList& lines, QString* reason)
{
    // Opening a pipe would wait for a reader, and a device is no list: only a regular file (or
    // none yet) is appended to.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        if (reason)
            *reason = openFailureReason(path);
        return false;
    }

    QByteArray bytes;
    if (!endsWithLineEnd(path))
        bytes += "\r\n";
    for (const QString& line : lines)
        bytes += ShiftJis::encode(line) + "\r\n";

    // Unbuffered: bytes that did not fit stay in no buffer that would keep resize() from
    // cutting the file back.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
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
