#include "taglists/ListEntries.h"

#include <algorithm>

namespace quorlex {

int nextEntryNumber(const QList<ListRecord>& records)
{
    return int(std::count_if(
        records.begin(), records.end(), [](const ListRecord& r) { return r.key.startsWith(EntryKey); }));
}

QStringList customTags(const QList<ListRecord>& records)
{
    QStringList tags;
    for (const ListRecord& r : records) {
        if (r.key.startsWith(EntryKey))
            tags.append(r.value);
    }
    return tags;
}

QStringList snippetTitles(const QList<ListRecord>& records)
{
    QStringList titles;
    for (const ListRecord& r : records) {
        if (r.key == TitleKey + QString::number(titles.size()))
            titles.append(r.value);
    }
    return titles;
}

std::optional<QString> snippetContent(const QList<ListRecord>& records, int n)
{
    const QString key = EntryKey + QString::number(n);
    const auto it
        = std::find_if(records.begin(), records.end(), [&](const ListRecord& r) { return r.key == key; });
    if (it == records.end())
        return std::nullopt;
    return it->value;
}

} // namespace quorlex
