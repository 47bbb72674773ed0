// Any bytes as a registry export: the reader either raises an error that names the file, or gives one
// version per product and each product once, whatever the letter case of its key; a file whose every
// key is deleted at its end lists nothing.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzRequire.h"
#include "sources/RegistryExport.h"
#include "support/IniText.h"
#include "support/ProfileLine.h"
#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace {

constexpr std::string_view kFileName = "fuzz.reg";

std::optional<TMachineProducts> Read(std::string_view file) {
    try {
        return ReadRegistryExport(file, kFileName);
    } catch (const Exception& error) {
        REQUIRE(error.Message().find("\r\nfuzz.reg") != std::string::npos);
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto read = Read(file);
    if (!read)
        return 0;
    const TProductList& products = read->Products;
    REQUIRE(products.ProductNames.size() == products.ProductVersions.size());
    std::set<std::string> names;
    for (const std::string& name : products.ProductNames)
        REQUIRE(names.insert(UpperCase(name)).second);
    REQUIRE(read->Facts.RegistryKey.has_value() || products.ProductNames.empty());

    // Only single-byte text can take a line appended as it is, and not after a line that goes on.
    const std::vector<std::string_view> lines = ini::SplitLines(file);
    if (file.starts_with("\xFF\xFE") || file.starts_with("\xFE\xFF") ||
        (!lines.empty() && ini::TrimProfile(lines.back()).ends_with('\\')))
        return 0;
    const auto emptied = Read(std::string(file) + "\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n");
    REQUIRE(emptied.has_value());
    REQUIRE(emptied->Products.ProductNames.empty());
    return 0;
}
