#ifndef PLUX_POLICY_POLICYSUMMARY_H
#define PLUX_POLICY_POLICYSUMMARY_H

#include <string>
#include <vector>

#include "policy/PolicyCheck.h"

// What a build log shows of a check against required versions: one line per violation, then the
// counts, each line ended by CR LF.
//   too old: Grid 4 (Delphi 6) 4.2, rule Grid 4 (Delphi *)=>=4.10 <5
//   missing: Editors 3 (Delphi 7), rule 3.0.1
//   Required versions: 2 violations (1 too old, 0 too new, 1 missing, 0 forbidden), 3 ok, 1 unchecked
// The rule is shown as its file writes it, with its key when that is not the product's name as the
// product writes it.
std::string PolicySummary(const std::vector<TProductVerdict>& verdicts);

// The summary's last line without its line end: the counts.
std::string PolicyCounts(const std::vector<TProductVerdict>& verdicts);

// The deciding rule as the summary shows it, for a verdict that has one; the reports show it so too.
std::string ShownRule(const TProductVerdict& verdict);

#endif
