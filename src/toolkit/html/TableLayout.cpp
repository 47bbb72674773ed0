#include "toolkit/html/TableLayout.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "toolkit/html/TextFlow.h"

namespace html {
namespace {

struct TCellBox {
    const TCell* Cell = nullptr;
    TTextFlow Flow;
    int Column = 0;
};

struct TColumnWidths {
    std::vector<int> Min;
    std::vector<int> Max;
};

// Widens columns [first, first + span) evenly so that together, with the spacing between them,
// they reach `need`.
void Spread(std::vector<int>& widths, int first, int span, int spacing, int need) {
    const int have = std::accumulate(widths.begin() + first, widths.begin() + first + span, 0) + spacing * (span - 1);
    if (have >= need)
        return;
    const int extra = need - have;
    for (int i = 0; i < span; ++i)
        widths[first + i] += extra / span + (i < extra % span ? 1 : 0);
}

// Content widths by the usual automatic table layout: each column between its widest word and its
// longest line; spanning cells widen the columns they span.
std::vector<int> ColumnWidths(const std::vector<std::vector<TCellBox>>& rows,
                              int columns,
                              int cellExtra,
                              int spacing,
                              int available) {
    TColumnWidths widths{std::vector<int>(columns, 0), std::vector<int>(columns, 0)};
    for (int pass = 0; pass < 2; ++pass) {  // single cells first, then the spanning ones
        for (const auto& row : rows) {
            for (const TCellBox& box : row) {
                const int span = std::min(box.Cell->ColSpan, columns - box.Column);
                if ((span > 1) != (pass == 1))
                    continue;
                Spread(widths.Min, box.Column, span, spacing, box.Flow.MinWidth() + cellExtra);
                Spread(widths.Max, box.Column, span, spacing, box.Flow.MaxWidth() + cellExtra);
            }
        }
    }
    for (int c = 0; c < columns; ++c)
        widths.Max[c] = std::max(widths.Max[c], widths.Min[c]);
    const long long sumMin = std::accumulate(widths.Min.begin(), widths.Min.end(), 0LL);
    const long long sumMax = std::accumulate(widths.Max.begin(), widths.Max.end(), 0LL);
    if (sumMax <= available)
        return widths.Max;
    if (sumMin >= available)
        return widths.Min;
    // Narrower than the content: every column gives up a share of its slack.
    const long long slack = available - sumMin;
    std::vector<int> result(columns);
    for (int c = 0; c < columns; ++c) {
        result[c] = widths.Min[c] + static_cast<int>((widths.Max[c] - widths.Min[c]) * slack / (sumMax - sumMin));
    }
    return result;
}

class TDocumentLayout {
public:
    TDocumentLayout(const TTextMeasure& measure, const THtmlStyle& style, int width)
        : measure_(measure), style_(style), contentWidth_(std::max(0, width - 2 * style.MarginWidth)) {
        font_.Name = style.FontName;
        font_.Height = style.FontHeight;
        y_ = style.MarginHeight;
        layout_.Width = style.MarginWidth;
    }

    TLayout Run(const THtmlDocument& document) {
        for (const TBlock& block : document.Blocks) {
            const int top = y_;
            const int widthBefore = layout_.Width;
            layout_.Width = style_.MarginWidth;
            if (const auto* paragraph = std::get_if<TParagraph>(&block))
                AddParagraph(*paragraph);
            else
                AddTable(std::get<TTable>(block));
            layout_.Blocks.push_back({style_.MarginWidth, top, std::max(layout_.Width, style_.MarginWidth), y_});
            layout_.Width = std::max(layout_.Width, widthBefore);
            ++block_;
        }
        layout_.Width += style_.MarginWidth;
        layout_.Height = y_ + style_.MarginHeight;
        layout_.Draw.Finish();
        return std::move(layout_);
    }

private:
    void AddParagraph(const TParagraph& paragraph) {
        const TTextFlow flow(paragraph.Runs, font_, style_.PreFontName, false, style_.TextColour, measure_);
        for (const TTextFlow::TLine& line : flow.BreakLines(contentWidth_)) {
            AddLine(flow, line, style_.MarginWidth, y_);
            y_ += line.Height;
            layout_.Width = std::max(layout_.Width, style_.MarginWidth + line.Width);
        }
    }

    void AddLine(const TTextFlow& flow, const TTextFlow::TLine& line, int x, int y) {
        flow.Draw(line, x, y, layout_.Draw);
        layout_.Breaks.push_back({EBreakKind::Line, y, y + line.Height});
    }

    void AddTable(const TTable& table);
    void AddRow(const TRow& row,
                std::size_t rowIndex,
                const std::vector<TCellBox>& boxes,
                const std::vector<int>& columnLeft,
                const std::vector<int>& widths,
                const TTable& table,
                int top,
                int height);
    int RowHeight(const std::vector<TCellBox>& boxes, const std::vector<int>& widths, int spacing, int cellExtra) const;

    void AddFill(const TRect& rect, TColour colour, bool line = false) {
        if (rect.Width() > 0 && rect.Height() > 0)
            AddShape(EDrawKind::Fill, rect, colour, line);
    }

    void AddShape(EDrawKind kind, const TRect& rect, TColour colour, bool line = false) {
        TDrawOp op;
        op.Kind = kind;
        op.Rect = rect;
        op.Colour = colour;
        op.Line = line;
        layout_.Draw.Add(std::move(op));
    }

    const TTextMeasure& measure_;
    const THtmlStyle& style_;
    TFontSpec font_;
    int contentWidth_ = 0;
    int y_ = 0;
    std::size_t block_ = 0;  // the block being laid out
    TLayout layout_;
};

int CellWidth(const std::vector<int>& widths, int column, int span, int spacing) {
    const int last = std::min<int>(column + span, static_cast<int>(widths.size()));
    return std::accumulate(widths.begin() + column, widths.begin() + last, 0) + spacing * (last - column - 1);
}

void TDocumentLayout::AddTable(const TTable& table) {
    const int border = table.Border;
    const int cellBorder = border > 0 ? 1 : 0;
    const int cellExtra = 2 * (cellBorder + table.CellPadding);
    const int spacing = table.CellSpacing;

    std::vector<std::vector<TCellBox>> rows;
    int columns = 0;
    for (const TRow& row : table.Rows) {
        auto& boxes = rows.emplace_back();
        int column = 0;
        for (const TCell& cell : row.Cells) {
            boxes.push_back(TCellBox{
                &cell, TTextFlow(cell.Runs, font_, style_.PreFontName, cell.Header, style_.TextColour, measure_),
                column});
            column += cell.ColSpan;
        }
        columns = std::max(columns, column);
    }
    const int available = contentWidth_ - 2 * border - spacing * (columns + 1);
    const std::vector<int> widths = ColumnWidths(rows, columns, cellExtra, spacing, std::max(0, available));
    std::vector<int> columnLeft(columns);
    const int left = style_.MarginWidth;
    for (int c = 0, x = left + border + spacing; c < columns; x += widths[c] + spacing, ++c)
        columnLeft[c] = x;
    const int right = left + 2 * border + spacing * (columns + 1) + std::accumulate(widths.begin(), widths.end(), 0);
    TTableColumns& placed = layout_.Tables.emplace_back(TTableColumns{left, right, columnLeft, {}});
    for (int c = 0; c < columns; ++c)
        placed.ColumnRights.push_back(columnLeft[c] + widths[c]);

    const int top = y_;
    std::vector<int> heights;
    int bottom = top + 2 * border + spacing;
    for (const auto& boxes : rows)
        bottom += heights.emplace_back(RowHeight(boxes, widths, spacing, cellExtra)) + spacing;
    layout_.Breaks.push_back({EBreakKind::Table, top, bottom});

    // The outer border goes in pieces, one per row, so no op is taller than a row.
    AddFill({left, top, right, top + border}, table.BorderColour, true);
    int rowTop = top + border + spacing;
    int bandTop = top + border;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int bandBottom = rowTop + heights[r] + spacing;
        AddFill({left, bandTop, left + border, bandBottom}, table.BorderColour, true);
        AddFill({right - border, bandTop, right, bandBottom}, table.BorderColour, true);
        AddRow(table.Rows[r], r, rows[r], columnLeft, widths, table, rowTop, heights[r]);
        rowTop = bandBottom;
        bandTop = bandBottom;
    }
    if (rows.empty()) {
        AddFill({left, bandTop, left + border, bottom - border}, table.BorderColour, true);
        AddFill({right - border, bandTop, right, bottom - border}, table.BorderColour, true);
    }
    AddFill({left, bottom - border, right, bottom}, table.BorderColour, true);
    y_ = bottom;
    layout_.Width = std::max(layout_.Width, right);
}

int TDocumentLayout::RowHeight(const std::vector<TCellBox>& boxes,
                               const std::vector<int>& widths,
                               int spacing,
                               int cellExtra) const {
    int height = cellExtra;
    for (const TCellBox& box : boxes) {
        const int inner = CellWidth(widths, box.Column, box.Cell->ColSpan, spacing) - cellExtra;
        height = std::max(height, TTextFlow::Height(box.Flow.BreakLines(inner)) + cellExtra);
    }
    return height;
}

// A cell's own colour wins over its row's; header text is centred, data text left-aligned, both
// centred vertically.
void TDocumentLayout::AddRow(const TRow& row,
                             std::size_t rowIndex,
                             const std::vector<TCellBox>& boxes,
                             const std::vector<int>& columnLeft,
                             const std::vector<int>& widths,
                             const TTable& table,
                             int top,
                             int height) {
    layout_.Breaks.push_back({EBreakKind::Row, top, top + height});
    const int cellBorder = table.Border > 0 ? 1 : 0;
    const int inset = cellBorder + table.CellPadding;
    for (std::size_t cell = 0; cell < boxes.size(); ++cell) {
        const TCellBox& box = boxes[cell];
        const TRect cellRect{
            columnLeft[box.Column], top,
            columnLeft[box.Column] + CellWidth(widths, box.Column, box.Cell->ColSpan, table.CellSpacing), top + height};
        layout_.Draw.SetCell(static_cast<int>(layout_.Cells.size()));
        layout_.Cells.push_back(TCellPlace{block_, rowIndex, cell, cellRect});
        if (const auto fill = box.Cell->Background ? box.Cell->Background : row.Background) {
            AddFill({cellRect.Left + cellBorder, cellRect.Top + cellBorder, cellRect.Right - cellBorder,
                     cellRect.Bottom - cellBorder},
                    *fill);
        }
        if (cellBorder)
            AddShape(EDrawKind::Frame, cellRect, table.BorderColour);
        const int innerWidth = cellRect.Width() - 2 * inset;
        const auto lines = box.Flow.BreakLines(innerWidth);
        int y = top + inset + (height - 2 * inset - TTextFlow::Height(lines)) / 2;
        for (const TTextFlow::TLine& line : lines) {
            const int x = cellRect.Left + inset + (box.Cell->Header ? std::max(0, (innerWidth - line.Width) / 2) : 0);
            AddLine(box.Flow, line, x, y);
            y += line.Height;
        }
    }
    layout_.Draw.SetCell(-1);
}

}  // namespace

TLayout LayoutDocument(const THtmlDocument& document, const TTextMeasure& measure, const THtmlStyle& style, int width) {
    return TDocumentLayout(measure, style, width).Run(document);
}

}  // namespace html
