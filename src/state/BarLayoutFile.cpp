// The file side of the bar layout and its save.
#include "state/BarLayoutFile.h"

#include "state/BarLayoutFormat.h"
#include "toolkit/Exception.h"

using namespace barlayout;

namespace {

void WriteLinks(ini::TWholeFileIni& file,
                const std::string& section,
                const TItemLinks& links,
                bool barLinks,
                bool recentItems) {
    file.WriteInteger(section, kItemLinkCount, static_cast<int>(links.size()));
    for (std::size_t j = 0; j < links.size(); ++j) {
        const TBarItemLink& link = links[j];
        // Counted all the same: the index of a link without a named item stays free on load.
        if (!link.Item || link.Item->Name.empty())
            continue;
        const std::string linkSection = LinkSection(section, j);
        file.WriteString(linkSection, kItemName, link.Item->Name);
        file.WriteBool(linkSection, kBeginGroup, ShowsSeparatorBefore(links, j));
        file.WriteInteger(linkSection, kUserDefine, link.UserDefine);
        if (link.UserDefine & kUserDefineCaption)
            file.WriteString(linkSection, kUserCaption, link.UserCaption);
        if (link.UserDefine & kUserDefinePaintStyle)
            file.WriteInteger(linkSection, kUserPaintStyle, static_cast<int>(link.UserPaintStyle));
        if (link.UserDefine & kUserDefineWidth)
            file.WriteInteger(linkSection, kUserWidth, link.UserWidth);
        if (barLinks)
            file.WriteBool(linkSection, kVisible, link.Visible);
        if (recentItems) {
            file.WriteInteger(linkSection, kUseCount, link.UseCount);
            file.WriteInteger(linkSection, kRecentIndex, links.RecentIndex(link.Id));
        }
    }
}

void WriteOptions(ini::TWholeFileIni& file, const std::string& section, const TBarManager& manager) {
    const TBarManagerOptions& options = manager.Options();
    if (StoresRecentItems(manager)) {
        file.WriteBool(section, kMenusShowRecentItemsFirst, options.MenusShowRecentItemsFirst);
        file.WriteBool(section, kShowFullMenusAfterDelay, options.ShowFullMenusAfterDelay);
    }
    file.WriteBool(section, kLargeIcons, options.LargeIcons);
    file.WriteInteger(section, kMenuAnimations, static_cast<int>(options.MenuAnimations));
    file.WriteBool(section, kShowHint, options.ShowHint);
    file.WriteBool(section, kShowShortCutInHint, options.ShowShortCutInHint);
    file.WriteInteger(section, kBarCount, static_cast<int>(manager.BarCount()));
}

// This engine has no dock areas of their own, so the two keys that name one are never written.
void WriteBar(ini::TWholeFileIni& file, const std::string& section, const TBar& bar) {
    file.WriteString(section, kCaption, bar.Caption);
    file.WriteInteger(section, kDockedDockingStyle, static_cast<int>(bar.DockedDockingStyle));
    file.WriteInteger(section, kDockedLeft, bar.DockedLeft);
    file.WriteInteger(section, kDockedTop, bar.DockedTop);
    file.WriteBool(section, kOneOnRow, bar.OneOnRow);
    file.WriteInteger(section, kRow, bar.Row);
    file.WriteInteger(section, kFloatLeft, bar.FloatLeft);
    file.WriteInteger(section, kFloatTop, bar.FloatTop);
    file.WriteInteger(section, kFloatClientWidth, bar.FloatClientWidth);
    file.WriteInteger(section, kFloatClientHeight, bar.FloatClientHeight);
    file.WriteInteger(section, kDockingStyle, static_cast<int>(bar.DockingStyle));
    file.WriteBool(section, kVisible, bar.Visible);
}

}  // namespace

ini::TWholeFileIni barlayout::ReadBarLayoutFile(const std::string& fileName, const TFileSystem& files) {
    if (!files.FileExists(fileName))
        return {};
    const auto content = files.ReadFile(fileName);
    if (!content)
        throw Exception("Unable to read " + fileName);
    return ini::TWholeFileIni(*content);
}

std::string BarLayoutPrefix(std::string_view ownerName, std::string_view managerName) {
    return std::string(ownerName) + "." + std::string(managerName) + ".";
}

void SaveBarLayout(const TBarManager& manager,
                   std::string_view prefix,
                   const std::string& fileName,
                   TFileSystem& files) {
    if (fileName.empty())
        return;
    ini::TWholeFileIni file = ReadBarLayoutFile(fileName, files);
    // Exact, letter case included: a section of another case is someone else's.
    file.EraseSections([&](std::string_view section) { return section.starts_with(prefix); });

    const bool recentItems = StoresRecentItems(manager);
    WriteOptions(file, std::string(prefix) + std::string(kMain), manager);
    for (std::size_t i = 0; i < manager.BarCount(); ++i) {
        const std::string section = BarSection(prefix, i);
        WriteBar(file, section, manager.Bar(i));
        WriteLinks(file, section, manager.Bar(i).Links, true, recentItems);
    }
    for (const auto& item : manager.Items())
        if (HasSubMenuSection(*item))
            WriteLinks(file, SubMenuSection(prefix, item->Name), item->SubLinks, false, recentItems);

    if (!files.WriteFile(fileName, file.Text()))
        throw Exception("Unable to write to " + fileName);
}
