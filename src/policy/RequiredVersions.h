#ifndef PLUX_POLICY_REQUIREDVERSIONS_H
#define PLUX_POLICY_REQUIREDVERSIONS_H

#include <string_view>
#include <vector>

#include "policy/RequiredRule.h"

// The required-versions file a team keeps beside its projects: a profile-style INI file whose section
// [Required] holds one rule per key, "product or pattern=rule", and whose ";" lines are comments.
//   [Required]
//   Grid 4 (Delphi *)=>=4.10 <5
//   Editors 3 (Delphi 7)=3.0.1
//   Bars 5 (Delphi 7)=absent
// A rule is a version alone (exactly that version, blanks trimmed), one or two bounds (>=V, >V, <=V,
// <V; two make a range, one lower and one upper), "present" or "absent".
struct TRequiredVersions {
    std::vector<TRequiredRule> Rules;  // in file order
};

// Reads the file's bytes by the profile reading rules (byte-order marks, CR LF or LF, trimmed names
// and values, one pair of enclosing quotes dropped, sections and keys in either letter case). Every
// section named [Required] counts; other sections are left to whoever else keeps data in the file.
// A line the file cannot mean raises an error naming the file, the line number and the line: a rule
// that does not read, a key line without "=", an empty product name, a second rule for a product,
// and anything but comments before the first section. A file without [Required] is an error too, so
// that a mistyped header cannot pass every check.
TRequiredVersions ReadRequiredVersions(std::string_view fileBytes, std::string_view fileName);

#endif
