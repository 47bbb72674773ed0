#ifndef PLUX_APP_EXPORTREQUEST_H
#define PLUX_APP_EXPORTREQUEST_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/CommandLine.h"

// The name that sends a report to standard output instead of a file.
inline constexpr std::string_view kStandardOutputName = "-";

// What a run without the window is asked to do. A report file is empty when that report is not asked for.
struct TExportRequest {
    std::string HtmlFile;
    std::string JsonFile;
    std::string CsvFile;
    std::string JsonLinesFile;
    std::optional<std::string> CompareChoice;
    std::optional<std::string> SaveName;
    std::optional<std::string> PolicyFile;  // the required-versions file
    std::optional<std::string> FromFile;    // the products of another machine instead of this one's
    std::vector<std::string> FleetSources;  // files and folders of the team's machines, for the team matrix
    bool Help = false;
};

// Whether the parameters ask for a run without the window: any switch of the export ("/shtml",
// "/sjson", "/sjsonl", "/scsv", "/save", "/policy", "/from", "/fleet", also written "/shtml:FILE" or
// "/shtml=FILE"), or "/?" or "/help".
bool IsHeadlessRequest(const TCommandLine& commandLine);

// The request the parameters make. The export's switches take their value from the next parameter or
// after ":" or "=", and "/fleet" also every further parameter up to the next switch; a missing or blank value, or a
// next parameter that starts like a switch, is an error (whose hint shows the attached form when that parameter names
// no switch), as are an unknown switch, a switch given twice, a stray parameter (other than the first, which may name
// the data folder) and combinations that cannot work. Errors are raised as Exception, whose message has the fault on
// its first line and a hint on the second.
TExportRequest ReadExportRequest(const TCommandLine& commandLine);

// The text "/?" prints.
std::string UsageText();

#endif
