#ifndef PLUX_SOURCES_LOSTCHARACTERS_H
#define PLUX_SOURCES_LOSTCHARACTERS_H

#include <string_view>

// Which "?" of a file's text in the single-byte set (ini::DecodeText) stand for a character the set
// lacks rather than for a question mark. A registry key whose name lost a character cannot be opened
// by that name, so the scan finds no version for it. Known for UTF-16 files, where every character of
// the text is one code unit of the file (the editor's exports); other files lose nothing that can be told.
class TLostCharacters {
public:
    // `text` is ini::DecodeText(fileBytes); both must outlive this object.
    TLostCharacters(std::string_view fileBytes, std::string_view text);

    // Whether `part`, a view into the text, holds a lost character.
    bool In(std::string_view part) const;

private:
    std::string_view units_;  // the UTF-16 code units after the byte-order mark; empty for other files
    std::string_view text_;
    bool bigEndian_ = false;
};

#endif
