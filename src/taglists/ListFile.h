#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace quorlex {

// One line of a list file: the text before its first "=" and everything after it. A line
// without "=" is all key, with an empty value.
struct ListRecord {
    QString key;
    QString value;
    bool operator==(const ListRecord&) const = default;
};

ListRecord splitRecord(QStringView line);

// The records of a list file's text. Lines end in CR LF as the program writes them; a LF or
// a CR alone, as left by another editor, ends a line too.
QList<ListRecord> parseListText(QStringView text);

// The records of the Shift_JIS list file at path; a missing or unreadable file has none, and
// so has anything but a regular file of a sane size (a pipe, a device).
QList<ListRecord> readListFile(const QString& path);

// Appends lines to the list file at path, each encoded as Shift_JIS (a character without a
// Shift_JIS form is written as a numeric character reference) and ended by CR LF, creating
// the file if needed. The existing lines are never rewritten; when the file does not end in
// a line end, one is written first so the new lines start a line of their own. On failure
// the file keeps its old length, reason (when given) says in Japanese why, and the result
// is false. Anything but a regular file at path is refused untouched.
bool appendListLines(const QString& path, const QStringList& lines, QString* reason = nullptr);

} // namespace quorlex
