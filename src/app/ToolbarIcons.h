#pragma once

#include <QIcon>
#include <QStringView>

namespace quorlex {

// The image of a toolbar button by its image key ("new", "img", "font" ...).
QIcon toolbarIcon(QStringView imageKey);

} // namespace quorlex
