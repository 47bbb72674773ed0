#include "support/SystemFacts.h"

std::string ProgramFolderOf(const std::string& executablePath) {
    const std::size_t separator = executablePath.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : executablePath.substr(0, separator + 1);
}
