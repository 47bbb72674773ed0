#ifndef PLUX_SUPPORT_WHOLEFILEINI_H
#define PLUX_SUPPORT_WHOLEFILEINI_H

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ini {

// An INI file read whole into memory, changed there and written back whole. Its bytes may carry a
// byte-order mark, and CR LF, LF and a lone CR end lines (ini::DecodeText, ini::SplitLines). Lines are
// trimmed of characters with a code of 32 or less; empty lines and lines that begin with ";" are dropped, and so
// are lines before the first section; "[name]" opens a section; in a line holding "=" the blanks around
// the first "=" are dropped; any other line stays in its section as it is. Sections and keys match
// without regard to case; a section that appears again continues the first one, and the first of two
// equal keys wins. Comments do not survive a write.
class TWholeFileIni {
public:
    TWholeFileIni() = default;
    explicit TWholeFileIni(std::string_view fileBytes);

    // The value, or the default when the section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // A decimal integer, or a hexadecimal one after "0x"; the default when the value is no such number.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Any integer but 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // The names of the sections as first written, in file order.
    std::vector<std::string> Sections() const;
    // The keys of a section in order; its other lines are no keys.
    std::vector<std::string> Keys(std::string_view section) const;

    // Replaces the line of the key (spelt as given here), or adds the key at the end of its section, which
    // is added at the end of the file when it is missing.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // "1" for true, "0" for false.
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Removes every section whose name `which` accepts.
    template <typename Which>
    void EraseSections(Which which) {
        std::erase_if(sections_, [&](const TSection& section) { return which(std::string_view(section.name)); });
        Reindex();
    }

    // Each section as "[name]" on a line of its own, its lines, and an empty line; every line ends in CR LF.
    std::string Text() const;

private:
    struct TSection {
        std::string name;
        std::vector<std::string> lines;
    };
    // The section, or nullptr when it is missing.
    const TSection* Find(std::string_view section) const;
    TSection& FindOrAdd(std::string_view section);
    // The index of the first line of the section that holds the key, or the number of its lines.
    static std::size_t KeyLine(const TSection& section, std::string_view key);
    void Reindex();

    std::vector<TSection> sections_;
    std::unordered_map<std::string, std::size_t> index_;  // upper-cased name → position in sections_
};

}  // namespace ini

#endif
