#ifndef PLUX_SUPPORT_DATATEXT_H
#define PLUX_SUPPORT_DATATEXT_H

#include <functional>
#include <span>
#include <string>
#include <string_view>

// How texts go into the machine-readable reports (JSON, JSON Lines, CSV), whichever report writes them.

// Converts a text of the system's single-byte character set to UTF-8.
using TToUtf8 = std::function<std::string(std::string_view)>;

// ASCII is the same in the single-byte set and in UTF-8: such a text needs no conversion.
bool IsAscii(std::string_view text);

// A JSON string of UTF-8 text: quotes, backslashes and control characters escaped, the rest as it is.
std::string JsonString(std::string_view utf8);
// The same, appended to `out`.
void AppendJsonString(std::string& out, std::string_view utf8);

// The start of every CSV file we write, so spreadsheet programs read UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One CSV field (RFC 4180) of UTF-8 text, guarded against formulas: a cell that begins with "=", "+",
// "-", "@", a tab or a carriage return gets an apostrophe in front; then quoted when it holds a quote, a
// comma, a line break or blanks at an end.
std::string CsvField(std::string_view cell);

// The fields as one CSV row ended by CR LF, appended to `text`.
void AppendCsvRow(std::string& text, std::span<const std::string> fields);

#endif
