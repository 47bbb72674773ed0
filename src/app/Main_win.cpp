#include <windows.h>

#include "app/Application_win.h"
#include "app/Console_win.h"
#include "app/HeadlessExport.h"
#include "check/ProductScan.h"
#include "support/CommandLine.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"

namespace {

int RunExport(TCommandLine& commandLine) {
    const auto keys = MachineProductKeys();
    TExportPorts ports;
    ports.Keys = keys.get();
    ports.Files = &PlatformFileSystem();
    ports.Facts = &PlatformSystemFacts();
    ports.WriteStandardOutput = WriteStandardOutput;
    ports.WriteStandardError = WriteStandardError;
    return static_cast<int>(RunHeadlessExport(commandLine, ports));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    TCommandLine commandLine(PlatformCommandLine());
    if (IsExportRequest(commandLine)) return RunExport(commandLine);
    return RunApplication(showCommand);
}
