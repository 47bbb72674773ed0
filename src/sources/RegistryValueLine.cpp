#include "sources/RegistryValueLine.h"

#include <optional>

#include "support/IniText.h"
#include "support/ProfileLine.h"
#include "support/TextRoutines.h"

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdefABCDEF";

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool IsHexNumber(std::string_view text, std::size_t maxDigits) {
    return !text.empty() && text.size() <= maxDigits && text.find_first_not_of(kHexDigits) == std::string_view::npos;
}

// A quoted text at the front of `text`: "\\" and "\"" stand for a backslash and a quote, any other
// backslash for itself. Moves `text` past the closing quote; nothing when there is none.
std::optional<std::string> TakeQuoted(std::string_view& text) {
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"'))
            ++i;
        out += text[i];
    }
    return std::nullopt;
}

// Takes the value's name and the "=" after it off the front of `line`.
std::string TakeName(std::string_view& line, TRegValue& value) {
    if (line.starts_with('@')) {
        value.Name.clear();
        line.remove_prefix(1);
    } else if (line.starts_with('"')) {
        const std::optional<std::string> name = TakeQuoted(line);
        if (!name)
            return "Value name without a closing quote";
        value.Name = *name;
    } else {
        return "Not a value line";
    }
    line = ini::TrimProfile(line);
    if (!line.starts_with('='))
        return "Value without \"=\"";
    line = ini::TrimProfile(line.substr(1));
    return {};
}

// Comma-separated bytes of one or two hex digits; blanks around them and a last comma do not count.
std::string ParseHexBytes(std::string_view list, std::string& bytes) {
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view item = ini::TrimProfile(list.substr(0, comma));
        if (!IsHexNumber(item, 2))
            return "Not a hex byte: " + Quoted(item);
        bytes.push_back(static_cast<char>(std::stoul(std::string(item), nullptr, 16)));
        list = comma == std::string_view::npos ? std::string_view() : ini::TrimProfile(list.substr(comma + 1));
    }
    return {};
}

// "hex" is binary data; "hex(N)" data of the registry type N.
std::optional<std::uint32_t> HexType(std::string_view word) {
    if (SameTextUpper(word, "hex"))
        return kRegBinary;
    if (word.size() < 6 || !SameTextUpper(word.substr(0, 4), "hex(") || word.back() != ')')
        return std::nullopt;
    const std::string_view number = word.substr(4, word.size() - 5);
    if (!IsHexNumber(number, 8))
        return std::nullopt;
    return static_cast<std::uint32_t>(std::stoul(std::string(number), nullptr, 16));
}

std::string TextOfBytes(const std::string& bytes, TRegExportFormat format) {
    if (format == TRegExportFormat::Regedit4)
        return std::string(ini::CutAtNul(bytes));
    return std::string(ini::CutAtNul(ini::DecodeText("\xFF\xFE" + bytes)));
}

std::string ParseTypedData(std::string_view data, TRegExportFormat format, TRegValue& value) {
    const std::size_t colon = data.find(':');
    if (colon == std::string_view::npos)
        return "Unknown value type";
    const std::string_view word = ini::TrimProfile(data.substr(0, colon));
    const std::string_view rest = ini::TrimProfile(data.substr(colon + 1));
    if (SameTextUpper(word, "dword")) {
        if (!IsHexNumber(rest, 8))
            return "Not a dword: " + Quoted(rest);
        value.Type = kRegDword;
        return {};
    }
    const std::optional<std::uint32_t> type = HexType(word);
    if (!type)
        return "Unknown value type " + Quoted(word);
    std::string bytes;
    if (std::string fault = ParseHexBytes(rest, bytes); !fault.empty())
        return fault;
    value.Type = *type;
    if (value.Type == kRegString || value.Type == kRegExpandString)
        value.Text = TextOfBytes(bytes, format);
    return {};
}

}  // namespace

bool ContinuesOnNextLine(std::string_view trimmedLine) {
    if (!trimmedLine.ends_with('\\'))
        return false;
    TRegValue value;
    return TakeName(trimmedLine, value).empty() && trimmedLine.size() >= 3 &&
           SameTextUpper(trimmedLine.substr(0, 3), "hex");
}

std::string ParseValueLine(std::string_view line, TRegExportFormat format, TRegValue& value) {
    if (std::string fault = TakeName(line, value); !fault.empty())
        return fault;
    if (line == "-") {
        value.Deleted = true;
        return {};
    }
    if (!line.starts_with('"'))
        return ParseTypedData(line, format, value);
    const std::optional<std::string> text = TakeQuoted(line);
    if (!text)
        return "String without a closing quote";
    if (!ini::TrimProfile(line).empty())
        return "Text after the closing quote";
    value.Type = kRegString;
    value.Text = std::string(ini::CutAtNul(*text));
    return {};
}
