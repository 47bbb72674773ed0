#include "support/FileSystemWrite_win.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "support/FileSystemNames.h"
#include "support/TemporaryFiles.h"

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

// Writes the pieces of a content to a file through a buffer, so that many small pieces take few writes
// and a large one is written where it lies; the first error stops the writing.
class TFileSink final : public TContentSink {
public:
    explicit TFileSink(HANDLE file) : file_(file) { LendBuffer(buffer_, buffer_ + sizeof buffer_); }
    // Writes what is left; the first error, or ERROR_SUCCESS.
    DWORD Finish() {
        Drain();
        return error_;
    }

private:
    void Overflow(std::string_view piece) override {
        Drain();
        if (piece.size() < sizeof buffer_)
            Append(piece);
        else if (error_ == ERROR_SUCCESS)
            error_ = WriteAll(file_, piece);
    }
    void Drain() {
        if (error_ == ERROR_SUCCESS)
            error_ = WriteAll(file_, std::string_view(buffer_, static_cast<std::size_t>(Next() - buffer_)));
        LendBuffer(buffer_, buffer_ + sizeof buffer_);
    }

    HANDLE file_;
    DWORD error_ = ERROR_SUCCESS;
    char buffer_[64 * 1024];
};

DWORD WriteAll(HANDLE file, const TContentWriter& content) {
    TFileSink sink(file);
    content(sink);
    return sink.Finish();
}

// Rewinds and writes the whole content, cutting what is left of a longer old content.
DWORD Overwrite(HANDLE file, const TContentWriter& content) {
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        return GetLastError();
    if (const DWORD error = WriteAll(file, content); error != ERROR_SUCCESS)
        return error;
    if (!SetEndOfFile(file) || !FlushFileBuffers(file))
        return GetLastError();
    return ERROR_SUCCESS;
}

DWORD WriteToDevice(const std::string& path, const TContentWriter& content) {
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

// What a file's attributes say about it that its new content must keep; the archive flag is set, as by
// any change of content, and the read-only one never reaches here.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE;

// The file name part of a path, and the folder before it with its separator.
std::pair<std::string, std::string> FolderAndName(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/:");
    if (separator == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, separator + 1), path.substr(separator + 1)};
}

// Removes the temporaries of `target` that a save killed before its end left behind. A save holds its
// temporary open without sharing it up to the rename, so the temporary of a save still under way in
// another process cannot be opened here and stays; one that can goes when its handle closes.
void RemoveLeftTemporaries(const std::string& target) {
    WIN32_FIND_DATAA found;
    const TScopedFind search(FindFirstFileA((target + ".~*").c_str(), &found));
    if (!search)
        return;
    const auto [folder, name] = FolderAndName(target);
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsTemporaryName(found.cFileName, name)) {
            const TScopedFile left(CreateFileA((folder + found.cFileName).c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                               FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        }
    } while (FindNextFileA(search.Get(), &found));
}

// The temporary takes the replaced file's creation time and attributes before it takes its place.
DWORD TakeOver(HANDLE temporary, const BY_HANDLE_FILE_INFORMATION& replaced) {
    FILE_BASIC_INFO basic{};
    basic.CreationTime.LowPart = replaced.ftCreationTime.dwLowDateTime;
    basic.CreationTime.HighPart = static_cast<LONG>(replaced.ftCreationTime.dwHighDateTime);
    basic.FileAttributes = (replaced.dwFileAttributes & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE;
    if (!SetFileInformationByHandle(temporary, FileBasicInfo, &basic, sizeof basic))
        return GetLastError();
    return ERROR_SUCCESS;
}

// The content goes to a sibling temporary first, which then takes the file's place in one rename that
// overwrites it. A crash at any moment leaves the old file or the new one, never neither: the rename is
// atomic, where the platform's ReplaceFile (under Wine at least) moves the old file away first.
DWORD ReplaceThroughTemporary(const std::string& target,
                              const TContentWriter& content,
                              const BY_HANDLE_FILE_INFORMATION* replaced) {
    // A program holding the file without sharing its deletion refuses the rename; asked first, so that
    // the content is not written in vain.
    if (replaced) {
        const TScopedFile deletable(CreateFileA(target.c_str(), DELETE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                OPEN_EXISTING, 0, nullptr));
        if (!deletable)
            return GetLastError();
    }
    RemoveLeftTemporaries(target);
    const std::string temporary = TemporaryPath(target, GetCurrentProcessId());
    // Open, and shared for the rename only, until the rename is done.
    TScopedFile file(CreateFileA(temporary.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return GetLastError();
    DWORD error = WriteAll(file.Get(), content);
    if (error == ERROR_SUCCESS && !FlushFileBuffers(file.Get()))
        error = GetLastError();
    if (error == ERROR_SUCCESS && replaced)
        error = TakeOver(file.Get(), *replaced);
    if (error == ERROR_SUCCESS &&
        !MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) {
        FILE_DISPOSITION_INFO remove{TRUE};
        SetFileInformationByHandle(file.Get(), FileDispositionInfo, &remove, sizeof remove);
    }
    return error;
}

// Another name of a hard link sees the new content only when the file itself is rewritten. The old
// content is kept in memory and written back when the new one does not fit.
DWORD WriteInPlace(const std::string& target, const TContentWriter& content) {
    TScopedFile file(
        CreateFileA(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return GetLastError();
    const std::optional<std::string> old = ReadAll(file.Get());
    if (!old)
        return GetLastError();
    const DWORD error = Overwrite(file.Get(), content);
    if (error != ERROR_SUCCESS)
        Overwrite(file.Get(), WholeContent(*old));
    return error;
}

}  // namespace

// Into a string of the file's size, so that a large file is read without growing a copy of it; a file
// that grows meanwhile is read to its end all the same.
std::optional<std::string> ReadAll(HANDLE file) {
    LARGE_INTEGER size{};
    std::string content;
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0)
        content.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t filled = 0;
    char tail[4096];
    for (;;) {
        const bool intoContent = filled < content.size();
        char* into = intoContent ? content.data() + filled : tail;
        const std::size_t room = intoContent ? content.size() - filled : sizeof tail;
        DWORD read = 0;
        if (!::ReadFile(file, into, static_cast<DWORD>(std::min<std::size_t>(room, 1u << 30)), &read, nullptr))
            return std::nullopt;
        if (read == 0)
            break;
        if (!intoContent)
            content.append(tail, read);
        filled += read;
    }
    content.resize(filled);
    return content;
}

TScopedFile OpenForAttributes(const std::string& path) {
    return TScopedFile(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

DWORD WriteWholeFile(const std::string& path, const TContentWriter& content) {
    if (NamesDevice(path))
        return WriteToDevice(path, content);
    TScopedFile existing = OpenForAttributes(path);
    if (!existing)
        return ReplaceThroughTemporary(path, content, nullptr);
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
    return ReplaceThroughTemporary(target, content, &info);
}
