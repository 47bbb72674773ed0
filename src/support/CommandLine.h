#ifndef PLUX_SUPPORT_COMMANDLINE_H
#define PLUX_SUPPORT_COMMANDLINE_H

#include <optional>
#include <string>
#include <string_view>

#include "support/TextRoutines.h"

// Splits a command line into parameters, parameter 0 being the program: characters with a code of 32
// or less separate parameters, double quotes group such characters and are removed, and an empty
// pair of double quotes yields no parameter.
TTextList SplitCommandLine(std::string_view commandLine);

// Named switches ("-Name" or "/Name", names without regard to case) on a list of parameters.
class TCommandLine {
public:
    explicit TCommandLine(TTextList params);

    int ParamCount() const { return static_cast<int>(params_.size()) - 1; }
    // Parameter n (1 to ParamCount); the empty text outside that range.
    std::string ParamStr(int n) const;

    // The number of the first parameter that is the switch itself, 0 when none is.
    int FindSwitchParam(std::string_view name) const;
    // Next-parameter mode (joined false): the parameter after the switch, unchanged by the lookup.
    // Joined mode: the switch is searched in all parameters joined by blanks, and consumed.
    std::string GetSwitchValue(std::string_view name, bool joined);

    // The joined parameters as joined-mode lookups have left them; nothing before the first such lookup.
    const std::optional<std::string>& JoinedCommandLine() const { return joined_; }

private:
    std::string NextParameterValue(std::string_view name) const;
    std::string JoinedValue(std::string_view name);

    TTextList params_;
    std::optional<std::string> joined_;
};

// The running program's parameters, split from the platform's command line.
TTextList PlatformCommandLine();

#endif
