// The load of the bar layout file.
#include "state/BarLayoutFile.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "state/BarLayoutFormat.h"
#include "support/TextRoutines.h"
#include "toolkit/bars/model/BarOptions.h"

using namespace barlayout;

namespace {

// The sections named by a base and a number ("…Bar3", "…Bar0.ItemLink12"), found in one pass over the
// file, so that a count read from the file bounds nothing but a lookup. A name matches as the save
// writes it: the number in decimal without leading zeros.
class TNumberedSections {
public:
    explicit TNumberedSections(const ini::TWholeFileIni& file) {
        for (std::string& name : file.Sections()) {
            std::size_t digits = name.size();
            while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
                --digits;
            const std::string number = name.substr(digits);
            if (number.empty() || number.size() > 9 || (number.size() > 1 && number.front() == '0'))
                continue;
            byBase_[UpperCase(std::string_view(name).substr(0, digits))].emplace(std::stoi(number), std::move(name));
        }
    }

    // The sections base + n for 0 <= n < count, by n.
    std::vector<std::pair<int, std::string>> Below(std::string_view base, int count) const {
        std::vector<std::pair<int, std::string>> found;
        const auto sections = byBase_.find(UpperCase(base));
        if (sections != byBase_.end())
            for (const auto& [number, name] : sections->second)
                if (number < count)
                    found.emplace_back(number, name);
        return found;
    }

private:
    std::map<std::string, std::map<int, std::string>> byBase_;
};

// An ordinal of an enumeration with `count` values; nothing when the stored number is none of them.
template <typename Enum>
std::optional<Enum> ReadOrdinal(const ini::TWholeFileIni& file,
                                const std::string& section,
                                std::string_view key,
                                Enum current,
                                int count) {
    const int value = file.ReadInteger(section, key, static_cast<int>(current));
    if (value < 0 || value >= count)
        return std::nullopt;
    return static_cast<Enum>(value);
}

constexpr int kPaintStyles = 4;
constexpr int kNoRow = -1000;

constexpr int OrdinalCount(TDockingStyle) {
    return kDockingStyleCount;
}

constexpr int OrdinalCount(TMenuAnimations) {
    return kMenuAnimationCount;
}

// A value of an option or a place, defaulting to `current`: false when it reads as a flag that is not
// stored and `missingMeansFalse`; nothing when an ordinal stored is none of its enumeration's.
template <typename Value>
std::optional<Value> ReadValue(const ini::TWholeFileIni& file,
                               const std::string& section,
                               std::string_view key,
                               Value current,
                               bool missingMeansFalse = false) {
    if constexpr (std::is_same_v<Value, bool>)
        return file.ReadBool(section, key, missingMeansFalse ? false : current);
    else if constexpr (std::is_same_v<Value, int>)
        return file.ReadInteger(section, key, current);
    else
        return ReadOrdinal(file, section, key, current, OrdinalCount(current));
}

class TLayoutLoad {
public:
    TLayoutLoad(TBarManager& manager, std::string_view prefix, const ini::TWholeFileIni& file)
        : manager_(manager), prefix_(prefix), file_(file), sections_(file), recentItems_(manager.KeepsRecentItems()) {}

    void Run() {
        TBarManager::TUpdate update(manager_);
        LoadOptions();
        const int barCount = file_.ReadInteger(prefix_ + std::string(kMain), kBarCount, -1);
        if (barCount >= 0)
            LoadBars(barCount);
        LoadSubMenus();
    }

private:
    // An option stored as none of its values keeps its current one.
    void LoadOptions() {
        const std::string section = prefix_ + std::string(kMain);
        TBarManagerOptions options = manager_.Options();
        for (const TBarOption& option : kBarOptions) {
            if (!KeepsOption(manager_, option))
                continue;
            std::visit(
                [&](auto field) {
                    options.*field = ReadValue(file_, section, option.Name, options.*field).value_or(options.*field);
                },
                option.Value);
        }
        manager_.SetOptions(options);
    }

    // Files written by the save number their bars without gaps. In a hand-edited one, a stored bar beyond
    // the existing ones is appended as the next bar, so nothing is lost, no empty bar is made, and the
    // next save closes the gap.
    void LoadBars(int barCount) {
        for (std::size_t i = 0; i < manager_.BarCount(); ++i)
            manager_.SetBarVisible(manager_.Bar(i).Id, false);
        for (const auto& [index, section] : sections_.Below(prefix_ + std::string(kBarSectionBase), barCount)) {
            if (file_.ReadInteger(section, kRow, kNoRow) <= kNoRow)
                continue;  // that bar stays hidden
            const auto existing = static_cast<std::size_t>(index);
            const TBarId bar =
                existing < manager_.BarCount() ? manager_.Bar(existing).Id : manager_.AddBar(TBarProperties{}).Id;
            LoadLinks(section, bar, true);
            LoadBar(section, bar);
        }
    }

    void LoadBar(const std::string& section, TBarId id) {
        const TBar& bar = *manager_.FindBar(id);
        manager_.RenameBar(id, file_.ReadString(section, kCaption, bar.Caption));
        TBarPlace place = bar;
        if (!ReadPlace(section, place))
            place.Visible = true;
        manager_.SetBarPlace(id, place);
    }

    // The values in the order they apply; false when one cannot be applied (those before it are).
    // This engine has no dock areas of their own: the keys that name one lead nowhere and are passed by.
    bool ReadPlace(const std::string& section, TBarPlace& place) const {
        for (const TBarPlaceValue& value : kBarPlaceValues) {
            const bool read = std::visit(
                [&](auto field) {
                    const auto stored = ReadValue(file_, section, value.Name, place.*field, value.MissingMeansFalse);
                    if (stored)
                        place.*field = *stored;
                    return stored.has_value();
                },
                value.Value);
            if (!read)
                return false;
        }
        return true;
    }

    void LoadSubMenus() {
        for (const auto& item : manager_.Items()) {
            if (!HasSubMenuSection(*item))
                continue;
            const std::string section = SubMenuSection(prefix_, item->Name);
            if (file_.ReadInteger(section, kItemLinkCount, -1) >= 0)
                LoadLinks(section, *item, false);
        }
    }

    // `list` is a bar's id or a sub-menu item: where the manager inserts the links.
    template <typename List>
    void LoadLinks(const std::string& section, const List& list, bool barLinks) {
        manager_.ClearLinks(list);
        std::vector<std::pair<int, TLinkId>> recent;
        const int count = file_.ReadInteger(section, kItemLinkCount, 0);
        for (const auto& [index, linkSection] : sections_.Below(section + std::string(kLinkSectionBase), count)) {
            const std::string name = file_.ReadString(linkSection, kItemName, "");
            const TBarItem* item = name.empty() ? nullptr : manager_.FindItem(name);
            if (!item)
                continue;  // no name, or an item that is gone
            TLinkSettings settings = ReadLinkSettings(linkSection);
            // Applied whatever happened to the values before.
            settings.Visible = !barLinks || file_.ReadBool(linkSection, kVisible, true);
            int recentIndex = -1;
            if (recentItems_) {
                settings.UseCount = file_.ReadInteger(linkSection, kUseCount, 0);
                recentIndex = file_.ReadInteger(linkSection, kRecentIndex, -1);
            }
            const TLinkId link = manager_.InsertLink(list, SIZE_MAX, *item, settings);
            if (recentIndex >= 0)
                recent.emplace_back(recentIndex, link);
        }
        std::stable_sort(recent.begin(), recent.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [recentIndex, link] : recent)
            manager_.SetLinkRecentIndex(link, recentIndex);
    }

    // The overrides in the order they apply; a paint style that is none stops there.
    TLinkSettings ReadLinkSettings(const std::string& section) const {
        TLinkSettings settings;
        settings.BeginGroup = file_.ReadBool(section, kBeginGroup, false);
        settings.UserDefine = file_.ReadInteger(section, kUserDefine, 0);
        if (settings.UserDefine & kUserDefineCaption)
            settings.UserCaption = file_.ReadString(section, kUserCaption, "");
        if (settings.UserDefine & kUserDefinePaintStyle) {
            const auto style = ReadOrdinal(file_, section, kUserPaintStyle, TPaintStyle::Standard, kPaintStyles);
            if (!style)
                return settings;
            settings.UserPaintStyle = *style;
        }
        if (settings.UserDefine & kUserDefineWidth)
            settings.UserWidth = file_.ReadInteger(section, kUserWidth, settings.UserWidth);
        return settings;
    }

    TBarManager& manager_;
    std::string prefix_;
    const ini::TWholeFileIni& file_;
    TNumberedSections sections_;
    bool recentItems_ = false;
};

}  // namespace

void LoadBarLayout(TBarManager& manager,
                   std::string_view prefix,
                   const std::string& fileName,
                   const TFileSystem& files) {
    if (fileName.empty())
        return;
    const ini::TWholeFileIni file = ReadBarLayoutFile(fileName, files);
    TLayoutLoad(manager, prefix, file).Run();
}
