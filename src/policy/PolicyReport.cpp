#include "policy/PolicyReport.h"

#include "policy/PolicySummary.h"

namespace {

constexpr std::string_view kTitle = "Required versions ";

// A cell of a text that may be empty or missing: the missing-entry marker then keeps its borders.
std::string TextCell(const std::optional<std::string>& text) {
    return HtmlTD(text && !text->empty() ? HtmlText(*text) : std::string(kMissingEntry), "");
}

}  // namespace

std::vector<TPolicyProduct> PolicyProductsOf(const TProductList& products) {
    std::vector<TPolicyProduct> policyProducts;
    policyProducts.reserve(products.ProductNames.size());
    for (std::size_t i = 0; i < products.ProductNames.size(); ++i)
        policyProducts.push_back({products.ProductNames[i], products.ProductVersions.at(i)});
    return policyProducts;
}

TReport BuildPolicyReport(const TReportInputs& inputs,
                          std::string_view fileName,
                          const std::vector<TProductVerdict>& verdicts) {
    TReport report;
    TTextList& lines = report.Lines;
    TFamilyBands bands(inputs);

    lines.push_back("<title>" + HtmlText(std::string(kTitle) + std::string(fileName)) + "</title>");
    lines.push_back(HtmlTableStart("", true, "#000000"));
    lines.push_back("<tr>");
    lines.push_back(CheckTitleCell(inputs));
    lines.push_back(HtmlTH(HtmlText(fileName), "colspan=\"2\""));
    lines.push_back("</tr>");
    for (const TProductVerdict& verdict : verdicts) {
        lines.push_back("<tr bgcolor=\"" + bands.Next(verdict.Product) + "\">");
        lines.push_back(HtmlTD(HtmlText(verdict.Product), "") + TextCell(verdict.Version));
        const std::string rule = TextCell(verdict.Rule ? std::optional(ShownRule(verdict)) : std::nullopt);
        const std::string_view word = VerdictText(verdict.Verdict);
        if (IsViolation(verdict.Verdict)) {
            lines.push_back(rule + DifferenceCell(word));
            ++report.DifferenceCount;
        } else {
            lines.push_back(rule + HtmlTD(word, ""));
        }
        lines.push_back("</tr>");
    }
    lines.push_back("<tr>");
    lines.push_back(HtmlTD(HtmlText(PolicyCounts(verdicts)), "colspan=\"4\""));
    lines.push_back("</tr>");
    lines.push_back(HtmlTableEnd());
    return report;
}
