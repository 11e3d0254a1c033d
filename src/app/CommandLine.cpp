#include "app/CommandLine.h"

#include <QStringList>

namespace quorlex {

QString pagePathArgument(int argc, const char* const* argv)
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    return words.join(u' ');
}

} // namespace quorlex
