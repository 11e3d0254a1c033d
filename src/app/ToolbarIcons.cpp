#include "app/ToolbarIcons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace quorlex {

QIcon labelIcon(const QString& label, const QColor& colour)
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(3, 3, 42, 42), 8, 8);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(label.size() > 2 ? 15 : 22);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 48, 48), Qt::AlignCenter, label);
    return QIcon(pixmap);
}

} // namespace quorlex
