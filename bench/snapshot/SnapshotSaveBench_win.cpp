// Save Result's writing, as SaveSnapshot runs it, for 1,000 and 10,000 products: a first save, a later
// save over the same file, beside one buffered write of the same bytes and one write through the file
// system port (temporary, flush, replace). Best of ROUNDS runs each (default 10), in milliseconds.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "snapshot/SnapshotFile.h"

namespace {

template <typename Work>
double BestMilliseconds(int rounds, Work&& work) {
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

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

void BufferedWrite(const std::string& path, const std::string& content) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(content.data(), 1, content.size(), file) != content.size() || std::fclose(file) != 0) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

}  // namespace

int main() {
    const int rounds = std::getenv("ROUNDS") ? std::atoi(std::getenv("ROUNDS")) : 10;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "plux-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    TFileSystem& files = PlatformFileSystem();
    const TDateTime moment{2004, 2, 3, 15, 5, 7, 2};
    const TLocaleFormats locale;

    std::printf("%-9s %10s %10s %10s %10s %9s %9s\n", "products", "first ms", "later ms", "fwrite ms", "port ms",
                "vs fwrite", "vs port");
    for (const int count : {1000, 10000}) {
        TTextList names;
        TTextList versions;
        FillProducts(count, names, versions);
        const std::string path = folder + "bench.plx";
        const auto save = [&] { SaveSnapshot("bench", names, versions, folder, moment, locale, files); };
        const double first = BestMilliseconds(rounds, [&] {
            DeleteFileA(path.c_str());
            save();
        });
        const double later = BestMilliseconds(rounds, save);
        const std::string content = *files.ReadFile(path);
        const double buffered = BestMilliseconds(rounds, [&] { BufferedWrite(folder + "plain.plx", content); });
        const double port = BestMilliseconds(rounds, [&] { files.WriteFile(folder + "port.plx", content); });
        std::printf("%-9d %10.2f %10.2f %10.2f %10.2f %8.2fx %8.2fx\n", count, first, later, buffered, port,
                    first / buffered, first / port);
    }
    for (const char* name : {"bench.plx", "plain.plx", "port.plx"})
        DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
