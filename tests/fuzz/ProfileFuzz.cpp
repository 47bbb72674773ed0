// Any bytes as a snapshot and as a settings file, then lookups and a write: nothing may crash or
// hang, a read keeps the platform's limits, the text survives a save and a re-read unchanged, and a
// written value reads back. The first byte gives the length of the name to look up and write; the
// bytes after the name are the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/FuzzRequire.h"
#include "support/IniText.h"
#include "support/ProfileIni.h"
#include "support/WholeFileIni.h"

namespace {

void RequireReadable(const std::optional<std::string>& value) {
    if (!value)
        return;
    REQUIRE(value->size() <= ini::kMaxProfileValue);
    REQUIRE(value->find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
}

// A name whose key line and header read back as written: no line end, no "=", not a header itself.
bool Writable(std::string_view name) {
    name = name.substr(0, name.find('\0'));
    return name.find_first_of("\r\n=") == std::string_view::npos && name.find('[') == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::size_t nameLength = std::min<std::size_t>(data[0] % 32, size - 1);
    const std::string_view name(reinterpret_cast<const char*>(data + 1), nameLength);
    const std::string_view file(reinterpret_cast<const char*>(data + 1 + nameLength), size - 1 - nameLength);

    ini::TProfileText text{std::string(file)};
    const std::string decoded = ini::DecodeText(file);
    const auto lines = ini::SplitLines(decoded);
    // The file's own lines make the likeliest names: they hit sections and keys that exist.
    for (std::size_t i = 0; i < std::min<std::size_t>(lines.size(), 64); ++i) {
        const std::string_view line = lines[i];
        RequireReadable(text.Read(line, name));
        RequireReadable(text.Read(name, line));
        const std::string_view head = line.substr(0, line.find('='));
        RequireReadable(text.Read(name, head));
        if (line.size() > 2)
            RequireReadable(text.Read(line.substr(1, line.size() - 2), name));
    }

    const std::string saved = text.Text();
    REQUIRE(ini::TProfileText(saved).Text() == saved);

    text.Write(name, name, "1.0");
    if (Writable(name)) {
        REQUIRE(text.Read(name, name) == "1.0");
        REQUIRE(ini::TProfileText(text.Text()).Read(name, name) == "1.0");
    }

    const ini::TWholeFileIni settings(file);
    const std::string value = settings.ReadString(name, name, "");
    REQUIRE(value.find_first_of("\r\n") == std::string::npos);
    for (std::size_t i = 0; i < std::min<std::size_t>(lines.size(), 64); ++i)
        settings.ReadString(name, lines[i], "");
    return 0;
}
