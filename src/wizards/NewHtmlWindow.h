#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace quorlex {

class NewPageWizard;

// The text boxes of the new page wizard.
enum class NewHtmlBox {
    Text1, // the page title
    Text2, // the page pattern file
    Text3, // the background image
};

// The background options of the new page wizard, by control.
enum class NewHtmlOption {
    Option2, // 色無し: no colour (selected at start)
    Option1, // 白: white
    Option3, // 青: blue
    Option5, // a chosen colour, written in the option's caption
    Option4, // 画像: the image of Text3 or of the pattern
};

// The new page wizard's dialog (NewHtml) as its logic sees it. Each opening is a new window
// with the controls at their defaults.
class NewHtmlWindow {
public:
    virtual ~NewHtmlWindow() = default;

    // Shows the dialog modally until it is unloaded; its events go to wizard: the buttons, and
    // Text3_Change whenever the text of Text3 changes. Esc and the close box are Command2.
    virtual void showModal(NewPageWizard& wizard) = 0;
    virtual void unload() = 0;

    virtual QString text(NewHtmlBox box) const = 0;
    virtual void setText(NewHtmlBox box, const QString& text) = 0;
    virtual NewHtmlOption selectedOption() const = 0;
    virtual void selectOption(NewHtmlOption option) = 0;
    virtual QString option5Caption() const = 0;
    virtual void setOption5Caption(const QString& caption) = 0;
    // The colour chooser, opened at initial (0xRRGGBB); the chosen colour, nothing when cancelled.
    virtual std::optional<quint32> chooseColour(std::optional<quint32> initial) = 0;
};

} // namespace quorlex
