#include "support/InputError.h"

#include <algorithm>
#include <string>

#include "support/TextRoutines.h"

namespace {

// A line of a damaged file can hold anything; the message must stay one readable line.
std::string ShownLine(std::string_view line) {
    std::string shown = Trim(line);
    const bool cut = shown.size() > kShownLineLength;
    shown.resize(std::min(shown.size(), kShownLineLength));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7F')
            c = '?';
    }
    return cut ? shown + "..." : shown;
}

}  // namespace

Exception InputLineError(std::string_view fault,
                         std::string_view fileName,
                         std::size_t lineNumber,
                         std::string_view line) {
    return Exception(std::string(fault) + "\r\n" + std::string(fileName) + "(" + std::to_string(lineNumber) +
                     "): " + ShownLine(line));
}

Exception InputFileError(std::string_view fault, std::string_view fileName) {
    return Exception(std::string(fault) + "\r\n" + std::string(fileName));
}

std::string ReadInputFile(const std::string& path, const TFileSystem& files) {
    if (!files.FileExists(path))
        throw Exception("No file " + path);
    std::optional<std::string> bytes = files.ReadFile(path);
    if (!bytes)
        throw Exception("Unable to read " + path + "\r\n" + files.LastErrorText());
    return std::move(*bytes);
}
