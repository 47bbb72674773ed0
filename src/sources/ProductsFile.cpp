#include "sources/ProductsFile.h"

#include <optional>

#include "snapshot/SnapshotFile.h"
#include "sources/JsonReportReader.h"
#include "sources/RegistryExport.h"
#include "support/InputError.h"
#include "support/PathRoutines.h"
#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace {

enum class TProductsFileKind { Snapshot, JsonReport, RegistryExport };

constexpr std::string_view kKinds =
    "Products come from a snapshot (.plx), a JSON report (.json) or a registry export (.reg)";

std::optional<TProductsFileKind> KindByExtension(const std::string& path) {
    const std::string_view extension = FileExtension(path);
    if (SameTextUpper(extension, kSnapshotExtension))
        return TProductsFileKind::Snapshot;
    if (SameTextUpper(extension, ".json"))
        return TProductsFileKind::JsonReport;
    if (SameTextUpper(extension, ".reg"))
        return TProductsFileKind::RegistryExport;
    return std::nullopt;
}

TProductsFileKind KindOf(const std::string& path) {
    if (const std::optional<TProductsFileKind> kind = KindByExtension(path))
        return *kind;
    throw Exception("Not a file of products: " + path + "\r\n" + std::string(kKinds));
}

// A snapshot holds its products in the section of its base name; a file without it is no snapshot
// of that name (a file renamed, say) rather than one without products.
TSnapshotSection SnapshotOfFile(std::string_view bytes, const std::string& path) {
    const std::string name = FileBaseName(path);
    TSnapshotSection section = SnapshotSectionOf(std::string(bytes), name);
    if (section.Entries().empty() && section.SavedAt().empty()) {
        throw Exception("No snapshot [" + name + "] in " + path +
                        "\r\nA snapshot keeps its products in the section named after its file");
    }
    return section;
}

TMachineProducts ProductsOfSnapshot(const TSnapshotSection& section, const TProductsFileReading& reading) {
    TMachineProducts machine;
    for (const TSnapshotEntry& entry : section.Entries()) {
        machine.Products.ProductNames.push_back(entry.Key);
        machine.Products.ProductVersions.push_back(entry.Value);
    }
    const TLocaleFormats& locale = reading.Locale;
    if (const auto saved =
            ParseLocaleDateTime(section.SavedAt(), locale.ShortDateFormat, locale.LongTimeFormat, locale)) {
        machine.Facts.CheckedAt = TLocalTime{*saved, reading.Now.UtcOffsetMinutes};
    }
    if (!section.SavedAt().empty())
        machine.Facts.SavedAt = section.SavedAt();
    return machine;
}

}  // namespace

void CheckProductsFileKind(const std::string& path) {
    KindOf(path);
}

bool IsProductsFile(const std::string& path) {
    return KindByExtension(path).has_value();
}

TMachineProducts ReadStoredProducts(const std::string& path, const TProductsFileReading& reading) {
    const TProductsFileKind kind = KindOf(path);
    const std::string bytes = ReadInputFile(path, *reading.Files);
    TMachineProducts machine;
    switch (kind) {
        case TProductsFileKind::Snapshot:
            machine = ProductsOfSnapshot(SnapshotOfFile(bytes, path), reading);
            break;
        case TProductsFileKind::JsonReport:
            machine = ReadJsonReport(bytes, path);
            break;
        case TProductsFileKind::RegistryExport:
            machine = ReadRegistryExport(bytes, path);
            break;
    }
    return machine;
}

TMachineProducts ReadProductsFile(const std::string& path, const TProductsFileReading& reading) {
    TMachineProducts machine = ReadStoredProducts(path, reading);
    TMachineFacts& facts = machine.Facts;
    if (!facts.Computer)
        facts.Computer = std::string(FileNamePart(path));
    if (!facts.CheckedAt)
        facts.CheckedAt = reading.Files->LastWriteTime(path).value_or(reading.Now);
    return machine;
}

TSnapshotSection ReadProductsFileAsSnapshot(const std::string& path, const TProductsFileReading& reading) {
    if (KindOf(path) == TProductsFileKind::Snapshot)
        return SnapshotOfFile(ReadInputFile(path, *reading.Files), path);
    const TMachineProducts machine = ReadProductsFile(path, reading);
    std::vector<TSnapshotEntry> entries;
    const TProductList& products = machine.Products;
    for (std::size_t i = 0; i < products.ProductNames.size(); ++i)
        entries.push_back({products.ProductNames[i], products.ProductVersions[i]});
    return TSnapshotSection(FileBaseName(path), SnapshotTimestamp(machine.Facts.CheckedAt->When, reading.Locale),
                            entries);
}
