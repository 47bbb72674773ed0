// Any bytes as a command line through the splitter, the switch lookups of both modes and the export's
// switch reading: nothing may crash or hang, and the lookups keep their promises. The text before the
// first line feed is a switch name to look up besides the system's own.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/ExportRequest.h"
#include "fuzz/FuzzRequire.h"
#include "support/CommandLine.h"
#include "toolkit/Exception.h"

namespace {

void CheckNextParameterMode(TCommandLine& line, std::string_view name) {
    const int found = line.FindSwitchParam(name);
    REQUIRE(found >= 0 && found <= line.ParamCount());
    const std::string value = line.GetSwitchValue(name, false);
    if (found != 0) {
        const std::string param = line.ParamStr(found);
        REQUIRE(param.size() == name.size() + 1 && (param[0] == '-' || param[0] == '/'));
        REQUIRE(SameTextUpper(param.substr(1), name));
    }
    if (found == 0 || found == line.ParamCount())
        REQUIRE(value.empty());
    REQUIRE(line.GetSwitchValue(name, false) == value);
}

// A found switch is consumed with its value, so the joined line only shrinks; the value stops before
// any "/" and carries no blank at its end.
void CheckJoinedMode(TCommandLine& line, std::string_view name) {
    const std::optional<std::size_t> before =
        line.JoinedCommandLine() ? std::optional<std::size_t>(line.JoinedCommandLine()->size()) : std::nullopt;
    const std::string value = line.GetSwitchValue(name, true);
    REQUIRE(line.JoinedCommandLine().has_value());
    const std::size_t after = line.JoinedCommandLine()->size();
    REQUIRE(!before || after <= *before);
    REQUIRE(!before || after < *before || value.empty());
    REQUIRE(value.find('/') == std::string::npos);
    REQUIRE(value.empty() || static_cast<unsigned char>(value.back()) > 32);
}

void CheckExportRequest(const TCommandLine& line) {
    const bool headless = IsHeadlessRequest(line);
    try {
        const TExportRequest request = ReadExportRequest(line);
        if (request.Help) {
            REQUIRE(headless);
            return;
        }
        int toStandardOutput = 0;
        for (const std::string* file :
             {&request.HtmlFile, &request.JsonFile, &request.CsvFile, &request.JsonLinesFile}) {
            REQUIRE(file->empty() || Trim(*file) == *file);
            toStandardOutput += *file == kStandardOutputName ? 1 : 0;
        }
        REQUIRE(toStandardOutput <= 1);
        const bool reports = !request.HtmlFile.empty() || !request.JsonFile.empty() || !request.CsvFile.empty() ||
                             !request.JsonLinesFile.empty();
        REQUIRE(!request.CompareChoice || reports);
        REQUIRE(!request.CompareChoice || !request.CompareChoice->empty());
        REQUIRE(!request.SaveName || (!request.SaveName->empty() && toStandardOutput == 0));
        REQUIRE(headless == (reports || request.SaveName || request.PolicyFile || request.FromFile ||
                             !request.FleetSources.empty()));
    } catch (const Exception& error) {
        // The fault on the first line, the hint on the second: the usage, or how to attach a value that
        // reads as a switch.
        const std::string& message = error.Message();
        REQUIRE(
            message.ends_with("\r\nRun plux.exe /? for the switches.") ||
            (message.starts_with("Missing ") &&
             message.find(", so it is read as a switch\r\nWrite the value onto its switch: ") != std::string::npos));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t lineFeed = input.find('\n');
    const std::string_view name = lineFeed == std::string_view::npos ? std::string_view() : input.substr(0, lineFeed);
    const std::string_view commandLine = lineFeed == std::string_view::npos ? input : input.substr(lineFeed + 1);

    const TTextList params = SplitCommandLine(commandLine);
    std::size_t total = 0;
    for (const std::string& param : params) {
        REQUIRE(param.find('"') == std::string::npos);
        total += param.size();
    }
    REQUIRE(total <= commandLine.size());

    TCommandLine line(params);
    for (const std::string_view known : {"ProgDataFolder", "UserDataFolder", "ExeDataFolder", "ProductCode", "shtml"})
        CheckNextParameterMode(line, known);
    if (!name.empty()) {
        CheckNextParameterMode(line, name);
        CheckJoinedMode(line, name);
        CheckJoinedMode(line, name);
    }
    CheckJoinedMode(line, "compare");
    CheckExportRequest(line);
    return 0;
}
