#include "toolkit/bars/model/BarPalette.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A system scheme whose colours all differ, so each use can be told apart.
TSystemColours Scheme() {
    TSystemColours system;
    system.Window = 0x000001;
    system.WindowText = 0x000002;
    system.Highlight = 0x000003;
    system.HighlightText = 0x000004;
    system.ButtonFace = 0x000005;
    system.ButtonText = 0x000006;
    system.ButtonShadow = 0x000007;
    system.GrayText = 0x000008;
    system.MenuText = 0x000009;
    return system;
}

TEST(BarPalette, HighContrastTakesEveryColourFromTheSystem) {
    const TSystemColours system = Scheme();
    const TBarPalette palette = BarPalette(true, system);
    const std::set<std::uint32_t> systemColours{system.Window,        system.WindowText, system.Highlight,
                                                system.HighlightText, system.ButtonFace, system.ButtonText,
                                                system.ButtonShadow,  system.GrayText,   system.MenuText};
    for (std::uint32_t colour : {palette.Dock,
                                 palette.BarTop,
                                 palette.BarBottom,
                                 palette.BarEdge,
                                 palette.Grip,
                                 palette.Light,
                                 palette.Separator,
                                 palette.Hot,
                                 palette.Pressed,
                                 palette.Open,
                                 palette.HighlightBorder,
                                 palette.Text,
                                 palette.GrayText,
                                 palette.Menu,
                                 palette.RecessedMenu,
                                 palette.ColumnTop,
                                 palette.RecessedColumnTop,
                                 palette.ColumnBottom,
                                 palette.MenuText,
                                 palette.MenuSelected,
                                 palette.MenuSelectedText,
                                 palette.TrackFill,
                                 palette.FloatFrame,
                                 palette.FloatText})
        EXPECT_TRUE(systemColours.count(colour)) << std::hex << colour;

    // Bars in the button face with button text; a highlighted item keeps that text inside a thick
    // frame of the highlight colour; a menu's selected entry in the highlight colours.
    EXPECT_EQ(palette.BarTop, system.ButtonFace);
    EXPECT_EQ(palette.Hot, system.ButtonFace);
    EXPECT_EQ(palette.Text, system.ButtonText);
    EXPECT_EQ(palette.GrayText, system.GrayText);
    EXPECT_EQ(palette.HighlightBorder, system.Highlight);
    EXPECT_GE(palette.HighlightBorderWidth, 2);
    EXPECT_EQ(palette.Menu, system.Window);
    EXPECT_EQ(palette.MenuText, system.WindowText);
    EXPECT_EQ(palette.MenuSelected, system.Highlight);
    EXPECT_EQ(palette.MenuSelectedText, system.HighlightText);
}

TEST(BarPalette, OffAgainTheLooksOwnColoursReturn) {
    const TBarPalette palette = BarPalette(false, Scheme());
    EXPECT_EQ(palette.Dock, 0xEEE4DDu);
    EXPECT_EQ(palette.Hot, 0xC2EEFFu);
    EXPECT_EQ(palette.HighlightBorder, 0x800000u);
    EXPECT_EQ(palette.HighlightBorderWidth, 1);
    EXPECT_EQ(palette.Text, Scheme().ButtonText) << "captions have always used the system's button text";
    EXPECT_NE(palette, BarPalette(true, Scheme()));
}

}  // namespace
