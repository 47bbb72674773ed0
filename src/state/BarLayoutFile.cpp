// The file side of the bar layout and its save.
#include "state/BarLayoutFile.h"

#include <type_traits>
#include <variant>

#include "state/BarLayoutFormat.h"
#include "toolkit/Exception.h"
#include "toolkit/bars/model/BarOptions.h"

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

// Flags as flags, everything else as its number.
template <typename Value>
void WriteValue(ini::TWholeFileIni& file, const std::string& section, std::string_view key, Value value) {
    if constexpr (std::is_same_v<Value, bool>)
        file.WriteBool(section, key, value);
    else
        file.WriteInteger(section, key, static_cast<int>(value));
}

void WriteOptions(ini::TWholeFileIni& file, const std::string& section, const TBarManager& manager) {
    for (const TBarOption& option : kBarOptions) {
        if (!KeepsOption(manager, option))
            continue;
        std::visit([&](auto field) { WriteValue(file, section, option.Name, manager.Options().*field); }, option.Value);
    }
    file.WriteInteger(section, kBarCount, static_cast<int>(manager.BarCount()));
}

// This engine has no dock areas of their own, so the two keys that name one are never written.
void WriteBar(ini::TWholeFileIni& file, const std::string& section, const TBar& bar) {
    file.WriteString(section, kCaption, bar.Caption);
    for (const TBarPlaceValue& value : kBarPlaceValues)
        std::visit([&](auto field) { WriteValue(file, section, value.Name, bar.*field); }, value.Value);
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

    const bool recentItems = manager.KeepsRecentItems();
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
