// Any bytes as a required-versions file: the reader either raises an error that names the file, or
// gives rules that read back as written; the rules then judge products named after their own keys
// (which every pattern matches), and the summary counts every verdict once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzRequire.h"
#include "policy/PolicyCheck.h"
#include "policy/PolicySummary.h"
#include "policy/RequiredVersions.h"
#include "toolkit/Exception.h"

namespace {

constexpr std::string_view kFileName = "fuzz.ini";

void RequireWellFormed(const TRequiredRule& rule) {
    REQUIRE(!rule.Key.empty());
    REQUIRE(rule.Line >= 1);
    switch (rule.Kind) {
        case TRuleKind::Exact:
            REQUIRE(!rule.Version.empty() && !rule.Lower && !rule.Upper);
            REQUIRE(rule.Version.find_first_of("<>=") == std::string::npos);
            break;
        case TRuleKind::Bounds:
            REQUIRE(rule.Lower || rule.Upper);
            REQUIRE(!rule.Lower || !rule.Lower->Version.empty());
            REQUIRE(!rule.Upper || !rule.Upper->Version.empty());
            break;
        default:
            REQUIRE(!rule.Lower && !rule.Upper);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    TRequiredVersions required;
    try {
        required = ReadRequiredVersions(file, kFileName);
    } catch (const Exception& error) {
        REQUIRE(error.Message().find("\r\nfuzz.ini") != std::string::npos);
        return 0;
    }
    std::vector<TPolicyProduct> products;
    for (const TRequiredRule& rule : required.Rules) {
        RequireWellFormed(rule);
        const std::string version = rule.Kind == TRuleKind::Exact ? rule.Version : rule.Text;
        products.push_back({rule.Key, products.size() % 3 == 2 ? std::nullopt : std::optional(version)});
    }
    const auto verdicts = CheckRequiredVersions(required, products);
    REQUIRE(verdicts.size() >= products.size());
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        // Each product carries its own key, so some rule decides it, and every rule names a product.
        REQUIRE(verdicts[i].Rule.has_value());
        REQUIRE(i < products.size());
        REQUIRE(verdicts[i].Verdict != TVerdict::Unchecked);
    }
    const std::string summary = PolicySummary(verdicts);
    REQUIRE(summary.ends_with("unchecked\r\n"));
    return 0;
}
