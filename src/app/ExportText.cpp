#include "app/ExportText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

std::string IsoDateTime(const TDateTime& when, int utcOffsetMinutes) {
    const int offset = std::abs(utcOffsetMinutes);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", when.Year, when.Month, when.Day,
                  when.Hour, when.Minute, when.Second, utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::string StatusText(const std::optional<TProductStatus>& status) {
    if (!status)
        return {};
    switch (*status) {
        case TProductStatus::Same:
            return "same";
        case TProductStatus::Changed:
            return "changed";
        case TProductStatus::New:
            return "new";
        case TProductStatus::Removed:
            return "removed";
    }
    return {};
}

std::string ChangeText(TVersionChange change) {
    switch (change) {
        case TVersionChange::None:
            return {};
        case TVersionChange::Upgrade:
            return "upgrade";
        case TVersionChange::Downgrade:
            return "downgrade";
        case TVersionChange::NotComparable:
            return "not comparable";
    }
    return {};
}

std::vector<TPolicyProduct> PolicyProducts(const TComparison& comparison) {
    std::vector<TPolicyProduct> products;
    products.reserve(comparison.Products.size());
    for (const TComparedProduct& product : comparison.Products)
        products.push_back({product.Name, product.Version});
    return products;
}

void ForEachReportRow(const TComparison& comparison,
                      const std::vector<TProductVerdict>& verdicts,
                      const std::function<void(const TReportRow&)>& visit) {
    for (std::size_t i = 0; i < comparison.Products.size(); ++i)
        visit({comparison.Products[i], i < verdicts.size() ? &verdicts[i] : nullptr});
    for (std::size_t i = comparison.Products.size(); i < verdicts.size(); ++i) {
        TComparedProduct named;
        named.Name = verdicts[i].Product;
        named.Family = ProductFamily(named.Name);
        visit({named, &verdicts[i]});
    }
}

std::size_t ReportRowCount(const TComparison& comparison, const std::vector<TProductVerdict>& verdicts) {
    return std::max(comparison.Products.size(), verdicts.size());
}
