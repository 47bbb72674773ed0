#include "app/MainCommands_win.h"

#include <cstddef>

#include "app/Actions.h"

namespace {

// The handler of each row of the command table, in the table's order.
#define PLUX_HANDLER_RUN(handler, ...) &TfrmPLUX::handler,
#define PLUX_HANDLER_ROW(...) nullptr,
constexpr TCommandHandler kHandlers[] = {PLUX_MAIN_ITEMS(PLUX_HANDLER_RUN, PLUX_HANDLER_ROW)};
#undef PLUX_HANDLER_RUN
#undef PLUX_HANDLER_ROW

static_assert(std::size(kHandlers) == kCommands.size());

}  // namespace

TCommandHandler CommandHandler(int commandId) {
    const TCommand* command = FindCommand(commandId);
    return command ? kHandlers[static_cast<std::size_t>(command - kCommands.data())] : nullptr;
}

// One command at a time: a command asked for while one runs is dropped, however it came (a message
// another program sent, a shortcut taken by a dialog's loop of the running command). The close of the
// window waits for the running command's end (WM_CLOSE).
void TfrmPLUX::ExecuteCommand(int commandId) {
    const TCommandHandler handler = CommandHandler(commandId);
    if (!handler || commandRunning_)
        return;
    commandRunning_ = true;
    struct TEnd {
        TfrmPLUX& window;
        ~TEnd() { window.EndCommand(); }
    } end{*this};
    (this->*handler)();
}

void TfrmPLUX::EndCommand() {
    commandRunning_ = false;
    if (closeDeferred_) {
        closeDeferred_ = false;
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    }
}

// A bar item or its menu entry sends its command the way a shortcut does, so every command reaches the
// window by one way, WM_COMMAND.
void TfrmPLUX::ExecuteBarCommand(int commandId) {
    SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}
