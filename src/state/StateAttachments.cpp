#include "state/StateAttachments.h"

#include <exception>

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
    for (TAbstractState* state : states_) {
        if (mayClose && state->Active)
            Run(*state, &TAbstractState::Save);
    }
}

void TStateAttachments::WindowDestroying() {
    for (auto state = states_.rbegin(); state != states_.rend(); ++state) {
        if ((*state)->Active && !(*state)->Saved())
            Run(**state, &TAbstractState::Save);
    }
}
