#include "app/JsonReport.h"

#include "policy/PolicySummary.h"
#include "support/DataText.h"

namespace {

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
        if (IsAscii(text))
            AppendJsonString(text_, text);
        else
            AppendJsonString(text_, toUtf8_(text));
        return *this;
    }
    TJsonText& StringOrNull(const std::optional<std::string>& text) { return text ? String(*text) : Raw("null"); }
    // Words of our own are ASCII already.
    TJsonText& WordOrNull(std::string_view word) {
        if (word.empty())
            return Raw("null");
        AppendJsonString(text_, word);
        return *this;
    }
    void Reserve(std::size_t size) { text_.reserve(size); }
    std::string Take() { return std::move(text_); }

private:
    const TToUtf8& toUtf8_;
    std::string text_;
};

// The facts of the check and the snapshot as members of an object, in the report's order, each after
// `before` and followed by `after`.
void AppendFacts(TJsonText& json, const TComparison& comparison, std::string_view before, std::string_view after) {
    const TCheckFacts& facts = comparison.Facts;
    json.Raw(before).Raw("\"computer\": ").String(facts.Computer).Raw(after);
    json.Raw(before).Raw("\"user\": ").StringOrNull(facts.User).Raw(after);
    json.Raw(before).Raw("\"checkedAt\": ").WordOrNull(IsoDateTime(facts.CheckedAt, facts.UtcOffsetMinutes)).Raw(after);
    json.Raw(before).Raw("\"registryKey\": ").StringOrNull(facts.RegistryKey).Raw(after);
    json.Raw(before).Raw("\"registryView\": ").StringOrNull(facts.RegistryView).Raw(after);
    json.Raw(before).Raw("\"snapshot\": ");
    if (comparison.SnapshotName) {
        json.Raw("{\"name\": ").String(*comparison.SnapshotName);
        json.Raw(", \"savedAt\": ").StringOrNull(comparison.SnapshotSavedAt).Raw("}");
    } else {
        json.Raw("null");
    }
    json.Raw(after);
}

void AppendProductMembers(TJsonText& json, const TReportRow& row) {
    const TComparedProduct& product = row.Product;
    const TProductVerdict* verdict = row.Verdict;
    json.Raw("\"name\": ").String(product.Name).Raw(", \"family\": ").String(product.Family);
    json.Raw(", \"version\": ").StringOrNull(product.Version);
    json.Raw(", \"snapshotVersion\": ").StringOrNull(product.SnapshotVersion);
    json.Raw(", \"status\": ").WordOrNull(StatusText(product.Status));
    json.Raw(", \"change\": ").WordOrNull(ChangeText(product.Change));
    json.Raw(", \"verdict\": ").WordOrNull(verdict ? VerdictText(verdict->Verdict) : "");
    json.Raw(", \"rule\": ").StringOrNull(verdict && verdict->Rule ? std::optional(ShownRule(*verdict)) : std::nullopt);
}

constexpr std::size_t kProductLineSize = 224;

}  // namespace

std::string JsonReport(const TComparison& comparison,
                       const std::vector<TProductVerdict>& verdicts,
                       const TToUtf8& toUtf8) {
    const std::size_t rows = ReportRowCount(comparison, verdicts);
    TJsonText json(toUtf8);
    json.Reserve(512 + kProductLineSize * rows);
    json.Raw("{\r\n");
    AppendFacts(json, comparison, "  ", ",\r\n");
    json.Raw("  \"products\": [");
    std::string_view separator = "\r\n";
    ForEachReportRow(comparison, verdicts, [&](const TReportRow& row) {
        json.Raw(separator).Raw("    {");
        AppendProductMembers(json, row);
        json.Raw("}");
        separator = ",\r\n";
    });
    json.Raw(rows == 0 ? "]\r\n" : "\r\n  ]\r\n");
    json.Raw("}\r\n");
    return json.Take();
}

std::string JsonLinesReport(const TComparison& comparison,
                            const std::vector<TProductVerdict>& verdicts,
                            const TToUtf8& toUtf8) {
    TJsonText factsJson(toUtf8);
    AppendFacts(factsJson, comparison, "", ", ");
    const std::string facts = factsJson.Take();
    TJsonText json(toUtf8);
    json.Reserve((facts.size() + kProductLineSize) * ReportRowCount(comparison, verdicts));
    ForEachReportRow(comparison, verdicts, [&](const TReportRow& row) {
        json.Raw("{").Raw(facts);
        AppendProductMembers(json, row);
        json.Raw("}\n");
    });
    return json.Take();
}
