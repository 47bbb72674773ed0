#include "support/DataText.h"

#include <cstdio>

namespace {

// Spreadsheet programs run a cell that begins with one of these as a formula, and the names and
// versions come from outside (the registry, a snapshot file): such a cell gets an apostrophe before it,
// which those programs take for "text" and do not show.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

}  // namespace

std::string JsonString(std::string_view utf8) {
    std::string quoted = "\"";
    for (const char c : utf8) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escape;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
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
