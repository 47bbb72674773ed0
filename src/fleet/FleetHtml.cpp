#include "fleet/FleetHtml.h"

#include "check/BreakUtils.h"
#include "check/ReportBuilder.h"
#include "fleet/FleetSummary.h"

namespace {

std::string Cell(const std::string& text, bool marked) {
    const std::string shown = text.empty() ? std::string(kMissingEntry) : HtmlText(text);
    return marked ? DifferenceCell(shown) : HtmlTD(shown, "");
}

// The band colour of each row: it changes where the family does, letters in either case.
class TBands {
public:
    TBands(std::string color1Code, std::string color2Code)
        : color1Code_(std::move(color1Code)), color2Code_(std::move(color2Code)) {}

    std::string RowStart(const TFleetRow& row) {
        tracker_.NextValue(UpperCase(row.Family));
        return "<tr bgcolor=\"" + (tracker_.GroupCount % 2 != 0 ? color1Code_ : color2Code_) + "\">";
    }

private:
    TBreakUtils tracker_;
    std::string color1Code_;
    std::string color2Code_;
};

void AddMatrix(TTextList& lines, const TFleetMatrix& matrix, TBands& bands) {
    std::string machines = HtmlTH("Product", "");
    std::string times = HtmlTH(std::string(kMissingEntry), "");
    for (const TFleetColumn& column : matrix.Columns()) {
        machines += HtmlTH(HtmlText(column.Machine), "");
        times += HtmlTH(column.Time.empty() ? std::string(kMissingEntry) : HtmlText(column.Time), "");
    }
    lines.insert(lines.end(), {"<tr>", machines, "</tr>", "<tr>", times, "</tr>"});
    for (std::size_t r = 0; r < matrix.Rows().size(); ++r) {
        const TFleetRow& row = matrix.Rows()[r];
        lines.push_back(bands.RowStart(row));
        std::string cells = HtmlTD(HtmlText(row.Name), "");
        for (const TFleetCell& cell : matrix.Cells(r))
            cells += Cell(cell.Version ? row.Versions[*cell.Version] : "", cell.Marked);
        lines.push_back(cells);
        lines.push_back("</tr>");
    }
}

void AddSummary(TTextList& lines, const TFleetMatrix& matrix, TBands& bands) {
    lines.insert(lines.end(), {"<tr>",
                               HtmlTH("Product", "") + HtmlTH("Version", "") + HtmlTH("Columns", "") +
                                   HtmlTH("Machines that stray", ""),
                               "</tr>"});
    for (std::size_t r = 0; r < matrix.Rows().size(); ++r) {
        const TFleetRow& row = matrix.Rows()[r];
        bool first = true;
        for (const TVersionGroup& group : VersionGroups(matrix, r)) {
            lines.push_back(bands.RowStart(row));
            lines.push_back(Cell(first ? row.Name : "", false) + Cell(GroupVersionText(row, group), false) +
                            HtmlTD(std::to_string(group.Count), "") +
                            Cell(StrayList(matrix, group.MarkedColumns), !group.MarkedColumns.empty()));
            lines.push_back("</tr>");
            first = false;
        }
    }
}

}  // namespace

TTextList FleetHtml(const TFleetMatrix& matrix, const std::string& color1Code, const std::string& color2Code) {
    TTextList lines{HtmlTableStart("", true, "#000000")};
    TBands bands(color1Code, color2Code);
    if (matrix.Columns().size() <= kFleetTableColumns)
        AddMatrix(lines, matrix, bands);
    else
        AddSummary(lines, matrix, bands);
    lines.push_back(HtmlTableEnd());
    return lines;
}
