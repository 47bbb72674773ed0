#include "policy/RequiredVersions.h"

#include <unordered_map>

#include "policy/ProductNameMatch.h"
#include "support/IniText.h"
#include "support/InputError.h"
#include "support/ProfileLine.h"
#include "support/TextRoutines.h"

namespace {

constexpr std::string_view kRequiredSection = "Required";

enum class TPlace { BeforeSections, Required, OtherSection };

class TRequiredReader {
public:
    explicit TRequiredReader(std::string_view fileName) : fileName_(fileName) {}

    void Read(std::string_view line, std::size_t number) {
        const std::string_view trimmed = ini::TrimProfile(line);
        if (trimmed.empty() || trimmed.front() == ';')
            return;
        if (const auto section = ini::HeaderName(trimmed)) {
            place_ = SameTextUpper(ini::CutAtNul(*section), kRequiredSection) ? TPlace::Required : TPlace::OtherSection;
            sawRequired_ = sawRequired_ || place_ == TPlace::Required;
            return;
        }
        if (place_ == TPlace::BeforeSections)
            throw InputLineError("Rule outside the [Required] section", fileName_, number, line);
        if (place_ == TPlace::Required)
            ReadRule(line, number);
    }

    TRequiredVersions Finish() {
        if (!sawRequired_)
            throw InputFileError("No [Required] section", fileName_);
        return std::move(result_);
    }

private:
    void ReadRule(std::string_view line, std::size_t number) {
        const std::optional<std::string> value = ini::LineValue(line);
        if (!value)
            throw InputLineError("Not a rule (product=rule)", fileName_, number, line);
        TRequiredRule rule;
        rule.Key = std::string(ini::CutAtNul(ini::KeyText(line)));
        rule.Text = *value;
        rule.Line = number;
        if (rule.Key.empty())
            throw InputLineError("Product name missing", fileName_, number, line);
        const auto [first, added] = lines_.try_emplace(ProductNameKey(rule.Key), number);
        if (!added) {
            throw InputLineError(
                "Second rule for " + rule.Key + "; the first is on line " + std::to_string(first->second), fileName_,
                number, line);
        }
        if (const std::string fault = ParseRule(rule.Text, rule); !fault.empty())
            throw InputLineError(fault, fileName_, number, line);
        result_.Rules.push_back(std::move(rule));
    }

    std::string_view fileName_;
    TPlace place_ = TPlace::BeforeSections;
    bool sawRequired_ = false;
    std::unordered_map<std::string, std::size_t> lines_;  // product name key -> line of its rule
    TRequiredVersions result_;
};

}  // namespace

TRequiredVersions ReadRequiredVersions(std::string_view fileBytes, std::string_view fileName) {
    const std::string text = ini::DecodeText(fileBytes);
    TRequiredReader reader(fileName);
    std::size_t number = 0;
    for (const std::string_view line : ini::SplitLines(text))
        reader.Read(line, ++number);
    return reader.Finish();
}
