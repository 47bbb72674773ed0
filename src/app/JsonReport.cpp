#include "app/JsonReport.h"

#include <cstdio>

#include "policy/PolicySummary.h"

namespace {

// A JSON string of UTF-8 text: quotes, backslashes and control characters escaped, the rest as it is.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
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

class TJsonText {
public:
    explicit TJsonText(const TToUtf8& toUtf8) : toUtf8_(toUtf8) {}

    std::string String(std::string_view text) const { return Quoted(toUtf8_(text)); }
    std::string StringOrNull(const std::optional<std::string>& text) const { return text ? String(*text) : "null"; }
    // Words of our own are ASCII already.
    static std::string WordOrNull(const std::string& word) { return word.empty() ? "null" : Quoted(word); }

private:
    const TToUtf8& toUtf8_;
};

std::string ProductLine(const TReportRow& row, const TJsonText& json) {
    const TComparedProduct& product = row.Product;
    const TProductVerdict* verdict = row.Verdict;
    return "{\"name\": " + json.String(product.Name) + ", \"family\": " + json.String(product.Family) +
           ", \"version\": " + json.StringOrNull(product.Version) +
           ", \"snapshotVersion\": " + json.StringOrNull(product.SnapshotVersion) +
           ", \"status\": " + TJsonText::WordOrNull(StatusText(product.Status)) +
           ", \"change\": " + TJsonText::WordOrNull(ChangeText(product.Change)) +
           ", \"verdict\": " + TJsonText::WordOrNull(verdict ? std::string(VerdictText(verdict->Verdict)) : "") +
           ", \"rule\": " +
           json.StringOrNull(verdict && verdict->Rule ? std::optional(ShownRule(*verdict)) : std::nullopt) + "}";
}

}  // namespace

std::string JsonReport(const TComparison& comparison,
                       const std::vector<TProductVerdict>& verdicts,
                       const TToUtf8& toUtf8) {
    const TJsonText json(toUtf8);
    const TCheckFacts& facts = comparison.Facts;
    std::string text = "{\r\n";
    text += "  \"computer\": " + json.String(facts.Computer) + ",\r\n";
    text += "  \"user\": " + json.StringOrNull(facts.User) + ",\r\n";
    text += "  \"checkedAt\": " + Quoted(IsoDateTime(facts.CheckedAt, facts.UtcOffsetMinutes)) + ",\r\n";
    text += "  \"registryKey\": " + json.StringOrNull(facts.RegistryKey) + ",\r\n";
    text += "  \"registryView\": " + json.StringOrNull(facts.RegistryView) + ",\r\n";
    text += "  \"snapshot\": ";
    if (comparison.SnapshotName) {
        text += "{\"name\": " + json.String(*comparison.SnapshotName) +
                ", \"savedAt\": " + json.StringOrNull(comparison.SnapshotSavedAt) + "},\r\n";
    } else {
        text += "null,\r\n";
    }
    text += "  \"products\": [";
    const char* separator = "\r\n";
    const std::vector<TReportRow> rows = ReportRows(comparison, verdicts);
    for (const TReportRow& row : rows) {
        text.append(separator).append("    ").append(ProductLine(row, json));
        separator = ",\r\n";
    }
    text += rows.empty() ? "]\r\n" : "\r\n  ]\r\n";
    return text + "}\r\n";
}
