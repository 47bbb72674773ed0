#include <windows.h>

#include "app/Console_win.h"
#include "app/HeadlessExport.h"
#include "check/ProductScan.h"
#include "support/CommandLine.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TCommandLine commandLine(PlatformCommandLine());
    if (!IsExportRequest(commandLine)) {
        WriteStandardError("Usage: plux /shtml FILE [/compare CHOICE]\r\n");
        return static_cast<int>(TExportResult::Failed);
    }
    const auto keys = MachineProductKeys();
    TExportPorts ports;
    ports.Keys = keys.get();
    ports.Files = &PlatformFileSystem();
    ports.Facts = &PlatformSystemFacts();
    ports.WriteStandardOutput = WriteStandardOutput;
    ports.WriteStandardError = WriteStandardError;
    return static_cast<int>(RunHeadlessExport(commandLine, ports));
}
