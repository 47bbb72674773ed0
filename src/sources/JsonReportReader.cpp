#include "sources/JsonReportReader.h"

#include <optional>

#include "sources/JsonValue.h"
#include "support/IniText.h"
#include "support/InputError.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The file's text as UTF-8, whatever byte-order mark it came with.
std::string Utf8Text(std::string_view bytes) {
    switch (ini::EncodingOf(bytes)) {
        case ini::TTextEncoding::Utf8:
            return std::string(bytes.substr(kUtf8Mark.size()));
        case ini::TTextEncoding::Utf16LittleEndian:
        case ini::TTextEncoding::Utf16BigEndian:
            // Through the single-byte set, where every text ends up anyway.
            return ini::EncodeBytes(ini::DecodeText(bytes), ini::TTextEncoding::Utf8);
        default:
            return std::string(bytes);
    }
}

std::string SingleByte(const std::string& utf8) {
    return ini::DecodeText(std::string(kUtf8Mark) + utf8);
}

std::optional<std::string> TextMember(const TJsonValue& object, std::string_view name) {
    const TJsonValue* member = object.Member(name);
    if (member == nullptr || member->Kind != TJsonValue::TKind::String)
        return std::nullopt;
    return SingleByte(member->Text);
}

// Digits at `text[at]`, `count` of them, as a number; nothing when they are not all digits.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "2024-05-02T08:30:12+02:00", the form the reports write.
std::optional<TLocalTime> ParseCheckedAt(std::string_view text) {
    if (text.size() != 25 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || (text[19] != '+' && text[19] != '-') || text[22] != ':')
        return std::nullopt;
    const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
    const auto offsetHours = Digits(text, 20, 2), offsetMinutes = Digits(text, 23, 2);
    if (!year || !month || !day || !hour || !minute || !second || !offsetHours || !offsetMinutes)
        return std::nullopt;
    if (!IsCalendarDate(*year, *month, *day) || *hour > 23 || *minute > 59 || *second > 59 || *offsetHours > 14 ||
        *offsetMinutes > 59)
        return std::nullopt;
    TLocalTime time;
    time.When = {*year, *month, *day, *hour, *minute, *second, DayOfWeek(*year, *month, *day)};
    const int offset = *offsetHours * 60 + *offsetMinutes;
    time.UtcOffsetMinutes = text[19] == '-' ? -offset : offset;
    return time;
}

class TReportReader {
public:
    TReportReader(const std::string& text, std::string_view fileName)
        : lines_(ini::SplitLines(text)), fileName_(fileName) {}

    TMachineProducts Read(const TJsonValue& report) const {
        if (report.Kind != TJsonValue::TKind::Object)
            Fail("Not a report: a JSON object expected", report);
        const TJsonValue* products = report.Member("products");
        if (products == nullptr || products->Kind != TJsonValue::TKind::Array)
            Fail("No \"products\" list", products ? *products : report);
        TMachineProducts result;
        for (const TJsonValue& product : products->Items)
            AddProduct(product, result.Products);
        TMachineFacts& facts = result.Facts;
        facts.Computer = TextMember(report, "computer");
        facts.User = TextMember(report, "user");
        if (const auto checkedAt = TextMember(report, "checkedAt"))
            facts.CheckedAt = ParseCheckedAt(*checkedAt);
        facts.RegistryKey = TextMember(report, "registryKey");
        facts.RegistryView = TextMember(report, "registryView");
        return result;
    }

private:
    void AddProduct(const TJsonValue& product, TProductList& products) const {
        const TJsonValue* name = product.Kind == TJsonValue::TKind::Object ? product.Member("name") : nullptr;
        if (name == nullptr || name->Kind != TJsonValue::TKind::String)
            Fail("Product without a name", product);
        const TJsonValue* version = product.Member("version");
        if (version == nullptr || version->Kind == TJsonValue::TKind::Null)
            return;
        if (version->Kind != TJsonValue::TKind::String)
            Fail("Version that is not a text", *version);
        products.ProductNames.push_back(SingleByte(name->Text));
        products.ProductVersions.push_back(SingleByte(version->Text));
    }

    [[noreturn]] void Fail(std::string_view fault, const TJsonValue& where) const {
        const std::string_view line =
            where.Line >= 1 && where.Line <= lines_.size() ? lines_[where.Line - 1] : std::string_view();
        throw InputLineError(fault, fileName_, where.Line, ini::DecodeText(std::string(kUtf8Mark) + std::string(line)));
    }

    std::vector<std::string_view> lines_;
    std::string_view fileName_;
};

}  // namespace

TMachineProducts ReadJsonReport(std::string_view fileBytes, std::string_view fileName) {
    const std::string text = Utf8Text(fileBytes);
    const TJsonValue report = ParseJson(text, fileName);
    return TReportReader(text, fileName).Read(report);
}
