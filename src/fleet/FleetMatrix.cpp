#include "fleet/FleetMatrix.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "check/Comparison.h"
#include "policy/PolicyCheck.h"
#include "policy/ProductNameMatch.h"
#include "support/TextRoutines.h"

namespace {

// The columns in matrix order, and for each the source it shows.
struct TColumnOrder {
    std::vector<TFleetColumn> Columns;
    std::vector<std::size_t> Sources;
};

TColumnOrder OrderColumns(std::vector<TFleetSource>& sources) {
    std::unordered_map<std::string, std::size_t> machines;
    std::vector<std::size_t> machineOf(sources.size());
    std::vector<std::size_t> columnsOf;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const auto [found, added] = machines.try_emplace(UpperCase(sources[i].Machine), machines.size());
        machineOf[i] = found->second;
        if (added)
            columnsOf.push_back(0);
        ++columnsOf[found->second];
    }
    TColumnOrder order;
    order.Sources.resize(sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i)
        order.Sources[i] = i;
    // Known moments first; the moment itself only orders columns that have one.
    const auto key = [&](std::size_t i) {
        return std::make_tuple(machineOf[i], !sources[i].Moment.has_value(), sources[i].Moment.value_or(0));
    };
    std::stable_sort(order.Sources.begin(), order.Sources.end(),
                     [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    for (std::size_t c = 0; c < sources.size(); ++c) {
        TFleetSource& source = sources[order.Sources[c]];
        TFleetColumn& column = order.Columns.emplace_back();
        column.Machine = std::move(source.Machine);
        column.Time = std::move(source.Time);
        column.Moment = source.Moment;
        column.Source = std::move(source.Source);
        column.MachineIndex = machineOf[order.Sources[c]];
        column.MachineColumns = columnsOf[column.MachineIndex];
        column.FirstOfMachine = c == 0 || order.Columns[c - 1].MachineIndex != column.MachineIndex;
    }
    return order;
}

// Rows and versions by name, so each cell costs a lookup, not a search.
class TRowTable {
public:
    std::size_t Row(const std::string& name) {
        const auto [found, added] = rowOf_.try_emplace(ProductNameKey(name), rows_.size());
        if (added) {
            rows_.emplace_back().Name = name;
            versionOf_.emplace_back();
        }
        return found->second;
    }

    std::size_t Version(std::size_t row, const std::string& version) {
        const auto [found, added] = versionOf_[row].try_emplace(Trim(version), rows_[row].Versions.size());
        if (added)
            rows_[row].Versions.push_back(version);
        return found->second;
    }

    TFleetRow& operator[](std::size_t row) { return rows_[row]; }
    std::vector<TFleetRow> Take() { return std::move(rows_); }

private:
    std::unordered_map<std::string, std::size_t> rowOf_;
    std::vector<std::unordered_map<std::string, std::size_t>> versionOf_;
    std::vector<TFleetRow> rows_;
};

// Adds a column's products; returns for each product the row of the cell it made, or nothing for a
// second entry of one product.
std::vector<std::optional<std::size_t>> AddColumn(TRowTable& rows, std::size_t column, const TProductList& products) {
    std::vector<std::optional<std::size_t>> cellRows(products.ProductNames.size());
    for (std::size_t i = 0; i < products.ProductNames.size(); ++i) {
        const std::size_t row = rows.Row(products.ProductNames[i]);
        auto& present = rows[row].Present;
        if (!present.empty() && present.back().Column == column)
            continue;
        present.push_back({column, rows.Version(row, products.ProductVersions.at(i)), false});
        cellRows[i] = row;
    }
    return cellRows;
}

void MarkViolations(TRowTable& rows,
                    std::size_t column,
                    const TProductList& products,
                    const std::vector<std::optional<std::size_t>>& cellRows,
                    const TRequiredVersions& policy) {
    std::vector<TPolicyProduct> checked;
    checked.reserve(products.ProductNames.size());
    for (std::size_t i = 0; i < products.ProductNames.size(); ++i)
        checked.push_back({products.ProductNames[i], products.ProductVersions.at(i)});
    const std::vector<TProductVerdict> verdicts = CheckRequiredVersions(policy, checked);
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        if (!IsViolation(verdicts[i].Verdict))
            continue;
        if (i < cellRows.size()) {
            if (cellRows[i])
                rows[*cellRows[i]].Present.back().Marked = true;
            continue;
        }
        // A required product this column lacks.
        auto& missing = rows[rows.Row(verdicts[i].Product)].MissingColumns;
        if (missing.empty() || missing.back() != column)
            missing.push_back(column);
    }
}

// One vote per machine, by its latest column; the first version voted for wins a tie.
std::optional<std::size_t> MostCommon(const TFleetRow& row, const std::vector<TFleetColumn>& columns) {
    std::vector<std::size_t> votes(row.Versions.size(), 0);
    std::vector<std::size_t> firstVote;  // versions in the order of their first vote
    for (const TFleetRow::TStoredCell& cell : row.Present) {
        const bool latest = cell.Column + 1 == columns.size() || columns[cell.Column + 1].FirstOfMachine;
        if (!latest)
            continue;
        if (votes[cell.Version]++ == 0)
            firstVote.push_back(cell.Version);
    }
    std::optional<std::size_t> best;
    for (const std::size_t version : firstVote) {
        if (!best || votes[version] > votes[*best])
            best = version;
    }
    return best;
}

void MarkByMostCommonAndHistory(TFleetRow& row, const std::vector<TFleetColumn>& columns, std::size_t singleColumns) {
    row.MostCommon = MostCommon(row, columns);
    std::size_t singlePresent = 0;
    for (std::size_t i = 0; i < row.Present.size(); ++i) {
        TFleetRow::TStoredCell& cell = row.Present[i];
        const TFleetColumn& column = columns[cell.Column];
        if (column.MachineColumns == 1) {
            ++singlePresent;
            cell.Marked = cell.Version != row.MostCommon;
        } else if (!column.FirstOfMachine) {
            const bool previousPresent = i > 0 && row.Present[i - 1].Column + 1 == cell.Column;
            cell.Marked = !previousPresent || row.Present[i - 1].Version != cell.Version;
        }
        row.MarkedCount += cell.Marked ? 1 : 0;
        // The product went away in the machine's next column.
        const std::size_t next = cell.Column + 1;
        const bool nextPresent = i + 1 < row.Present.size() && row.Present[i + 1].Column == next;
        if (column.MachineColumns > 1 && next < columns.size() && !columns[next].FirstOfMachine && !nextPresent)
            ++row.MarkedCount;
    }
    if (row.MostCommon)
        row.MarkedCount += singleColumns - singlePresent;
}

void CountViolations(TFleetRow& row, const std::vector<TFleetColumn>& columns) {
    row.MostCommon = MostCommon(row, columns);
    row.MarkedCount = row.MissingColumns.size();
    for (const TFleetRow::TStoredCell& cell : row.Present)
        row.MarkedCount += cell.Marked ? 1 : 0;
}

void SortByFamilyAndName(std::vector<TFleetRow>& rows) {
    std::vector<std::pair<std::string, std::string>> keys;
    keys.reserve(rows.size());
    for (TFleetRow& row : rows) {
        row.Family = ProductFamily(row.Name);
        keys.emplace_back(UpperCase(row.Family), ProductNameKey(row.Name));
    }
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<TFleetRow> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

}  // namespace

TFleetMatrix::TFleetMatrix(std::vector<TFleetColumn> columns, std::vector<TFleetRow> rows, TFleetMarks marks)
    : columns_(std::move(columns)), rows_(std::move(rows)), marks_(marks) {}

std::vector<TFleetCell> TFleetMatrix::Cells(std::size_t rowIndex) const {
    const TFleetRow& row = rows_[rowIndex];
    std::vector<TFleetCell> cells(columns_.size());
    for (const TFleetRow::TStoredCell& cell : row.Present)
        cells[cell.Column] = {cell.Version, cell.Marked};
    if (marks_ == TFleetMarks::Policy) {
        for (const std::size_t column : row.MissingColumns)
            cells[column].Marked = true;
        return cells;
    }
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (cells[c].Version)
            continue;
        if (columns_[c].MachineColumns == 1)
            cells[c].Marked = row.MostCommon.has_value();
        else
            cells[c].Marked = !columns_[c].FirstOfMachine && cells[c - 1].Version.has_value();
    }
    return cells;
}

bool TFleetMatrix::Differs(std::size_t row) const {
    return rows_[row].Versions.size() > 1 || rows_[row].Present.size() < columns_.size();
}

bool TFleetMatrix::AnyMarked() const {
    return std::any_of(rows_.begin(), rows_.end(), [](const TFleetRow& row) { return row.MarkedCount > 0; });
}

std::string TFleetMatrix::ColumnLabel(std::size_t column) const {
    const TFleetColumn& shown = columns_[column];
    if (shown.MachineColumns == 1 || shown.Time.empty())
        return shown.Machine;
    return shown.Machine + " (" + shown.Time + ")";
}

TFleetMatrix BuildFleetMatrix(std::vector<TFleetSource> sources, const TRequiredVersions* policy) {
    TColumnOrder order = OrderColumns(sources);
    const std::vector<TFleetColumn>& columns = order.Columns;
    TRowTable table;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        TProductList& products = sources[order.Sources[c]].Products;
        const auto cellRows = AddColumn(table, c, products);
        if (policy)
            MarkViolations(table, c, products, cellRows, *policy);
        products = {};  // the cells hold what the matrix needs of it
    }
    std::vector<TFleetRow> rows = table.Take();
    const auto singleColumns = static_cast<std::size_t>(std::count_if(
        columns.begin(), columns.end(), [](const TFleetColumn& column) { return column.MachineColumns == 1; }));
    for (TFleetRow& row : rows) {
        if (policy)
            CountViolations(row, columns);
        else
            MarkByMostCommonAndHistory(row, columns, singleColumns);
    }
    SortByFamilyAndName(rows);
    return TFleetMatrix(std::move(order.Columns), std::move(rows),
                        policy ? TFleetMarks::Policy : TFleetMarks::MostCommon);
}
