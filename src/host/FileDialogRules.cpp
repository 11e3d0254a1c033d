#include "host/FileDialogRules.h"

#include <QStringList>

namespace quorlex {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

bool startsWithScheme(const QString& text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 2 || !isAsciiLetter(text.at(0)))
        return false;
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = text.at(i);
        if (!isAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.')
            return false;
    }
    return true;
}

QString qtNameFilter(const FileFilter& filter)
{
    QStringList patterns;
    for (const QString& pattern : filter.patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString p = pattern.trimmed();
        patterns.append(p == QStringLiteral("*.*") ? QStringLiteral("*") : p);
    }
    return filter.description.trimmed() + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

QString defaultSuffix(const FileFilter& filter)
{
    const QString first = filter.patterns.section(u';', 0, 0).trimmed();
    if (!first.startsWith(QStringLiteral("*.")))
        return QString();
    const QString suffix = first.mid(2);
    return suffix.contains(u'*') || suffix.contains(u'?') ? QString() : suffix;
}

} // namespace quorlex
