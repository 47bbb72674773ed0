#ifndef PLUX_SUPPORT_TEXTROUTINES_H
#define PLUX_SUPPORT_TEXTROUTINES_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Texts are byte strings of the single-byte character set; positions count from 1 and 0 means
// "not found". Case folding touches the ASCII letters only.
using TTextList = std::vector<std::string>;

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);

// Trimming drops every character whose code is 32 or below.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

std::size_t LastCharPos(char ch, std::string_view s);
char LastChar(std::string_view s);
std::size_t PosText(std::string_view needle, std::string_view haystack);
// ASCII letters only: other bytes mean different letters in different code pages.
// Inline: every case-blind comparison and hash of a name runs it once per character.
inline char UpperChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool SameTextUpper(std::string_view a, std::string_view b);
std::string ReplaceText(std::string_view text, std::string_view oldText, std::string_view newText);
void CutTail(std::string& text, int n);

#endif
