#ifndef PLUX_FLEET_FLEETSUMMARY_H
#define PLUX_FLEET_FLEETSUMMARY_H

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "fleet/FleetMatrix.h"

// The summary form of the team matrix, for a standard output and for more columns than a table can
// show: per product, each version with its count and the machines that stray from it.

// The columns of a row that hold one version, or that lack the product.
struct TVersionGroup {
    std::optional<std::size_t> Version;  // into the row's Versions; nothing: the columns lacking the product
    std::size_t Count = 0;
    std::vector<std::size_t> MarkedColumns;  // in column order
};

// The row's groups: the most common version first, then by count, larger first, equal ones in
// column order; the columns lacking the product last.
std::vector<TVersionGroup> VersionGroups(const TFleetMatrix& matrix, std::size_t row);

// How a group's version reads: the version, "(no version)" for an empty one, "not installed" where
// the product is missing.
std::string GroupVersionText(const TFleetRow& row, const TVersionGroup& group);

// The labels of the columns, at most ten of them, then "and N more": "PC01, PC02 and 3 more".
std::string StrayList(const TFleetMatrix& matrix, const std::vector<std::size_t>& columns);

// What standard output shows, lines ended by CR LF: for each product whose columns differ or hold a
// mark, its name, then a line per group,
//   Grid 4 (Delphi 7)
//     4.10: 3
//     4.2: 1 (PC04)
//     not installed: 1 (PC05)
// and a last line with the counts:
//   Team: 5 columns of 5 machines, 12 products, 1 differs, 2 cells marked
std::string FleetSummary(const TFleetMatrix& matrix);

#endif
