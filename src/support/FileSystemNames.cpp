#include "support/FileSystemNames.h"

#include <array>

#include "support/TextRoutines.h"

namespace {

// "COM" and "LPT" are reserved with a digit or a superscript one, two or three of the single-byte set.
bool IsPortNumber(char c) {
    return (c >= '0' && c <= '9') || c == '\xB9' || c == '\xB2' || c == '\xB3';
}

bool IsReservedName(std::string_view name) {
    const std::string upper = UpperCase(name);
    if (upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && IsPortNumber(upper[3]))
        return true;
    constexpr std::array<std::string_view, 6> kPlainNames = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const std::string_view reserved : kPlainNames) {
        if (upper == reserved)
            return true;
    }
    return false;
}

// "\\?\C:\..." and "\\?\UNC\server\..." are ordinary paths written without length limit.
bool IsLongFilePath(std::string_view rest) {
    const bool drive = rest.size() >= 2 && rest[1] == ':';
    return drive || (rest.size() >= 4 && SameTextUpper(rest.substr(0, 4), "UNC\\"));
}

}  // namespace

bool NamesDevice(std::string_view path) {
    if (path.starts_with("\\\\.\\") || path.starts_with("//./"))
        return true;
    if (path.starts_with("\\\\?\\") && !IsLongFilePath(path.substr(4)))
        return true;
    const std::size_t separator = path.find_last_of("\\/:");
    std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    // The device is named by what comes before the first period; blanks before it are ignored too.
    name = name.substr(0, name.find('.'));
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return IsReservedName(name);
}
