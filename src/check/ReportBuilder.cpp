#include "check/ReportBuilder.h"

#include <optional>
#include <utility>

#include "support/PathRoutines.h"

namespace {

constexpr std::string_view kHeaderDateFormat = "ddd dd-mm-yyyy hh:nn";
constexpr std::string_view kDifferenceCellEnd = "</font></b></td>";

std::string HtmlCell(std::string_view tag, std::string_view text, std::string_view attributes) {
    std::string cell = "<" + std::string(tag);
    if (!attributes.empty())
        cell.append(" ").append(attributes);
    return cell.append(">").append(text).append("</").append(tag).append(">");
}

}  // namespace

std::string HtmlText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

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

std::string DifferenceCell(std::string_view text) {
    return std::string(kDifferenceCellStart) + std::string(text) + std::string(kDifferenceCellEnd);
}

std::string CheckTitleCell(const TReportInputs& inputs) {
    return HtmlTH(inputs.ComputerName + " " + FormatDateTime(kHeaderDateFormat, inputs.Now, inputs.Locale),
                  "colspan=\"2\"");
}

TFamilyBands::TFamilyBands(const TReportInputs& inputs) : inputs_(inputs) {
    tracker_.KeyDelimiter = kFamilyDelimiter;
}

const std::string& TFamilyBands::Next(const std::string& productName) {
    tracker_.NextValue(productName);
    if (tracker_.IsBreak())
        colour_ = tracker_.GroupCount % 2 != 0 ? inputs_.Color1Code : inputs_.Color2Code;
    return colour_;
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
    std::optional<TSnapshotSection> snapshot;
    if (const auto chosen = ChosenSnapshot(inputs.CompareChoice, inputs.ProgramFolder, fileSystem))
        snapshot = ReadSnapshotSection(*chosen, fileSystem);
    TCheckFacts facts;
    facts.Computer = inputs.ComputerName;
    facts.CheckedAt = inputs.Now;
    return BuildReport(inputs, CompareProducts(*inputs.Products, snapshot ? &*snapshot : nullptr, std::move(facts)));
}

TReport BuildReport(const TReportInputs& inputs, const TComparison& comparison) {
    const bool comparing = comparison.SnapshotName.has_value();
    TReport report;
    TTextList& lines = report.Lines;
    TFamilyBands bands(inputs);

    lines.push_back(HtmlTableStart("", true, "#000000"));
    lines.push_back("<tr>");
    lines.push_back(CheckTitleCell(inputs));
    if (comparing)
        lines.push_back(HtmlTH(*comparison.SnapshotName + " " + comparison.SnapshotSavedAt.value_or(""), ""));
    lines.push_back("</tr>");

    for (const TComparedProduct& product : comparison.Products) {
        if (!product.Installed())
            continue;
        lines.push_back("<tr bgcolor=\"" + bands.Next(product.Name) + "\">");
        lines.push_back(HtmlTD(product.Name, "") + HtmlTD(*product.Version, ""));
        if (comparing) {
            // The saved text as read, not trimmed again; the verdict is the comparison's.
            const std::string saved = product.SnapshotVersion.value_or(std::string(kMissingEntry));
            if (product.Status == TProductStatus::Same) {
                lines.push_back(HtmlTD(saved, ""));
            } else {
                lines.push_back(DifferenceCell(saved));
                ++report.DifferenceCount;
            }
        }
        lines.push_back("</tr>");
    }
    lines.push_back(HtmlTableEnd());
    return report;
}
