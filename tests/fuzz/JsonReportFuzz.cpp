// Any bytes as a JSON report: the reader either raises an error that names the file, or gives one
// version per product; the parser never goes deeper than its bound.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzRequire.h"
#include "sources/JsonReportReader.h"
#include "toolkit/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    try {
        const TMachineProducts read = ReadJsonReport(file, "fuzz.json");
        REQUIRE(read.Products.ProductNames.size() == read.Products.ProductVersions.size());
    } catch (const Exception& error) {
        REQUIRE(error.Message().find("\r\nfuzz.json(") != std::string::npos);
    }
    return 0;
}
