#ifndef PLUX_SUPPORT_PROFILELINE_H
#define PLUX_SUPPORT_PROFILELINE_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// How the platform's profile functions read one line of a profile-style INI file: the rules
// TProfileText applies, for readers that walk the lines themselves (to name a line in an error).
namespace ini {

// Whether the profile functions trim the character: blanks, tabs, the line-control characters and ^Z,
// and only these.
bool IsProfileSpace(char c);
// Those characters at both ends.
std::string_view TrimProfile(std::string_view s);
// Names and values are C strings on the platform's side.
std::string_view CutAtNul(std::string_view s);
// The section name of a trimmed "[name]" line (the name ends at the last "]"), or nothing.
std::optional<std::string_view> HeaderName(std::string_view trimmedLine);
// The key of a key line as written: before its first "=", or the whole line when it has none.
std::string_view KeyText(std::string_view line);
// The value of a key line as a read returns it; nothing when the line has no "=".
std::optional<std::string> LineValue(std::string_view line);
// A stored value as a read returns it: cut at a NUL, one pair of enclosing quotes removed, at most
// kMaxProfileValue characters.
std::string ProfileValue(std::string_view stored);

// Longest value a read returns.
inline constexpr std::size_t kMaxProfileValue = 2047;

}  // namespace ini

#endif
