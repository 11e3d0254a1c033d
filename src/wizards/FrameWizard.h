#pragma once

#include "core/MenuRow.h"
#include "wizards/FrameWizardWindow.h"

#include <QList>
#include <QString>

#include <array>

namespace quorlex {

class Editor;

// One frame's entries as stored when the user leaves it.
struct FrameEntry {
    QString ratio; // percent, as typed (limited to 0..100 by its leading number)
    QString name;
    QString address;
};

// The frameset of side-by-side frames for frames 1, 2, 3 ... up to the first whose ratio is not
// a number as a whole or is 0; the ratios as stored, each with "%".
QString framesetMarkup(const QList<FrameEntry>& frames);

// The frame wizard: up to ten frames, shown one at a time, inserted as a COLS frameset.
class NewFrame {
public:
    static constexpr int MaxFrames = 10;

    NewFrame(Editor& editor, FrameWizardWindow& window);

    void I_Frame_Click();

    // The dialog's handlers.
    void Form_Load();
    // Stores the entries shown under the current frame and shows the selected one.
    void Combo1_Click();
    // Adds a frame and shows it; an eleventh is refused with a message.
    void Command4_Click();
    // Builds the frameset from the stored frames and inserts it.
    void Command1_Click();
    void Command2_Click();

    QList<MenuRow> menuRows();

    int FrameCount() const { return m_frameCount; }
    int CurrentFrame() const { return m_currentFrame; }

    static QString caption() { return QStringLiteral("フレームウィザード"); }
    static QString limitMessage() { return QStringLiteral("フレームは、10個まで設定できます。"); }

private:
    void storeShownFrame();

    Editor& m_editor;
    FrameWizardWindow& m_window;
    int m_frameCount = 1;
    int m_currentFrame = 0;
    // Slot n holds frame n; slot 0 only ever takes the boxes' start values.
    std::array<FrameEntry, MaxFrames + 1> m_frames;
};

} // namespace quorlex
