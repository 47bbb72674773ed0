#ifndef PLUX_STATE_BARLAYOUTFORMAT_H
#define PLUX_STATE_BARLAYOUTFORMAT_H

// The format of the bar layout file, shared by its load and its save: section and key names, and the
// reading of the file.

#include <cstddef>
#include <string>
#include <string_view>

#include "support/FileSystem.h"
#include "support/WholeFileIni.h"
#include "toolkit/bars/BarModel.h"

namespace barlayout {

// Manager section.
inline constexpr std::string_view kMain = "Main";
inline constexpr std::string_view kMenusShowRecentItemsFirst = "MenusShowRecentItemsFirst";
inline constexpr std::string_view kShowFullMenusAfterDelay = "ShowFullMenusAfterDelay";
inline constexpr std::string_view kLargeIcons = "LargeIcons";
inline constexpr std::string_view kMenuAnimations = "MenuAnimations";
inline constexpr std::string_view kShowHint = "ShowHint";
inline constexpr std::string_view kShowShortCutInHint = "ShowShortCutInHint";
inline constexpr std::string_view kBarCount = "BarCount";

// Bar sections.
inline constexpr std::string_view kCaption = "Caption";
inline constexpr std::string_view kDockedDockingStyle = "DockedDockingStyle";
inline constexpr std::string_view kDockedLeft = "DockedLeft";
inline constexpr std::string_view kDockedTop = "DockedTop";
inline constexpr std::string_view kOneOnRow = "OneOnRow";
inline constexpr std::string_view kRow = "Row";
inline constexpr std::string_view kFloatLeft = "FloatLeft";
inline constexpr std::string_view kFloatTop = "FloatTop";
inline constexpr std::string_view kFloatClientWidth = "FloatClientWidth";
inline constexpr std::string_view kFloatClientHeight = "FloatClientHeight";
inline constexpr std::string_view kDockingStyle = "DockingStyle";
inline constexpr std::string_view kVisible = "Visible";

// Link lists and link sections.
inline constexpr std::string_view kItemLinkCount = "ItemLinkCount";
inline constexpr std::string_view kItemName = "ItemName";
inline constexpr std::string_view kBeginGroup = "BeginGroup";
inline constexpr std::string_view kUserDefine = "UserDefine";
inline constexpr std::string_view kUserCaption = "UserCaption";
inline constexpr std::string_view kUserPaintStyle = "UserPaintStyle";
inline constexpr std::string_view kUserWidth = "UserWidth";
inline constexpr std::string_view kUseCount = "UseCount";
inline constexpr std::string_view kRecentIndex = "RecentIndex";

inline constexpr std::string_view kBarSectionBase = "Bar";
inline constexpr std::string_view kLinkSectionBase = ".ItemLink";

inline std::string BarSection(std::string_view prefix, std::size_t index) {
    return std::string(prefix) + std::string(kBarSectionBase) + std::to_string(index);
}

inline std::string LinkSection(std::string_view listSection, std::size_t index) {
    return std::string(listSection) + std::string(kLinkSectionBase) + std::to_string(index);
}

inline std::string SubMenuSection(std::string_view prefix, std::string_view itemName) {
    return std::string(prefix) + "SubItem_" + std::string(itemName);
}

// The options of personalised menus and the usage of the links are kept only for a manager whose style
// is not the standard one. Every link list of this engine keeps its recently-used order.
inline bool StoresRecentItems(const TBarManager& manager) {
    return manager.EffectiveStyle() != TBarManagerStyle::Standard;
}

// The sub-menus that have a section of their own: those with a name.
inline bool HasSubMenuSection(const TBarItem& item) {
    return item.Kind == TBarItemKind::SubItem && !item.Name.empty();
}

// The file's content; a missing file is empty. Raises Exception when the file cannot be read.
ini::TWholeFileIni ReadBarLayoutFile(const std::string& fileName, const TFileSystem& files);

}  // namespace barlayout

#endif
