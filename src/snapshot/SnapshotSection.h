#ifndef PLUX_SNAPSHOT_SNAPSHOTSECTION_H
#define PLUX_SNAPSHOT_SNAPSHOTSECTION_H

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "support/FileSystem.h"

// The section of a snapshot that a check is compared with, and the one way a product name finds its
// saved version there: as the profile functions look a key up (the name up to a NUL and trimmed, ASCII
// letters without regard to case). The report's comparison column, the JSON and CSV reports and the
// export's exit code all read it through Find.

// The form in which two product names find each other: equal exactly when these are. The one name rule
// of every product lookup, the snapshot's and the required-versions file's.
std::string ProductNameKey(std::string_view name);

struct TSnapshotEntry {
    std::string Key;    // as the file holds it
    std::string Value;  // as the profile functions read it
};

class TSnapshotSection {
public:
    TSnapshotSection() = default;
    // Keeps the entries in their order, but of keys that find each other only the first (the one the
    // profile functions read), and never the timestamp key, which is no product.
    TSnapshotSection(std::string name, std::string savedAt, const std::vector<TSnapshotEntry>& entries);

    const std::string& Name() const { return name_; }
    const std::string& SavedAt() const { return savedAt_; }  // the text of the timestamp key
    const std::vector<TSnapshotEntry>& Entries() const { return entries_; }
    // The index in Entries() of the key that a product of this name reads, or nothing.
    std::optional<std::size_t> Find(std::string_view productName) const;

private:
    std::string name_;
    std::string savedAt_;
    std::vector<TSnapshotEntry> entries_;
    std::unordered_map<std::string, std::size_t> index_;  // key as looked up, letters folded -> entry
};

// The snapshot a comparison choice names: the choice trimmed, in the program folder, when a file is
// there; its section is the choice's base name (cut before its last period).
struct TChosenSnapshot {
    std::string Path;
    std::string Section;
};

// Nothing when the choice names no file, or a file whose base name is empty (then there is no section
// to compare with).
std::optional<TChosenSnapshot> ChosenSnapshot(std::string_view choice,
                                              std::string_view programFolder,
                                              const TFileSystem& files);

// The chosen section with every value as the profile functions read it; a file without that section,
// or one that cannot be read, gives a section without products.
TSnapshotSection ReadSnapshotSection(const TChosenSnapshot& chosen, const TFileSystem& files);
// The same of a snapshot file's bytes.
TSnapshotSection SnapshotSectionOf(std::string fileBytes, const std::string& section);

#endif
