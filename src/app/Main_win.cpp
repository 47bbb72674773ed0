#include <windows.h>

#include <exception>
#include <memory>
#include <string>

#include "app/Application_win.h"
#include "app/Console_win.h"
#include "app/ErrorBox.h"
#include "app/ExportPlatform_win.h"
#include "app/ExportRequest.h"
#include "app/HeadlessExport.h"
#include "app/Startup.h"
#include "check/ProductScan.h"
#include "support/CommandLine.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"
#include "toolkit/KeyboardWatch_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    const bool exportRequested = IsHeadlessRequest(TCommandLine(PlatformCommandLine()));
    // The modules come up before anything else; a failure ends the program before any window exists.
    std::unique_ptr<TStartup> startup;
    try {
        startup = StartPlatformModules();
    } catch (const std::exception& error) {
        if (exportRequested) {
            WriteStandardError(std::string(error.what()) + "\r\n");
            return static_cast<int>(TExportResult::Failed);
        }
        ShowErrorBox(error.what());
        return 1;
    }
    TCommandLine& commandLine = startup->CommandLine();
    if (!exportRequested) {
        // The status bars' keyboard watch is there before the first window and goes after the last.
        const TKeyboardWatch keyboardWatch;
        return RunApplication(showCommand);
    }
    const auto keys = MachineProductKeys();
    TExportPorts ports;
    ports.Keys = keys.get();
    ports.Files = &PlatformFileSystem();
    ports.Facts = &PlatformSystemFacts();
    ports.WriteStandardOutput = WriteStandardOutput;
    ports.WriteStandardError = WriteStandardError;
    ports.ToUtf8 = AnsiToUtf8;
    ports.UtcOffsetMinutes = LocalUtcOffsetMinutes;
    return static_cast<int>(RunHeadlessExport(commandLine, ports));
}
