#include "support/ProfileIni.h"

#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace ini {

namespace {

// The section name of a header line ("[name]"), or nothing for any other line.
std::optional<std::string> HeaderName(std::string_view line) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const std::size_t close = trimmed.rfind(']');
    if (close == std::string::npos || close == 0)
        return std::nullopt;
    return Trim(std::string_view(trimmed).substr(1, close - 1));
}

std::string KeyOf(std::string_view line) {
    return Trim(line.substr(0, line.find('=')));
}

std::string ValueOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    std::string value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    if (value.size() > kMaxProfileValue)
        value.resize(kMaxProfileValue);
    return value;
}

}  // namespace

TProfileText::TProfileText(std::string_view content) {
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.emplace_back(line);
        start = end + 1;
    }
}

std::optional<TProfileText::TSectionSpan> TProfileText::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i]);
        if (!name || !SameTextUpper(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !HeaderName(lines_[end]))
            ++end;
        return TSectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> TProfileText::FindKey(const TSectionSpan& span, std::string_view key) const {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (!Trim(lines_[i]).empty() && SameTextUpper(KeyOf(lines_[i]), key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> TProfileText::Read(std::string_view section, std::string_view key) const {
    const auto span = FindSection(section);
    if (!span)
        return std::nullopt;
    const auto line = FindKey(*span, key);
    if (!line)
        return std::nullopt;
    return ValueOf(lines_[*line]);
}

std::vector<std::string> TProfileText::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const auto span = FindSection(section);
    if (!span)
        return keys;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (!Trim(lines_[i]).empty() && FindKey(*span, KeyOf(lines_[i])) == i)
            keys.push_back(KeyOf(lines_[i]));
    }
    return keys;
}

void TProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
    const auto span = FindSection(section);
    if (!span) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + std::string(value));
        return;
    }
    if (const auto line = FindKey(*span, key)) {
        lines_[*line] = KeyOf(lines_[*line]) + "=" + std::string(value);
        return;
    }
    // A new key goes after the section's last non-empty line, so blank lines keep separating sections.
    std::size_t insertAt = span->end;
    while (insertAt > span->header + 1 && Trim(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::string(key) + "=" + std::string(value));
}

std::string TProfileText::Text() const {
    std::string text;
    for (const std::string& line : lines_)
        text.append(line).append("\r\n");
    return text;
}

}  // namespace ini

TProfileIniFile::TProfileIniFile(std::string path, TFileSystem& fileSystem)
    : path_(std::move(path)), fileSystem_(fileSystem) {}

ini::TProfileText& TProfileIniFile::Content() {
    if (!content_) {
        const auto text = fileSystem_.ReadFile(path_);
        content_.emplace(text ? *text : std::string());
    }
    return *content_;
}

std::string TProfileIniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) {
    const auto value = Content().Read(section, key);
    return value ? *value : std::string(defaultValue);
}

std::vector<std::string> TProfileIniFile::ReadSection(std::string_view section) {
    return Content().Keys(section);
}

void TProfileIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Content().Write(section, key, value);
    modified_ = true;
}

void TProfileIniFile::Flush() {
    if (!modified_)
        return;
    if (!fileSystem_.WriteFile(path_, Content().Text()))
        throw Exception("Unable to write to " + path_);
    modified_ = false;
}
