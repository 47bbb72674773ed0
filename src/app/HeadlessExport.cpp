#include "app/HeadlessExport.h"

#include "app/MainBars.h"
#include "check/ReportBuilder.h"
#include "state/MainWindowState.h"
#include "support/MessageCatalogue.h"
#include "toolkit/Exception.h"

namespace {

constexpr std::string_view kOutputSwitch = "shtml";
constexpr std::string_view kCompareSwitch = "compare";
constexpr std::string_view kStandardOutputName = "-";

std::string JoinLines(const TTextList& lines) {
    std::string text;
    for (const std::string& line : lines)
        text.append(line).append("\r\n");
    return text;
}

}  // namespace

bool IsExportRequest(const TCommandLine& commandLine) {
    return commandLine.FindSwitchParam(kOutputSwitch) != 0;
}

TExportResult RunHeadlessExport(TCommandLine& commandLine, const TExportPorts& ports) {
    try {
        const std::string output = commandLine.GetSwitchValue(kOutputSwitch, false);
        if (output.empty())
            throw Exception("Missing file name after /shtml");
        const bool compareGiven = commandLine.FindSwitchParam(kCompareSwitch) != 0;

        TProductList products;
        ScanProducts(*ports.Keys, ports.RootKey, products);

        std::string choice = compareGiven ? commandLine.GetSwitchValue(kCompareSwitch, false)
                                          : GetMessageText(kNoComparisonMessage, false);
        const TBandColourCodes colours = StoredBandColourCodes(*ProgSettings(), *ports.Files, *ports.Facts);
        const TReportInputs inputs =
            ReportInputsNow(products, colours.Color1, colours.Color2, std::move(choice), *ports.Facts);
        const TReport report = BuildReport(inputs, *ports.Files);

        const std::string text = JoinLines(report.Lines);
        const bool written =
            output == kStandardOutputName ? ports.WriteStandardOutput(text) : ports.Files->WriteFile(output, text);
        if (!written)
            throw Exception("Unable to write to " + output);
        return report.DifferenceCount > 0 ? TExportResult::Differences : TExportResult::NoDifferences;
    } catch (const std::exception& error) {
        ports.WriteStandardError(std::string(error.what()) + "\r\n");
        return TExportResult::Failed;
    }
}
