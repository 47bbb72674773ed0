#include "app/JsonReport.h"

#include <algorithm>
#include <cstdio>

namespace {

// The escape of a character JSON does not take as it is; empty for any other.
std::string_view Escape(char c, char (&buffer)[8]) {
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

// A JSON string of UTF-8 text: quotes, backslashes and control characters escaped, the rest as it is,
// appended in runs.
void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char buffer[8];
        const std::string_view escape = Escape(text[i], buffer);
        if (escape.empty())
            continue;
        out.append(text, run, i - run).append(escape);
        run = i + 1;
    }
    out.append(text, run).append("\"");
}

// The report is written into one text that grows as it goes: a report of many products costs a few
// appends per product and no text of its own.
class TJsonText {
public:
    explicit TJsonText(const TToUtf8& toUtf8) : toUtf8_(toUtf8) {}

    TJsonText& Raw(std::string_view text) {
        text_.append(text);
        return *this;
    }
    // ASCII is UTF-8 as it stands, and most texts are ASCII: they skip the conversion.
    TJsonText& String(std::string_view text) {
        if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            AppendQuoted(text_, text);
        else
            AppendQuoted(text_, toUtf8_(text));
        return *this;
    }
    TJsonText& StringOrNull(const std::optional<std::string>& text) { return text ? String(*text) : Raw("null"); }
    // Words of our own are ASCII already.
    TJsonText& WordOrNull(const std::string& word) {
        if (word.empty())
            return Raw("null");
        AppendQuoted(text_, word);
        return *this;
    }
    void Reserve(std::size_t size) { text_.reserve(size); }
    std::string Take() { return std::move(text_); }

private:
    const TToUtf8& toUtf8_;
    std::string text_;
};

void AppendProduct(TJsonText& json, const TComparedProduct& product) {
    json.Raw("{\"name\": ").String(product.Name).Raw(", \"family\": ").String(product.Family);
    json.Raw(", \"version\": ").StringOrNull(product.Version);
    json.Raw(", \"snapshotVersion\": ").StringOrNull(product.SnapshotVersion);
    json.Raw(", \"status\": ").WordOrNull(StatusText(product.Status));
    json.Raw(", \"change\": ").WordOrNull(ChangeText(product.Change)).Raw("}");
}

}  // namespace

std::string JsonReport(const TComparison& comparison, const TToUtf8& toUtf8) {
    TJsonText json(toUtf8);
    constexpr std::size_t kProductLineSize = 192;
    json.Reserve(512 + kProductLineSize * comparison.Products.size());
    const TCheckFacts& facts = comparison.Facts;
    json.Raw("{\r\n");
    json.Raw("  \"computer\": ").String(facts.Computer).Raw(",\r\n");
    json.Raw("  \"user\": ").String(facts.User).Raw(",\r\n");
    json.Raw("  \"checkedAt\": ").WordOrNull(IsoDateTime(facts.CheckedAt, facts.UtcOffsetMinutes)).Raw(",\r\n");
    json.Raw("  \"registryKey\": ").String(facts.RegistryKey).Raw(",\r\n");
    json.Raw("  \"registryView\": ").String(facts.RegistryView).Raw(",\r\n");
    json.Raw("  \"snapshot\": ");
    if (comparison.SnapshotName) {
        json.Raw("{\"name\": ").String(*comparison.SnapshotName);
        json.Raw(", \"savedAt\": ").StringOrNull(comparison.SnapshotSavedAt).Raw("},\r\n");
    } else {
        json.Raw("null,\r\n");
    }
    json.Raw("  \"products\": [");
    std::string_view separator = "\r\n";
    for (const TComparedProduct& product : comparison.Products) {
        json.Raw(separator).Raw("    ");
        AppendProduct(json, product);
        separator = ",\r\n";
    }
    json.Raw(comparison.Products.empty() ? "]\r\n" : "\r\n  ]\r\n");
    json.Raw("}\r\n");
    return json.Take();
}
