#ifndef PLUX_SUPPORT_FILESYSTEM_H
#define PLUX_SUPPORT_FILESYSTEM_H

#include <optional>
#include <string>
#include <string_view>

// The file operations the portable code needs. Paths are texts of the single-byte character set, so
// on Windows the implementation goes through the ANSI functions.
class TFileSystem {
public:
    virtual ~TFileSystem() = default;
    // True only for an existing file; a folder does not count.
    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool FolderExists(const std::string& path) const = 0;
    // The whole content, or nothing when the file cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
    // Replaces the whole file; false when it could not be written (the old content is then kept).
    virtual bool WriteFile(const std::string& path, std::string_view content) = 0;
};

// The running platform's file system.
TFileSystem& PlatformFileSystem();

#endif
