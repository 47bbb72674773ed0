#ifndef PLUX_APP_HEADLESSEXPORT_H
#define PLUX_APP_HEADLESSEXPORT_H

#include <functional>
#include <string>
#include <string_view>

#include "check/ProductScan.h"
#include "support/CommandLine.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"

// "plux /shtml FILE [/compare CHOICE]": runs Do Check without a window and writes the report lines,
// each ended by CR LF, to FILE ("-" for standard output).
enum class TExportResult : int { NoDifferences = 0, Differences = 1, Failed = 2 };

struct TExportPorts {
    TProductKeys* Keys = nullptr;
    TFileSystem* Files = nullptr;
    const TSystemFacts* Facts = nullptr;
    std::function<bool(std::string_view)> WriteStandardOutput;
    std::function<void(std::string_view)> WriteStandardError;
    std::string RootKey = std::string(kProductRootKey);
};

bool IsExportRequest(const TCommandLine& commandLine);
TExportResult RunHeadlessExport(TCommandLine& commandLine, const TExportPorts& ports);

#endif
