#include "tags/ColourPalette.h"
#include "core/Editor.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::ScriptedHost;

namespace {

// The palette window as a script: its "変更" button is pressed by the test.
struct ScriptedColourWindow : SelectColorWindow {
    void show() override { }
    void hide() override { }
    void setHandlers(std::function<void(PaletteColour)> a, std::function<void()>) override
    {
        apply = std::move(a);
    }

    std::function<void(PaletteColour)> apply;
};

struct ColourPaletteTest : ::testing::Test {
    ScriptedHost host;
    Editor editor { host };
    ScriptedColourWindow window;
    ColourPalette palette { editor, window };
};

struct ApplyRow {
    const char* name;
    PaletteColour colour;
    bool upper;
    const char16_t* selection;
    const char16_t* inserted;
};

class Apply : public ColourPaletteTest, public ::testing::WithParamInterface<ApplyRow> { };

} // namespace

TEST_P(Apply, WrapsTheSelectionInAFontTag)
{
    const ApplyRow& row = GetParam();
    editor.settings().UpperCaseTags = row.upper;
    const QString selection = QString::fromUtf16(row.selection);
    host.stringBox().setText(u'(' + selection + u')');
    host.stringBox().select(1, selection.size());
    window.apply(row.colour);
    EXPECT_EQ(host.stringBox().text(), u'(' + QString::fromUtf16(row.inserted) + u')');
    EXPECT_TRUE(host.inputs.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Colours, Apply,
    ::testing::Values(
        ApplyRow { "red_upper", PaletteColour::Red, true, u"Hello", u"<FONT COLOR=\"RED\">Hello</FONT>" },
        ApplyRow { "blue_lower", PaletteColour::Blue, false, u"Hello 日本",
            u"<font color=\"blue\">hello 日本</font>" },
        ApplyRow { "yellow", PaletteColour::Yellow, true, u"x", u"<FONT COLOR=\"YELLOW\">x</FONT>" },
        ApplyRow { "green", PaletteColour::Green, false, u"x", u"<font color=\"green\">x</font>" },
        ApplyRow { "black_is_empty", PaletteColour::None, true, u"x", u"<FONT COLOR=\"\">x</FONT>" },
        ApplyRow { "no_selection", PaletteColour::Red, false, u"", u"<font color=\"red\"></font>" }),
    [](const auto& info) { return std::string(info.param.name); });
