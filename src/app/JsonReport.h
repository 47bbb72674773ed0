#ifndef PLUX_APP_JSONREPORT_H
#define PLUX_APP_JSONREPORT_H

#include <string>

#include "app/ExportText.h"
#include "check/Comparison.h"

// The comparison as one JSON object in UTF-8: the facts of the check, the snapshot (null without one)
// and one line per row of ForEachReportRow, keys always in the same order, absent values null, lines
// ended by CR LF. A product's verdict and deciding rule follow its status (null without required versions).
std::string JsonReport(const TComparison& comparison,
                       const std::vector<TProductVerdict>& verdicts,
                       const TToUtf8& toUtf8);

// The comparison as JSON Lines in UTF-8, for log and search engines and databases that load a line
// as a record: one object per product, in the report's order, that holds the report's facts and snapshot
// members, then the product's members as JsonReport writes them, each line ended by LF; one line per row
// of ForEachReportRow, so a check without products or rules gives no line.
std::string JsonLinesReport(const TComparison& comparison,
                            const std::vector<TProductVerdict>& verdicts,
                            const TToUtf8& toUtf8);

#endif
