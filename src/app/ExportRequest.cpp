#include "app/ExportRequest.h"

#include <array>

#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace {

enum class TSwitchKind { Report, Compare, Option, Sources, Setting, Help };

struct TSwitch {
    std::string_view Name;
    TSwitchKind Kind;
    std::string TExportRequest::*Report = nullptr;
    std::optional<std::string> TExportRequest::*Option = nullptr;  // of /compare and the other options
    std::string_view ValueName = {};  // what the value is, for the message when it is missing
};

constexpr std::array<TSwitch, 15> kSwitches = {{
    {"shtml", TSwitchKind::Report, &TExportRequest::HtmlFile, nullptr, "file name"},
    {"sjson", TSwitchKind::Report, &TExportRequest::JsonFile, nullptr, "file name"},
    {"sjsonl", TSwitchKind::Report, &TExportRequest::JsonLinesFile, nullptr, "file name"},
    {"scsv", TSwitchKind::Report, &TExportRequest::CsvFile, nullptr, "file name"},
    {"compare", TSwitchKind::Compare, nullptr, &TExportRequest::CompareChoice, "snapshot"},
    {"save", TSwitchKind::Option, nullptr, &TExportRequest::SaveName, "snapshot name"},
    {"policy", TSwitchKind::Option, nullptr, &TExportRequest::PolicyFile, "required-versions file"},
    {"from", TSwitchKind::Option, nullptr, &TExportRequest::FromFile, "file of products"},
    {"fleet", TSwitchKind::Sources, nullptr, nullptr, "file or folder of products"},
    // The program settings read these at start-up, each with the parameter after it, whatever it is.
    {"ProgDataFolder", TSwitchKind::Setting},
    {"UserDataFolder", TSwitchKind::Setting},
    {"ExeDataFolder", TSwitchKind::Setting},
    {"ProductCode", TSwitchKind::Setting},
    {"?", TSwitchKind::Help},
    {"help", TSwitchKind::Help},
}};

constexpr std::string_view kUsageHint = "Run plux.exe /? for the switches.";

bool IsSwitchLike(std::string_view param) {
    return param.size() > 1 && (param.front() == '/' || param.front() == '-');
}

const TSwitch* FindSwitch(std::string_view name) {
    for (const TSwitch& candidate : kSwitches) {
        if (SameTextUpper(candidate.Name, name))
            return &candidate;
    }
    return nullptr;
}

// The name of a switch-like parameter: after its "/" or "-", before a ":" or "=" that attaches a value.
std::string_view SwitchName(std::string_view param) {
    const std::string_view body = param.substr(1);
    return body.substr(0, body.find_first_of(":="));
}

// The switch with its value attached, quoted for the command line when the value holds blanks.
std::string AttachedForm(const std::string& spelled, const std::string& value) {
    const std::string form = spelled + "=" + value;
    return value.find_first_of(" \t") == std::string::npos ? form : "\"" + form + "\"";
}

// A value still enclosed in double quotes (where the platform passes them through) loses them, as
// the switch lookup of the settings does.
std::string CleanValue(std::string_view raw) {
    std::string value = Trim(raw);
    if (value.size() > 1 && value.front() == '"' && value.back() == '"')
        value = Trim(std::string_view(value).substr(1, value.size() - 2));
    return value;
}

// "-" alone is standard output for a report; anything else that starts like a switch is one.
bool IsUsableValue(std::string_view value, const TSwitch& found) {
    if (value.empty())
        return false;
    if (found.Kind == TSwitchKind::Report && value == kStandardOutputName)
        return true;
    return value.front() != '/' && value.front() != '-';
}

struct TParsed {
    TExportRequest Request;
    bool Headless = false;
    std::optional<std::string> Error;  // the first fault found
};

class TParser {
public:
    explicit TParser(const TCommandLine& commandLine) : line_(commandLine) {}

    TParsed Run() {
        for (index_ = 1; index_ <= line_.ParamCount(); ++index_)
            Take(line_.ParamStr(index_));
        if (!parsed_.Error)
            CheckCombination(parsed_.Request);
        return parsed_;
    }

private:
    void Fail(const std::string& fault, std::string_view hint = kUsageHint) {
        if (!parsed_.Error)
            parsed_.Error = fault + "\r\n" + std::string(hint);
    }

    void Take(const std::string& param) {
        if (!IsSwitchLike(param)) {
            if (index_ != 1)
                Fail("Unexpected parameter " + param);
            return;
        }
        const std::string_view name = SwitchName(param);
        const TSwitch* found = FindSwitch(name);
        const bool attached = name.size() + 1 < param.size();
        if (found == nullptr ||
            (attached && (found->Kind == TSwitchKind::Setting || found->Kind == TSwitchKind::Help))) {
            Fail("Unknown switch " + param);
            return;
        }
        if (found->Kind == TSwitchKind::Setting) {
            ++index_;
            return;
        }
        // "/compare" alone is the window's business, which ignores it.
        parsed_.Headless = parsed_.Headless || found->Kind != TSwitchKind::Compare;
        if (found->Kind == TSwitchKind::Help) {
            parsed_.Request.Help = true;
            return;
        }
        const std::string spelled = param.substr(0, 1 + found->Name.size());
        // A value written onto its switch cannot be a further switch, so only a blank one is missing.
        std::string value;
        bool usable = false;
        if (attached) {
            value = CleanValue(std::string_view(param).substr(name.size() + 2));
            usable = !value.empty();
        } else if (index_ < line_.ParamCount() && IsUsableValue(CleanValue(line_.ParamStr(index_ + 1)), *found)) {
            value = CleanValue(line_.ParamStr(++index_));
            usable = true;
        }
        if (!usable) {
            FailMissingValue(*found, spelled, attached);
            return;
        }
        if (!Assign(*found, std::move(value)))
            Fail(spelled + " given more than once");
        // The sources go on up to the next switch.
        while (found->Kind == TSwitchKind::Sources && index_ < line_.ParamCount() &&
               IsUsableValue(CleanValue(line_.ParamStr(index_ + 1)), *found)) {
            parsed_.Request.FleetSources.push_back(CleanValue(line_.ParamStr(++index_)));
        }
    }

    // A next parameter that starts like a switch but names none is most likely the value itself (a path
    // that starts with "/", say): the message says how to give it.
    void FailMissingValue(const TSwitch& found, const std::string& spelled, bool attached) {
        const std::string missing = "Missing " + std::string(found.ValueName) + " after " + spelled;
        const std::string next =
            attached || index_ >= line_.ParamCount() ? std::string() : CleanValue(line_.ParamStr(index_ + 1));
        if (!IsSwitchLike(next) || FindSwitch(SwitchName(next)) != nullptr) {
            Fail(missing);
            return;
        }
        Fail(missing + ": " + next + " starts with \"" + next.front() + "\", so it is read as a switch",
             "Write the value onto its switch: " + AttachedForm(spelled, next));
    }

    bool Assign(const TSwitch& found, std::string value) {
        TExportRequest& request = parsed_.Request;
        if (found.Kind == TSwitchKind::Sources) {
            const bool first = request.FleetSources.empty();
            request.FleetSources.push_back(std::move(value));
            return first;
        }
        if (found.Kind == TSwitchKind::Report) {
            std::string& file = request.*found.Report;
            const bool first = file.empty();
            file = std::move(value);
            return first;
        }
        std::optional<std::string>& text = request.*found.Option;
        const bool first = !text.has_value();
        text = std::move(value);
        return first;
    }

    void CheckCombination(const TExportRequest& request) {
        const std::array<const std::string*, 4> reports = {&request.HtmlFile, &request.JsonFile, &request.JsonLinesFile,
                                                           &request.CsvFile};
        int asked = 0;
        int toStandardOutput = 0;
        for (const std::string* report : reports) {
            asked += report->empty() ? 0 : 1;
            toStandardOutput += *report == kStandardOutputName ? 1 : 0;
        }
        // The summary of /policy on standard output is a report too.
        const bool reported = asked > 0 || request.PolicyFile;
        const bool fleet = !request.FleetSources.empty();
        if (fleet && (request.CompareChoice || request.FromFile || request.SaveName))
            Fail("/fleet reads the team's files, so it cannot go with /compare, /from or /save");
        else if (request.CompareChoice && !reported)
            Fail("/compare needs a report: /shtml, /sjson, /sjsonl, /scsv or /policy");
        else if (request.FromFile && !reported)
            Fail("/from needs a report: /shtml, /sjson, /sjsonl, /scsv or /policy");
        else if (toStandardOutput > 1)
            Fail("Only one report can go to standard output");
        else if (request.SaveName && toStandardOutput > 0)
            Fail("/save prints the snapshot's path on standard output, so the reports must go to files");
        else if (request.SaveName && request.FromFile)
            Fail("/save saves this machine's products, so it cannot go with /from");
    }

    const TCommandLine& line_;
    int index_ = 1;
    TParsed parsed_;
};

}  // namespace

bool IsHeadlessRequest(const TCommandLine& commandLine) {
    return TParser(commandLine).Run().Headless;
}

TExportRequest ReadExportRequest(const TCommandLine& commandLine) {
    TParsed parsed = TParser(commandLine).Run();
    // Asking for the usage is never a mistake, whatever else the line holds.
    if (parsed.Error && !parsed.Request.Help)
        throw Exception(*parsed.Error);
    return parsed.Request;
}

std::string UsageText() {
    return "Checks the installed products without opening the window.\r\n"
           "\r\n"
           "plux.exe [/shtml FILE] [/sjson FILE] [/sjsonl FILE] [/scsv FILE] [/compare CHOICE]\r\n"
           "         [/save NAME] [/policy FILE] [/from FILE]\r\n"
           "plux.exe /fleet SOURCE... [/shtml FILE] [/sjson FILE] [/sjsonl FILE] [/scsv FILE]\r\n"
           "         [/policy FILE]\r\n"
           "\r\n"
           "  /shtml FILE      the report as the window shows it, HTML lines\r\n"
           "  /sjson FILE      every product with its status, as JSON (UTF-8)\r\n"
           "  /sjsonl FILE     the same as JSON Lines (UTF-8), one object per product that\r\n"
           "                   repeats the facts of the check\r\n"
           "  /scsv FILE       the same as CSV (UTF-8 with byte-order mark), one row per product\r\n"
           "                   FILE \"-\" is standard output (one report at most)\r\n"
           "  /compare CHOICE  compare with a snapshot, as the chooser \"Compare report with\" does:\r\n"
           "                   a .plx file beside plux.exe, such as base.plx; or a path with a\r\n"
           "                   folder to a .plx, .json or .reg file, such as .\\dev.reg\r\n"
           "  /save NAME       save the check as the snapshot NAME (NAME.plx beside plux.exe, like\r\n"
           "                   Save Result) and print its path; the reports compare with the\r\n"
           "                   snapshot as it was before\r\n"
           "  /policy FILE     hold every product against the required-versions FILE: each gets\r\n"
           "                   a verdict in the reports, and the violations and counts go to\r\n"
           "                   standard output unless a report goes there\r\n"
           "  /from FILE       take the products from FILE instead of this machine: a snapshot\r\n"
           "                   (.plx), a JSON report of /sjson (.json) or a registry export (.reg)\r\n"
           "  /fleet SOURCE... the team matrix instead of a check: a column per file of products\r\n"
           "                   (.plx, .json or .reg) or per such file in a folder (not its\r\n"
           "                   subfolders); a cell that strays from the most common version is\r\n"
           "                   marked, or under /policy one that breaks a required version; the\r\n"
           "                   reports hold the matrix, and its summary goes to standard output\r\n"
           "                   unless a report goes there\r\n"
           "  /? or /help      this text\r\n"
           "\r\n"
           "A value may also follow a colon or equals sign: /shtml:report.html; one that\r\n"
           "starts with \"/\" or \"-\" must, or it is read as a switch: /shtml=/tmp/report.html.\r\n"
           "Exit code 0: done, no differences and no violations; 1: done, a product is new,\r\n"
           "changed or removed since the snapshot, breaks a required version, or a cell of the\r\n"
           "team matrix is marked; 2: failed, with the reason on standard error and no file\r\n"
           "changed.\r\n";
}
