#pragma once

#include "host/MessageBox.h"
#include "wizards/TableWizardMarkup.h"

#include <QString>

namespace quorlex {

class NewTable;

// The small scroll bars used as spinners, each beside its number box: HScroll1 beside Text6
// (border), HScroll2 beside Text4 (縦), HScroll3 beside Text5 (横), HScroll4 beside Text1
// (spacing), HScroll5 beside Text2 (padding).
enum class TableSpinner { HScroll1, HScroll2, HScroll3, HScroll4, HScroll5 };

// The range of every spinner; each starts at 0 whatever its box shows.
inline constexpr int SpinnerMinimum = 0;
inline constexpr int SpinnerMaximum = 32767;

// The table wizard's dialog NewTable as its logic sees it.
class TableWizardWindow {
public:
    virtual ~TableWizardWindow() = default;

    // Creates the dialog with its start values and runs it modally until it is unloaded; its
    // controls run wizard's handlers.
    virtual void showModal(NewTable& wizard) = 0;
    virtual void unload() = 0;

    virtual TableEntries entries() const = 0;
    // Puts text into the number box beside the spinner.
    virtual void setSpinnerBoxText(TableSpinner spinner, const QString& text) = 0;
    // Enables or disables the colour choice: the three options, the label "色" and its box.
    virtual void setColourChoiceEnabled(bool enabled) = 0;
    // A message box in front of the dialog, titled with the product title.
    virtual void message(const QString& text, MsgStyle style) = 0;
};

} // namespace quorlex
