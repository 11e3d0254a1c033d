#pragma once

#include "wizards/NewHtmlWindow.h"
#include "wizards/NewPage.h"
#include "wizards/NewPageWizard.h"

#include <QHash>
#include <QQueue>

#include <functional>

namespace quorlex::test {

// The new page wizard's dialog as plain values: showing it runs a script of the user's actions
// on the wizard; changes of Text3 reach the wizard as the real dialog's do.
class ScriptedNewHtml : public NewHtmlWindow {
public:
    using Script = std::function<void(NewPageWizard&, ScriptedNewHtml&)>;
    explicit ScriptedNewHtml(Script script)
        : m_script(std::move(script))
    {
    }

    void showModal(NewPageWizard& wizard) override
    {
        m_wizard = &wizard;
        m_script(wizard, *this);
        m_wizard = nullptr;
    }
    void unload() override { unloaded = true; }
    QString text(NewHtmlBox box) const override { return texts.value(box); }
    void setText(NewHtmlBox box, const QString& text) override
    {
        const bool changed = texts.value(box) != text;
        texts.insert(box, text);
        if (changed && box == NewHtmlBox::Text3 && m_wizard)
            m_wizard->Text3_Change();
    }
    NewHtmlOption selectedOption() const override { return option; }
    void selectOption(NewHtmlOption o) override { option = o; }
    QString option5Caption() const override { return caption; }
    void setOption5Caption(const QString& c) override { caption = c; }
    std::optional<quint32> chooseColour(std::optional<quint32> initial) override
    {
        colourRequests.append(initial);
        return colours.isEmpty() ? std::nullopt : colours.dequeue();
    }

    QHash<NewHtmlBox, QString> texts;
    NewHtmlOption option = NewHtmlOption::Option2;
    QString caption = noColourChosenCaption();
    QQueue<std::optional<quint32>> colours;
    QList<std::optional<quint32>> colourRequests;
    bool unloaded = false;

private:
    Script m_script;
    NewPageWizard* m_wizard = nullptr;
};

} // namespace quorlex::test
