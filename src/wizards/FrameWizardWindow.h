#pragma once

#include "host/MessageBox.h"

#include <QString>

namespace quorlex {

class NewFrame;

// The three boxes showing one frame's entries.
enum class FrameBox {
    Text1, // "割合": width ratio in percent, at most 3 characters
    Text2, // "フレームネーム"
    Text3, // "フレームのアドレス"
};

// The frame wizard's dialog NewFrame as its logic sees it.
class FrameWizardWindow {
public:
    virtual ~FrameWizardWindow() = default;

    // Creates the dialog (its frame list Combo1 holding the item "1", the boxes at their start
    // values), runs wizard.Form_Load() and then the dialog modally until it is unloaded; its
    // controls run wizard's handlers.
    virtual void showModal(NewFrame& wizard) = 0;
    virtual void unload() = 0;

    virtual QString text(FrameBox box) const = 0;
    virtual void setText(FrameBox box, const QString& text) = 0;
    // The frame list: items are frame numbers. Selecting from here runs no handler.
    virtual void addFrameItem(int number) = 0;
    virtual void selectFrameItem(int number) = 0;
    virtual int selectedFrameItem() const = 0;
    // A message box in front of the dialog, titled with the product title.
    virtual void message(const QString& text, MsgStyle style) = 0;
};

} // namespace quorlex
