#include "toolkit/bars/model/ItemState.h"

TItemState TItemTracking::StateOf(int place) const {
    if (place < 0)
        return TItemState::Normal;
    if (place == Open)
        return TItemState::Open;
    if (place == Pressed && place == Hot)
        return TItemState::Pressed;
    if (place == Hot || place == KeyboardHot || place == Focus || place == Pressed)
        return TItemState::Hot;
    return TItemState::Normal;
}

bool TItemTracking::Release(int place) {
    const int pressed = Pressed;
    Pressed = -1;
    return pressed >= 0 && pressed == place;
}
