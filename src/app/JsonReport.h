#ifndef PLUX_APP_JSONREPORT_H
#define PLUX_APP_JSONREPORT_H

#include <string>

#include "app/ExportText.h"
#include "check/Comparison.h"

// The comparison as one JSON object in UTF-8: the facts of the check, the snapshot (null without one)
// and one line per product, keys always in the same order, absent values null, lines ended by CR LF.
std::string JsonReport(const TComparison& comparison, const TToUtf8& toUtf8);

// The comparison as JSON Lines in UTF-8, for log and search engines and databases that load a line
// as a record: one object per product, in the report's order, that holds the report's facts and snapshot
// members, then the product's members, each line ended by LF. A check without products gives no line.
std::string JsonLinesReport(const TComparison& comparison, const TToUtf8& toUtf8);

#endif
