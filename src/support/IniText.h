#ifndef PLUX_SUPPORT_INITEXT_H
#define PLUX_SUPPORT_INITEXT_H

#include <string>
#include <string_view>
#include <vector>

// What both INI models share: how the bytes of a file become text and the text becomes lines.
namespace ini {

// How a file's bytes hold its text: a leading byte-order mark of UTF-8 (EF BB BF), UTF-16 little
// endian (FF FE) or big endian (FE FF) says so; without one the bytes are the text.
enum class TTextEncoding { SingleByte, Utf8, Utf16LittleEndian, Utf16BigEndian };

TTextEncoding EncodingOf(std::string_view bytes);

// The file's text in the program's single-byte set (Windows-1252), converted as the platform's profile
// functions convert it; a character the set lacks becomes "?".
std::string DecodeText(std::string_view bytes);

// The bytes of a text in an encoding, with its byte-order mark; DecodeText gives the text back.
std::string EncodeText(std::string_view text, TTextEncoding encoding);

// The lines of a text: CR LF, a lone LF and a lone CR each end a line; a last line without an end
// counts as well. The views point into `text`.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace ini

#endif
