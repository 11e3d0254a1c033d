#include "core/Toolbars.h"

#include "core/Commands.h"

namespace quorlex {

namespace {

constexpr ToolbarButton fileBar[] = {
    { u"new", u"新規作成", u"new", u"F_New" },
    { u"open", u"開く", u"open", u"F_Open" },
    { u"save", u"保存", u"save", u"F_Save" },
    { u"print", u"印刷", u"print", u"F_PrintHTML" },
    { u"find", u"検索", u"find", u"Toolbar1_find" },
    { u"color", u"色", u"font", u"Toolbar1_color" },
};

constexpr ToolbarButton tagBar[] = {
    { u"HSize", u"見出しタグ<Hn>", u"h", u"I_S_Hx" },
    { u"Picture", u"画像の挿入<img>", u"img", u"I_img" },
    { u"Table", u"表の作成<table>", u"table", u"I_Table" },
    { u"Frame", u"フレームの挿入<Frame>", u"frame", u"I_Frame" },
    { u"Avi", u"動画の挿入<img>", u"video", u"I_video" },
    { u"Music", u"BGMの指定<bgsound>", u"midi", u"I_midi" },
    { u"Link", u"リンクの指定<a>", u"link", u"I_L_Insert" },
};

} // namespace

std::span<const ToolbarButton> fileBarButtons()
{
    return fileBar;
}

std::span<const ToolbarButton> tagBarButtons()
{
    return tagBar;
}

QString toolbarCommand(std::span<const ToolbarButton> buttons, QStringView key)
{
    for (const ToolbarButton& button : buttons)
        if (button.key == key)
            return button.command.toString();
    return QString();
}

bool runToolbarButton(const Commands& commands, std::span<const ToolbarButton> buttons, QStringView key)
{
    const QString command = toolbarCommand(buttons, key);
    return !command.isEmpty() && commands.run(command);
}

} // namespace quorlex
