#include "support/StdFileSystem.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Whether a name matches a mask of "*" (any run) and "?" (one character), ASCII letters in any case.
bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask.empty())
        return name.empty();
    if (mask.front() == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (MatchesMask(name.substr(skip), mask.substr(1)))
                return true;
        }
        return false;
    }
    if (name.empty())
        return false;
    const auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    if (mask.front() != '?' && fold(mask.front()) != fold(name.front()))
        return false;
    return MatchesMask(name.substr(1), mask.substr(1));
}

}  // namespace

bool TStdFileSystem::FileExists(const std::string& path) const {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool TStdFileSystem::FolderExists(const std::string& path) const {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::optional<std::string> TStdFileSystem::ReadFile(const std::string& path) const {
    if (!FileExists(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TStdFileSystem::WriteFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return static_cast<bool>(out.flush());
}

bool TStdFileSystem::CreateFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::create_directory(path, error);
}

// The pattern's folder ends at its last separator of either kind; directory_iterator keeps the
// order the file system gives and leaves out "." and "..".
std::vector<TFolderEntry> TStdFileSystem::FindEntries(const std::string& pattern) const {
    std::vector<TFolderEntry> entries;
    const std::size_t separator = pattern.find_last_of("\\/");
    const std::string folder = separator == std::string::npos ? "." : pattern.substr(0, separator);
    const std::string mask = pattern.substr(separator == std::string::npos ? 0 : separator + 1);
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (MatchesMask(name, mask))
            entries.push_back({name, it->is_directory(error)});
    }
    return entries;
}

std::optional<TLocalTime> TStdFileSystem::LastWriteTime(const std::string& path) const {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(written)));
    const std::tm* utc = std::gmtime(&seconds);
    if (utc == nullptr)
        return std::nullopt;
    return TLocalTime{
        {utc->tm_year + 1900, utc->tm_mon + 1, utc->tm_mday, utc->tm_hour, utc->tm_min, utc->tm_sec, utc->tm_wday}, 0};
}
