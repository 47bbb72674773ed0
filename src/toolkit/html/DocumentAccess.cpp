#include "toolkit/html/DocumentAccess.h"

#include <algorithm>
#include <tuple>

#include "toolkit/html/HtmlParser.h"

namespace html {
namespace {

TRect Union(const TRect& a, const TRect& b) {
    if (a.Width() <= 0 && a.Height() <= 0)
        return b;
    return TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom)};
}

// The layout's cells of one row: a range of the cells, which are in document order.
std::pair<std::vector<TCellPlace>::const_iterator, std::vector<TCellPlace>::const_iterator>
CellsOf(const TLayout& layout, std::size_t block, std::size_t row) {
    const auto key = [](const TCellPlace& place) { return std::tie(place.Block, place.Row); };
    const auto first =
        std::lower_bound(layout.Cells.begin(), layout.Cells.end(), std::tie(block, row),
                         [&](const TCellPlace& place, const auto& wanted) { return key(place) < wanted; });
    auto last = first;
    while (last != layout.Cells.end() && last->Block == block && last->Row == row)
        ++last;
    return {first, last};
}

TAccessibleNode TableNode(const TTable& table, const TRect& bounds) {
    TAccessibleNode node;
    node.Role = TAccessibleRole::Table;
    node.State = accstate::kReadOnly;
    node.Bounds = bounds;
    node.ChildCount = static_cast<int>(table.Rows.size());
    return node;
}

std::optional<TAccessibleNode> RowNode(const TTable& table, const TLayout& layout, std::size_t block, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= table.Rows.size())
        return std::nullopt;
    const TRow& cells = table.Rows[static_cast<std::size_t>(row)];
    TAccessibleNode node;
    node.Role = TAccessibleRole::Row;
    node.State = accstate::kReadOnly;
    node.ChildCount = static_cast<int>(cells.Cells.size());
    for (const TCell& cell : cells.Cells) {
        const std::string text = ReadText(cell.Runs);
        if (!text.empty())
            node.Name += (node.Name.empty() ? "" : " ") + text;
    }
    const auto [first, last] = CellsOf(layout, block, static_cast<std::size_t>(row));
    for (auto place = first; place != last; ++place)
        node.Bounds = Union(node.Bounds, place->Bounds);
    return node;
}

std::optional<TAccessibleNode> CellNode(const TTable& table,
                                        const TLayout& layout,
                                        const std::vector<bool>& marked,
                                        const std::string& note,
                                        std::size_t block,
                                        int row,
                                        int cell) {
    if (row < 0 || static_cast<std::size_t>(row) >= table.Rows.size())
        return std::nullopt;
    const TRow& cells = table.Rows[static_cast<std::size_t>(row)];
    if (cell < 0 || static_cast<std::size_t>(cell) >= cells.Cells.size())
        return std::nullopt;
    const TCell& data = cells.Cells[static_cast<std::size_t>(cell)];
    TAccessibleNode node;
    node.Role = data.Header ? TAccessibleRole::ColumnHeader : TAccessibleRole::Cell;
    node.Name = ReadText(data.Runs);
    node.State = accstate::kReadOnly;
    const auto [first, last] = CellsOf(layout, block, static_cast<std::size_t>(row));
    const auto place = first + cell;
    if (place < last) {
        node.Bounds = place->Bounds;
        const auto index = static_cast<std::size_t>(place - layout.Cells.begin());
        if (index < marked.size() && marked[index])
            node.Description = note;
    }
    return node;
}

// A table's node, or that of a row or cell of it (`rest`: the path below the table).
std::optional<TAccessibleNode> TableBranch(const TTable& table,
                                           const TLayout& layout,
                                           const std::vector<bool>& marked,
                                           const std::string& note,
                                           std::size_t block,
                                           const TAccessiblePath& rest) {
    switch (rest.size()) {
        case 0:
            return TableNode(table, block < layout.Blocks.size() ? layout.Blocks[block] : TRect{});
        case 1:
            return RowNode(table, layout, block, rest[0]);
        case 2:
            return CellNode(table, layout, marked, note, block, rest[0], rest[1]);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string ReadText(const std::vector<TRun>& runs) {
    std::string text;
    for (const TRun& run : runs)
        text += run.Text;
    std::replace(text.begin(), text.end(), kNonBreakingSpace, ' ');
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<TAccessibleNode> DescribeDocumentNode(const THtmlDocument& document,
                                                    const TLayout& layout,
                                                    const std::vector<bool>& marked,
                                                    const std::string& note,
                                                    const TAccessiblePath& path) {
    const auto& blocks = document.Blocks;
    if (blocks.size() == 1 && std::holds_alternative<TTable>(blocks[0]))
        return TableBranch(std::get<TTable>(blocks[0]), layout, marked, note, 0, path);
    if (path.empty()) {
        TAccessibleNode node;
        node.Role = TAccessibleRole::Document;
        node.State = accstate::kReadOnly;
        node.ChildCount = static_cast<int>(blocks.size());
        return node;
    }
    if (path[0] < 0 || static_cast<std::size_t>(path[0]) >= blocks.size())
        return std::nullopt;
    const auto block = static_cast<std::size_t>(path[0]);
    const TAccessiblePath rest(path.begin() + 1, path.end());
    if (const auto* table = std::get_if<TTable>(&blocks[block]))
        return TableBranch(*table, layout, marked, note, block, rest);
    if (!rest.empty())
        return std::nullopt;
    TAccessibleNode node;
    node.Role = TAccessibleRole::StaticText;
    node.Name = ReadText(std::get<TParagraph>(blocks[block]).Runs);
    node.State = accstate::kReadOnly;
    if (block < layout.Blocks.size())
        node.Bounds = layout.Blocks[block];
    return node;
}

}  // namespace html
