// The main window's saves at its close, as it runs them: the state file (placement, window state and
// colour codes through the state components) and the bar layout file of the designed bars, each beside
// the file system port's safe write (temporary, flush, replace) of the same bytes. Medians of ROUNDS
// interleaved rounds (default 40), in milliseconds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchFolder_win.h"
#include "InterleavedTiming.h"
#include "app/MainBars.h"
#include "app/MainWindowState.h"
#include "state/BarLayoutFile.h"
#include "support/FakeFormWindow.h"
#include "support/FileSystem.h"
#include "support/SystemFacts.h"

int main() {
    const int rounds = RoundsFromEnvironment(40);
    const std::string folder = MakeBenchFolder();
    TFileSystem& files = PlatformFileSystem();

    TBarManager bars;
    BuildMainBars(bars);
    TFakeFormWindow window;
    TMainWindowState state(window, bars, files, PlatformSystemFacts(), [](std::string_view message) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
        std::exit(1);
    });
    state.IniFileStore.IniFileName = folder + "frmPLUX.ini";
    state.Attachments.WindowCreated();
    const std::string layoutFile = folder + "frmPLUX.bar.ini";
    const std::string prefix = BarLayoutPrefix("frmPLUX", "BarManager");
    const auto saveState = [&] { state.Attachments.WindowCloseQuery(true); };
    const auto saveLayout = [&] { SaveBarLayout(bars, prefix, layoutFile, files); };
    saveState();
    saveLayout();
    const std::string stateBytes = *files.ReadFile(state.IniFileStore.IniFileName);
    const std::string layoutBytes = *files.ReadFile(layoutFile);
    const auto write = [&](const std::string& name, const std::string& bytes) {
        if (!files.WriteFile(folder + name, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", name.c_str());
            std::exit(1);
        }
    };

    TInterleavedTiming timing(rounds);
    const std::size_t stateSave = timing.Add(saveState);
    const std::size_t stateWrite = timing.Add([&] { write("state.ini", stateBytes); });
    const std::size_t layoutSave = timing.Add(saveLayout);
    const std::size_t layoutWrite = timing.Add([&] { write("layout.ini", layoutBytes); });
    timing.Run();

    std::printf("%-12s %8s %10s %10s %8s\n", "file", "bytes", "save ms", "write ms", "ratio");
    const auto row = [&](const char* name, std::size_t bytes, std::size_t save, std::size_t write) {
        std::printf("%-12s %8zu %10.3f %10.3f %7.2fx\n", name, bytes, timing.Median(save), timing.Median(write),
                    timing.Median(save) / timing.Median(write));
    };
    row("state", stateBytes.size(), stateSave, stateWrite);
    row("bar layout", layoutBytes.size(), layoutSave, layoutWrite);
    for (const char* name : {"frmPLUX.ini", "frmPLUX.bar.ini", "state.ini", "layout.ini"})
        DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
