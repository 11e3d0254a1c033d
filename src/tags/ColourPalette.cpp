#include "tags/ColourPalette.h"

#include "core/Commands.h"
#include "core/Editor.h"
#include "core/Toolbars.h"
#include "host/ControlNames.h"
#include "host/Host.h"

namespace quorlex {

QString colourName(PaletteColour colour)
{
    switch (colour) {
    case PaletteColour::Red:
        return QStringLiteral("red");
    case PaletteColour::Blue:
        return QStringLiteral("blue");
    case PaletteColour::Yellow:
        return QStringLiteral("yellow");
    case PaletteColour::Green:
        return QStringLiteral("green");
    case PaletteColour::None:
        break;
    }
    return QString();
}

ColourPalette::ColourPalette(Editor& editor, SelectColorWindow& window)
    : m_editor(editor)
    , m_window(window)
{
    m_window.setHandlers(
        [this](PaletteColour colour) { Command1_Click(colour); }, [this] { Form_QueryUnload(); });
}

void ColourPalette::Command1_Click(PaletteColour colour)
{
    const QString open = QStringLiteral("<FONT COLOR=\"") + colourName(colour) + QStringLiteral("\">");
    const QString close = QStringLiteral("</FONT>");
    m_editor.AddTag(
        m_editor.CaseTag(open) + m_editor.host().editBox().selText() + m_editor.CaseTag(close), false);
}

void ColourPalette::T_SelectColor_Click()
{
    m_window.show();
}

void ColourPalette::Toolbar1_color()
{
    if (m_editor.host().isToolbarButtonPressed(Control::Toolbar1, Control::ColorButtonKey))
        m_window.show();
    else
        m_window.hide();
}

void ColourPalette::Form_QueryUnload()
{
    m_editor.host().setToolbarButtonPressed(Control::Toolbar1, Control::ColorButtonKey, false);
}

QList<MenuRow> ColourPalette::menuRows()
{
    return {
        itemRow(QStringLiteral("T_SelectColor"), QStringLiteral("T_0"), QStringLiteral("色の指定"),
            QStringLiteral("Ctrl+M"), [this] { T_SelectColor_Click(); }),
    };
}

void ColourPalette::registerCommands(Commands& commands)
{
    commands.add(menuRows());
    commands.addCommand(
        toolbarCommandName(Control::Toolbar1, Control::ColorButtonKey), [this] { Toolbar1_color(); });
}

} // namespace quorlex
