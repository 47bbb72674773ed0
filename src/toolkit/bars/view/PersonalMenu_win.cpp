#include "toolkit/bars/view/PersonalMenu_win.h"

namespace {

// The menu whose delay runs; a timer procedure gets nothing else to find it by.
thread_local bool* expandDue = nullptr;

// Ends the shown menu; Track shows it again expanded.
void CALLBACK ExpandWhenDue(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (!expandDue)
        return;
    *expandDue = true;
    EndMenu();
}

// The delay's timer for as long as one menu is shown.
class TExpandTimer {
public:
    TExpandTimer(bool wanted, bool& due)
        : id_(wanted ? SetTimer(nullptr, 0, kFullMenuDelayMilliseconds, ExpandWhenDue) : 0) {
        if (id_)
            expandDue = &due;
    }
    ~TExpandTimer() {
        if (!id_)
            return;
        KillTimer(nullptr, id_);
        expandDue = nullptr;
    }
    TExpandTimer(const TExpandTimer&) = delete;
    TExpandTimer& operator=(const TExpandTimer&) = delete;

private:
    UINT_PTR id_;
};

}  // namespace

int TPersonalMenu::Track(HWND owner, const RECT& itemArea, bool byKeyboard) {
    const bool personalised = PersonalisesMenus(*context_.Manager);
    bool expanded = false;
    for (;;) {
        const TMenuPlan plan = PlanMenu(subItem_.SubLinks, personalised, expanded);
        shown_ = std::make_unique<TSubMenu>(subItem_, context_, plan);
        expandDue_ = false;
        int command = 0;
        {
            const TExpandTimer timer(plan.CanExpand && context_.Manager->Options().ShowFullMenusAfterDelay, expandDue_);
            command = shown_->Track(owner, itemArea, byKeyboard);
        }
        if (plan.CanExpand && (command == TSubMenu::kChevronCommand || (command == 0 && expandDue_))) {
            expanded = true;
            continue;
        }
        RecordUse(plan, command);
        return command;
    }
}

bool TPersonalMenu::HandleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return shown_ && shown_->HandleMenuMessage(message, wParam, lParam, result);
}

// Usage is kept wherever the layout file keeps it: for every style but the standard one.
void TPersonalMenu::RecordUse(const TMenuPlan& plan, int command) const {
    if (command == 0 || !context_.Manager->KeepsRecentItems())
        return;
    for (const TMenuEntryPlan& entry : plan.Entries) {
        const TBarItemLink& link = subItem_.SubLinks[entry.LinkIndex];
        if (link.Item->CommandId == command) {
            RecordLinkUse(*context_.Manager, link.Id);
            return;
        }
    }
}
