#pragma once

#include <QObject>
#include <QTextObjectInterface>

namespace quorlex {

// Draws the stand-in the editing box holds for a character its document cannot hold
// as text (see LineBreakIndex): the replacement character, in the text's font.
class StandInPainter : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
        const QTextFormat& format) override;
};

} // namespace quorlex
