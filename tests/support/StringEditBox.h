#pragma once

#include "host/EditBox.h"

#include <QList>

namespace quorlex::test {

// An editing box over a plain string, with the behaviour the commands rely on.
class StringEditBox : public EditBox {
public:
    QString text() const override { return m_text; }
    void setText(const QString& text) override;
    bool isFilling() const override { return filling; }
    qsizetype length() const override { return m_text.size(); }
    void replaceWholeText(const QString& text) override;
    qsizetype selStart() const override { return m_start; }
    void setSelStart(qsizetype offset) override;
    qsizetype selLength() const override { return m_length; }
    void setSelLength(qsizetype length) override;
    QString selText() const override { return m_text.mid(m_start, m_length); }
    void setSelText(const QString& text) override;
    void setFocus() override { ++focusCount; }
    bool canUndo() const override { return !m_undo.isEmpty(); }
    void undo() override;

    // Selects [start, start + length) in one step.
    void select(qsizetype start, qsizetype length);

    int focusCount = 0;
    bool filling = false; // as a box that still takes in the parts of a page

private:
    QString m_text;
    qsizetype m_start = 0;
    qsizetype m_length = 0;
    QList<QString> m_undo;
};

} // namespace quorlex::test
