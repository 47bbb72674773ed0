#ifndef PLUX_APP_HEADLESSEXPORT_H
#define PLUX_APP_HEADLESSEXPORT_H

#include <functional>
#include <string>
#include <string_view>

#include "app/ExportText.h"
#include "check/ProductScan.h"
#include "support/CommandLine.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"

// "plux /shtml FILE /sjson FILE /scsv FILE [/compare CHOICE] [/save NAME]": runs Do Check without a
// window and writes the reports ("-" for standard output); "/?" prints the usage. Nothing is written
// before the check and every file test have passed; a failure names its reason on standard error.
enum class TExportResult : int { NoDifferences = 0, Differences = 1, Failed = 2 };

struct TExportPorts {
    TProductKeys* Keys = nullptr;
    TFileSystem* Files = nullptr;
    const TSystemFacts* Facts = nullptr;
    std::function<bool(std::string_view)> WriteStandardOutput;
    std::function<void(std::string_view)> WriteStandardError;
    TToUtf8 ToUtf8;
    std::function<int()> UtcOffsetMinutes;  // of the local time, at this moment
    std::string RootKey = std::string(kProductRootKey);
};

TExportResult RunHeadlessExport(TCommandLine& commandLine, const TExportPorts& ports);

#endif
