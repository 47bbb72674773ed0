#include "support/FileSystem.h"

#include <windows.h>

#include <string>

#include "support/FileSystemNames.h"
#include "support/FileSystemWrite_win.h"
#include "toolkit/win/Handles_win.h"

namespace {

// Device names look like ordinary files to GetFileAttributes (Wine even reports "aux.plx" in any
// folder as an archive file), and reading a serial port blocks; so the name is tested first, then the
// attributes, and the file type of an open handle last.
bool MayBeOrdinaryFile(const std::string& path) {
    if (NamesDevice(path))
        return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsOrdinaryFile(const std::string& path) {
    if (!MayBeOrdinaryFile(path))
        return false;
    const TScopedFile file = OpenForAttributes(path);
    return file && GetFileType(file.Get()) == FILE_TYPE_DISK;
}

class TWin32FileSystem final : public TFileSystem {
public:
    bool FileExists(const std::string& path) const override { return IsOrdinaryFile(path); }

    bool FolderExists(const std::string& path) const override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    std::optional<std::string> ReadFile(const std::string& path) const override {
        // The handle that reads the file is the one whose type is tested, as opening a file is among the
        // dearest steps of reading a small one.
        if (!MayBeOrdinaryFile(path))
            return Failed(ERROR_FILE_NOT_FOUND);
        TScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return Failed(GetLastError());
        if (GetFileType(file.Get()) != FILE_TYPE_DISK)
            return Failed(ERROR_FILE_NOT_FOUND);
        std::optional<std::string> content = ReadAll(file.Get());
        if (!content)
            return Failed(GetLastError());
        lastError_ = ERROR_SUCCESS;
        return content;
    }

    bool WriteFile(const std::string& path, std::string_view content) override {
        return WriteFileInPieces(path, WholeContent(content));
    }

    bool WriteFileInPieces(const std::string& path, const TContentWriter& content) override {
        lastError_ = WriteWholeFile(path, content);
        return lastError_ == ERROR_SUCCESS;
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

    // One file has one index on its volume, whatever name or link leads to it.
    bool SameFile(const std::string& first, const std::string& second) const override {
        BY_HANDLE_FILE_INFORMATION a;
        BY_HANDLE_FILE_INFORMATION b;
        if (NamesDevice(first) || NamesDevice(second) || !Identify(first, a) || !Identify(second, b))
            return false;
        return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
               a.nFileIndexLow == b.nFileIndexLow;
    }

    bool IsReadOnly(const std::string& path) const override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    }

    // The local time of the moment, by the time zone's rules for that day, and its distance from UTC.
    std::optional<TLocalTime> LastWriteTime(const std::string& path) const override {
        WIN32_FILE_ATTRIBUTE_DATA data;
        SYSTEMTIME utc;
        SYSTEMTIME local;
        FILETIME localFileTime;
        if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
            !FileTimeToSystemTime(&data.ftLastWriteTime, &utc) ||
            !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) || !SystemTimeToFileTime(&local, &localFileTime))
            return std::nullopt;
        const auto ticks = [](const FILETIME& time) {
            return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                          time.dwLowDateTime);
        };
        constexpr long long kTicksPerMinute = 600000000;
        TLocalTime written;
        written.When = {local.wYear,   local.wMonth,  local.wDay,      local.wHour,
                        local.wMinute, local.wSecond, local.wDayOfWeek};
        written.UtcOffsetMinutes =
            static_cast<int>((ticks(localFileTime) - ticks(data.ftLastWriteTime)) / kTicksPerMinute);
        return written;
    }

    std::string LastErrorText() const override {
        if (lastError_ == ERROR_SUCCESS)
            return {};
        char* text = nullptr;
        const DWORD length =
            FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, lastError_, 0, reinterpret_cast<char*>(&text), 0, nullptr);
        std::string message = length > 0 ? std::string(text, length) : "Error " + std::to_string(lastError_);
        LocalFree(text);
        while (!message.empty() && static_cast<unsigned char>(message.back()) <= ' ')
            message.pop_back();
        return message;
    }

private:
    std::nullopt_t Failed(DWORD error) const {
        lastError_ = error;
        return std::nullopt;
    }

    static bool Identify(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        const TScopedFile file = OpenForAttributes(path);
        return file && GetFileInformationByHandle(file.Get(), &info);
    }

    mutable DWORD lastError_ = ERROR_SUCCESS;
};

}  // namespace

TFileSystem& PlatformFileSystem() {
    static TWin32FileSystem fileSystem;
    return fileSystem;
}
