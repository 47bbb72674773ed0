#ifndef PLUX_FLEET_FLEETMATRIX_H
#define PLUX_FLEET_FLEETMATRIX_H

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "fleet/FleetSource.h"
#include "policy/RequiredVersions.h"

// The team matrix: a column per source, a row per product that any source has, a cell per product and
// column holding the version or nothing; some cells are marked.
//
// Columns. Machines are the same when their names are equal with ASCII letters in either case. They
// come in the order in which the sources first name them, each machine's columns together, in time
// order: columns with a moment by their moment, then those without one, equal ones in source order.
// Two or more columns of one machine are its history.
//
// Rows. Products are the same when their names are, trimmed and with ASCII letters in either case (as
// the snapshot lookup has it); a row takes the spelling of the first column that has it, and a column
// that lists a product twice counts its first entry. Rows are grouped by family (ProductFamily, letters
// in either case), families in alphabetical order, products in each family by name, so that every
// machine's rows stand in one order whatever the order of its files.
//
// Versions. Versions are the same when they are equal once trimmed; a row lists its versions in the
// order of the columns, with the spelling first met. The most common version counts one vote per
// machine, its latest column (what the machine has now); a tie goes to the version voted for first in
// column order. A row that no machine's latest column has has no most common version.
//
// Marks, without a policy: a column of a machine seen once is marked where it differs from the most
// common version, and where it lacks a product that has one. In a machine's history, its first column
// holds no marks and every later column is marked where it differs from the column before it (a
// version changed, came or went). With a policy the marks are its violations instead, in every column:
// a product too old, too new or forbidden, and a required product the column lacks; a rule that no
// product of a column matches adds a row of its key when no row has that name.
//
// The model keeps the cells that hold a version and the columns where a required product is missing,
// so its memory grows with the sources' products, not with rows times columns.

enum class TFleetMarks { MostCommon, Policy };

struct TFleetColumn {
    std::string Machine;
    std::string Time;
    std::optional<std::int64_t> Moment;
    std::string Source;
    std::size_t MachineIndex = 0;    // machines counted in column order
    std::size_t MachineColumns = 1;  // how many columns the machine has; two or more make a history
    bool FirstOfMachine = true;      // its earliest column
};

// A cell as the reports show it.
struct TFleetCell {
    std::optional<std::size_t> Version;  // into the row's Versions; nothing where the column lacks the product
    bool Marked = false;
};

struct TFleetRow {
    std::string Name;
    std::string Family;
    std::vector<std::string> Versions;      // distinct, in column order
    std::optional<std::size_t> MostCommon;  // into Versions
    std::size_t MarkedCount = 0;

    struct TStoredCell {
        std::size_t Column = 0;
        std::size_t Version = 0;
        bool Marked = false;
    };
    std::vector<TStoredCell> Present;         // the columns that have the product, in column order
    std::vector<std::size_t> MissingColumns;  // with a policy: columns where the product's absence is marked
};

class TFleetMatrix {
public:
    TFleetMatrix(std::vector<TFleetColumn> columns, std::vector<TFleetRow> rows, TFleetMarks marks);

    const std::vector<TFleetColumn>& Columns() const { return columns_; }
    const std::vector<TFleetRow>& Rows() const { return rows_; }
    TFleetMarks Marks() const { return marks_; }
    std::size_t MachineCount() const { return columns_.empty() ? 0 : columns_.back().MachineIndex + 1; }

    // Every cell of a row, one per column.
    std::vector<TFleetCell> Cells(std::size_t row) const;
    // Whether the row's columns do not all hold the same version.
    bool Differs(std::size_t row) const;
    bool AnyMarked() const;
    // The machine's name, with the column's time in brackets when the machine has a history.
    std::string ColumnLabel(std::size_t column) const;

private:
    std::vector<TFleetColumn> columns_;
    std::vector<TFleetRow> rows_;
    TFleetMarks marks_ = TFleetMarks::MostCommon;
};

// The matrix of the sources, marked by the policy when there is one.
TFleetMatrix BuildFleetMatrix(std::vector<TFleetSource> sources, const TRequiredVersions* policy);

#endif
