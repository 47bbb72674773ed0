#ifndef PLUX_SNAPSHOT_SNAPSHOTFILE_H
#define PLUX_SNAPSHOT_SNAPSHOTFILE_H

#include <string>
#include <string_view>

#include "support/DateTime.h"
#include "support/FileSystem.h"
#include "support/TextRoutines.h"

// A snapshot is one profile-style INI file in the program folder, "<name>.plx", holding one section
// "[<name>]": a key per product with its version, and the timestamp key with the save time.
inline constexpr std::string_view kSnapshotExtension = ".plx";
inline constexpr std::string_view kTimestampKey = "\\datetime\\";

// The save time as a snapshot holds it: the locale's short date, then a blank and its long time
// unless the moment is exactly midnight.
std::string SnapshotTimestamp(const TDateTime& moment, const TLocaleFormats& locale);

// The file Save Result writes for a typed name: the name sanitized, in the program folder. Raises, before
// anything is written, when Windows would take that file for a device (NUL, CON, PRN, AUX, COMn, LPTn,
// with any extension, trailing blanks or periods): a fault on the first line of the message, what to do on
// the second.
std::string SavedSnapshotPath(std::string_view typedName, std::string_view programFolder);

// Everything Save Result does once it has the typed name: the name sanitized is the snapshot's name;
// the products in list order and then the timestamp are written into its section, keys already there
// keeping their places, and the file replaces the old one in one piece. Returns the path written.
// Raises as SavedSnapshotPath does, "List index out of bounds (<i>)" when name i has no version and
// "Unable to write to <path>" when the file cannot be written; in every case the file is as it was.
std::string SaveSnapshot(std::string_view typedName,
                         const TTextList& productNames,
                         const TTextList& productVersions,
                         std::string_view programFolder,
                         const TDateTime& moment,
                         const TLocaleFormats& locale,
                         TFileSystem& files);

#endif
