#pragma once

#include "core/MenuRow.h"
#include "tags/SelectColorWindow.h"

#include <QString>

namespace quorlex {

class Commands;
class Editor;

// The colour keyword of an option ("red"; empty for Option5, 黒(設定なし)).
QString colourName(PaletteColour colour);

// The colour palette: T_SelectColor, the file bar's two-state "color" button and the window's
// "変更" button, which wraps the selection in a font colour tag.
class ColourPalette {
public:
    ColourPalette(Editor& editor, SelectColorWindow& window);

    // "変更": <FONT COLOR="colour"> + the selection + </FONT>, the tags cased by the tag-case
    // setting, through AddTag. The window stays open.
    void Command1_Click(PaletteColour colour);
    // The Tools menu item: shows the palette without pressing the file bar button.
    void T_SelectColor_Click();
    // The file bar button: the palette is shown while the button is pressed in.
    void Toolbar1_color();
    // The palette closed by its frame: the button comes out.
    void Form_QueryUnload();

    // The Tools menu item and the file bar button's command.
    QList<MenuRow> menuRows();
    void registerCommands(Commands& commands);

private:
    Editor& m_editor;
    SelectColorWindow& m_window;
};

} // namespace quorlex
