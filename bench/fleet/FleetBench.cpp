// The team matrix of COLUMNS JSON reports of PRODUCTS products each (1,000 and 300 unless given), beside
// reading the same files: the files are written once into a temporary folder, then the reading alone
// (each file read as /from reads it) and a whole team run with each report (the folder's files found
// and read as /fleet reads them, the matrix, the report written to a file: the standard-output
// summary, the HTML summary form, JSON, CSV) take turns for ROUNDS rounds, and each keeps its best time.
//   bench_fleet [COLUMNS [PRODUCTS [ROUNDS]]]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/JsonReport.h"
#include "fleet/FleetData.h"
#include "fleet/FleetFiles.h"
#include "fleet/FleetHtml.h"
#include "fleet/FleetMatrix.h"
#include "fleet/FleetSummary.h"
#include "sources/ProductsFile.h"

namespace {

namespace fs = std::filesystem;

std::string Same(std::string_view text) {
    return std::string(text);
}

// A machine's report as /sjson writes it: families of ten products; every 50th machine has another
// version of one product, every 70th lacks one.
std::string MachineReport(int machine, int products) {
    TComparison comparison;
    comparison.Facts = {"PC" + std::to_string(10000 + machine),
                        "builder",
                        {2024, 5, 2, 8, 30, machine % 60, 4},
                        120,
                        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products",
                        "32-bit"};
    for (int p = 0; p < products; ++p) {
        if (machine % 70 == 0 && p == machine % products)
            continue;
        const std::string name = "Suite " + std::to_string(p / 10) + " Part " + std::to_string(p % 10) + " (Delphi 7)";
        const std::string version = machine % 50 == 0 && p == 7 ? "4.2" : "4." + std::to_string(p % 13);
        comparison.Products.push_back(
            {name, ProductFamily(name), version, std::nullopt, std::nullopt, TVersionChange::None});
    }
    return JsonReport(comparison, {}, Same);
}

TProductsFileReading Reading() {
    return {&PlatformFileSystem(), TLocaleFormats{}, TLocalTime{}};
}

std::vector<TMachineProducts> ReadAll(const std::vector<std::string>& files) {
    std::vector<TMachineProducts> read;
    read.reserve(files.size());
    for (const std::string& path : files)
        read.push_back(ReadProductsFile(path, Reading()));
    return read;
}

// A team run as /fleet makes it: the folder's files, one column per file, the matrix, and one report
// of it.
using TTeamReport = std::string (*)(const TFleetMatrix&);

std::size_t TeamRun(const std::string& folder, TTeamReport report, const fs::path& output) {
    const std::vector<std::string> files = FleetSourceFiles({folder}, PlatformFileSystem());
    const std::string text = report(BuildFleetMatrix(ReadFleetSources(files, Reading()), nullptr));
    std::ofstream(output, std::ios::binary) << text;
    return text.size();
}

std::string Html(const TFleetMatrix& matrix) {
    std::string text;
    for (const std::string& line : FleetHtml(matrix, "#dcFED6", "#ffffc8"))
        text.append(line).append("\r\n");
    return text;
}
std::string Json(const TFleetMatrix& matrix) {
    return FleetJson(matrix, Same);
}
std::string Csv(const TFleetMatrix& matrix) {
    return FleetCsv(matrix, Same);
}

double Milliseconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int columns = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int products = argc > 2 ? std::atoi(argv[2]) : 300;
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
    const fs::path folder = fs::temp_directory_path() / ("plux-fleet-bench-" + std::to_string(columns));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path team = folder / "team";
    fs::create_directories(team);
    std::vector<std::string> files;
    std::uintmax_t bytes = 0;
    for (int machine = 0; machine < columns; ++machine) {
        files.push_back((team / ("PC" + std::to_string(10000 + machine) + ".json")).string());
        const std::string report = MachineReport(machine, products);
        std::ofstream(files.back(), std::ios::binary) << report;
        bytes += report.size();
    }

    struct TRun {
        const char* name;
        TTeamReport report;
        double best = 1e300;
        std::size_t bytes = 0;
    } runs[] = {{"summary", FleetSummary}, {"html", Html}, {"json", Json}, {"csv", Csv}};
    double readBest = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        if (ReadAll(files).size() != files.size())
            return 1;
        readBest = std::min(readBest, Milliseconds(start));
        for (TRun& run : runs) {
            const auto runStart = std::chrono::steady_clock::now();
            run.bytes = TeamRun(team.string(), run.report, folder / "team.out");
            run.best = std::min(run.best, Milliseconds(runStart));
        }
    }
    fs::remove_all(folder);
    std::printf("%d files of %d products, %.1f MB: reading them %.1f ms\n", columns, products,
                static_cast<double>(bytes) / 1e6, readBest);
    for (const TRun& run : runs) {
        std::printf("  team run to %-8s %9.1f ms  %5.2fx the reading  (%.1f MB written)\n", run.name, run.best,
                    run.best / readBest, static_cast<double>(run.bytes) / 1e6);
    }
    return 0;
}
