#ifndef PLUX_SOURCES_PRODUCTSFILE_H
#define PLUX_SOURCES_PRODUCTSFILE_H

#include <string>
#include <string_view>

#include "snapshot/SnapshotSection.h"
#include "sources/MachineProducts.h"
#include "support/DateTime.h"
#include "support/FileSystem.h"

// A file that brings the products of another machine, told by its extension in any letter case: a
// snapshot (".plx": its products and its timestamp), a JSON report that /sjson wrote (".json": its
// products and facts) or a registry export of the product root key (".reg").
//
// Every function raises an error with the fault on its first line and what to mend on the second:
// "No file <path>", "Unable to read <path>" with the system's reason, a path of another extension, a
// snapshot without the section of its base name, and the readers' own errors (file, line and its text).

// The moment and the settings a file is read in.
struct TProductsFileReading {
    const TFileSystem* Files = nullptr;
    TLocaleFormats Locale;  // a snapshot's timestamp is written in it
    TLocalTime Now;         // the offset of a snapshot's time; the time when the file system tells none
};

// The products, with only what the file itself tells of the machine.
TMachineProducts ReadStoredProducts(const std::string& path, const TProductsFileReading& reading);

// The products, with what the file tells of the machine; where it holds no computer the file's name
// (with its extension) stands for it, and where it holds no time its last write. A snapshot's time is
// its timestamp when that reads in the locale's short date and long time, as Save Result writes it.
TMachineProducts ReadProductsFile(const std::string& path, const TProductsFileReading& reading);

// The file as a snapshot to compare with, named after its base name: a .plx file is read as the
// chooser's snapshots are; another file's products are saved at its time as Save Result would have.
TSnapshotSection ReadProductsFileAsSnapshot(const std::string& path, const TProductsFileReading& reading);

// Raises the error of a path whose extension names no such file.
void CheckProductsFileKind(const std::string& path);
// Whether the path's extension names such a file.
bool IsProductsFile(const std::string& path);

#endif
