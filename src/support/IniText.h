#ifndef PLUX_SUPPORT_INITEXT_H
#define PLUX_SUPPORT_INITEXT_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What both INI models share: how the bytes of a file become text and the text becomes lines.
namespace ini {

// How a file's bytes hold its text: a leading byte-order mark of UTF-8 (EF BB BF), UTF-16 little
// endian (FF FE) or big endian (FE FF) says so; without one the bytes are the text.
enum class TTextEncoding { SingleByte, Utf8, Utf16LittleEndian, Utf16BigEndian };

TTextEncoding EncodingOf(std::string_view bytes);

// The byte-order mark a file in the encoding begins with; empty for the single-byte set.
std::string_view ByteOrderMark(TTextEncoding encoding);

// Bytes in an encoding, without their byte-order mark, as text of the program's single-byte set
// (Windows-1252), converted as the platform's profile functions convert them: a character the set lacks
// becomes "?", and `replaced`, when given, receives the position in the text of each such "?".
std::string DecodeBytes(std::string_view bytes, TTextEncoding encoding, std::vector<std::size_t>* replaced = nullptr);

// A text of the single-byte set in an encoding, without a byte-order mark; DecodeBytes gives it back.
std::string EncodeBytes(std::string_view text, TTextEncoding encoding);
// The same, appended to `out`.
void AppendEncoded(std::string& out, std::string_view text, TTextEncoding encoding);

// A whole file's text: its byte-order mark chooses the encoding of the rest (DecodeBytes).
std::string DecodeText(std::string_view bytes);

// The bytes of a file, with a last odd byte of UTF-16 written as the whole code unit the platform reads
// it as (the byte's own value); any other file as it is.
std::string WholeCodeUnits(std::string bytes);

// Where a line lies in the bytes of a file: its text from Begin to TextEnd, its line end from there to
// End (empty for a last line without one).
struct TLineSpan {
    std::size_t Begin = 0;
    std::size_t TextEnd = 0;
    std::size_t End = 0;
};

// The lines of a file's bytes in its encoding, after the byte-order mark, split as SplitLines splits
// the decoded text: the line ends are code units of the encoding.
std::vector<TLineSpan> SplitLineSpans(std::string_view bytes, TTextEncoding encoding);

// The same lines one at a time, for a reader that keeps no list of them.
class TLineSpanReader {
public:
    TLineSpanReader(std::string_view bytes, TTextEncoding encoding);
    // The next line, or nothing after the last.
    std::optional<TLineSpan> Next();

private:
    std::string_view bytes_;
    bool utf16_;
    bool bigEndian_;
    std::size_t at_;
};

// The lines of a text: CR LF, a lone LF and a lone CR each end a line; a last line without an end
// counts as well. The views point into `text`.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace ini

#endif
