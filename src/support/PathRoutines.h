#ifndef PLUX_SUPPORT_PATHROUTINES_H
#define PLUX_SUPPORT_PATHROUTINES_H

#include <string>
#include <string_view>

// Paths use the backslash as separator and may start with a drive such as "C:".
std::string AddBackslash(std::string_view path);
std::string RemoveBackslash(std::string_view path);

// The file-name part: after the last backslash, slash (which the platform takes for one) or colon.
std::string_view FileNamePart(std::string_view path);
// The file-name part without its extension.
std::string FileBaseName(std::string_view path);
// The extension of the file-name part with its period (".plx"), or nothing.
std::string_view FileExtension(std::string_view path);

// FileBaseName of an executable path, cut to the 32 characters the settings file and product code allow.
std::string ExeBaseNameOf(std::string_view exePath);

// The absolute form of a path as the platform resolves it: relative paths are taken against the
// current folder, "/" counts as "\\", and "." and ".." segments are resolved.
std::string ExpandFileName(std::string_view path, std::string_view currentFolder);

#endif
