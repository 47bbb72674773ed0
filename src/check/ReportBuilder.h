#ifndef PLUX_CHECK_REPORTBUILDER_H
#define PLUX_CHECK_REPORTBUILDER_H

#include <string>
#include <string_view>

#include "check/BreakUtils.h"
#include "check/Comparison.h"
#include "check/ProductList.h"
#include "support/DateTime.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"
#include "support/TextRoutines.h"

std::string HtmlTD(std::string_view text, std::string_view attributes);
std::string HtmlTH(std::string_view text, std::string_view attributes);
std::string HtmlTableStart(std::string_view width, bool border, std::string_view borderColor);
std::string HtmlTableEnd();

// The start of a comparison cell whose saved version differs from the current one, and its background,
// by which a reader of the report tells such a cell.
inline constexpr std::string_view kDifferenceCellStart = "<td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">";
inline constexpr std::string_view kDifferenceColour = "#ff0000";
static_assert(kDifferenceCellStart.find(kDifferenceColour) != std::string_view::npos);
// The text of a cell that has nothing to show, which keeps the cell's borders.
inline constexpr std::string_view kMissingEntry = "&nbsp;";

// A cell that shows a difference: white bold text on red.
std::string DifferenceCell(std::string_view text);

// A text as HTML shows it literally: "&", "<", ">" and quotes written as character references.
std::string HtmlText(std::string_view text);

// Everything the report is built from, as the main window (or the export) holds it at the moment.
// Products, CompareChoice and ProgramFolder serve the comparison, when the report makes it.
struct TReportInputs {
    const TProductList* Products = nullptr;
    std::string Color1Code;
    std::string Color2Code;
    std::string CompareChoice;  // the text of the snapshot chooser
    std::string ProgramFolder;  // ends in a backslash
    std::string ComputerName;
    TDateTime Now;
    TLocaleFormats Locale;
};

struct TReport {
    TTextList Lines;
    int DifferenceCount = 0;  // comparison cells shown in red
};

// The header cell over the product and version columns: the computer and the moment of the check.
std::string CheckTitleCell(const TReportInputs& inputs);

// The band colours of the report's rows, product by product in report order: the colour changes where
// the family (the name before "(Delphi") does, Color1 for the first family, then Color2, and so on.
class TFamilyBands {
public:
    explicit TFamilyBands(const TReportInputs& inputs);
    // The colour code of the row of the next product.
    const std::string& Next(const std::string& productName);

private:
    const TReportInputs& inputs_;
    TBreakUtils tracker_;
    std::string colour_;
};

// The inputs for the given list, codes and choice, with the program folder, computer name, clock and
// locale the platform reports at this moment.
TReportInputs ReportInputsNow(const TProductList& products,
                              std::string color1Code,
                              std::string color2Code,
                              std::string compareChoice,
                              const TSystemFacts& facts);

// The report of Do Check: the products compared with the snapshot the choice names (ChosenSnapshot), if
// any, then shown.
TReport BuildReport(const TReportInputs& inputs, TFileSystem& fileSystem);

// The report of a comparison already made: a row for each installed product in its order, with the
// snapshot's version beside it when the comparison has a snapshot, red where the product is not the
// same; the missing-entry marker for a product the snapshot lacks.
TReport BuildReport(const TReportInputs& inputs, const TComparison& comparison);

#endif
