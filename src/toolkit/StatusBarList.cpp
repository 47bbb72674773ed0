#include "toolkit/StatusBarList.h"

#include <cassert>

#include "toolkit/StatusBar.h"

namespace {

TStatusBarList* live = nullptr;

}  // namespace

TStatusBarList::TStatusBarList() {
    assert(!live && "one list of live status bars per process");
    live = this;
}

TStatusBarList::~TStatusBarList() {
    live = nullptr;
}

TStatusBarList* TStatusBarList::Live() {
    return live;
}

void TStatusBarList::Add(TStatusBar& bar) {
    bars_.push_back(&bar);
}

void TStatusBarList::Remove(TStatusBar& bar) {
    std::erase(bars_, &bar);
}

void TStatusBarList::KeyEvent(int virtualKey) const {
    const std::optional<TStatusPanelStyle> style = LockStyleOfKey(virtualKey);
    if (!style)
        return;
    for (TStatusBar* bar : bars_)
        bar->RepaintPanelsOfStyle(*style);
}
