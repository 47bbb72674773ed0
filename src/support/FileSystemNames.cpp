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

// The last component names the device by what comes before its first period, without the blanks and the
// colon before that period ("NUL :.txt"); a colon elsewhere starts the component, and colons at the end
// of the path name no stream ("NUL:").
bool NamesDevice(std::string_view path) {
    if (path.starts_with("\\\\.\\") || path.starts_with("//./"))
        return true;
    if (path.starts_with("\\\\?\\") && !IsLongFilePath(path.substr(4)))
        return true;
    while (path.ends_with(':'))
        path.remove_suffix(1);
    std::size_t start = path.size();
    for (; start > 0; --start) {
        const char c = path[start - 1];
        if (c == '\\' || c == '/' || (c == ':' && (start == path.size() || path[start] != '.')))
            break;
    }
    std::string_view name = path.substr(start);
    name = name.substr(0, name.find('.'));
    if (name.ends_with(':'))
        name.remove_suffix(1);
    while (name.ends_with(' '))
        name.remove_suffix(1);
    return IsReservedName(name);
}
