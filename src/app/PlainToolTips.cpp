#include "app/PlainToolTips.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace quorlex {

namespace {

class PlainToolTipFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        const QString text = widget->toolTip();
        if (text.isEmpty())
            return false;
        // Escaped inside a rich-text frame, the text shows character for character.
        const QString shown
            = QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), shown, widget);
        return true;
    }
};

} // namespace

void showToolTipsAsWritten(QWidget& parent)
{
    auto* filter = new PlainToolTipFilter(&parent);
    for (QWidget* child : parent.findChildren<QWidget*>())
        child->installEventFilter(filter);
}

} // namespace quorlex
