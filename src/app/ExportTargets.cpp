#include "app/ExportTargets.h"

#include <array>

#include "app/MainBars.h"
#include "sources/ProductsFile.h"
#include "support/FileSystemNames.h"
#include "support/MessageCatalogue.h"
#include "support/PathRoutines.h"
#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace {

bool SameTarget(const std::string& a,
                const std::string& b,
                const std::string& currentFolder,
                const TFileSystem& files) {
    return SameTextUpper(ExpandFileName(a, currentFolder), ExpandFileName(b, currentFolder)) || files.SameFile(a, b);
}

[[noreturn]] void Refuse(const std::string& file, const std::string& why) {
    throw Exception("Unable to write to " + file + "\r\n" + file + " is " + why);
}

}  // namespace

std::optional<TComparedFile> ComparedFile(const std::optional<std::string>& choice,
                                          const std::string& programFolder,
                                          const TFileSystem& files) {
    if (!choice)
        return std::nullopt;
    const std::string trimmed = Trim(*choice);
    if (trimmed == GetMessageText(kNoComparisonMessage, false))
        return std::nullopt;
    // The chooser's names never hold a folder.
    if (FileNamePart(trimmed) != trimmed) {
        CheckProductsFileKind(trimmed);
        return TComparedFile{{trimmed, FileBaseName(trimmed)}, true};
    }
    std::optional<TChosenSnapshot> chosen = ChosenSnapshot(trimmed, programFolder, files);
    if (!chosen)
        throw Exception("No snapshot " + programFolder + trimmed + "\r\nA snapshot is a .plx file in " + programFolder);
    return TComparedFile{std::move(*chosen), false};
}

void CheckReportFiles(const TExportRequest& request,
                      const std::vector<TGuardedFile>& guarded,
                      const std::string& currentFolder,
                      const TFileSystem& files) {
    const std::array<const std::string*, 4> reports = {&request.HtmlFile, &request.JsonFile, &request.JsonLinesFile,
                                                       &request.CsvFile};
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const std::string& report = *reports[i];
        // Two reports may well both go to NUL.
        if (report.empty() || report == kStandardOutputName || NamesDevice(report))
            continue;
        // The common reasons a write fails, found before any file is written.
        const std::size_t separator = report.find_last_of("\\/");
        if (separator != std::string::npos && separator > 0 && !files.FolderExists(report.substr(0, separator))) {
            throw Exception("Unable to write to " + report + "\r\nThe folder " + report.substr(0, separator) +
                            " does not exist");
        }
        if (files.FolderExists(report))
            Refuse(report, "a folder");
        if (files.IsReadOnly(report))
            Refuse(report, "read-only");
        for (const TGuardedFile& file : guarded) {
            if (SameTarget(report, file.Path, currentFolder, files))
                Refuse(report, file.Role);
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (!reports[j]->empty() && SameTarget(report, *reports[j], currentFolder, files))
                Refuse(report, "the file of another report");
        }
    }
}
