#include "app/HeadlessExport.h"

#include <optional>

#include "app/CsvReport.h"
#include "app/ExportRequest.h"
#include "app/ExportTargets.h"
#include "app/JsonReport.h"
#include "app/MainWindowState.h"
#include "check/Comparison.h"
#include "check/ReportBuilder.h"
#include "snapshot/SnapshotFile.h"
#include "support/PathRoutines.h"
#include "toolkit/Exception.h"

namespace {

constexpr std::string_view kHive = "HKEY_LOCAL_MACHINE";

// The fault on the first line; what the user needs to mend it, when known, on the second.
Exception Failure(const std::string& fault, const std::string& detail) {
    return Exception(detail.empty() ? fault : fault + "\r\n" + detail);
}

std::string JoinLines(const TTextList& lines) {
    std::string text;
    for (const std::string& line : lines)
        text.append(line).append("\r\n");
    return text;
}

// The window's message for a version of another type, and on a second line the key that holds it.
void ScanWithKeyInError(const TExportPorts& ports, TProductList& products) {
    try {
        ScanProducts(*ports.Keys, ports.RootKey, products);
    } catch (const Exception& error) {
        const std::size_t failing = products.ProductVersions.size();
        if (failing >= products.ProductNames.size())
            throw;
        throw Failure(error.Message(), "Product key: " + std::string(kHive) + "\\" + ports.RootKey + "\\" +
                                           products.ProductNames[failing] + " (" + std::string(kProductRegistryView) +
                                           " view)");
    }
}

// The report as the window shows it, in the band colours the window restores at its start.
TReportInputs HtmlReportInputs(const TProductList& products, std::string choice, const TExportPorts& ports) {
    const TBandColourCodes colours = StoredBandColourCodes(*ProgSettings(), *ports.Files, *ports.Facts);
    return ReportInputsNow(products, colours.Color1, colours.Color2, std::move(choice), *ports.Facts);
}

struct TReportFile {
    std::string Name;
    std::string Content;
};

class TExportRun {
public:
    TExportRun(const TExportRequest& request, const TExportPorts& ports) : request_(request), ports_(ports) {}

    TExportResult Execute() {
        const TSystemFacts& facts = *ports_.Facts;
        const std::string programFolder = ProgramFolderOf(facts.ExecutablePath());
        const std::optional<TChosenSnapshot> snapshot =
            ComparedSnapshot(request_.CompareChoice, programFolder, *ports_.Files);
        std::vector<TGuardedFile> guarded;
        if (snapshot)
            guarded.push_back({snapshot->Path, "the snapshot the reports compare with"});
        if (request_.SaveName)
            guarded.push_back({SavedSnapshotPath(*request_.SaveName, programFolder), "the snapshot /save writes"});
        CheckReportFiles(request_, guarded, facts.CurrentDirectory(), *ports_.Files);

        TProductList products;
        ScanWithKeyInError(ports_, products);
        const TReportInputs inputs = HtmlReportInputs(products, request_.CompareChoice.value_or(""), ports_);
        // One comparison feeds every report and decides the exit code.
        const TComparison comparison = Compare(products, inputs, snapshot);

        std::vector<TReportFile> reports;
        if (!request_.HtmlFile.empty())
            reports.push_back({request_.HtmlFile, JoinLines(BuildReport(inputs, comparison).Lines)});
        if (!request_.JsonFile.empty())
            reports.push_back({request_.JsonFile, JsonReport(comparison, ports_.ToUtf8)});
        if (!request_.CsvFile.empty())
            reports.push_back({request_.CsvFile, CsvReport(comparison, ports_.ToUtf8)});
        // The reports are ready, so the save cannot change what they compare with.
        const std::optional<std::string> saved =
            request_.SaveName ? std::optional(Save(*request_.SaveName, products, inputs, programFolder)) : std::nullopt;
        for (const TReportFile& report : reports)
            Write(report);
        if (saved)
            Write({std::string(kStandardOutputName), *saved + "\r\n"});
        return HasDifferences(comparison) ? TExportResult::Differences : TExportResult::NoDifferences;
    }

private:
    TComparison Compare(const TProductList& products,
                        const TReportInputs& inputs,
                        const std::optional<TChosenSnapshot>& snapshot) const {
        TCheckFacts facts;
        facts.Computer = inputs.ComputerName;
        facts.User = ports_.Facts->UserName();
        facts.CheckedAt = inputs.Now;
        facts.UtcOffsetMinutes = ports_.UtcOffsetMinutes();
        facts.RegistryKey = std::string(kHive) + "\\" + ports_.RootKey;
        facts.RegistryView = kProductRegistryView;
        if (!snapshot)
            return CompareProducts(products, nullptr, std::move(facts));
        const TSnapshotSection section = ReadSnapshotSection(*snapshot, *ports_.Files);
        return CompareProducts(products, &section, std::move(facts));
    }

    // Exactly what Save Result does with the name typed into its dialog.
    std::string Save(const std::string& name,
                     const TProductList& products,
                     const TReportInputs& inputs,
                     const std::string& programFolder) const {
        try {
            return SaveSnapshot(name, products.ProductNames, products.ProductVersions, programFolder, inputs.Now,
                                inputs.Locale, *ports_.Files);
        } catch (const Exception& error) {
            throw Failure(error.Message(), ports_.Files->LastErrorText());
        }
    }

    void Write(const TReportFile& report) const {
        if (report.Name == kStandardOutputName) {
            if (!ports_.WriteStandardOutput(report.Content))
                throw Exception("Unable to write to standard output");
            return;
        }
        if (!ports_.Files->WriteFile(report.Name, report.Content))
            throw Failure("Unable to write to " + report.Name, ports_.Files->LastErrorText());
    }

    const TExportRequest& request_;
    const TExportPorts& ports_;
};

}  // namespace

TExportResult RunHeadlessExport(TCommandLine& commandLine, const TExportPorts& ports) {
    try {
        const TExportRequest request = ReadExportRequest(commandLine);
        if (request.Help) {
            return ports.WriteStandardOutput(UsageText()) ? TExportResult::NoDifferences : TExportResult::Failed;
        }
        return TExportRun(request, ports).Execute();
    } catch (const std::exception& error) {
        ports.WriteStandardError(std::string(error.what()) + "\r\n");
        return TExportResult::Failed;
    }
}
