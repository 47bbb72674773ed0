#include "state/StateAttachments.h"

#include <algorithm>
#include <exception>

#include "state/StateStore.h"

TStateAttachments::TStateAttachments(TErrorReport report) : report_(std::move(report)) {}

void TStateAttachments::Attach(TAbstractState& state) {
    states_.push_back(&state);
}

void TStateAttachments::Run(TAbstractState& state, void (TAbstractState::*step)()) {
    try {
        (state.*step)();
    } catch (const std::exception& error) {
        report_(error.what());
    }
}

void TStateAttachments::WindowCreated() {
    for (TAbstractState* state : states_) {
        if (state->Active)
            Run(*state, &TAbstractState::Restore);
    }
}

void TStateAttachments::WindowCloseQuery(bool mayClose) {
    std::vector<TAbstractState*> saving;
    for (TAbstractState* state : states_) {
        if (mayClose && state->Active)
            saving.push_back(state);
    }
    SaveTogether(saving);
}

void TStateAttachments::WindowDestroying() {
    std::vector<TAbstractState*> saving;
    for (auto state = states_.rbegin(); state != states_.rend(); ++state) {
        if ((*state)->Active && !(*state)->Saved())
            saving.push_back(*state);
    }
    SaveTogether(saving);
}

// One bracket around the saves of all components that share a store: its file is written once, after
// the last of them, so a file that cannot be written is reported once and not again for each component,
// and every component counts as saved, so that the destruction does not try the same file again.
void TStateAttachments::SaveTogether(const std::vector<TAbstractState*>& states) {
    std::vector<TAbstractStore*> stores;
    for (TAbstractState* state : states) {
        TAbstractStore* store = state->Storage();
        if (store && std::find(stores.begin(), stores.end(), store) == stores.end())
            stores.push_back(store);
    }
    std::vector<TAbstractStore*> opened;
    for (TAbstractStore* store : stores) {
        try {
            store->OpenStore();
            opened.push_back(store);
        } catch (const std::exception& error) {
            report_(error.what());
        }
    }
    for (TAbstractState* state : states)
        Run(*state, &TAbstractState::Save);
    for (TAbstractStore* store : opened) {
        try {
            store->CloseStore();
        } catch (const std::exception& error) {
            report_(error.what());
        }
    }
}
