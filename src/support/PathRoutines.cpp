#include "support/PathRoutines.h"

namespace {

// "C:\" and also a drive-relative three-character name such as "C:x" count as a drive root.
bool IsDriveRootForm(std::string_view path) { return path.size() == 3 && path[1] == ':'; }

}  // namespace

std::string AddBackslash(std::string_view path) {
    if ((!path.empty() && path.back() == '\\') || IsDriveRootForm(path)) return std::string(path);
    return std::string(path) + '\\';
}

std::string RemoveBackslash(std::string_view path) {
    if (path.empty() || path.back() != '\\' || path == "\\" || IsDriveRootForm(path)) return std::string(path);
    return std::string(path.substr(0, path.size() - 1));
}

std::string FileBaseName(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\:");
    std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    const std::size_t period = name.rfind('.');
    if (period != std::string_view::npos && period > 0) name = name.substr(0, period);
    return std::string(name);
}

std::string ExeBaseNameOf(std::string_view exePath) { return FileBaseName(exePath).substr(0, 32); }
