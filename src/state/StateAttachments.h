#ifndef PLUX_STATE_STATEATTACHMENTS_H
#define PLUX_STATE_STATEATTACHMENTS_H

#include <functional>
#include <string_view>
#include <vector>

#include "state/AbstractState.h"

using TErrorReport = std::function<void(std::string_view message)>;

// What the state components of a window do at its three notifications, run by explicit calls from the
// window. The components are attached in the order of the window's design; each notification runs them
// in the order a chain of handlers would, each one calling the handler it replaced:
// - WindowCreated, after the window's own creation step (and only when that step succeeded): each
//   active component restores, in attachment order;
// - WindowCloseQuery, after the window's own close query: when the close is allowed, each active
//   component saves, in attachment order;
// - WindowDestroying, before the window's own destruction step: each active component that has not
//   saved yet saves, the last attached first.
// The saves of one notification reach each store's file together, at their end. An error of a restore
// or save, or of writing a file, goes to the report and the notification carries on.
class TStateAttachments {
public:
    explicit TStateAttachments(TErrorReport report);

    void Attach(TAbstractState& state);
    void WindowCreated();
    void WindowCloseQuery(bool mayClose);
    void WindowDestroying();

private:
    void Run(TAbstractState& state, void (TAbstractState::*step)());
    void SaveTogether(const std::vector<TAbstractState*>& states);

    TErrorReport report_;
    std::vector<TAbstractState*> states_;
};

#endif
