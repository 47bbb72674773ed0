#include "check/ReportBuilder.h"

#include <optional>
#include <utility>

#include "check/BreakUtils.h"
#include "support/PathRoutines.h"
#include "support/ProfileIni.h"

namespace {

constexpr std::string_view kHeaderDateFormat = "ddd dd-mm-yyyy hh:nn";
constexpr std::string_view kTimestampKey = "\\datetime\\";
constexpr std::string_view kMissingEntry = "&nbsp;";
constexpr std::string_view kDifferenceCellEnd = "</font></b></td>";
constexpr std::string_view kFamilyDelimiter = "(Delphi";

std::string HtmlCell(std::string_view tag, std::string_view text, std::string_view attributes) {
    std::string cell = "<" + std::string(tag);
    if (!attributes.empty())
        cell.append(" ").append(attributes);
    return cell.append(">").append(text).append("</").append(tag).append(">");
}

}  // namespace

std::string HtmlTD(std::string_view text, std::string_view attributes) {
    return HtmlCell("td", text, attributes);
}

std::string HtmlTH(std::string_view text, std::string_view attributes) {
    return HtmlCell("TH", text, attributes);
}

std::string HtmlTableStart(std::string_view width, bool border, std::string_view borderColor) {
    std::string tag = "<table";
    if (!width.empty())
        tag.append(" width=\"").append(width).append("\"");
    if (border) {
        tag.append(" border=\"1\" cellspacing=\"0\" bordercolor=").append(borderColor).append(" cellpadding=\"3\"");
    }
    return tag + ">";
}

std::string HtmlTableEnd() {
    return "</table>";
}

TReportInputs ReportInputsNow(const TProductList& products,
                              std::string color1Code,
                              std::string color2Code,
                              std::string compareChoice,
                              const TSystemFacts& facts) {
    TReportInputs inputs;
    inputs.Products = &products;
    inputs.Color1Code = std::move(color1Code);
    inputs.Color2Code = std::move(color2Code);
    inputs.CompareChoice = std::move(compareChoice);
    inputs.ProgramFolder = ProgramFolderOf(facts.ExecutablePath());
    inputs.ComputerName = facts.ComputerName();
    inputs.Now = facts.Now();
    inputs.Locale = facts.LocaleFormats();
    return inputs;
}

TReport BuildReport(const TReportInputs& inputs, TFileSystem& fileSystem) {
    const TProductList& products = *inputs.Products;
    const std::string choice = Trim(inputs.CompareChoice);

    std::optional<TProfileIniFile> snapshot;
    std::string section;
    const std::string snapshotPath = inputs.ProgramFolder + choice;
    if (fileSystem.FileExists(snapshotPath)) {
        snapshot.emplace(snapshotPath, fileSystem);
        section = FileBaseName(choice);
    }
    const bool comparing = !section.empty();

    TReport report;
    TTextList& lines = report.Lines;
    TBreakUtils tracker;
    tracker.KeyDelimiter = kFamilyDelimiter;

    lines.push_back(HtmlTableStart("", true, "#000000"));
    lines.push_back("<tr>");
    lines.push_back(HtmlTH(inputs.ComputerName + " " + FormatDateTime(kHeaderDateFormat, inputs.Now, inputs.Locale),
                           "colspan=\"2\""));
    if (comparing)
        lines.push_back(HtmlTH(section + " " + snapshot->ReadString(section, kTimestampKey, ""), ""));
    lines.push_back("</tr>");

    std::string bandColor;
    for (std::size_t i = 0; i < products.ProductNames.size(); ++i) {
        const std::string& name = products.ProductNames[i];
        const std::string& version = products.ProductVersions.at(i);
        tracker.NextValue(name);
        if (tracker.IsBreak())
            bandColor = tracker.GroupCount % 2 != 0 ? inputs.Color1Code : inputs.Color2Code;
        lines.push_back("<tr bgcolor=\"" + bandColor + "\">");
        lines.push_back(HtmlTD(name, "") + HtmlTD(version, ""));
        if (comparing) {
            const std::string saved = snapshot->ReadString(section, name, kMissingEntry);
            if (Trim(saved) == Trim(version)) {
                lines.push_back(HtmlTD(saved, ""));
            } else {
                lines.push_back(std::string(kDifferenceCellStart) + saved + std::string(kDifferenceCellEnd));
                ++report.DifferenceCount;
            }
        }
        lines.push_back("</tr>");
    }
    lines.push_back(HtmlTableEnd());
    return report;
}
