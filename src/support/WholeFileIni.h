#ifndef PLUX_SUPPORT_WHOLEFILEINI_H
#define PLUX_SUPPORT_WHOLEFILEINI_H

#include <string>
#include <string_view>
#include <vector>

namespace ini {

// An INI file read whole into memory. Its bytes may carry a byte-order mark, and CR LF, LF and a lone
// CR end lines (ini::DecodeText, ini::SplitLines). Lines are trimmed of characters with a code of 32 or less;
// empty lines and lines that begin with ";" are ignored; "[name]" opens a section; in a line holding
// "=" the key and the value around the first "=" are trimmed. Sections and keys match without regard
// to case; a section that appears again continues the first one, and the first of two equal keys wins.
class TWholeFileIni {
public:
    TWholeFileIni() = default;
    explicit TWholeFileIni(std::string_view fileBytes);

    // The value, or the default when the section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

private:
    struct TEntry {
        std::string key;
        std::string value;
    };
    struct TSection {
        std::string name;
        std::vector<TEntry> entries;
    };
    // The index of the section, or the number of sections when it is missing.
    std::size_t SectionIndex(std::string_view section) const;

    std::vector<TSection> sections_;
};

}  // namespace ini

#endif
