#ifndef PLUX_APP_COMPAREDSNAPSHOT_H
#define PLUX_APP_COMPAREDSNAPSHOT_H

#include <string>

#include "check/Comparison.h"
#include "support/FileSystem.h"

// The named section of a snapshot file as the profile reader sees it (the report's comparison column
// reads the same values): its timestamp text and its product keys with their values. A file without
// that section gives a section without products.
TSnapshotSection ReadSnapshotSection(const std::string& path, const std::string& section, TFileSystem& files);

#endif
