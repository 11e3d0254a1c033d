#pragma once

#include "host/EditBox.h"

namespace quorlex {

class SourceEdit;

// The editing box operations on the real widget.
class SourceEditBox : public EditBox {
public:
    explicit SourceEditBox(SourceEdit& edit)
        : m_edit(edit)
    {
    }

    QString text() const override;
    void setText(const QString& text) override;
    void setTextInParts(std::unique_ptr<TextParts> parts) override;
    bool isFilling() const override;
    qsizetype length() const override;
    qsizetype indexOf(const QString& s, qsizetype from) const override;
    void replaceWholeText(const QString& text) override;
    qsizetype selStart() const override;
    void setSelStart(qsizetype offset) override;
    qsizetype selLength() const override;
    void setSelLength(qsizetype length) override;
    QString selText() const override;
    void setSelText(const QString& text) override;
    void setFocus() override;
    bool canUndo() const override;
    void undo() override;

private:
    SourceEdit& m_edit;
};

} // namespace quorlex
