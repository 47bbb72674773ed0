#include "fleet/FleetFiles.h"

#include <algorithm>

#include "support/PathRoutines.h"
#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace {

constexpr std::string_view kShownTimeFormat = "yyyy-mm-dd hh:nn:ss";

std::vector<std::string> FolderFiles(const std::string& folder, const TFileSystem& files) {
    // A folder written with a trailing "/" keeps it; any other gets the system's separator.
    const std::string prefix = folder.ends_with('/') ? folder : AddBackslash(folder);
    std::vector<std::string> names;
    for (const TFolderEntry& entry : files.FindEntries(prefix + "*")) {
        if (!entry.IsFolder && IsProductsFile(entry.Name))
            names.push_back(entry.Name);
    }
    if (names.empty()) {
        throw Exception("No file of products in " + folder +
                        "\r\nThe team's files are snapshots (.plx), JSON reports (.json) or registry exports (.reg)");
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string upperA = UpperCase(a);
        const std::string upperB = UpperCase(b);
        return upperA != upperB ? upperA < upperB : a < b;
    });
    for (std::string& name : names)
        name.insert(0, prefix);
    return names;
}

}  // namespace

std::vector<std::string> FleetSourceFiles(const std::vector<std::string>& sources, const TFileSystem& files) {
    std::vector<std::string> paths;
    for (const std::string& source : sources) {
        if (files.FolderExists(source)) {
            const std::vector<std::string> inFolder = FolderFiles(source, files);
            paths.insert(paths.end(), inFolder.begin(), inFolder.end());
        } else if (files.FileExists(source)) {
            paths.push_back(source);
        } else {
            throw Exception("No file or folder " + source);
        }
    }
    return paths;
}

TFleetSource ReadFleetSource(const std::string& path, const TProductsFileReading& reading) {
    TMachineProducts machine = ReadStoredProducts(path, reading);
    const TMachineFacts& facts = machine.Facts;
    TFleetSource source;
    source.Machine = facts.Computer.value_or(FileBaseName(path));
    source.Source = path;
    source.Products = std::move(machine.Products);
    std::optional<TLocalTime> time = facts.CheckedAt;
    if (!time && !facts.SavedAt)
        time = reading.Files->LastWriteTime(path);
    if (time)
        source.Moment = MomentOf(time->When, time->UtcOffsetMinutes);
    if (facts.SavedAt)
        source.Time = *facts.SavedAt;
    else if (time)
        source.Time = FormatDateTime(kShownTimeFormat, time->When, reading.Locale);
    return source;
}

std::vector<TFleetSource> ReadFleetSources(const std::vector<std::string>& paths, const TProductsFileReading& reading) {
    std::vector<TFleetSource> sources;
    sources.reserve(paths.size());
    for (const std::string& path : paths)
        sources.push_back(ReadFleetSource(path, reading));
    return sources;
}
