#pragma once

#include <QIcon>
#include <QString>

namespace quorlex {

// A toolbar image drawn from a short label, for buttons without a theme icon.
QIcon labelIcon(const QString& label, const QColor& colour);

} // namespace quorlex
