#ifndef PLUX_SOURCES_JSONVALUE_H
#define PLUX_SOURCES_JSONVALUE_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A JSON document as a tree, for reading what other programs (and our own reports) wrote.
struct TJsonValue {
    enum class TKind { Null, Boolean, Number, String, Array, Object };

    TKind Kind = TKind::Null;
    std::string Text;  // a string's UTF-8 text, escapes resolved; a number as written
    bool Boolean = false;
    std::vector<TJsonValue> Items;   // of an array, or the member values of an object
    std::vector<std::string> Names;  // of an object's members, Names[i] naming Items[i]
    std::size_t Line = 0;            // where the value starts, from 1

    // The first member of the name, or nothing.
    const TJsonValue* Member(std::string_view name) const;
};

// Parses UTF-8 JSON text (RFC 8259, any value at the top, nesting up to kMaxJsonDepth). A text that is
// not JSON raises an error naming the file, the line and the line's text. "\u" escapes come out as
// UTF-8; an unpaired surrogate as "?". Lines end at CR LF, LF or a lone CR, as ini::SplitLines has them.
TJsonValue ParseJson(std::string_view utf8, std::string_view fileName);

inline constexpr std::size_t kMaxJsonDepth = 64;

#endif
