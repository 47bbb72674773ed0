#include "toolkit/bars/model/BarModel.h"

#include <gtest/gtest.h>

namespace {

TEST(BarModel, ShortCutTextNamesModifiersThenKey) {
    struct TCase {
        int code;
        const char* text;
    } cases[] = {
        {16453, "Ctrl+E"},
        {16467, "Ctrl+S"},
        {0, ""},
        {TShortCut::kShift | 0x79, "Shift+F10"},
        {TShortCut::kCtrl | TShortCut::kShift | TShortCut::kAlt | '7', "Ctrl+Shift+Alt+7"},
        {TShortCut::kAlt | 0x2E, "Alt+Del"},
    };
    for (const TCase& row : cases)
        EXPECT_EQ(ShortCutText(TShortCut{row.code}), row.text) << row.code;
}

TEST(BarModel, ToolTipIsTheShortHintWithTheShortcutInBrackets) {
    struct TCase {
        const char* hint;
        int shortCut;
        bool showShortCut;
        const char* tip;
    } cases[] = {
        {"Save current result", 16467, true, "Save current result (Ctrl+S)"},
        {"Save current result", 16467, false, "Save current result"},
        {"Color 1", 0, true, "Color 1"},
        {"", 16453, true, ""},
        {"Short|Long help text", 16464, true, "Short (Ctrl+P)"},
        {"|Only a long part", 16464, true, ""},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.hint);
        TBarItem item;
        item.Hint = row.hint;
        item.ShortCut = TShortCut{row.shortCut};
        EXPECT_EQ(ToolTipText(item, row.showShortCut), row.tip);
    }
}

TEST(BarModel, AccessKeyFollowsTheSingleAmpersand) {
    EXPECT_EQ(AccessKey("E&xit"), 'x');
    EXPECT_EQ(AccessKey("Save && &Quit"), 'Q');
    EXPECT_EQ(AccessKey("Fish && Chips"), 0);
    EXPECT_EQ(AccessKey("Trailing&"), 0);
    EXPECT_EQ(DisplayedCaption("Save && &Quit"), "Save & Quit");
    EXPECT_EQ(DisplayedCaption("Trailing&"), "Trailing&");
    EXPECT_TRUE(SameAccessKey('x', 'X'));
    EXPECT_FALSE(SameAccessKey(0, 0));
}

// A bar whose links all show `item`, each with its visibility and begin-group flag.
const TItemLinks& LinksOf(TBarManager& manager,
                          const TBarItem& item,
                          std::vector<std::pair<bool, bool>> visibleAndGroup) {
    std::vector<TDesignLink> links;
    for (auto [visible, group] : visibleAndGroup) {
        TDesignLink link{&item, {}};
        link.Settings.Visible = visible;
        link.Settings.BeginGroup = group;
        links.push_back(link);
    }
    return manager.AddBar(TBarProperties{}, links).Links;
}

TEST(BarModel, SeparatorShowsBeforeAShownLinkAsTheUserSeesIt) {
    TBarManager manager;
    const TBarItem& item = manager.AddItem(TBarItem{});
    struct TCase {
        const char* name;
        std::vector<std::pair<bool, bool>> links;
        std::vector<bool> separators;
    } cases[] = {
        {"own flags", {{true, false}, {true, true}, {true, false}}, {false, true, false}},
        {"first shown link never", {{true, true}, {true, false}}, {false, false}},
        {"flag of a hidden link moves on", {{true, false}, {false, true}, {true, false}}, {false, true, true}},
        {"hidden first links", {{false, false}, {false, true}, {true, true}}, {false, true, false}},
        {"hidden link keeps its own flag", {{true, false}, {false, false}, {false, true}}, {false, false, true}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        const TItemLinks& links = LinksOf(manager, item, row.links);
        for (std::size_t i = 0; i < links.size(); ++i)
            EXPECT_EQ(ShowsSeparatorBefore(links, i), row.separators[i]) << i;
    }
}

TEST(BarModel, LinkOverridesTakePrecedenceOnlyWithTheirBit) {
    TBarItem item;
    item.Caption = "&Print";
    item.PaintStyle = TPaintStyle::CaptionGlyph;
    item.Kind = TBarItemKind::Combo;
    item.Combo.BoxWidth = 150;
    TBarItemLink link;
    link.Item = &item;
    link.UserCaption = "Mine";
    link.UserPaintStyle = TPaintStyle::Standard;
    link.UserWidth = 60;
    EXPECT_EQ(link.Caption(), "&Print");
    EXPECT_EQ(link.PaintStyle(), TPaintStyle::CaptionGlyph);
    EXPECT_EQ(link.Width(), 150);
    link.UserDefine = kUserDefineCaption | kUserDefinePaintStyle | kUserDefineWidth;
    EXPECT_EQ(link.Caption(), "Mine");
    EXPECT_EQ(link.PaintStyle(), TPaintStyle::Standard);
    EXPECT_EQ(link.Width(), 60);
    link.Item = nullptr;
    link.UserDefine = 0;
    EXPECT_EQ(link.Caption(), "") << "a detached link";
    EXPECT_FALSE(link.Shown());
}

TEST(BarModel, ProgressFillsItsShareOfTheLengthWithIntegerArithmetic) {
    TProgressProperties progress;
    progress.Position = 100;
    EXPECT_EQ(progress.FilledLength(73), 73);
    progress.Position = 50;
    EXPECT_EQ(progress.FilledLength(73), 36);
    progress.Min = 10;
    progress.Max = 10;  // an empty range fills nothing instead of dividing by zero
    EXPECT_EQ(progress.FilledLength(73), 0);
}

TEST(BarModel, ManagerFindsItemsWithoutRegardToCaseFirstMatchFirst) {
    TBarManager manager;
    TBarItem first;
    first.Name = "btnPrint";
    const TBarItem& stored = manager.AddItem(first);
    first.Caption = "second";
    manager.AddItem(first);
    EXPECT_EQ(manager.FindItem("BTNPRINT"), &stored);
    EXPECT_EQ(manager.FindItem("btnPrin"), nullptr);
    EXPECT_EQ(manager.FindItem(""), nullptr);
}

}  // namespace
