// Save Result's writing, as SaveSnapshot runs it, for 1,000 and 10,000 products: a first save into a new
// file and a later save over the same file, each beside the file system port's safe write (temporary,
// flush, replace) of the same bytes into a new file and over an existing one. Medians of ROUNDS
// interleaved rounds (default 20), in milliseconds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchFolder_win.h"
#include "InterleavedTiming.h"
#include "snapshot/SnapshotFile.h"

namespace {

// Product names shaped like the registry's, in the benchmarks' families.
void FillProducts(int count, TTextList& names, TTextList& versions) {
    const char* const families[] = {"Grid 4", "Bars 5", "Editors 3", "Charts 2", "Reports 6"};
    for (int i = 0; i < count; ++i) {
        char name[96];
        std::snprintf(name, sizeof name, "%s Pack %05d (Delphi %d)", families[i % 5], i / 5, 5 + i % 7);
        names.push_back(name);
        versions.push_back(std::to_string(1 + i % 9) + "." + std::to_string(i % 13));
    }
}

}  // namespace

int main() {
    const int rounds = RoundsFromEnvironment(20);
    const std::string folder = MakeBenchFolder();
    TFileSystem& files = PlatformFileSystem();
    const TDateTime moment{2004, 2, 3, 15, 5, 7, 2};
    const TLocaleFormats locale;
    // Each first save and each new-file write gets a name of its own; all are removed at the end.
    std::vector<std::string> written;
    const auto fresh = [&](const char* stem) {
        written.push_back(folder + stem + std::to_string(written.size()) + ".plx");
        return written.back();
    };

    std::printf("%-9s %9s %9s %9s %9s %11s %11s\n", "products", "first ms", "new ms", "later ms", "over ms",
                "first/new", "later/over");
    for (const int count : {1000, 10000}) {
        TTextList names;
        TTextList versions;
        FillProducts(count, names, versions);
        const auto save = [&](const std::string& name) {
            SaveSnapshot(name, names, versions, folder, moment, locale, files);
        };
        save("bench");
        const std::string content = *files.ReadFile(folder + "bench.plx");
        const auto write = [&](const std::string& path) {
            if (!files.WriteFile(path, content)) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                std::exit(1);
            }
        };
        write(folder + "over.plx");

        TInterleavedTiming timing(rounds);
        // The section of a snapshot is its name, so a first save under another name writes the same
        // lines but for the section header.
        const std::size_t first = timing.Add([&] {
            const std::string path = fresh("first");
            save(path.substr(folder.size(), path.size() - folder.size() - 4));
        });
        const std::size_t newWrite = timing.Add([&] { write(fresh("new")); });
        const std::size_t later = timing.Add([&] { save("bench"); });
        const std::size_t overWrite = timing.Add([&] { write(folder + "over.plx"); });
        timing.Run();
        std::printf("%-9d %9.2f %9.2f %9.2f %9.2f %10.2fx %10.2fx\n", count, timing.Median(first),
                    timing.Median(newWrite), timing.Median(later), timing.Median(overWrite),
                    timing.Median(first) / timing.Median(newWrite), timing.Median(later) / timing.Median(overWrite));
    }
    written.push_back(folder + "bench.plx");
    written.push_back(folder + "over.plx");
    for (const std::string& path : written)
        DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
