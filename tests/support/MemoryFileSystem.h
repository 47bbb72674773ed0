#ifndef PLUX_TESTS_SUPPORT_MEMORYFILESYSTEM_H
#define PLUX_TESTS_SUPPORT_MEMORYFILESYSTEM_H

#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/FileSystem.h"

// Folders and files with Windows paths, held in memory. Drive roots always exist; a folder can only be
// created inside an existing one, and every creation is logged. Paths match as written, except that a
// trailing backslash is ignored.
class TMemoryFileSystem final : public TFileSystem {
public:
    bool FileExists(const std::string& path) const override { return files.contains(path); }
    bool FolderExists(const std::string& path) const override {
        const std::string folder = Normal(path);
        return (folder.size() == 2 && folder[1] == ':') || folders.contains(folder);
    }
    std::optional<std::string> ReadFile(const std::string& path) const override {
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt;
        return found->second;
    }
    bool WriteFile(const std::string& path, std::string_view content) override {
        if (!FolderExists(path.substr(0, path.find_last_of('\\'))))
            return false;
        files[path] = std::string(content);
        return true;
    }
    bool CreateFolder(const std::string& path) override {
        const std::string folder = Normal(path);
        const std::size_t separator = folder.find_last_of('\\');
        if (separator == std::string::npos || !FolderExists(folder.substr(0, separator)) || FolderExists(folder) ||
            refused.contains(folder)) {
            return false;
        }
        folders.insert(folder);
        created.push_back(folder);
        return true;
    }
    // Only the mask "*" is understood; enough for the code that lists whole folders.
    std::vector<TFolderEntry> FindEntries(const std::string& pattern) const override {
        std::vector<TFolderEntry> entries;
        const std::string folder = pattern.substr(0, pattern.find_last_of('\\') + 1);
        for (const auto& [path, content] : files) {
            if (path.starts_with(folder) && path.find('\\', folder.size()) == std::string::npos) {
                entries.push_back({path.substr(folder.size()), false});
            }
        }
        return entries;
    }

    std::set<std::string> folders;
    std::map<std::string, std::string> files;
    std::set<std::string> refused;  // folders that cannot be created
    std::vector<std::string> created;

private:
    static std::string Normal(const std::string& path) {
        return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
    }
};

#endif
