#ifndef PLUX_TESTS_SUPPORT_REFUSINGFILESYSTEM_H
#define PLUX_TESTS_SUPPORT_REFUSINGFILESYSTEM_H

#include <set>
#include <string>

#include "support/MemoryFileSystem.h"

// Files in memory, some of which refuse to be written (a read-only file, a full disk); every whole-file
// write is counted.
class TRefusingFileSystem final : public TFileSystem {
public:
    bool FileExists(const std::string& path) const override { return files.FileExists(path); }
    bool FolderExists(const std::string& path) const override { return files.FolderExists(path); }
    std::optional<std::string> ReadFile(const std::string& path) const override { return files.ReadFile(path); }
    bool WriteFile(const std::string& path, std::string_view content) override {
        ++writes;
        return !refused.contains(path) && files.WriteFile(path, content);
    }
    bool CreateFolder(const std::string& path) override { return files.CreateFolder(path); }
    std::vector<TFolderEntry> FindEntries(const std::string& pattern) const override {
        return files.FindEntries(pattern);
    }

    TMemoryFileSystem files;
    std::set<std::string> refused;
    int writes = 0;
};

#endif
