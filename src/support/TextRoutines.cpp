#include "support/TextRoutines.h"

#include <algorithm>

namespace {

char LowerChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string UpperCase(std::string_view s) {
    std::string result(s);
    for (char& c : result)
        c = UpperChar(c);
    return result;
}

std::string LowerCase(std::string_view s) {
    std::string result(s);
    for (char& c : result)
        c = LowerChar(c);
    return result;
}

std::string TrimLeft(std::string_view s) {
    std::size_t first = 0;
    while (first < s.size() && IsBlank(s[first]))
        ++first;
    return std::string(s.substr(first));
}

std::string TrimRight(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        --end;
    return std::string(s.substr(0, end));
}

std::string Trim(std::string_view s) {
    return TrimLeft(TrimRight(s));
}

std::size_t LastCharPos(char ch, std::string_view s) {
    const std::size_t index = s.rfind(ch);
    return index == std::string_view::npos ? 0 : index + 1;
}

char LastChar(std::string_view s) {
    return s.empty() ? '\0' : s.back();
}

std::size_t PosText(std::string_view needle, std::string_view haystack) {
    const std::size_t index = UpperCase(haystack).find(UpperCase(needle));
    return index == std::string::npos ? 0 : index + 1;
}

// Without copies: the INI models compare every key of a section this way.
bool SameTextUpper(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperChar(x) == UpperChar(y); });
}

std::string ReplaceText(std::string_view text, std::string_view oldText, std::string_view newText) {
    if (oldText.empty())
        return std::string(text);
    const std::string upperText = UpperCase(text);
    const std::string upperOld = UpperCase(oldText);
    std::string result;
    std::size_t done = 0;
    // Matches are searched in the original text only, so text inserted from newText is never searched.
    for (std::size_t found = upperText.find(upperOld); found != std::string::npos;
         found = upperText.find(upperOld, done)) {
        result.append(text.substr(done, found - done));
        result.append(newText);
        done = found + upperOld.size();
    }
    result.append(text.substr(done));
    return result;
}

void CutTail(std::string& text, int n) {
    if (n <= 0)
        return;
    const auto count = static_cast<std::size_t>(n);
    text.resize(count >= text.size() ? 0 : text.size() - count);
}
