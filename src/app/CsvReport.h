#ifndef PLUX_APP_CSVREPORT_H
#define PLUX_APP_CSVREPORT_H

#include <string>

#include "app/ExportText.h"
#include "check/Comparison.h"

// The comparison as CSV (RFC 4180) in UTF-8 with a byte-order mark, so spreadsheet programs read the
// characters right: a header row, then one row per product that repeats the facts of the check, so the
// files of many machines can be put together; rows end in CR LF. A cell that a spreadsheet program would
// run as a formula (beginning with "=", "+", "-", "@", a tab or a carriage return) begins with an
// apostrophe. The rows are those of ForEachReportRow; a product's verdict and deciding rule follow its status
// (empty without required versions).
std::string CsvReport(const TComparison& comparison,
                      const std::vector<TProductVerdict>& verdicts,
                      const TToUtf8& toUtf8);

#endif
