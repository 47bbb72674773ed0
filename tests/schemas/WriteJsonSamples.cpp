// Writes what every JSON writer makes of hostile and of empty input into the folder given, named
// after the schema kind each must match, for validate_json.py.
#include <fstream>
#include <iostream>
#include <string>

#include "app/JsonReport.h"
#include "fleet/FleetData.h"
#include "fleet/FleetMatrix.h"
#include "policy/RequiredVersions.h"
#include "support/Latin1ToUtf8.h"

namespace {

// Every status and change, texts with quotes, backslashes, control characters and characters above 127.
TComparison ComparedCheck() {
    TComparison comparison;
    comparison.Facts = {"PC\xC9", "j \"doe\"", {2024, 5, 1, 9, 5, 7, 3}, -150, "HKEY_LOCAL_MACHINE\\SOFTWARE\\X",
                        "32-bit"};
    comparison.SnapshotName = "base, old";
    comparison.SnapshotSavedAt = "01/05/2024 09:00:00";
    comparison.Products = {
        {"Grid \"4\" (Delphi 7)", "Grid \"4\"", "4.10", "4.9\r\n\x01", TProductStatus::Changed,
         TVersionChange::Upgrade},
        {"Grid 4 (Delphi 6)", "Grid 4", "4.2", "4.3", TProductStatus::Changed, TVersionChange::Downgrade},
        {"Grid 4 (Delphi 5)", "Grid 4", "4.x", "4.2", TProductStatus::Changed, TVersionChange::NotComparable},
        {"Charts 2 (Delphi 7)", "Charts 2", "2.0", std::nullopt, TProductStatus::New, TVersionChange::None},
        {"Editors 3 (Delphi 7)", "Editors 3", "3.0.1", "3.0.1", TProductStatus::Same, TVersionChange::None},
        {"\xC9"
         "dition (Delphi 7)",
         "\xC9"
         "dition",
         std::nullopt, "1.0", TProductStatus::Removed, TVersionChange::None},
    };
    return comparison;
}

// Products from a file that names neither the user nor the registry key, as /from reads them.
TComparison PlainCheck() {
    TComparison comparison;
    comparison.Facts.Computer = "PC1";
    comparison.Products = {{"Grid 4 (Delphi 7)", "Grid 4", "", std::nullopt, std::nullopt, TVersionChange::None}};
    return comparison;
}

TFleetSource Source(std::string machine, std::optional<std::int64_t> moment, TProductList products) {
    return {std::move(machine), moment ? "2024-05-0" + std::to_string(*moment) : "", moment,
            "C:\\r\\"
            "\xC9"
            ".json",
            std::move(products)};
}

std::vector<TFleetSource> Team() {
    return {Source("PC1", 1, {{"Grid 4 (Delphi 7)", "Bars 5 (Delphi 7)"}, {"4.10", "5.1"}}),
            Source("PC\xC9", 2, {{"Grid 4 (Delphi 7)"}, {"4.2\t\""}}),
            Source("PC1", 3, {{"Grid 4 (Delphi 7)"}, {"4.10"}}),
            Source("PC3", std::nullopt, {{"Charts 2 (Delphi 7)"}, {""}})};
}

bool Write(const std::string& folder, const std::string& name, const std::string& text) {
    std::ofstream file(folder + "/" + name, std::ios::binary);
    file << text;
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_json_samples FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const TRequiredVersions policy =
        ReadRequiredVersions("[Required]\nGrid 4 (Delphi *)=>=4.10\nEditors 3 (Delphi 7)=present\n", "team.ini");
    // Every verdict: a version too new, too old, one that cannot be ordered, a forbidden product, a present
    // one, an unchecked one and a rule for a product nobody has.
    const TRequiredVersions checked = ReadRequiredVersions(
        "[Required]\nGrid 4 (Delphi *)=>=4.10\nEditors 3 (Delphi "
        "7)=present\nTools 1 (Delphi 7)=1.0\nCharts 2 (Delphi "
        "7)=absent\nGrid \"4\" (Delphi 7)=<4\n",
        "team.ini");
    const std::vector<TProductVerdict> verdicts = CheckRequiredVersions(checked, PolicyProducts(ComparedCheck()));
    const bool written =
        Write(folder, "report-compared.json", JsonReport(ComparedCheck(), {}, Latin1ToUtf8)) &&
        Write(folder, "report-policy.json", JsonReport(ComparedCheck(), verdicts, Latin1ToUtf8)) &&
        Write(folder, "report-plain.json", JsonReport(PlainCheck(), {}, Latin1ToUtf8)) &&
        Write(folder, "report-empty.json", JsonReport(TComparison{}, {}, Latin1ToUtf8)) &&
        Write(folder, "reportLine-compared.jsonl", JsonLinesReport(ComparedCheck(), {}, Latin1ToUtf8)) &&
        Write(folder, "reportLine-policy.jsonl", JsonLinesReport(ComparedCheck(), verdicts, Latin1ToUtf8)) &&
        Write(folder, "reportLine-plain.jsonl", JsonLinesReport(PlainCheck(), {}, Latin1ToUtf8)) &&
        Write(folder, "teamReport-most-common.json", FleetJson(BuildFleetMatrix(Team(), nullptr), Latin1ToUtf8)) &&
        Write(folder, "teamReport-policy.json", FleetJson(BuildFleetMatrix(Team(), &policy), Latin1ToUtf8)) &&
        Write(folder, "teamReport-empty.json", FleetJson(BuildFleetMatrix({}, nullptr), Latin1ToUtf8)) &&
        Write(folder, "teamReportLine-most-common.jsonl",
              FleetJsonLines(BuildFleetMatrix(Team(), nullptr), Latin1ToUtf8)) &&
        Write(folder, "teamReportLine-policy.jsonl", FleetJsonLines(BuildFleetMatrix(Team(), &policy), Latin1ToUtf8));
    if (!written) {
        std::cerr << "cannot write the samples into " << folder << "\n";
        return 2;
    }
    return 0;
}
