#include "support/ProfileLine.h"

#include "support/WordScan.h"

namespace ini {

// ^Z among them, as it ends files written for DOS.
bool IsProfileSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

std::string_view TrimProfile(std::string_view s) {
    while (!s.empty() && IsProfileSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsProfileSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view CutAtNul(std::string_view s) {
    return s.substr(0, FindByte(s, '\0'));
}

std::optional<std::string_view> HeaderName(std::string_view trimmedLine) {
    if (trimmedLine.empty() || trimmedLine.front() != '[')
        return std::nullopt;
    const std::size_t close = trimmedLine.rfind(']');
    if (close == std::string_view::npos || close == 0)
        return std::nullopt;
    return TrimProfile(trimmedLine.substr(1, close - 1));
}

std::string_view KeyText(std::string_view line) {
    const std::string_view trimmed = TrimProfile(line);
    return TrimProfile(trimmed.substr(0, FindByte(trimmed, '=')));
}

std::optional<std::string> LineValue(std::string_view line) {
    const std::string_view trimmed = TrimProfile(line);
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return ProfileValue(TrimProfile(trimmed.substr(equals + 1)));
}

// The platform copies the text after the opening quote into its buffer and drops the last character
// only when the closing quote fitted in, so a quoted value of exactly kMaxProfileValue characters loses
// its last one.
std::string ProfileValue(std::string_view stored) {
    const std::string_view value = CutAtNul(stored);
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (!quoted)
        return std::string(value.substr(0, kMaxProfileValue));
    const std::string_view afterQuote = value.substr(1);
    std::string result(afterQuote.substr(0, kMaxProfileValue));
    if (afterQuote.size() <= kMaxProfileValue + 1)
        result.pop_back();
    return result;
}

}  // namespace ini
