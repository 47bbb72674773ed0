// Any bytes as a snapshot, compared with products named after the file's own lines, those names also
// with blanks around them and in other letter case: nothing may crash or hang, every product finds the
// value the profile reader reads for its name (the timestamp key none), and the report's red cells, the
// statuses and the question of the exit code agree; the timestamp, read as another machine's in a few
// locales' patterns, is a calendar moment or nothing, and one that reads comes back the same once
// written as Save Result writes it. The first byte gives the length of the section
// name; the bytes after the name are the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "check/Comparison.h"
#include "check/ReportBuilder.h"
#include "fuzz/FuzzRequire.h"
#include "snapshot/SnapshotFile.h"
#include "snapshot/SnapshotSection.h"
#include "support/DateTime.h"
#include "support/IniText.h"
#include "support/MemoryFileSystem.h"
#include "support/ProfileIni.h"
#include "support/TextRoutines.h"

namespace {

void RequireOneLookup(const TSnapshotSection& section, const ini::TProfileText& text, const std::string& name) {
    const std::optional<std::size_t> found = section.Find(name);
    if (SameTextUpper(ini::ProfileName(name), kTimestampKey)) {
        REQUIRE(!found);
        return;
    }
    const std::optional<std::string> read = text.Read(section.Name(), name);
    REQUIRE(found.has_value() == read.has_value());
    if (found)
        REQUIRE(section.Entries()[*found].Value == *read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::size_t nameLength = std::min<std::size_t>(data[0] % 32, size - 1);
    const std::string sectionName(reinterpret_cast<const char*>(data + 1), nameLength);
    const std::string file(reinterpret_cast<const char*>(data + 1 + nameLength), size - 1 - nameLength);

    TMemoryFileSystem files;
    files.files["C:\\s.plx"] = file;
    const TSnapshotSection section = ReadSnapshotSection({"C:\\s.plx", sectionName}, files);
    const ini::TProfileText text(file);

    TProductList products;
    const std::string decoded = ini::DecodeText(file);
    const auto lines = ini::SplitLines(decoded);
    for (std::size_t i = 0; i < std::min<std::size_t>(lines.size(), 64); ++i) {
        const std::string name(lines[i].substr(0, lines[i].find('=')));
        for (const std::string& variant : {name, " " + LowerCase(name) + "\t"}) {
            RequireOneLookup(section, text, variant);
            products.ProductNames.push_back(variant);
            // Every other product keeps its saved version, so that both verdicts occur.
            products.ProductVersions.push_back(i % 2 == 0 ? text.Read(sectionName, variant).value_or("") : "?");
        }
    }

    const TComparison comparison = CompareProducts(products, &section, TCheckFacts());
    TReportInputs inputs;
    const TReport report = BuildReport(inputs, comparison);
    REQUIRE(report.Lines.size() == 6 + 4 * products.ProductNames.size());
    int differing = 0;
    bool removed = false;
    for (const TComparedProduct& product : comparison.Products) {
        REQUIRE(product.Status.has_value());
        differing += product.Installed() && *product.Status != TProductStatus::Same ? 1 : 0;
        removed = removed || *product.Status == TProductStatus::Removed;
    }
    REQUIRE(report.DifferenceCount == differing);
    REQUIRE(HasDifferences(comparison) == (differing > 0 || removed));

    for (const auto& [date, time] : {std::pair{"dd/MM/yyyy", "HH:mm:ss"}, std::pair{"M/d/yyyy", "h:mm:ss tt"},
                                     std::pair{"ddd d. MMMM yy", "H'h'mm"}}) {
        TLocaleFormats locale;
        locale.ShortDateFormat = date;
        locale.LongTimeFormat = time;
        const std::optional<TDateTime> saved = ParseLocaleDateTime(section.SavedAt(), date, time, locale);
        if (!saved)
            continue;
        REQUIRE(IsCalendarDate(saved->Year, saved->Month, saved->Day) && saved->Hour < 24 && saved->Minute < 60 &&
                saved->Second < 60);
        const std::optional<TDateTime> again =
            ParseLocaleDateTime(SnapshotTimestamp(*saved, locale), date, time, locale);
        REQUIRE(again && again->Year == saved->Year && again->Month == saved->Month && again->Day == saved->Day &&
                again->Hour == saved->Hour && again->Minute == saved->Minute && again->Second == saved->Second &&
                again->DayOfWeek == saved->DayOfWeek);
    }
    return 0;
}
