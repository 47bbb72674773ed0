#ifndef PLUX_CHECK_COMPARISON_H
#define PLUX_CHECK_COMPARISON_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/ProductList.h"
#include "snapshot/SnapshotSection.h"
#include "support/DateTime.h"

// A check set against a snapshot product by product, removed products included: the one verdict that
// the report's comparison column (installed products only), the JSON and CSV reports and the export's
// exit code show.

enum class TProductStatus { Same, Changed, New, Removed };
enum class TVersionChange { None, Upgrade, Downgrade, NotComparable };

// A product's family is the part of its name before this, found without regard to case; the report's
// bands change colour where the family changes.
inline constexpr std::string_view kFamilyDelimiter = "(Delphi";

struct TComparedProduct {
    std::string Name;
    std::string Family;                          // the part of the name before "(Delphi", trimmed
    std::optional<std::string> Version;          // nothing for a removed product
    std::optional<std::string> SnapshotVersion;  // nothing without a snapshot or when the snapshot lacks it
    std::optional<TProductStatus> Status;        // nothing without a snapshot
    TVersionChange Change = TVersionChange::None;

    bool Installed() const { return Version.has_value(); }
};

struct TCheckFacts {
    std::string Computer;
    std::optional<std::string> User;  // nothing when the products came from a file that names none
    TDateTime CheckedAt;              // local time
    int UtcOffsetMinutes = 0;
    std::optional<std::string> RegistryKey;  // with its hive; nothing for products of a snapshot file
    std::optional<std::string> RegistryView;
};

struct TComparison {
    TCheckFacts Facts;
    std::optional<std::string> SnapshotName;
    std::optional<std::string> SnapshotSavedAt;
    std::vector<TComparedProduct> Products;  // installed ones in scan order, then removed ones in file order
};

// The part of a product's name before "(Delphi", trimmed: "Bars 5" of "Bars 5 (Delphi 7)".
std::string ProductFamily(std::string_view name);

// A product is the same when its version and the snapshot's, both trimmed, are equal, character by
// character; it finds its saved version through TSnapshotSection::Find. Products of two names that find
// one key both compare with it.
TComparison CompareProducts(const TProductList& products, const TSnapshotSection* snapshot, TCheckFacts facts);

// Whether any product is new, changed or removed.
bool HasDifferences(const TComparison& comparison);

#endif
