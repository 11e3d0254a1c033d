#include "host/SourceEditStandIn.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextDocument>

namespace quorlex {

namespace {

QFont standInFont(const QTextDocument* document, const QTextFormat& format)
{
    return format.toCharFormat().font().resolve(document->defaultFont());
}

} // namespace

QSizeF StandInPainter::intrinsicSize(QTextDocument* document, int /*position*/, const QTextFormat& format)
{
    // The object stands on the baseline: its height is the ascent, so lines keep their height.
    const QFontMetricsF metrics(standInFont(document, format));
    return { metrics.horizontalAdvance(QChar::ReplacementCharacter), metrics.ascent() };
}

void StandInPainter::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
    int /*position*/, const QTextFormat& format)
{
    painter->save();
    painter->setFont(standInFont(document, format));
    painter->drawText(QPointF(rect.left(), rect.bottom()), QString(QChar::ReplacementCharacter));
    painter->restore();
}

} // namespace quorlex
