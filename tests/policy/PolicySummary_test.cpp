#include "policy/PolicySummary.h"

#include <gtest/gtest.h>

namespace {

TEST(PolicySummary, OneLinePerViolationThenTheCounts) {
    const TRequiredVersions required = ReadRequiredVersions(
        "[Required]\r\n"
        "Grid 4 (Delphi *)=>=4.10 <5\r\n"
        "grid 4 (delphi 7)=4.10\r\n"
        "Editors 3 (Delphi 7)=3.0.1\r\n"
        "Bars 5 (Delphi 7)=absent\r\n"
        "Tools 1 (Delphi 7)=present\r\n",
        "required.ini");
    const auto verdicts = CheckRequiredVersions(required, {
                                                              {"Grid 4 (Delphi 6)", "4.2"},
                                                              {"Grid 4 (Delphi 7)", "5.0"},
                                                              {"Bars 5 (Delphi 7)", "5.1"},
                                                              {"Tools 1 (Delphi 7)", ""},
                                                              {"Charts 2 (Delphi 7)", "2.0"},
                                                          });
    EXPECT_EQ(PolicySummary(verdicts),
              "too old: Grid 4 (Delphi 6) 4.2, rule Grid 4 (Delphi *)=>=4.10 <5\r\n"
              "too new: Grid 4 (Delphi 7) 5.0, rule grid 4 (delphi 7)=4.10\r\n"
              "forbidden: Bars 5 (Delphi 7) 5.1, rule absent\r\n"
              "missing: Editors 3 (Delphi 7), rule 3.0.1\r\n"
              "Required versions: 4 violations (1 too old, 1 too new, 1 missing, 1 forbidden), 1 ok, 1 unchecked\r\n");
}

TEST(PolicySummary, AVersionlessProductAndASingleViolation) {
    const TRequiredVersions required = ReadRequiredVersions("[Required]\r\nTools 1=>=1\r\n", "required.ini");
    EXPECT_EQ(PolicySummary(CheckRequiredVersions(required, {{"Tools 1", ""}})),
              "too old: Tools 1 (no version), rule >=1\r\n"
              "Required versions: 1 violation (1 too old, 0 too new, 0 missing, 0 forbidden), 0 ok, 0 unchecked\r\n");
    EXPECT_EQ(PolicySummary({}),
              "Required versions: 0 violations (0 too old, 0 too new, 0 missing, 0 forbidden), 0 ok, 0 unchecked\r\n");
}

}  // namespace
