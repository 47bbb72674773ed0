#ifndef PLUX_TESTS_SUPPORT_REFUSINGFILESYSTEM_H
#define PLUX_TESTS_SUPPORT_REFUSINGFILESYSTEM_H

#include <set>
#include <string>

#include "support/MemoryFileSystem.h"

// The files of another file system, or of its own in memory, some of which refuse to be written (a
// read-only file) or all of them (a full disk, a folder that takes no new files), or whose existing
// files cannot be read (another program holds them); every whole-file write is counted.
class TRefusingFileSystem final : public TFileSystem {
public:
    TRefusingFileSystem() : inner_(files) {}
    explicit TRefusingFileSystem(TFileSystem& inner) : inner_(inner) {}

    bool FileExists(const std::string& path) const override { return inner_.FileExists(path); }
    bool FolderExists(const std::string& path) const override { return inner_.FolderExists(path); }
    std::optional<std::string> ReadFile(const std::string& path) const override {
        return unreadable ? std::nullopt : inner_.ReadFile(path);
    }
    bool WriteFile(const std::string& path, std::string_view content) override {
        ++writes;
        return !refuseWrites && !refused.contains(path) && inner_.WriteFile(path, content);
    }
    bool CreateFolder(const std::string& path) override { return !refuseWrites && inner_.CreateFolder(path); }
    std::vector<TFolderEntry> FindEntries(const std::string& pattern) const override {
        return inner_.FindEntries(pattern);
    }

    TMemoryFileSystem files;        // the files, unless another file system is given
    std::set<std::string> refused;  // files whose writes fail
    bool refuseWrites = false;      // every write and every new folder fails
    bool unreadable = false;        // every file fails to read
    int writes = 0;

private:
    TFileSystem& inner_;
};

#endif
