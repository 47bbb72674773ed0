// The accessor of a profile-style INI file bound to a path.
#include "support/ProfileIni.h"

#include <utility>

#include "toolkit/Exception.h"

namespace {

// The platform drops trailing blanks of a default, but never its first character.
std::string DefaultValue(std::string_view defaultValue) {
    std::string_view value = ini::CutAtNul(defaultValue);
    while (value.size() > 1 && value.back() == ' ')
        value.remove_suffix(1);
    return ini::ProfileValue(value);
}

}  // namespace

TProfileIniFile::TProfileIniFile(std::string path, TFileSystem& fileSystem)
    : path_(std::move(path)), fileSystem_(fileSystem) {}

ini::TProfileText& TProfileIniFile::Content() {
    if (!content_) {
        auto bytes = fileSystem_.ReadFile(path_);
        unreadable_ = bytes ? bytes->size() > ini::TProfileText::kMaxFileSize : fileSystem_.FileExists(path_);
        content_.emplace(bytes ? std::move(*bytes) : std::string());
    }
    return *content_;
}

std::string TProfileIniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) {
    const auto value = Content().Read(section, key);
    return value ? *value : DefaultValue(defaultValue);
}

std::vector<std::string> TProfileIniFile::ReadSection(std::string_view section) {
    return Content().Keys(section);
}

void TProfileIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Content().Write(section, key, value);
    modified_ = true;
}

void TProfileIniFile::WriteStrings(std::string_view section,
                                   const std::vector<std::string>& keys,
                                   const std::vector<std::string>& values) {
    Content().WriteKeys(section, keys, values);
    modified_ = modified_ || !keys.empty();
}

void TProfileIniFile::Flush() {
    if (!modified_)
        return;
    const ini::TProfileText& content = Content();
    if (unreadable_ || !fileSystem_.WriteFileInPieces(path_, [&content](TContentSink& sink) { content.WriteTo(sink); }))
        throw Exception("Unable to write to " + path_);
    modified_ = false;
}

void TProfileIniFile::EraseSection(std::string_view section) {
    if (Content().EraseSection(section))
        modified_ = true;
}
