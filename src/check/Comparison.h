#ifndef PLUX_CHECK_COMPARISON_H
#define PLUX_CHECK_COMPARISON_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "check/ProductList.h"
#include "support/DateTime.h"

// A check set against a snapshot product by product, removed products included: what the JSON and CSV
// reports list, and what decides the export's exit code.

enum class TProductStatus { Same, Changed, New, Removed };
enum class TVersionChange { None, Upgrade, Downgrade, NotComparable };

// The section of a snapshot file that a comparison reads.
struct TSnapshotSection {
    std::string Name;
    std::string SavedAt;  // the text of the timestamp key
    // The product keys and their values in file order, each key once (the first of keys that differ only
    // in letter case), the timestamp key left out.
    std::vector<std::pair<std::string, std::string>> Entries;
};

struct TComparedProduct {
    std::string Name;
    std::string Family;                          // the part of the name before "(Delphi", as the bands use it
    std::optional<std::string> Version;          // nothing for a removed product
    std::optional<std::string> SnapshotVersion;  // nothing without a snapshot or when the snapshot lacks it
    std::optional<TProductStatus> Status;        // nothing without a snapshot
    TVersionChange Change = TVersionChange::None;
};

struct TCheckFacts {
    std::string Computer;
    std::string User;
    TDateTime CheckedAt;  // local time
    int UtcOffsetMinutes = 0;
    std::string RegistryKey;  // with its hive
    std::string RegistryView;
};

struct TComparison {
    TCheckFacts Facts;
    std::optional<std::string> SnapshotName;
    std::optional<std::string> SnapshotSavedAt;
    std::vector<TComparedProduct> Products;  // installed ones in scan order, then removed ones in file order
};

// A product is the same when its version and the snapshot's, both trimmed, are equal (as the report's
// comparison column has it); snapshot keys match product names without regard to letter case.
TComparison CompareProducts(const TProductList& products, const TSnapshotSection* snapshot, TCheckFacts facts);

// Whether any product is new, changed or removed.
bool HasDifferences(const TComparison& comparison);

#endif
