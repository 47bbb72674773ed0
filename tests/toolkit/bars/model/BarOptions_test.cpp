#include "toolkit/bars/model/BarOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Which rows of the options table a manager offers, as "Name" or "-Name" for one it keeps but offers
// disabled; one it does not keep at all is left out.
std::vector<std::string> Offered(const TBarManager& manager) {
    std::vector<std::string> rows;
    for (const TBarOption& option : kBarOptions) {
        if (!KeepsOption(manager, option))
            continue;
        rows.push_back((OptionEnabled(manager, option) ? "" : "-") + std::string(option.Name));
    }
    return rows;
}

// The personalised menus' options only for a style other than the standard one, the delay only with
// recent items first, shortcuts in hints only with hints shown.
TEST(BarOptions, OptionsApplyToTheStyleAndTheOptionsTheyDependOn) {
    struct {
        const char* Name;
        TBarManagerStyle Style;
        bool RecentFirst;
        bool ShowHint;
        std::vector<std::string> Offered;
    } const rows[] = {
        {"all on",
         TBarManagerStyle::Office,
         true,
         true,
         {"MenusShowRecentItemsFirst", "ShowFullMenusAfterDelay", "LargeIcons", "MenuAnimations", "ShowHint",
          "ShowShortCutInHint"}},
        {"details off",
         TBarManagerStyle::Office,
         false,
         false,
         {"MenusShowRecentItemsFirst", "-ShowFullMenusAfterDelay", "LargeIcons", "MenuAnimations", "ShowHint",
          "-ShowShortCutInHint"}},
        {"standard style",
         TBarManagerStyle::Standard,
         true,
         true,
         {"LargeIcons", "MenuAnimations", "ShowHint", "ShowShortCutInHint"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TBarManager manager;
        manager.Style = row.Style;
        TBarManagerOptions options;
        options.MenusShowRecentItemsFirst = row.RecentFirst;
        options.ShowHint = row.ShowHint;
        manager.SetOptions(options);
        EXPECT_EQ(Offered(manager), row.Offered);
    }
}

}  // namespace
