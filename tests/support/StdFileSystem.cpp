#include "support/StdFileSystem.h"

#include <filesystem>
#include <fstream>
#include <sstream>

bool TStdFileSystem::FileExists(const std::string& path) const {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool TStdFileSystem::FolderExists(const std::string& path) const {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::optional<std::string> TStdFileSystem::ReadFile(const std::string& path) const {
    if (!FileExists(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TStdFileSystem::WriteFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return static_cast<bool>(out.flush());
}
