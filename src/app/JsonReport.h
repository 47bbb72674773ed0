#ifndef PLUX_APP_JSONREPORT_H
#define PLUX_APP_JSONREPORT_H

#include <string>

#include "app/ExportText.h"
#include "check/Comparison.h"

// The comparison as one JSON object in UTF-8: the facts of the check, the snapshot (null without one)
// and one line per row of ReportRows, keys always in the same order, absent values null, lines ended by
// CR LF. A product's verdict and deciding rule follow its status (null without required versions).
std::string JsonReport(const TComparison& comparison,
                       const std::vector<TProductVerdict>& verdicts,
                       const TToUtf8& toUtf8);

#endif
