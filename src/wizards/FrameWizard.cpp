#include "wizards/FrameWizard.h"

#include "core/Editor.h"
#include "core/Numbers.h"
#include "host/ProductInfo.h"

namespace quorlex {

namespace {

constexpr QChar Quote = u'"';

bool endsTheList(const QString& ratio)
{
    const std::optional<double> value = parseStrictNumber(ratio);
    return !value || *value == 0.0;
}

} // namespace

QString framesetMarkup(const QList<FrameEntry>& frames)
{
    QStringList cols;
    QString lines;
    for (const FrameEntry& frame : frames) {
        if (cols.size() == NewFrame::MaxFrames || endsTheList(frame.ratio))
            break;
        cols.append(frame.ratio + u'%');
        lines += QStringLiteral("    <FRAME SRC=") + Quote + frame.address + Quote + QStringLiteral(" NAME=")
            + frame.name + u'>' + CRLF;
    }
    return QStringLiteral("<FRAMESET COLS=") + Quote + cols.join(u',') + Quote + u'>' + CRLF + lines
        + QStringLiteral("</FRAMESET>") + CRLF;
}

NewFrame::NewFrame(Editor& editor, FrameWizardWindow& window)
    : m_editor(editor)
    , m_window(window)
{
}

void NewFrame::I_Frame_Click()
{
    m_window.showModal(*this);
}

void NewFrame::Form_Load()
{
    m_frames = {};
    m_currentFrame = 0;
    m_frameCount = 1;
    m_window.selectFrameItem(1);
    Combo1_Click();
}

void NewFrame::storeShownFrame()
{
    if (leadingNumber(m_window.text(FrameBox::Text1)) > 100)
        m_window.setText(FrameBox::Text1, QStringLiteral("100"));
    if (leadingNumber(m_window.text(FrameBox::Text1)) < 0)
        m_window.setText(FrameBox::Text1, QStringLiteral("0"));
    m_frames[std::size_t(m_currentFrame)]
        = { m_window.text(FrameBox::Text1), m_window.text(FrameBox::Text2), m_window.text(FrameBox::Text3) };
}

void NewFrame::Combo1_Click()
{
    storeShownFrame();
    const int k = m_window.selectedFrameItem();
    if (k < 1 || k > MaxFrames)
        return;
    const FrameEntry& shown = m_frames[std::size_t(k)];
    m_window.setText(FrameBox::Text1, generalNumberText(leadingNumber(shown.ratio)));
    m_window.setText(FrameBox::Text2, shown.name);
    m_window.setText(FrameBox::Text3, shown.address);
    m_currentFrame = k;
}

void NewFrame::Command4_Click()
{
    if (m_frameCount == MaxFrames) {
        m_window.message(limitMessage(), { MsgButtons::Ok, MsgIcon::Exclamation, false });
        return;
    }
    ++m_frameCount;
    m_window.addFrameItem(m_frameCount);
    m_window.selectFrameItem(m_frameCount);
    Combo1_Click();
}

void NewFrame::Command1_Click()
{
    storeShownFrame();
    const QList<FrameEntry> frames(m_frames.begin() + 1, m_frames.end());
    m_editor.AddTag(framesetMarkup(frames), false);
    m_window.unload();
}

void NewFrame::Command2_Click()
{
    m_window.unload();
}

QList<MenuRow> NewFrame::menuRows()
{
    return {
        itemRow(QStringLiteral("I_Frame"), QStringLiteral("I_0"), QStringLiteral("フレーム"), QString(),
            [this] { I_Frame_Click(); }),
    };
}

} // namespace quorlex
