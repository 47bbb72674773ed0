#include "support/FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "toolkit/win/Handles_win.h"

namespace {

class TWin32FileSystem final : public TFileSystem {
public:
    bool FileExists(const std::string& path) const override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }

    bool FolderExists(const std::string& path) const override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    std::optional<std::string> ReadFile(const std::string& path) const override {
        TScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return std::nullopt;
        std::string content;
        char buffer[64 * 1024];
        DWORD read = 0;
        while (::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) {
            if (read == 0)
                return content;
            content.append(buffer, read);
        }
        return std::nullopt;
    }

    // The content goes to a sibling temporary first, which then replaces the file, so a failing disk
    // never leaves a half-written file behind.
    bool WriteFile(const std::string& path, std::string_view content) override {
        // Windows refuses to replace a read-only file; Wine renames over it, so the attribute is asked.
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            return false;
        const std::string temporary = path + ".~" + std::to_string(GetCurrentProcessId());
        bool written = false;
        {
            TScopedFile file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file)
                return false;
            written = WriteAll(file.Get(), content) && FlushFileBuffers(file.Get());
        }
        if (written &&
            MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        DeleteFileA(temporary.c_str());
        return false;
    }

    bool CreateFolder(const std::string& path) override { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

    std::vector<TFolderEntry> FindEntries(const std::string& pattern) const override {
        std::vector<TFolderEntry> entries;
        WIN32_FIND_DATAA found;
        TScopedFind search(FindFirstFileA(pattern.c_str(), &found));
        if (!search)
            return entries;
        do {
            entries.push_back({found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        } while (FindNextFileA(search.Get(), &found));
        return entries;
    }

private:
    static bool WriteAll(HANDLE file, std::string_view content) {
        while (!content.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 20));
            DWORD written = 0;
            if (!::WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0)
                return false;
            content.remove_prefix(written);
        }
        return true;
    }
};

}  // namespace

TFileSystem& PlatformFileSystem() {
    static TWin32FileSystem fileSystem;
    return fileSystem;
}
