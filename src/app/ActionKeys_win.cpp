#include "app/ActionKeys_win.h"

#include <vector>

#include "app/Actions.h"
#include "toolkit/win/Win32Error_win.h"

TScopedAccelerators CreateActionAccelerators() {
    std::vector<ACCEL> keys;
    for (const TCommand& command : kCommands) {
        if (command.ShortCut.Empty())
            continue;
        BYTE flags = FVIRTKEY;
        if (command.ShortCut.Code & TShortCut::kCtrl)
            flags |= FCONTROL;
        if (command.ShortCut.Code & TShortCut::kShift)
            flags |= FSHIFT;
        if (command.ShortCut.Code & TShortCut::kAlt)
            flags |= FALT;
        keys.push_back(ACCEL{flags, static_cast<WORD>(command.ShortCut.Key()), static_cast<WORD>(command.Id)});
    }
    TScopedAccelerators table(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
    if (!table)
        ThrowLastError("CreateAcceleratorTable");
    return table;
}
