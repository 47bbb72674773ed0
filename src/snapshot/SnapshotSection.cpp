#include "snapshot/SnapshotSection.h"

#include <utility>

#include "snapshot/SnapshotFile.h"
#include "support/PathRoutines.h"
#include "support/ProfileIni.h"
#include "support/TextRoutines.h"

std::string ProductNameKey(std::string_view name) {
    return UpperCase(ini::ProfileName(name));
}

TSnapshotSection::TSnapshotSection(std::string name, std::string savedAt, const std::vector<TSnapshotEntry>& entries)
    : name_(std::move(name)), savedAt_(std::move(savedAt)) {
    const std::string timestampKey = ProductNameKey(kTimestampKey);
    for (const TSnapshotEntry& entry : entries) {
        std::string key = ProductNameKey(entry.Key);
        if (key == timestampKey || !index_.try_emplace(std::move(key), entries_.size()).second)
            continue;
        entries_.push_back(entry);
    }
}

std::optional<std::size_t> TSnapshotSection::Find(std::string_view productName) const {
    const auto found = index_.find(ProductNameKey(productName));
    if (found == index_.end())
        return std::nullopt;
    return found->second;
}

std::optional<TChosenSnapshot> ChosenSnapshot(std::string_view choice,
                                              std::string_view programFolder,
                                              const TFileSystem& files) {
    const std::string trimmed = Trim(choice);
    TChosenSnapshot chosen{std::string(programFolder) + trimmed, FileBaseName(trimmed)};
    if (chosen.Section.empty() || !files.FileExists(chosen.Path))
        return std::nullopt;
    return chosen;
}

TSnapshotSection ReadSnapshotSection(const TChosenSnapshot& chosen, const TFileSystem& files) {
    std::optional<std::string> bytes = files.ReadFile(chosen.Path);
    return SnapshotSectionOf(bytes ? std::move(*bytes) : std::string(), chosen.Section);
}

TSnapshotSection SnapshotSectionOf(std::string fileBytes, const std::string& section) {
    const ini::TProfileText text(std::move(fileBytes));
    std::vector<TSnapshotEntry> entries;
    for (std::string& key : text.Keys(section)) {
        // A key the profile functions cannot ask for (a blank before a NUL in it) holds no version.
        std::optional<std::string> value = text.Read(section, key);
        if (value)
            entries.push_back({std::move(key), std::move(*value)});
    }
    return TSnapshotSection(section, text.Read(section, kTimestampKey).value_or(""), entries);
}
