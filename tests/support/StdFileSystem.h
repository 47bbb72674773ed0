#ifndef PLUX_TESTS_SUPPORT_STDFILESYSTEM_H
#define PLUX_TESTS_SUPPORT_STDFILESYSTEM_H

#include "support/FileSystem.h"

// Real files through the standard library, for portable tests on plain ASCII paths.
class TStdFileSystem final : public TFileSystem {
public:
    bool FileExists(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    bool WriteFile(const std::string& path, std::string_view content) override;
    bool CreateFolder(const std::string& path) override;
    std::vector<TFolderEntry> FindEntries(const std::string& pattern) const override;
    // In UTC, which the tests set and expect without a time zone of the machine in the way.
    std::optional<TLocalTime> LastWriteTime(const std::string& path) const override;
};

#endif
