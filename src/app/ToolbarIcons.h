#pragma once

#include <QColor>
#include <QIcon>
#include <QStringView>

namespace quorlex {

// The image of a toolbar button by its image key ("new", "img", "font" ...), drawn with ink for
// its outlines so that it reads on the bar's colour, light or dark. A null icon for an unknown key.
QIcon toolbarIcon(QStringView imageKey, const QColor& ink);

} // namespace quorlex
