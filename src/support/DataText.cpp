#include "support/DataText.h"

#include <algorithm>
#include <cstdio>

namespace {

// Spreadsheet programs run a cell that begins with one of these as a formula, and the names and
// versions come from outside (the registry, a snapshot file): such a cell gets an apostrophe before it,
// which those programs take for "text" and do not show.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// The escape of a character JSON does not take as it is; empty for any other.
std::string_view JsonEscape(char c, char (&buffer)[8]) {
    switch (c) {
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            if (static_cast<unsigned char>(c) >= 0x20)
                return {};
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
            return buffer;
    }
}

}  // namespace

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Appended in runs between the characters that need an escape.
void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        char buffer[8];
        const std::string_view escape = JsonEscape(utf8[i], buffer);
        if (escape.empty())
            continue;
        out.append(utf8, run, i - run).append(escape);
        run = i + 1;
    }
    out.append(utf8, run).append("\"");
}

std::string JsonString(std::string_view utf8) {
    std::string quoted;
    AppendJsonString(quoted, utf8);
    return quoted;
}

// Quoted also for blanks at an end, which readers might drop.
std::string CsvField(std::string_view cell) {
    const bool formula = !cell.empty() && kFormulaStarts.find(cell.front()) != std::string_view::npos;
    const std::string text = formula ? "'" + std::string(cell) : std::string(cell);
    const bool plain = text.find_first_of("\",\r\n") == std::string::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain)
        return text;
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + "\"";
}

void AppendCsvRow(std::string& text, std::span<const std::string> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        text.append(i == 0 ? "" : ",").append(CsvField(fields[i]));
    text += "\r\n";
}
