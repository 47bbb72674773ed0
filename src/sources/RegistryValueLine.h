#ifndef PLUX_SOURCES_REGISTRYVALUELINE_H
#define PLUX_SOURCES_REGISTRYVALUELINE_H

#include <cstdint>
#include <string>
#include <string_view>

// One value line of a registry export: "name"=data or @=data, where data is a quoted string, "-" (the
// value is deleted), dword:XXXXXXXX, hex:bytes or hex(type):bytes.

enum class TRegExportFormat { Regedit4, Version5 };

inline constexpr std::uint32_t kRegString = 1;
inline constexpr std::uint32_t kRegExpandString = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

struct TRegValue {
    std::string Name;  // empty for the default value "@"
    bool Deleted = false;
    std::uint32_t Type = kRegString;
    // The text of a string or expandable string in the program's single-byte set, cut at its first
    // NUL as the scan reads it; hex(1) and hex(2) bytes are single-byte text in a REGEDIT4 file and
    // UTF-16 little endian in a Version 5.00 file.
    std::string Text;
};

// Whether a line starts a value whose hex bytes go on to the next line (it ends in "\").
bool ContinuesOnNextLine(std::string_view trimmedLine);

// Reads a trimmed value line, its continuation lines joined to it; returns what is wrong with it, or
// an empty text when `value` took it.
std::string ParseValueLine(std::string_view line, TRegExportFormat format, TRegValue& value);

#endif
