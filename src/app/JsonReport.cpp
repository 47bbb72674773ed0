#include "app/JsonReport.h"

#include <vector>

#include "policy/PolicySummary.h"
#include "support/DataText.h"

namespace {

class TJsonText {
public:
    explicit TJsonText(const TToUtf8& toUtf8) : toUtf8_(toUtf8) {}

    std::string String(std::string_view text) const { return JsonString(toUtf8_(text)); }
    std::string StringOrNull(const std::optional<std::string>& text) const { return text ? String(*text) : "null"; }
    // Words of our own are ASCII already.
    static std::string WordOrNull(const std::string& word) { return word.empty() ? "null" : JsonString(word); }

private:
    const TToUtf8& toUtf8_;
};

// The facts of the check and the snapshot, as members of an object, in the report's order.
std::vector<std::string> FactMembers(const TComparison& comparison, const TJsonText& json) {
    const TCheckFacts& facts = comparison.Facts;
    std::string snapshot = "null";
    if (comparison.SnapshotName) {
        snapshot = "{\"name\": " + json.String(*comparison.SnapshotName) +
                   ", \"savedAt\": " + json.StringOrNull(comparison.SnapshotSavedAt) + "}";
    }
    return {"\"computer\": " + json.String(facts.Computer),
            "\"user\": " + json.StringOrNull(facts.User),
            "\"checkedAt\": " + JsonString(IsoDateTime(facts.CheckedAt, facts.UtcOffsetMinutes)),
            "\"registryKey\": " + json.StringOrNull(facts.RegistryKey),
            "\"registryView\": " + json.StringOrNull(facts.RegistryView),
            "\"snapshot\": " + snapshot};
}

std::string ProductMembers(const TReportRow& row, const TJsonText& json) {
    const TComparedProduct& product = row.Product;
    const TProductVerdict* verdict = row.Verdict;
    return "\"name\": " + json.String(product.Name) + ", \"family\": " + json.String(product.Family) +
           ", \"version\": " + json.StringOrNull(product.Version) +
           ", \"snapshotVersion\": " + json.StringOrNull(product.SnapshotVersion) +
           ", \"status\": " + TJsonText::WordOrNull(StatusText(product.Status)) +
           ", \"change\": " + TJsonText::WordOrNull(ChangeText(product.Change)) +
           ", \"verdict\": " + TJsonText::WordOrNull(verdict ? std::string(VerdictText(verdict->Verdict)) : "") +
           ", \"rule\": " +
           json.StringOrNull(verdict && verdict->Rule ? std::optional(ShownRule(*verdict)) : std::nullopt);
}

}  // namespace

std::string JsonReport(const TComparison& comparison,
                       const std::vector<TProductVerdict>& verdicts,
                       const TToUtf8& toUtf8) {
    const TJsonText json(toUtf8);
    std::string text = "{\r\n";
    for (const std::string& member : FactMembers(comparison, json))
        text.append("  ").append(member).append(",\r\n");
    text += "  \"products\": [";
    const char* separator = "\r\n";
    const std::vector<TReportRow> rows = ReportRows(comparison, verdicts);
    for (const TReportRow& row : rows) {
        text.append(separator).append("    {").append(ProductMembers(row, json)).append("}");
        separator = ",\r\n";
    }
    text += rows.empty() ? "]\r\n" : "\r\n  ]\r\n";
    return text + "}\r\n";
}

std::string JsonLinesReport(const TComparison& comparison,
                            const std::vector<TProductVerdict>& verdicts,
                            const TToUtf8& toUtf8) {
    const TJsonText json(toUtf8);
    std::string facts;
    for (const std::string& member : FactMembers(comparison, json))
        facts.append(member).append(", ");
    std::string text;
    for (const TReportRow& row : ReportRows(comparison, verdicts))
        text.append("{").append(facts).append(ProductMembers(row, json)).append("}\n");
    return text;
}
