#include "app/QtClipboard.h"

#include "host/LineBreaks.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quorlex {

QString QtClipboard::text() const
{
    return userBreaksToCrLf(QGuiApplication::clipboard()->text());
}

void QtClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace quorlex
