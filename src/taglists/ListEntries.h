#pragma once

#include "taglists/ListFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorlex {

// The list files, in the program directory.
inline const QString CustomTagFileName = QStringLiteral("usertag.tol");
inline const QString SnippetFileName = QStringLiteral("templete.tol");

// Entries of list files are keyed "TOL" + n (a custom tag, or a snippet's content) and
// "TLN" + n (a snippet's title), n in decimal.
inline const QString EntryKey = QStringLiteral("TOL");
inline const QString TitleKey = QStringLiteral("TLN");

// The number for an entry appended now: the count of records whose key begins with "TOL".
int nextEntryNumber(const QList<ListRecord>& records);

// The custom tags of usertag.tol: the values of the "TOL" records in file order.
QStringList customTags(const QList<ListRecord>& records);

// The snippet titles of templete.tol, taken only in the sequence TLN0, TLN1, … in one pass
// from the top: a title out of order is skipped and a gap ends the list.
QStringList snippetTitles(const QList<ListRecord>& records);

// The content of snippet n: the value of the first record keyed "TOL" + n, if any.
std::optional<QString> snippetContent(const QList<ListRecord>& records, int n);

} // namespace quorlex
