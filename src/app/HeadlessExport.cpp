#include "app/HeadlessExport.h"

#include <optional>

#include "app/CsvReport.h"
#include "app/ExportRequest.h"
#include "app/ExportTargets.h"
#include "app/JsonReport.h"
#include "app/MainWindowState.h"
#include "check/Comparison.h"
#include "check/ReportBuilder.h"
#include "fleet/FleetData.h"
#include "fleet/FleetFiles.h"
#include "fleet/FleetHtml.h"
#include "fleet/FleetSummary.h"
#include "policy/PolicyCheck.h"
#include "policy/PolicySummary.h"
#include "policy/RequiredVersions.h"
#include "snapshot/SnapshotFile.h"
#include "sources/ProductsFile.h"
#include "support/InputError.h"
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

// What a check knows: the products and the facts of the machine they are on.
struct TCheckedProducts {
    TProductList Products;
    TCheckFacts Facts;
};

struct TReportFile {
    std::string Name;
    std::string Content;
};

void Write(const TReportFile& report, const TExportPorts& ports) {
    if (report.Name == kStandardOutputName) {
        if (!ports.WriteStandardOutput(report.Content))
            throw Exception("Unable to write to standard output");
        return;
    }
    if (!ports.Files->WriteFile(report.Name, report.Content))
        throw Failure("Unable to write to " + report.Name, ports.Files->LastErrorText());
}

bool ReportsToStandardOutput(const TExportRequest& request) {
    return request.HtmlFile == kStandardOutputName || request.JsonFile == kStandardOutputName ||
           request.JsonLinesFile == kStandardOutputName || request.CsvFile == kStandardOutputName;
}

std::optional<TRequiredVersions> ReadPolicy(const TExportRequest& request, const TExportPorts& ports) {
    if (!request.PolicyFile)
        return std::nullopt;
    return ReadRequiredVersions(ReadInputFile(*request.PolicyFile, *ports.Files), *request.PolicyFile);
}

TProductsFileReading ProductsFileReading(const TExportPorts& ports) {
    const TSystemFacts& facts = *ports.Facts;
    return {ports.Files, facts.LocaleFormats(), TLocalTime{facts.Now(), ports.UtcOffsetMinutes()}};
}

TBandColourCodes BandColours(const TExportPorts& ports) {
    return StoredBandColourCodes(*ProgSettings(), *ports.Files, *ports.Facts);
}

// The team matrix of the files /fleet names, marked by the required versions when /policy names them.
TExportResult RunFleet(const TExportRequest& request, const TExportPorts& ports) {
    const std::vector<std::string> paths = FleetSourceFiles(request.FleetSources, *ports.Files);
    std::vector<TGuardedFile> guarded;
    for (const std::string& path : paths)
        guarded.push_back({path, "a file /fleet reads"});
    if (request.PolicyFile)
        guarded.push_back({*request.PolicyFile, "the required-versions file"});
    CheckReportFiles(request, guarded, ports.Facts->CurrentDirectory(), *ports.Files);

    const std::optional<TRequiredVersions> required = ReadPolicy(request, ports);
    const TFleetMatrix matrix =
        BuildFleetMatrix(ReadFleetSources(paths, ProductsFileReading(ports)), required ? &*required : nullptr);

    std::vector<TReportFile> reports;
    if (!request.HtmlFile.empty()) {
        const TBandColourCodes colours = BandColours(ports);
        reports.push_back({request.HtmlFile, JoinLines(FleetHtml(matrix, colours.Color1, colours.Color2))});
    }
    if (!request.JsonFile.empty())
        reports.push_back({request.JsonFile, FleetJson(matrix, ports.ToUtf8)});
    if (!request.JsonLinesFile.empty())
        reports.push_back({request.JsonLinesFile, FleetJsonLines(matrix, ports.ToUtf8)});
    if (!request.CsvFile.empty())
        reports.push_back({request.CsvFile, FleetCsv(matrix, ports.ToUtf8)});
    if (!ReportsToStandardOutput(request))
        reports.push_back({std::string(kStandardOutputName), FleetSummary(matrix)});
    for (const TReportFile& report : reports)
        Write(report, ports);
    return matrix.AnyMarked() ? TExportResult::Differences : TExportResult::NoDifferences;
}

class TExportRun {
public:
    TExportRun(const TExportRequest& request, const TExportPorts& ports) : request_(request), ports_(ports) {}

    TExportResult Execute() {
        const TSystemFacts& facts = *ports_.Facts;
        const std::string programFolder = ProgramFolderOf(facts.ExecutablePath());
        const std::optional<TComparedFile> compared =
            ComparedFile(request_.CompareChoice, programFolder, *ports_.Files);
        CheckReportFiles(request_, GuardedFiles(compared, programFolder), facts.CurrentDirectory(), *ports_.Files);

        const std::optional<TRequiredVersions> required = ReadPolicy(request_, ports_);
        const TProductsFileReading reading = ProductsFileReading(ports_);
        const TCheckedProducts checked = request_.FromFile ? FromFile(*request_.FromFile, reading) : LiveCheck();
        const TReportInputs inputs = HtmlReportInputs(checked);
        // One comparison feeds every report and decides the exit code.
        const TComparison comparison = Compare(checked, compared, reading);
        const std::vector<TProductVerdict> verdicts =
            required ? CheckRequiredVersions(*required, PolicyProducts(comparison)) : std::vector<TProductVerdict>();

        std::vector<TReportFile> reports;
        if (!request_.HtmlFile.empty())
            reports.push_back({request_.HtmlFile, JoinLines(BuildReport(inputs, comparison).Lines)});
        if (!request_.JsonFile.empty())
            reports.push_back({request_.JsonFile, JsonReport(comparison, verdicts, ports_.ToUtf8)});
        if (!request_.JsonLinesFile.empty())
            reports.push_back({request_.JsonLinesFile, JsonLinesReport(comparison, verdicts, ports_.ToUtf8)});
        if (!request_.CsvFile.empty())
            reports.push_back({request_.CsvFile, CsvReport(comparison, verdicts, ports_.ToUtf8)});
        // A build log shows the summary when no report takes standard output.
        if (required && !ReportsToStandardOutput(request_))
            reports.push_back({std::string(kStandardOutputName), PolicySummary(verdicts)});
        // The reports are ready, so the save cannot change what they compare with.
        const std::optional<std::string> saved =
            request_.SaveName ? std::optional(Save(*request_.SaveName, checked, programFolder)) : std::nullopt;
        for (const TReportFile& report : reports)
            Write(report, ports_);
        if (saved)
            Write({std::string(kStandardOutputName), *saved + "\r\n"}, ports_);
        return HasDifferences(comparison) || HasViolations(verdicts) ? TExportResult::Differences
                                                                     : TExportResult::NoDifferences;
    }

private:
    std::vector<TGuardedFile> GuardedFiles(const std::optional<TComparedFile>& compared,
                                           const std::string& programFolder) const {
        std::vector<TGuardedFile> guarded;
        if (compared)
            guarded.push_back({compared->Snapshot.Path, "the snapshot the reports compare with"});
        if (request_.SaveName)
            guarded.push_back({SavedSnapshotPath(*request_.SaveName, programFolder), "the snapshot /save writes"});
        if (request_.PolicyFile)
            guarded.push_back({*request_.PolicyFile, "the required-versions file"});
        if (request_.FromFile)
            guarded.push_back({*request_.FromFile, "the file of products /from reads"});
        return guarded;
    }

    TCheckedProducts LiveCheck() const {
        TCheckedProducts checked;
        ScanWithKeyInError(ports_, checked.Products);
        TCheckFacts& facts = checked.Facts;
        facts.Computer = ports_.Facts->ComputerName();
        facts.User = ports_.Facts->UserName();
        facts.CheckedAt = ports_.Facts->Now();
        facts.UtcOffsetMinutes = ports_.UtcOffsetMinutes();
        facts.RegistryKey = std::string(kHive) + "\\" + ports_.RootKey;
        facts.RegistryView = std::string(kProductRegistryView);
        return checked;
    }

    static TCheckedProducts FromFile(const std::string& path, const TProductsFileReading& reading) {
        TMachineProducts machine = ReadProductsFile(path, reading);
        TCheckedProducts checked{std::move(machine.Products), {}};
        TCheckFacts& facts = checked.Facts;
        facts.Computer = *machine.Facts.Computer;
        facts.User = machine.Facts.User;
        facts.CheckedAt = machine.Facts.CheckedAt->When;
        facts.UtcOffsetMinutes = machine.Facts.CheckedAt->UtcOffsetMinutes;
        facts.RegistryKey = machine.Facts.RegistryKey;
        facts.RegistryView = machine.Facts.RegistryView;
        return checked;
    }

    // The report as the window shows it, in the band colours the window restores at its start, with the
    // computer and time of the check.
    TReportInputs HtmlReportInputs(const TCheckedProducts& checked) const {
        const TBandColourCodes colours = BandColours(ports_);
        TReportInputs inputs = ReportInputsNow(checked.Products, colours.Color1, colours.Color2,
                                               request_.CompareChoice.value_or(""), *ports_.Facts);
        inputs.ComputerName = checked.Facts.Computer;
        inputs.Now = checked.Facts.CheckedAt;
        return inputs;
    }

    TComparison Compare(const TCheckedProducts& checked,
                        const std::optional<TComparedFile>& compared,
                        const TProductsFileReading& reading) const {
        if (!compared)
            return CompareProducts(checked.Products, nullptr, checked.Facts);
        const TSnapshotSection section = compared->ByPath ? ReadProductsFileAsSnapshot(compared->Snapshot.Path, reading)
                                                          : ReadSnapshotSection(compared->Snapshot, *ports_.Files);
        return CompareProducts(checked.Products, &section, checked.Facts);
    }

    // Exactly what Save Result does with the name typed into its dialog.
    std::string Save(const std::string& name, const TCheckedProducts& checked, const std::string& programFolder) const {
        try {
            return SaveSnapshot(name, checked.Products.ProductNames, checked.Products.ProductVersions, programFolder,
                                checked.Facts.CheckedAt, ports_.Facts->LocaleFormats(), *ports_.Files);
        } catch (const Exception& error) {
            throw Failure(error.Message(), ports_.Files->LastErrorText());
        }
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
        if (!request.FleetSources.empty())
            return RunFleet(request, ports);
        return TExportRun(request, ports).Execute();
    } catch (const std::exception& error) {
        ports.WriteStandardError(std::string(error.what()) + "\r\n");
        return TExportResult::Failed;
    }
}
