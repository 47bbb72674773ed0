#include "app/ComparedSnapshot.h"

#include "snapshot/SnapshotFile.h"
#include "support/ProfileIni.h"

TSnapshotSection ReadSnapshotSection(const std::string& path, const std::string& section, TFileSystem& files) {
    TProfileIniFile file(path, files);
    TSnapshotSection snapshot;
    snapshot.Name = section;
    snapshot.SavedAt = file.ReadString(section, kTimestampKey, "");
    for (std::string& key : file.ReadSection(section)) {
        if (SameTextUpper(key, kTimestampKey))
            continue;
        std::string value = file.ReadString(section, key, "");
        snapshot.Entries.emplace_back(std::move(key), std::move(value));
    }
    return snapshot;
}
