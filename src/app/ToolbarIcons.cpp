#include "app/ToolbarIcons.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace quorlex {

QIcon toolbarIcon(QStringView imageKey, const QColor& ink)
{
    QFile file(QStringLiteral(":/quorlex/icons/%1.svg").arg(imageKey));
    if (!file.open(QIODevice::ReadOnly))
        return QIcon();
    // The images draw their outlines in "currentColor": the bar's text colour.
    QByteArray svg = file.readAll();
    svg.replace("currentColor", ink.name().toLatin1());
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return QIcon();
    // Drawn on a 16-pixel grid: sharp at 16 and 32 pixels, and given at the sizes in between
    // that fractional scales ask for.
    QIcon icon;
    for (int size : { 16, 20, 24, 32, 48, 64 }) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace quorlex
