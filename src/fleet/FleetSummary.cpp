#include "fleet/FleetSummary.h"

#include <algorithm>

namespace {

constexpr std::size_t kNamedStrays = 10;

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::vector<TVersionGroup> VersionGroups(const TFleetMatrix& matrix, std::size_t rowIndex) {
    const TFleetRow& row = matrix.Rows()[rowIndex];
    std::vector<TVersionGroup> groups(row.Versions.size());
    TVersionGroup absent;
    const std::vector<TFleetCell> cells = matrix.Cells(rowIndex);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        TVersionGroup& group = cells[c].Version ? groups[*cells[c].Version] : absent;
        group.Version = cells[c].Version;
        ++group.Count;
        if (cells[c].Marked)
            group.MarkedColumns.push_back(c);
    }
    // Versions are numbered in column order, so their numbers break ties.
    std::stable_sort(groups.begin(), groups.end(), [&](const TVersionGroup& a, const TVersionGroup& b) {
        const bool aFirst = a.Version == row.MostCommon;
        const bool bFirst = b.Version == row.MostCommon;
        return aFirst != bFirst ? aFirst : a.Count > b.Count;
    });
    if (absent.Count > 0)
        groups.push_back(std::move(absent));
    return groups;
}

std::string GroupVersionText(const TFleetRow& row, const TVersionGroup& group) {
    if (!group.Version)
        return "not installed";
    const std::string& version = row.Versions[*group.Version];
    return version.empty() ? "(no version)" : version;
}

std::string StrayList(const TFleetMatrix& matrix, const std::vector<std::size_t>& columns) {
    std::string list;
    const std::size_t named = std::min(columns.size(), kNamedStrays);
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0)
            list += i + 1 == named && named == columns.size() ? " and " : ", ";
        list += matrix.ColumnLabel(columns[i]);
    }
    if (columns.size() > named)
        list += " and " + std::to_string(columns.size() - named) + " more";
    return list;
}

std::string FleetSummary(const TFleetMatrix& matrix) {
    std::string summary;
    std::size_t differing = 0;
    std::size_t marked = 0;
    for (std::size_t r = 0; r < matrix.Rows().size(); ++r) {
        const TFleetRow& row = matrix.Rows()[r];
        marked += row.MarkedCount;
        if (!matrix.Differs(r) && row.MarkedCount == 0)
            continue;
        differing += matrix.Differs(r) ? 1 : 0;
        summary += row.Name + "\r\n";
        for (const TVersionGroup& group : VersionGroups(matrix, r)) {
            summary += "  " + GroupVersionText(row, group) + ": " + std::to_string(group.Count);
            if (!group.MarkedColumns.empty())
                summary += " (" + StrayList(matrix, group.MarkedColumns) + ")";
            summary += "\r\n";
        }
    }
    const auto& columns = matrix.Columns();
    summary += "Team: " + Counted(columns.size(), "column", "columns") + " of " +
               Counted(matrix.MachineCount(), "machine", "machines") + ", " +
               Counted(matrix.Rows().size(), "product", "products") + ", " + Counted(differing, "differs", "differ") +
               ", " + Counted(marked, "cell marked", "cells marked") + "\r\n";
    return summary;
}
