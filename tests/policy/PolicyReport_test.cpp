#include "policy/PolicyReport.h"

#include <gtest/gtest.h>

#include "policy/RequiredVersions.h"

namespace {

// Two families of installed products, one product missing; a violation of each kind that can be
// installed, an unchecked product and rules with "<", ">" and "&" to escape.
TEST(PolicyReport, ShowsEveryVerdictBandedByFamilyWithViolationsInRed) {
    TProductList products;
    products.ProductNames = {"Bars 5 (Delphi 7)", "Grid 4 (Delphi 6)", "Grid 4 (Delphi 7)", "Tools & Co (Delphi 7)"};
    products.ProductVersions = {"5.1", "4.2", "", "1.0"};
    const TRequiredVersions required = ReadRequiredVersions(
        "[Required]\r\n"
        "Bars 5 (Delphi 7)=absent\r\n"
        "Grid 4 (Delphi *)=>=4.10 <5\r\n"
        "Grid 4 (Delphi 7)=present\r\n"
        "Editors 3 (Delphi 7)=3.0.1\r\n",
        "required.ini");
    TReportInputs inputs;
    inputs.Products = &products;
    inputs.Color1Code = "#dcFED6";
    inputs.Color2Code = "#ffffc8";
    inputs.ComputerName = "PC1";
    inputs.Now = TDateTime{2004, 2, 3, 9, 5, 7, 2};
    const TReport report =
        BuildPolicyReport(inputs, "team <rules>.ini", CheckRequiredVersions(required, PolicyProductsOf(products)));
    const TTextList expected = {
        "<title>Required versions team &lt;rules&gt;.ini</title>",
        "<table border=\"1\" cellspacing=\"0\" bordercolor=#000000 cellpadding=\"3\">",
        "<tr>",
        "<TH colspan=\"2\">PC1 Tue 03-02-2004 09:05</TH>",
        "<TH colspan=\"2\">team &lt;rules&gt;.ini</TH>",
        "</tr>",
        "<tr bgcolor=\"#dcFED6\">",
        "<td>Bars 5 (Delphi 7)</td><td>5.1</td>",
        "<td>absent</td><td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">forbidden</font></b></td>",
        "</tr>",
        "<tr bgcolor=\"#ffffc8\">",
        "<td>Grid 4 (Delphi 6)</td><td>4.2</td>",
        "<td>Grid 4 (Delphi *)=&gt;=4.10 &lt;5</td><td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">too "
        "old</font></b></td>",
        "</tr>",
        "<tr bgcolor=\"#ffffc8\">",
        "<td>Grid 4 (Delphi 7)</td><td>&nbsp;</td>",
        "<td>present</td><td>ok</td>",
        "</tr>",
        "<tr bgcolor=\"#dcFED6\">",
        "<td>Tools &amp; Co (Delphi 7)</td><td>1.0</td>",
        "<td>&nbsp;</td><td>unchecked</td>",
        "</tr>",
        "<tr bgcolor=\"#ffffc8\">",
        "<td>Editors 3 (Delphi 7)</td><td>&nbsp;</td>",
        "<td>3.0.1</td><td bgcolor=\"#ff0000\"><b><font color=\"#ffffff\">missing</font></b></td>",
        "</tr>",
        "<tr>",
        "<td colspan=\"4\">Required versions: 3 violations (1 too old, 0 too new, 1 missing, 1 forbidden), 1 ok, 1 "
        "unchecked</td>",
        "</tr>",
        "</table>",
    };
    EXPECT_EQ(report.Lines, expected);
    EXPECT_EQ(report.DifferenceCount, 3);
}

}  // namespace
