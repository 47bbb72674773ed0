#include "support/FileSystemWrite_win.h"

#include <algorithm>
#include <optional>

#include "support/FileSystemNames.h"

namespace {

DWORD WriteAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), chunk, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_WRITE_FAULT;
        content.remove_prefix(written);
    }
    return ERROR_SUCCESS;
}

std::optional<std::string> ReadAll(HANDLE file) {
    std::string content;
    char buffer[64 * 1024];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr)) {
        if (read == 0)
            return content;
        content.append(buffer, read);
    }
    return std::nullopt;
}

// Rewinds and writes the whole content, cutting what is left of a longer old content.
DWORD Overwrite(HANDLE file, std::string_view content) {
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        return GetLastError();
    if (const DWORD error = WriteAll(file, content); error != ERROR_SUCCESS)
        return error;
    if (!SetEndOfFile(file) || !FlushFileBuffers(file))
        return GetLastError();
    return ERROR_SUCCESS;
}

DWORD WriteToDevice(const std::string& path, std::string_view content) {
    TScopedFile device(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    if (!device)
        return GetLastError();
    return WriteAll(device.Get(), content);
}

// The path a symbolic link finally leads to. The "\\?\" the call puts before a drive path is dropped
// again, so the temporary beside it gets an ordinary name.
std::optional<std::string> FinalPath(HANDLE file) {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetFinalPathNameByHandleA(file, buffer, sizeof buffer, FILE_NAME_NORMALIZED);
    if (length == 0 || length >= sizeof buffer)
        return std::nullopt;
    std::string path(buffer, length);
    if (path.starts_with("\\\\?\\") && path.size() > 6 && path[5] == ':')
        path.erase(0, 4);
    return path;
}

// The content goes to a sibling temporary first, which then takes the file's place, so a failing disk
// never leaves a half-written file behind. ReplaceFile keeps the replaced file's attributes.
DWORD ReplaceThroughTemporary(const std::string& target, std::string_view content, bool exists) {
    // A program holding the file without sharing its deletion refuses the replace; asked first, because
    // a refused ReplaceFile can leave a temporary of its own in the folder.
    if (exists) {
        const TScopedFile deletable(CreateFileA(target.c_str(), DELETE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                OPEN_EXISTING, 0, nullptr));
        if (!deletable)
            return GetLastError();
    }
    const std::string temporary = target + ".~" + std::to_string(GetCurrentProcessId());
    DWORD error = ERROR_SUCCESS;
    {
        TScopedFile file(
            CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return GetLastError();
        error = WriteAll(file.Get(), content);
        if (error == ERROR_SUCCESS && !FlushFileBuffers(file.Get()))
            error = GetLastError();
    }
    if (error == ERROR_SUCCESS) {
        const BOOL replaced =
            exists ? ReplaceFileA(target.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr)
                   : MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (replaced)
            return ERROR_SUCCESS;
        error = GetLastError();
    }
    DeleteFileA(temporary.c_str());
    return error;
}

// Another name of a hard link sees the new content only when the file itself is rewritten. The old
// content is kept in memory and written back when the new one does not fit.
DWORD WriteInPlace(const std::string& target, std::string_view content) {
    TScopedFile file(
        CreateFileA(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return GetLastError();
    const std::optional<std::string> old = ReadAll(file.Get());
    if (!old)
        return GetLastError();
    const DWORD error = Overwrite(file.Get(), content);
    if (error != ERROR_SUCCESS)
        Overwrite(file.Get(), *old);
    return error;
}

}  // namespace

TScopedFile OpenForAttributes(const std::string& path) {
    return TScopedFile(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

DWORD WriteWholeFile(const std::string& path, std::string_view content) {
    if (NamesDevice(path))
        return WriteToDevice(path, content);
    TScopedFile existing = OpenForAttributes(path);
    if (!existing)
        return ReplaceThroughTemporary(path, content, false);
    if (GetFileType(existing.Get()) != FILE_TYPE_DISK) {
        existing.Reset();
        return WriteToDevice(path, content);
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(existing.Get(), &info))
        return GetLastError();
    // What the system itself answers to writing a folder or a read-only file.
    if ((info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        return ERROR_ACCESS_DENIED;
    const std::string target = FinalPath(existing.Get()).value_or(path);
    existing.Reset();
    if (info.nNumberOfLinks > 1)
        return WriteInPlace(target, content);
    return ReplaceThroughTemporary(target, content, true);
}
