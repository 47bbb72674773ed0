#ifndef PLUX_STATE_BARLAYOUTFORMAT_H
#define PLUX_STATE_BARLAYOUTFORMAT_H

// The format of the bar layout file, shared by its load and its save: section and key names, and the
// reading of the file. The keys of the manager's options and of a bar's place are those of the model's
// tables (toolkit/bars/model/BarOptions.h), which load and save walk in their order.

#include <cstddef>
#include <string>
#include <string_view>

#include "support/FileSystem.h"
#include "support/WholeFileIni.h"
#include "toolkit/bars/model/BarModel.h"

namespace barlayout {

// Manager section: the options, then the number of bars.
inline constexpr std::string_view kMain = "Main";
inline constexpr std::string_view kBarCount = "BarCount";

// Bar sections: the caption, then the place.
inline constexpr std::string_view kCaption = "Caption";
inline constexpr std::string_view kRow = "Row";
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

// The sub-menus that have a section of their own: those with a name.
inline bool HasSubMenuSection(const TBarItem& item) {
    return item.Kind == TBarItemKind::SubItem && !item.Name.empty();
}

// The file's content; a missing file is empty. Raises Exception when the file cannot be read.
ini::TWholeFileIni ReadBarLayoutFile(const std::string& fileName, const TFileSystem& files);

}  // namespace barlayout

#endif
