#ifndef PLUX_SUPPORT_FILESYSTEMWRITE_WIN_H
#define PLUX_SUPPORT_FILESYSTEMWRITE_WIN_H

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "support/FileSystem.h"
#include "toolkit/win/Handles_win.h"

// Opens what a path names for its attributes only, which never blocks, also on a device, a pipe or a
// folder; an empty handle when nothing can be opened there.
TScopedFile OpenForAttributes(const std::string& path);

// The whole content from the file's position, or nothing when reading fails (GetLastError says why).
std::optional<std::string> ReadAll(HANDLE file);

// Writes the whole content to what the path names, in the way that suits it: a device directly; a new or
// ordinary file through a sibling temporary that replaces it whole, keeping its attributes; the target
// of a symbolic link; a file with further hard links in place. A read-only file is refused. Returns
// ERROR_SUCCESS or the error that stopped the write, with the old content kept. The content is written
// as it comes, through a buffer of its own.
DWORD WriteWholeFile(const std::string& path, const TContentWriter& content);

#endif
