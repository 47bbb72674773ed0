#ifndef PLUX_POLICY_POLICYREPORT_H
#define PLUX_POLICY_POLICYREPORT_H

#include <string_view>
#include <vector>

#include "check/ProductList.h"
#include "check/ReportBuilder.h"
#include "policy/PolicyCheck.h"

// The installed products of a scan as a check against required versions takes them.
std::vector<TPolicyProduct> PolicyProductsOf(const TProductList& products);

// The window's report of a check against required versions, in the main report's table: a header with
// the computer and moment of the check and the file's name; then a row per verdict in its order, banded
// by family as the main report, with the installed version, the rule that decided it and the verdict, a
// violation white on red as a difference of the comparison; the counts of the build log's summary last.
// Texts are escaped, since rules hold "<" and ">". The title names the file, so a printout does too.
TReport BuildPolicyReport(const TReportInputs& inputs,
                          std::string_view fileName,
                          const std::vector<TProductVerdict>& verdicts);

#endif
