#include "support/CommandLine.h"

#include <utility>

namespace {

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

TTextList SplitCommandLine(std::string_view commandLine) {
    TTextList params;
    std::size_t i = 0;
    const std::size_t n = commandLine.size();
    for (;;) {
        // Skip separators and empty quote pairs before a parameter.
        for (;;) {
            while (i < n && IsSeparator(commandLine[i]))
                ++i;
            if (i + 1 < n && commandLine[i] == '"' && commandLine[i + 1] == '"') {
                i += 2;
            } else {
                break;
            }
        }
        if (i >= n)
            break;
        std::string param;
        while (i < n && !IsSeparator(commandLine[i])) {
            if (commandLine[i] == '"') {
                ++i;
                while (i < n && commandLine[i] != '"')
                    param.push_back(commandLine[i++]);
                if (i < n)
                    ++i;
            } else {
                param.push_back(commandLine[i++]);
            }
        }
        params.push_back(std::move(param));
    }
    return params;
}

TCommandLine::TCommandLine(TTextList params) : params_(std::move(params)) {
    if (params_.empty())
        params_.emplace_back();
}

std::string TCommandLine::ParamStr(int n) const {
    if (n < 1 || n > ParamCount())
        return {};
    return params_[static_cast<std::size_t>(n)];
}

int TCommandLine::FindSwitchParam(std::string_view name) const {
    const std::string upperName = UpperCase(name);
    for (int i = 1; i <= ParamCount(); ++i) {
        const std::string& param = params_[static_cast<std::size_t>(i)];
        if (SameTextUpper(param, "-" + upperName) || SameTextUpper(param, "/" + upperName))
            return i;
    }
    return 0;
}

std::string TCommandLine::GetSwitchValue(std::string_view name, bool joined) {
    return joined ? JoinedValue(name) : NextParameterValue(name);
}

std::string TCommandLine::NextParameterValue(std::string_view name) const {
    const int found = FindSwitchParam(name);
    if (found == 0 || found == ParamCount())
        return {};
    std::string value = ParamStr(found + 1);
    if (value.size() > 1 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

std::string TCommandLine::JoinedValue(std::string_view name) {
    if (!joined_) {
        joined_.emplace();
        for (int i = 1; i <= ParamCount(); ++i)
            joined_->append(params_[static_cast<std::size_t>(i)]).append(" ");
    }
    std::string& line = *joined_;
    const std::string upperName = UpperCase(name);
    std::size_t position = PosText("-" + upperName, line);
    if (position == 0)
        position = PosText("/" + upperName, line);
    if (position == 0)
        return {};

    const std::size_t valueStart = position - 1 + 1 + upperName.size();
    const std::string_view rest = std::string_view(line).substr(valueStart);
    std::size_t valueLength = rest.find('/');
    if (valueLength == std::string_view::npos)
        valueLength = rest.find('-');
    if (valueLength == std::string_view::npos)
        valueLength = rest.size();
    std::string value = Trim(rest.substr(0, valueLength));
    line.erase(position - 1, valueStart + valueLength - (position - 1));

    if (!value.empty() && (value.front() == ':' || value.front() == '='))
        value.erase(0, 1);
    return value;
}
