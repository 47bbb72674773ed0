#include "app/MainStatusBar.h"

#include <gtest/gtest.h>

#include "support/RaisedMessage.h"

namespace {

TEST(MainStatusBar, FivePanelsOfTheDesign) {
    TStatusBar bar;
    const TFontSpec font{"MS Sans Serif", -11};
    BuildMainStatusBar(bar, font);
    struct TCase {
        const char* name;
        TStatusPanelStyle style;
        const char* width;
        TAlignment alignment;
    } cases[] = {
        {"Panel0", TStatusPanelStyle::TextOnly, "50%", TAlignment::LeftJustify},
        {"Panel1", TStatusPanelStyle::CapsLock, "50", TAlignment::Center},
        {"Panel2", TStatusPanelStyle::NumLock, "50", TAlignment::Center},
        {"Panel3", TStatusPanelStyle::TextOnly, "50", TAlignment::LeftJustify},
        {"pnlVersion", TStatusPanelStyle::TextOnly, "50", TAlignment::LeftJustify},
    };
    ASSERT_EQ(bar.Panels().Count(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const TCase& row = cases[i];
        SCOPED_TRACE(row.name);
        const TStatusPanel& panel = bar.Panels()[i];
        EXPECT_EQ(panel.Name(), row.name);
        EXPECT_EQ(panel.Style(), row.style);
        EXPECT_EQ(panel.Width(), row.width);
        EXPECT_EQ(panel.TextOptions(), (TTextOptions{row.alignment, TVerticalAlignment::VCenter}));
        EXPECT_EQ(panel.Bevel(), TStatusPanelBevel::Lowered);
        EXPECT_TRUE(panel.Enabled());
        EXPECT_EQ(panel.Color(), kColorBtnFace);
        EXPECT_EQ(panel.Font(), (TStatusFont{font, kColorWindowText}));
        EXPECT_EQ(panel.Text(), "");
    }
    EXPECT_EQ(&VersionPanel(bar), &bar.Panels()[4]);
    bar.Resize(688, 20);
    EXPECT_EQ(bar.Edges(), (std::vector<int>{244, 294, 344, 394, -1}));
}

TEST(MainStatusBar, PixelWidthsFollowTheDesignScale) {
    TStatusBar bar;
    BuildMainStatusBar(bar, TFontSpec{"MS Sans Serif", -14}, TDesignScale{16, 13});
    EXPECT_EQ(bar.Panels()[0].Width(), "50%");
    EXPECT_EQ(bar.Panels()[1].Width(), "62");
    TStatusBar empty;
    EXPECT_EQ(MessageOf([&] { VersionPanel(empty); }), "No status panel pnlVersion");
}

}  // namespace
