// THtmlView as assistive programs see it, and the cells its owner marks.
#include "toolkit/html/HtmlView_win.h"

#include "toolkit/html/DocumentAccess.h"
#include "toolkit/html/HighContrast.h"
#include "toolkit/win/Controls_win.h"

void THtmlView::SetCellNote(std::function<bool(const html::TCell&)> marks, std::string note) {
    cellMarks_ = std::move(marks);
    cellNote_ = std::move(note);
    MarkCells();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void THtmlView::MarkCells() {
    marked_.clear();
    if (document_ && cellMarks_)
        marked_ = html::MarkedCells(*document_, layout_, cellMarks_);
}

// The root is the view itself, named by its text; the rest moves as the view scrolls.
std::optional<TAccessibleNode> THtmlView::Node(const TAccessiblePath& path) const {
    std::optional<TAccessibleNode> node;
    if (document_) {
        node = html::DescribeDocumentNode(*document_, layout_, marked_, cellNote_, path);
    } else if (path.empty()) {
        node = TAccessibleNode{};
        node->Role = TAccessibleRole::Document;
        node->State = accstate::kReadOnly;
    }
    if (!node)
        return std::nullopt;
    if (path.empty()) {
        const SIZE client = ClientSize();
        node->Name = WindowText(Handle());
        node->Bounds = TRect{0, 0, client.cx, client.cy};
        node->State |= accstate::kFocusable | (focused_ ? accstate::kFocused : 0);
        return node;
    }
    node->Bounds = TRect{node->Bounds.Left - scrollX_, node->Bounds.Top - scrollY_, node->Bounds.Right - scrollX_,
                         node->Bounds.Bottom - scrollY_};
    return node;
}

std::optional<TAccessiblePath> THtmlView::Focus() const {
    if (!focused_)
        return std::nullopt;
    return TAccessiblePath{};
}
