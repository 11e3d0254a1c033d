#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable test failure output for Qt strings; CR and LF are shown visibly.
inline void PrintTo(const QString& s, std::ostream* os)
{
    QString v = s;
    v.replace(u'\r', QStringLiteral("\\r"));
    v.replace(u'\n', QStringLiteral("\\n"));
    *os << '"' << v.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i)
            *os << ", ";
        PrintTo(list[i], os);
    }
    *os << '}';
}
