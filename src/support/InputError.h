#ifndef PLUX_SUPPORT_INPUTERROR_H
#define PLUX_SUPPORT_INPUTERROR_H

#include <cstddef>
#include <string>
#include <string_view>

#include "support/FileSystem.h"
#include "toolkit/Exception.h"

// Errors in a file that a person or another program wrote: the fault on the first line; on the second
// what to mend, "<file>(<line number>): <the line>", as build logs show a compiler's errors. The line is
// shown trimmed, control characters as "?", and cut after kShownLineLength characters.
Exception InputLineError(std::string_view fault,
                         std::string_view fileName,
                         std::size_t lineNumber,
                         std::string_view line);
// A fault of the file as a whole: its name on the second line.
Exception InputFileError(std::string_view fault, std::string_view fileName);

inline constexpr std::size_t kShownLineLength = 160;

// The whole of an input file; raises "No file <path>" when there is no such file (a folder or a device
// is none), and "Unable to read <path>" with the system's reason on a second line.
std::string ReadInputFile(const std::string& path, const TFileSystem& files);

#endif
