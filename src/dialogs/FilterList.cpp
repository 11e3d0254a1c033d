#include "dialogs/FilterList.h"

namespace quorlex {

QList<FileFilter> parseFilterList(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QList<FileFilter> filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString& patterns = parts.at(i + 1);
        if (description.isEmpty() || patterns.isEmpty())
            break;
        filters.append({ description, patterns });
    }
    return filters;
}

} // namespace quorlex
