#include "toolkit/StatusBar.h"

#include <algorithm>

#include "toolkit/Exception.h"
#include "toolkit/StatusBarLayout.h"
#include "toolkit/StatusBarList.h"

namespace {

// When only the width changes, this strip at the right end is drawn again: the size grip and the end
// of the last panel.
constexpr int kGripStripWidth = 25;

struct TLockKey {
    TStatusPanelStyle Style;
    int VirtualKey;
};
constexpr TLockKey kLockKeys[] = {
    {TStatusPanelStyle::CapsLock, 0x14},    // Caps Lock
    {TStatusPanelStyle::OverWrite, 0x2D},   // Insert
    {TStatusPanelStyle::NumLock, 0x90},     // Num Lock
    {TStatusPanelStyle::ScrollLock, 0x91},  // Scroll Lock
};

}  // namespace

int LockKeyOf(TStatusPanelStyle style) {
    for (const TLockKey& key : kLockKeys) {
        if (key.Style == style)
            return key.VirtualKey;
    }
    return 0;
}

std::optional<TStatusPanelStyle> LockStyleOfKey(int virtualKey) {
    for (const TLockKey& key : kLockKeys) {
        if (key.VirtualKey == virtualKey)
            return key.Style;
    }
    return std::nullopt;
}

const std::string& TStatusBarText::Caption(TStatusPanelStyle style) const {
    static const std::string none;
    switch (style) {
        case TStatusPanelStyle::CapsLock:
            return CapsLock;
        case TStatusPanelStyle::NumLock:
            return NumLock;
        case TStatusPanelStyle::ScrollLock:
            return ScrollLock;
        case TStatusPanelStyle::OverWrite:
            return Overwrite;
        case TStatusPanelStyle::TextOnly:
            break;
    }
    return none;
}

TStatusPanel::TStatusPanel(TStatusBar& bar, std::size_t index, std::string name, TStatusFont font)
    : bar_(bar), index_(index), name_(std::move(name)), font_(std::move(font)) {}

void TStatusPanel::SetName(std::string name) {
    const TStatusPanel* holder = bar_.Panels().Find(name);
    if (holder && holder != this)
        throw Exception("A panel named " + name + " already exists.");
    name_ = std::move(name);
}

void TStatusPanel::SetText(std::string text) {
    if (text == text_)
        return;
    text_ = std::move(text);
    if (OnTextChanged)
        OnTextChanged(*this);
    bar_.PanelChanged(*this);
}

void TStatusPanel::SetWidth(std::string width) {
    if (!ParsePanelWidth(width))
        throw Exception("'" + width + "' is not a valid panel width.");
    width_ = std::move(width);
    bar_.LayoutChanged();
}

TStatusPanel& TStatusPanels::Add() {
    int number = 0;
    while (Find("Panel" + std::to_string(number)))
        ++number;
    items_.push_back(std::unique_ptr<TStatusPanel>(
        new TStatusPanel(bar_, items_.size(), "Panel" + std::to_string(number), bar_.Font)));
    bar_.LayoutChanged();
    return *items_.back();
}

TStatusPanel* TStatusPanels::Find(std::string_view name) const {
    for (const auto& panel : items_) {
        if (panel->Name() == name)
            return panel.get();
    }
    return nullptr;
}

TStatusBar::TStatusBar() {
    if (TStatusBarList* live = TStatusBarList::Live())
        live->Add(*this);
}

TStatusBar::~TStatusBar() {
    if (TStatusBarList* live = TStatusBarList::Live())
        live->Remove(*this);
}

void TStatusBar::SetStatusBarText(TStatusBarText text) {
    if (text == statusBarText_)
        return;
    statusBarText_ = std::move(text);
    RepaintBar();
}

// Parts are set again on the first computation, when the height changed, whenever a panel has a
// percentage width, and when an edge moved (pixel panels clamped by a narrow bar widen again as it
// grows). When only the width changed, the strip at the right end is drawn again, from the old width
// when the bar grew, so that the grip leaves no trace.
void TStatusBar::Resize(int width, int height) {
    if (width <= 0)
        return;
    const bool first = !computed_;
    const bool heightChanged = height != height_;
    const int oldWidth = width_;
    computed_ = true;
    width_ = width;
    height_ = height;
    const bool edgesMoved = ComputeWidths();
    if (!first && !heightChanged && width != oldWidth)
        InvalidateStrip(std::max(0, std::min(oldWidth, width) - kGripStripWidth), width);
    if (first || heightChanged || HasPercentPanel() || edgesMoved)
        SetParts(edges_);
    for (std::size_t i = 0; i < panels_.Count(); ++i)
        RepaintPanel(panels_[i]);
}

void TStatusBar::LayoutChanged() {
    if (!computed_)
        return;
    ComputeWidths();
    SetParts(edges_);
    RepaintBar();
}

// Returns whether the edges differ from those the control had.
bool TStatusBar::ComputeWidths() {
    std::vector<TPanelWidth> widths;
    for (std::size_t i = 0; i < panels_.Count(); ++i)
        widths.push_back(*ParsePanelWidth(panels_[i].Width()));
    std::vector<int> edges = PartEdges(ComputePanelWidths(widths, width_), width_);
    const bool moved = edges != edges_;
    edges_ = std::move(edges);
    return moved;
}

bool TStatusBar::HasPercentPanel() const {
    for (std::size_t i = 0; i < panels_.Count(); ++i) {
        if (ParsePanelWidth(panels_[i].Width())->Percent)
            return true;
    }
    return false;
}

TStatusPanel* TStatusBar::PanelAt(int x) const {
    const std::optional<int> part = PartAt(edges_, width_, x);
    if (!part || static_cast<std::size_t>(*part) >= panels_.Count())
        return nullptr;
    return &panels_[static_cast<std::size_t>(*part)];
}

TPanelContent TStatusBar::Content(const TStatusPanel& panel, bool lockOn) const {
    if (panel.Style() == TStatusPanelStyle::TextOnly)
        return TPanelContent{panel.Text(), panel.Enabled()};
    return TPanelContent{statusBarText_.Caption(panel.Style()), lockOn};
}

TPanelColours PanelColours(const TStatusPanel& panel,
                           const TPanelContent& content,
                           bool highContrast,
                           const TSystemColours& system) {
    if (highContrast)
        return TPanelColours{system.ButtonFace, content.Enabled ? system.ButtonText : system.GrayText, false};
    if (content.Enabled)
        return TPanelColours{panel.Color(), panel.Font().Color, false};
    return TPanelColours{panel.Color(), kColorBtnShadow, true};
}

TAccessibleNode TStatusBar::DescribeBar() const {
    TAccessibleNode node;
    node.Role = TAccessibleRole::StatusBar;
    node.ChildCount = static_cast<int>(panels_.Count());
    return node;
}

TAccessibleNode TStatusBar::DescribePanel(const TStatusPanel& panel, bool lockOn) const {
    const TPanelContent content = Content(panel, lockOn);
    TAccessibleNode node;
    node.Role = TAccessibleRole::StaticText;
    node.Name = content.Text;
    node.State = accstate::kReadOnly;
    if (panel.Style() != TStatusPanelStyle::TextOnly) {
        node.Value = lockOn ? "on" : "off";
        if (lockOn)
            node.State |= accstate::kChecked;
    } else if (!panel.Enabled()) {
        node.State |= accstate::kUnavailable;
    }
    return node;
}

void TStatusBar::Click(int x) {
    TStatusPanel* panel = PanelAt(x);
    if (panel && panel->OnClick)
        panel->OnClick(*panel);
}

void TStatusBar::DblClick(int x) {
    TStatusPanel* panel = PanelAt(x);
    if (!panel)
        return;
    if (panel->OnDblClick)
        panel->OnDblClick(*panel);
    if (panel->Style() != TStatusPanelStyle::TextOnly)
        ToggleLock(panel->Style());
}

void TStatusBar::RepaintPanelsOfStyle(TStatusPanelStyle style) {
    for (std::size_t i = 0; i < panels_.Count(); ++i) {
        if (panels_[i].Style() == style)
            RepaintPanel(panels_[i]);
    }
}
