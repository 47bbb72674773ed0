#ifndef PLUX_TESTS_FLEET_FLEETTESTSOURCES_H
#define PLUX_TESTS_FLEET_FLEETTESTSOURCES_H

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fleet/FleetMatrix.h"

// Sources written as tables: a machine, its time and products as name and version pairs.
inline TFleetSource FleetSource(std::string machine,
                                std::optional<std::int64_t> moment,
                                const std::vector<std::pair<std::string, std::string>>& products) {
    TFleetSource source;
    source.Machine = std::move(machine);
    source.Moment = moment;
    source.Time = moment ? "t" + std::to_string(*moment) : "";
    source.Source = "C:\\reports\\" + source.Machine + source.Time + ".json";
    for (const auto& [name, version] : products) {
        source.Products.ProductNames.push_back(name);
        source.Products.ProductVersions.push_back(version);
    }
    return source;
}

// The matrix as lines of text: the column labels, then per row its name and each cell, "-" where the
// column lacks the product and "*" after a marked cell.
inline std::vector<std::string> MatrixLines(const TFleetMatrix& matrix) {
    std::string header;
    for (std::size_t c = 0; c < matrix.Columns().size(); ++c)
        header += (c == 0 ? "" : " | ") + matrix.ColumnLabel(c);
    std::vector<std::string> lines{header};
    for (std::size_t r = 0; r < matrix.Rows().size(); ++r) {
        const TFleetRow& row = matrix.Rows()[r];
        std::string line = row.Name + ":";
        for (const TFleetCell& cell : matrix.Cells(r))
            line += " " + (cell.Version ? row.Versions[*cell.Version] : "-") + (cell.Marked ? "*" : "");
        lines.push_back(line);
    }
    return lines;
}

#endif
