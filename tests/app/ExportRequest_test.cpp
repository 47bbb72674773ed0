#include "app/ExportRequest.h"

#include <gtest/gtest.h>

#include "support/RaisedMessage.h"

namespace {

TCommandLine Line(TTextList params) {
    params.insert(params.begin(), "plux.exe");
    return TCommandLine(std::move(params));
}

// The request as "html|json|csv|compare|save|help", "~" for a value not given, then "|policy|from" when
// either is given, then "|jsonl" and "|fleet:" with each source after a colon when either is.
std::string Render(const TExportRequest& request) {
    std::string rendered = request.HtmlFile + "|" + request.JsonFile + "|" + request.CsvFile + "|" +
                           request.CompareChoice.value_or("~") + "|" + request.SaveName.value_or("~") + "|" +
                           (request.Help ? "help" : "");
    if (request.PolicyFile || request.FromFile)
        rendered += "|" + request.PolicyFile.value_or("~") + "|" + request.FromFile.value_or("~");
    if (!request.JsonLinesFile.empty() || !request.FleetSources.empty()) {
        rendered += "|" + request.JsonLinesFile + "|fleet";
        for (const std::string& source : request.FleetSources)
            rendered += ":" + source;
    }
    return rendered;
}

TEST(ExportRequest, ReadsTheSwitchesInEverySpelling) {
    const struct {
        TTextList params;
        std::string expected;
    } rows[] = {
        {{"/shtml", "r.html"}, "r.html|||~|~|"},
        {{"-SHTML", "r.html", "/compare", " old.plx "}, "r.html|||old.plx|~|"},
        {{"/shtml:r.html", "/compare=old.plx"}, "r.html|||old.plx|~|"},
        {{"/shtml=\"my report.html\""}, "my report.html|||~|~|"},
        {{"/sjson", "-", "/scsv", "c.csv"}, "|-|c.csv|~|~|"},
        {{"/save", "base", "/shtml", "r.html"}, "r.html|||~|base|"},
        {{"/save:my base"}, "|||~|my base|"},
        {{"/scsv=/tmp/r.csv", "/compare:-old.plx"}, "||/tmp/r.csv|-old.plx|~|"},
        {{"D:\\data", "-ProgDataFolder", "/x", "/shtml", "-"}, "-|||~|~|"},
        {{"/?"}, "|||~|~|help"},
        {{"/shtml", "/help", "/nonsense"}, "|||~|~|help"},
        {{"/policy", "required.ini"}, "|||~|~||required.ini|~"},
        {{"-POLICY:required.ini", "/compare", "base.plx"}, "|||base.plx|~||required.ini|~"},
        {{"/from=C:\\in\\dev.reg", "/sjson", "-", "/compare", ".\\base.json"}, "|-||.\\base.json|~||~|C:\\in\\dev.reg"},
        {{"/sjsonl", "-", "/from", "dev.reg"}, "|||~|~||~|dev.reg|-|fleet"},
        {{"/fleet", "team"}, "|||~|~|||fleet:team"},
        {{"/fleet=\\\\srv\\team", "a.json", "\"b c.plx\"", "/sjson", "t.json", "/policy", "p.ini"},
         "|t.json||~|~||p.ini|~||fleet:\\\\srv\\team:a.json:b c.plx"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        const TCommandLine line = Line(row.params);
        EXPECT_TRUE(IsHeadlessRequest(line));
        EXPECT_EQ(Render(ReadExportRequest(line)), row.expected);
    }
}

TEST(ExportRequest, BadSwitchesNameTheFaultAndPointToTheUsage) {
    const struct {
        TTextList params;
        std::string fault;
    } rows[] = {
        {{"/shtml"}, "Missing file name after /shtml"},
        {{"/shtml", ""}, "Missing file name after /shtml"},
        {{"/shtml", "   "}, "Missing file name after /shtml"},
        {{"/shtml", "/compare", "old.plx"}, "Missing file name after /shtml"},
        {{"/shtml:", "/compare", "old.plx"}, "Missing file name after /shtml"},
        {{"/shtml= ", "x"}, "Missing file name after /shtml"},
        {{"/shtml", "r.html", "/compare"}, "Missing snapshot after /compare"},
        {{"/shtml", "r.html", "/compare", "-"}, "Missing snapshot after /compare"},
        {{"/save", "/shtml", "r.html"}, "Missing snapshot name after /save"},
        {{"/shtml", "r.html", "/shtm", "x"}, "Unknown switch /shtm"},
        {{"/shtml", "r.html", "/ProductCode=X"}, "Unknown switch /ProductCode=X"},
        {{"/shtml", "r.html", "stray"}, "Unexpected parameter stray"},
        {{"/shtml", "a.html", "/SHTML", "b.html"}, "/SHTML given more than once"},
        {{"/sjson", "-", "/scsv", "-"}, "Only one report can go to standard output"},
        {{"/save", "base", "/sjson", "-"},
         "/save prints the snapshot's path on standard output, so the reports must go to files"},
        {{"/save", "base", "/compare", "old.plx"},
         "/compare needs a report: /shtml, /sjson, /sjsonl, /scsv or /policy"},
        {{"/from", "dev.reg"}, "/from needs a report: /shtml, /sjson, /sjsonl, /scsv or /policy"},
        {{"/from", "dev.reg", "/policy", "r.ini", "/save", "x"},
         "/save saves this machine's products, so it cannot go with /from"},
        {{"/policy", "r.ini", "/policy=s.ini"}, "/policy given more than once"},
        {{"/policy", "/from", "x.reg"}, "Missing required-versions file after /policy"},
        {{"/fleet", "/sjson", "-"}, "Missing file or folder of products after /fleet"},
        {{"/fleet", "a", "b", "/FLEET", "c"}, "/FLEET given more than once"},
        {{"/fleet", "team", "/from", "x.reg"},
         "/fleet reads the team's files, so it cannot go with /compare, /from or /save"},
        {{"/sjsonl", "-", "/sjson", "-"}, "Only one report can go to standard output"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fault);
        EXPECT_EQ(MessageOf([&] { ReadExportRequest(Line(row.params)); }),
                  row.fault + "\r\nRun plux.exe /? for the switches.");
    }
}

// A value that starts like a switch but names none is taken for what it most likely is, a value, and
// the hint shows how to write it; a next parameter that is a switch gets the plain message above.
TEST(ExportRequest, AValueReadAsASwitchIsShownInItsAttachedForm) {
    const struct {
        TTextList params;
        std::string message;
    } rows[] = {
        {{"/shtml", "/tmp/r.html"},
         "Missing file name after /shtml: /tmp/r.html starts with \"/\", so it is read as a switch\r\n"
         "Write the value onto its switch: /shtml=/tmp/r.html"},
        {{"-SJSON", "-r.json", "/shtml", "x"},
         "Missing file name after -SJSON: -r.json starts with \"-\", so it is read as a switch\r\n"
         "Write the value onto its switch: -SJSON=-r.json"},
        {{"/save", "\"/my base\""},
         "Missing snapshot name after /save: /my base starts with \"/\", so it is read as a switch\r\n"
         "Write the value onto its switch: \"/save=/my base\""},
        {{"/compare", "/old.plx", "/shtml", "x"},
         "Missing snapshot after /compare: /old.plx starts with \"/\", so it is read as a switch\r\n"
         "Write the value onto its switch: /compare=/old.plx"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        EXPECT_EQ(MessageOf([&] { ReadExportRequest(Line(row.params)); }), row.message);
    }
}

TEST(ExportRequest, WithoutExportSwitchesTheWindowRuns) {
    for (const TTextList& params : {TTextList{}, TTextList{"/compare", "old.plx"}, TTextList{"/unknown"},
                                    TTextList{"-ProductCode", "/shtml"}, TTextList{"shtml", "x"}}) {
        EXPECT_FALSE(IsHeadlessRequest(Line(params))) << params.size();
    }
}

TEST(ExportRequest, UsageNamesEverySwitchAndTheExitCodes) {
    const std::string usage = UsageText();
    for (const char* word : {"/shtml", "/sjson", "/scsv", "/compare", "/save", "/policy", "/from", "/?", "/help",
                             "Exit code 0", "1:", "2:"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
}

}  // namespace
