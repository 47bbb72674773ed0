#include "app/ActionKeys_win.h"

#include <vector>

#include "app/Actions.h"
#include "toolkit/win/Win32Error_win.h"

TScopedAccelerators CreateActionAccelerators() {
    std::vector<ACCEL> keys;
    for (const TAction& action : Actions()) {
        if (action.ShortCut.Empty())
            continue;
        BYTE flags = FVIRTKEY;
        if (action.ShortCut.Code & TShortCut::kCtrl)
            flags |= FCONTROL;
        if (action.ShortCut.Code & TShortCut::kShift)
            flags |= FSHIFT;
        if (action.ShortCut.Code & TShortCut::kAlt)
            flags |= FALT;
        keys.push_back(ACCEL{flags, static_cast<WORD>(action.ShortCut.Key()), static_cast<WORD>(action.Id)});
    }
    TScopedAccelerators table(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
    if (!table)
        ThrowLastError("CreateAcceleratorTable");
    return table;
}
