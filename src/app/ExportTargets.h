#ifndef PLUX_APP_EXPORTTARGETS_H
#define PLUX_APP_EXPORTTARGETS_H

#include <optional>
#include <string>
#include <vector>

#include "app/ExportRequest.h"
#include "snapshot/SnapshotSection.h"
#include "support/FileSystem.h"

// What a run compares with: a snapshot of the chooser, or any file of products (ProductsFile.h) that a
// path with a folder leads to.
struct TComparedFile {
    TChosenSnapshot Snapshot;  // the path, and for a snapshot of the chooser its section
    bool ByPath = false;
};

// The file the comparison choice names: a name without a folder, as the window's chooser holds it, a
// snapshot in the program folder, else a path, taken as given; nothing when no comparison is asked for
// or the choice is the chooser's "no comparison" entry. Raises "No snapshot <path>" when a chooser's
// name names no snapshot (a run that was asked to compare must not pass for one without differences),
// and the error of ProductsFile.h for a path whose extension names no file of products.
std::optional<TComparedFile> ComparedFile(const std::optional<std::string>& choice,
                                          const std::string& programFolder,
                                          const TFileSystem& files);

// A file the reports must leave alone, with why, for the message.
struct TGuardedFile {
    std::string Path;
    std::string Role;  // "the snapshot the reports compare with"
};

// Raises "Unable to write to <file>" for a report file whose folder is missing, that is a folder or
// read-only, or that is one of the guarded files or the file of another report, after resolving the paths against the
// current folder (letter case ignored) and through links.
void CheckReportFiles(const TExportRequest& request,
                      const std::vector<TGuardedFile>& guarded,
                      const std::string& currentFolder,
                      const TFileSystem& files);

#endif
