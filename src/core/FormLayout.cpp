#include "core/FormLayout.h"

namespace quorlex {

FormLayout formLayout(const FormMetrics& metrics)
{
    FormLayout layout;
    layout.top = metrics.fileBarVisible ? metrics.fileBarHeight : 0;
    if (metrics.tagBarVisible) {
        layout.left = metrics.tagBarWidth;
        layout.redrawTagBar = true;
    }
    const int width = metrics.client.width() - layout.left;
    const int height = metrics.client.height() - layout.top - metrics.statusBarHeight;
    // A size below zero cannot be given to a control: the step fails and is skipped.
    if (width >= 0 && height >= 0)
        layout.tabStrip = QRect(layout.left, layout.top, width, height);
    return layout;
}

} // namespace quorlex
