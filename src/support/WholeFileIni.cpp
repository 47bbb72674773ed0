#include "support/WholeFileIni.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "support/IniText.h"
#include "support/TextRoutines.h"

namespace ini {

namespace {

// Decimal digits must fit the signed range; up to eight hexadecimal digits give the 32 bits as written,
// so "0xFFFFFFFF" is -1.
std::optional<int> ParseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (hex)
        text.remove_prefix(2);
    std::uint64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, hex ? 16 : 10);
    if (text.empty() || error != std::errc() || stop != end || (hex && text.size() > 8))
        return std::nullopt;
    const std::int64_t value = hex ? static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude))
                                   : static_cast<std::int64_t>(std::min<std::uint64_t>(magnitude, 1ull << 32));
    const std::int64_t signedValue = negative ? -value : value;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(signedValue);
}

}  // namespace

TWholeFileIni::TWholeFileIni(std::string_view fileBytes) {
    TSection* current = nullptr;
    const std::string text = DecodeText(fileBytes);
    for (const std::string_view rawLine : SplitLines(text)) {
        const std::string line = Trim(rawLine);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            current = &FindOrAdd(Trim(std::string_view(line).substr(1, line.size() - 2)));
            continue;
        }
        if (!current)
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            current->lines.push_back(line);
        else
            current->lines.push_back(TrimRight(std::string_view(line).substr(0, equals)) + "=" +
                                     TrimLeft(std::string_view(line).substr(equals + 1)));
    }
}

const TWholeFileIni::TSection* TWholeFileIni::Find(std::string_view section) const {
    const auto found = index_.find(UpperCase(section));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

// Adding may move the sections, so a pointer from an earlier call is stale afterwards.
TWholeFileIni::TSection& TWholeFileIni::FindOrAdd(std::string_view section) {
    const auto [found, added] = index_.try_emplace(UpperCase(section), sections_.size());
    if (added)
        sections_.push_back({std::string(section), {}});
    return sections_[found->second];
}

std::size_t TWholeFileIni::KeyLine(const TSection& section, std::string_view key) {
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        const std::string& line = section.lines[i];
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos && SameTextUpper(std::string_view(line).substr(0, equals), key))
            return i;
    }
    return section.lines.size();
}

std::string TWholeFileIni::ReadString(std::string_view section,
                                      std::string_view key,
                                      std::string_view defaultValue) const {
    if (const TSection* found = Find(section)) {
        const std::size_t line = KeyLine(*found, key);
        if (line < found->lines.size())
            return found->lines[line].substr(found->lines[line].find('=') + 1);
    }
    return std::string(defaultValue);
}

int TWholeFileIni::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return ParseInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool TWholeFileIni::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> TWholeFileIni::Sections() const {
    std::vector<std::string> names;
    for (const TSection& section : sections_)
        names.push_back(section.name);
    return names;
}

std::vector<std::string> TWholeFileIni::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const TSection* found = Find(section)) {
        for (const std::string& line : found->lines) {
            const std::size_t equals = line.find('=');
            if (equals != std::string::npos)
                keys.push_back(line.substr(0, equals));
        }
    }
    return keys;
}

void TWholeFileIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    TSection& target = FindOrAdd(section);
    const std::string line = std::string(key) + "=" + std::string(value);
    const std::size_t existing = KeyLine(target, key);
    if (existing < target.lines.size())
        target.lines[existing] = line;
    else
        target.lines.push_back(line);
}

void TWholeFileIni::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TWholeFileIni::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TWholeFileIni::Reindex() {
    index_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        index_.emplace(UpperCase(sections_[i].name), i);
}

std::string TWholeFileIni::Text() const {
    std::string text;
    for (const TSection& section : sections_) {
        text += "[" + section.name + "]\r\n";
        for (const std::string& line : section.lines)
            text += line + "\r\n";
        text += "\r\n";
    }
    return text;
}

}  // namespace ini
