#include "app/ToolbarIcons.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace quorlex {

namespace {

// An image drawn from a short label in a rounded square of the bar's colour.
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

} // namespace

QIcon toolbarIcon(QStringView imageKey)
{
    struct Image {
        QStringView key;
        QStyle::StandardPixmap standard;
        QStringView label;
    };
    static const Image images[] = {
        { u"new", QStyle::SP_FileIcon, u"" },
        { u"open", QStyle::SP_DialogOpenButton, u"" },
        { u"save", QStyle::SP_DialogSaveButton, u"" },
        { u"print", QStyle::SP_CustomBase, u"印" },
        { u"find", QStyle::SP_CustomBase, u"検" },
        { u"font", QStyle::SP_CustomBase, u"色" },
        { u"h", QStyle::SP_CustomBase, u"H" },
        { u"img", QStyle::SP_CustomBase, u"img" },
        { u"table", QStyle::SP_CustomBase, u"表" },
        { u"frame", QStyle::SP_CustomBase, u"枠" },
        { u"video", QStyle::SP_CustomBase, u"動" },
        { u"midi", QStyle::SP_CustomBase, u"♪" },
        { u"link", QStyle::SP_CustomBase, u"a" },
    };
    for (const Image& image : images) {
        if (image.key != imageKey)
            continue;
        if (image.standard != QStyle::SP_CustomBase)
            return QApplication::style()->standardIcon(image.standard);
        return labelIcon(image.label.toString(), QColor(0x3a, 0x6e, 0xa5));
    }
    return QIcon();
}

} // namespace quorlex
