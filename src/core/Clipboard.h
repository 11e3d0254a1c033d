#pragma once

#include <QString>

namespace quorlex {

// The system clipboard as the edit commands see it: text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // The clipboard's text; empty when it holds none.
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
};

} // namespace quorlex
