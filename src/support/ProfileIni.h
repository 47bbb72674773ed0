#ifndef PLUX_SUPPORT_PROFILEINI_H
#define PLUX_SUPPORT_PROFILEINI_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/FileSystem.h"

namespace ini {

// The lines of a profile-style INI file with the read and write rules of the platform's profile
// functions: sections and keys match without regard to case, values lose surrounding blanks and one
// pair of enclosing quotes, a write replaces a value in place or appends the key or section, and
// every other line stays as it was.
class TProfileText {
public:
    TProfileText() = default;
    explicit TProfileText(std::string_view content);

    // The value as the platform returns it, or nothing when the section or key is missing.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // The keys of a section in file order, each once (the first of keys that differ in letter case only).
    std::vector<std::string> Keys(std::string_view section) const;
    void Write(std::string_view section, std::string_view key, std::string_view value);
    // The file content, each line ended by CR LF.
    std::string Text() const;

private:
    struct TSectionSpan {
        std::size_t header = 0;  // index of the "[name]" line
        std::size_t end = 0;     // one past its last line
    };
    std::optional<TSectionSpan> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const TSectionSpan& span, std::string_view key) const;

    std::vector<std::string> lines_;
};

// Longest value a read returns.
inline constexpr std::size_t kMaxProfileValue = 2047;

}  // namespace ini

// A profile-style INI file bound to a path. Reads see the file as it was when first read, with this
// accessor's own writes applied; the writes reach the disk together at Flush(), as one whole-file
// replace, so a failure leaves the file as it was. An accessor released without Flush() writes nothing.
class TProfileIniFile {
public:
    TProfileIniFile(std::string path, TFileSystem& fileSystem);

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue);
    std::vector<std::string> ReadSection(std::string_view section);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Writes the file when there are writes to write; raises "Unable to write to <path>" when it cannot.
    void Flush();
    const std::string& FileName() const { return path_; }

private:
    ini::TProfileText& Content();

    std::string path_;
    TFileSystem& fileSystem_;
    // Loaded at the first access and kept for the accessor's life: this program is the only writer
    // while an accessor lives, and reading a large snapshot key by key must not re-read the file.
    std::optional<ini::TProfileText> content_;
    bool modified_ = false;
};

#endif
