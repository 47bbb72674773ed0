#ifndef PLUX_SUPPORT_INITEXT_H
#define PLUX_SUPPORT_INITEXT_H

#include <string>
#include <string_view>
#include <vector>

// What both INI models share: how the bytes of a file become text and the text becomes lines.
namespace ini {

// The file's text in the program's single-byte set (Windows-1252). A leading byte-order mark of UTF-8
// (EF BB BF), UTF-16 little endian (FF FE) or big endian (FE FF) says how the rest is encoded; it is
// converted as the platform's profile functions convert it, and a character the set lacks becomes "?".
// Without a mark the bytes are the text.
std::string DecodeText(std::string_view bytes);

// The lines of a text: CR LF, a lone LF and a lone CR each end a line; a last line without an end
// counts as well. The views point into `text`.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace ini

#endif
