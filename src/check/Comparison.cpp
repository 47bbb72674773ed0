#include "check/Comparison.h"

#include <utility>

#include "check/BreakUtils.h"
#include "check/SameVersion.h"
#include "check/VersionOrder.h"
#include "support/TextRoutines.h"

namespace {

TVersionChange ChangeBetween(const std::string& saved, const std::string& current) {
    switch (CompareVersions(saved, current)) {
        case TVersionOrder::Lower:
            return TVersionChange::Upgrade;
        case TVersionOrder::Higher:
            return TVersionChange::Downgrade;
        default:
            // Equal in order but not in text ("04.1" and "4.1") says as little as no order at all.
            return TVersionChange::NotComparable;
    }
}

void Compare(TComparedProduct& product, const std::string& saved) {
    product.SnapshotVersion = saved;
    if (SameVersion(saved, *product.Version)) {
        product.Status = TProductStatus::Same;
        return;
    }
    product.Status = TProductStatus::Changed;
    product.Change = ChangeBetween(saved, *product.Version);
}

}  // namespace

// The band tracker's key, trimmed: "Bars 5", not "Bars 5 ".
std::string ProductFamily(std::string_view name) {
    TBreakUtils tracker;
    tracker.KeyDelimiter = kFamilyDelimiter;
    tracker.NextValue(std::string(name));
    return Trim(tracker.Key);
}

TComparison CompareProducts(const TProductList& products, const TSnapshotSection* snapshot, TCheckFacts facts) {
    TComparison comparison;
    comparison.Facts = std::move(facts);
    std::vector<bool> matched;
    if (snapshot != nullptr) {
        comparison.SnapshotName = snapshot->Name();
        comparison.SnapshotSavedAt = snapshot->SavedAt();
        matched.assign(snapshot->Entries().size(), false);
    }

    for (std::size_t i = 0; i < products.ProductNames.size(); ++i) {
        TComparedProduct& product = comparison.Products.emplace_back();
        product.Name = products.ProductNames[i];
        product.Family = ProductFamily(product.Name);
        product.Version = products.ProductVersions.at(i);
        if (snapshot == nullptr)
            continue;
        const std::optional<std::size_t> saved = snapshot->Find(product.Name);
        if (!saved) {
            product.Status = TProductStatus::New;
            continue;
        }
        matched[*saved] = true;
        Compare(product, snapshot->Entries()[*saved].Value);
    }

    for (std::size_t i = 0; i < matched.size(); ++i) {
        if (matched[i])
            continue;
        const TSnapshotEntry& entry = snapshot->Entries()[i];
        TComparedProduct& product = comparison.Products.emplace_back();
        product.Name = entry.Key;
        product.Family = ProductFamily(product.Name);
        product.SnapshotVersion = entry.Value;
        product.Status = TProductStatus::Removed;
    }
    return comparison;
}

bool HasDifferences(const TComparison& comparison) {
    for (const TComparedProduct& product : comparison.Products) {
        if (product.Status && *product.Status != TProductStatus::Same)
            return true;
    }
    return false;
}
