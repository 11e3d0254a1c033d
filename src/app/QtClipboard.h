#pragma once

#include "core/Clipboard.h"

namespace quorlex {

// The system clipboard through Qt. Text taken from it has its line breaks as CR LF, as the
// editing box's own paste gives them.
class QtClipboard : public Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
};

} // namespace quorlex
