#include "app/MainCommands_win.h"

#include <cstddef>
#include <iterator>
#include <string_view>

#include "app/Actions.h"

namespace {

struct TCommandBinding {
    std::string_view ItemName = {};
    TCommandHandler Handler = nullptr;
};

constexpr TCommandBinding kBindings[] = {
    {.ItemName = kDoCheckItem, .Handler = &TfrmPLUX::actionDoCheckExecute},
    {.ItemName = kSaveResultItem, .Handler = &TfrmPLUX::actionSaveResultExecute},
    {.ItemName = kPrintItem, .Handler = &TfrmPLUX::actionPrintExecute},
    {.ItemName = kFileExitItem, .Handler = &TfrmPLUX::actionFileExitExecute},
    {.ItemName = kColor1Item, .Handler = &TfrmPLUX::barColor1Click},
    {.ItemName = kColor2Item, .Handler = &TfrmPLUX::barColor2Click},
};

// Every row that runs a command has one binding of its own and one handler of its own.
constexpr bool BindsEveryCommandOnce() {
    std::size_t commands = 0;
    for (const TCommand& command : kCommands)
        commands += command.Id != 0 ? 1 : 0;
    if (commands != std::size(kBindings))
        return false;
    for (std::size_t i = 0; i < std::size(kBindings); ++i) {
        const TCommand* command = FindCommandOfItem(kBindings[i].ItemName);
        if (!command || command->Id == 0 || !kBindings[i].Handler)
            return false;
        for (std::size_t j = i + 1; j < std::size(kBindings); ++j)
            if (kBindings[j].ItemName == kBindings[i].ItemName || kBindings[j].Handler == kBindings[i].Handler)
                return false;
    }
    return true;
}
static_assert(BindsEveryCommandOnce(), "each command of the table needs one handler of its own");

}  // namespace

TCommandHandler CommandHandler(int commandId) {
    const TCommand* command = FindCommand(commandId);
    if (!command)
        return nullptr;
    for (const TCommandBinding& binding : kBindings)
        if (binding.ItemName == command->ItemName)
            return binding.Handler;
    return nullptr;
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
