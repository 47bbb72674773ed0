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

void TfrmPLUX::ExecuteCommand(int commandId) {
    if (const TCommandHandler handler = CommandHandler(commandId))
        (this->*handler)();
}

// A bar item or its menu entry sends its command the way a shortcut does, so every command reaches the
// window by one way, WM_COMMAND.
void TfrmPLUX::ExecuteBarCommand(int commandId) {
    SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}
