#ifndef PLUX_BENCH_BENCHFOLDER_WIN_H
#define PLUX_BENCH_BENCHFOLDER_WIN_H

#include <windows.h>

#include <string>

// A folder of the benchmark's own in the temporary folder, named after its process; the name ends in
// a backslash. The benchmark removes what it wrote there, and the folder, at its end.
inline std::string MakeBenchFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "plux-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

#endif
