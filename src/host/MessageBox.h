#pragma once

namespace quorlex {

// The buttons, icon and modality of a message box. The numbers are the ones the program's
// messages are written with (3 + 32 is "Yes/No/Cancel with the question icon"); they are
// used only where a number is needed, never to decide anything inside the program.
enum class MsgButtons { Ok = 0, YesNoCancel = 3, YesNo = 4 };
enum class MsgIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };

struct MsgStyle {
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    bool systemModal = false;

    // The style as one number: buttons + icon (+ 4096 when system-modal).
    constexpr int toNumber() const { return int(buttons) + int(icon) + (systemModal ? 4096 : 0); }
    bool operator==(const MsgStyle&) const = default;
};

// The button that closed a message box.
enum class MsgAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

} // namespace quorlex
