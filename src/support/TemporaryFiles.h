#ifndef PLUX_SUPPORT_TEMPORARYFILES_H
#define PLUX_SUPPORT_TEMPORARYFILES_H

#include <string>
#include <string_view>

// A file is written whole through a temporary beside it: the target's path, ".~" and the id of the
// process that writes it, so that two programs saving the same file at once never share one.
std::string TemporaryPath(std::string_view target, unsigned long processId);

// Whether `name`, a file name without its folder, is such a temporary of the file named `targetName`,
// of whatever process.
bool IsTemporaryName(std::string_view name, std::string_view targetName);

#endif
