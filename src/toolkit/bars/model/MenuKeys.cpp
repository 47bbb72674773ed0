#include "toolkit/bars/model/MenuKeys.h"

using namespace keys;

TKeyAnswer TMenuKeys::Handle(const TKeyInput& input) {
    switch (input.Message) {
        case TKeyMessage::SysKeyDown:
            if (input.Key == kAlt) {
                if (!input.Repeat)
                    altPending_ = true;
                return TKeyAnswer::Taken;
            }
            altPending_ = false;
            if (input.Key == kF10 && !input.Shift) {
                active_ ? Leave() : Enter();
                return TKeyAnswer::Taken;
            }
            return TKeyAnswer::PassOn;  // Alt+F4 and the like keep their meaning
        case TKeyMessage::SysKeyUp:
            if (input.Key != kAlt)
                return TKeyAnswer::PassOn;
            if (altPending_) {
                altPending_ = false;
                active_ ? Leave() : Enter();
            }
            return TKeyAnswer::Taken;
        case TKeyMessage::SysChar:
            return OpenByAccessKey(input.Key) ? TKeyAnswer::Taken : TKeyAnswer::PassOn;
        case TKeyMessage::KeyDown:
            altPending_ = false;
            if (!active_)
                return TKeyAnswer::PassOn;
            return HandleActiveKey(input.Key) ? TKeyAnswer::Taken : TKeyAnswer::TakenTranslated;
        case TKeyMessage::KeyUp:
            return active_ ? TKeyAnswer::Taken : TKeyAnswer::PassOn;
        case TKeyMessage::Char:
            if (!active_)
                return TKeyAnswer::PassOn;
            return OpenByAccessKey(input.Key) ? TKeyAnswer::Taken : TKeyAnswer::TakenWithBeep;
        case TKeyMessage::ButtonDown:
            if (active_)
                Leave();
            return TKeyAnswer::PassOn;
    }
    return TKeyAnswer::PassOn;
}

// True when the key moved, opened or left the bar.
bool TMenuKeys::HandleActiveKey(int key) {
    const int count = bar_.PlaceCount();
    const int hot = bar_.KeyboardHot();
    switch (key) {
        case kLeft:
            bar_.SetKeyboardHot(count > 0 ? (hot + count - 1) % count : -1);
            return true;
        case kRight:
            bar_.SetKeyboardHot(count > 0 ? (hot + 1) % count : -1);
            return true;
        case kReturn:
        case kUp:
        case kDown:
            hot >= 0 ? OpenMenu(hot) : Leave();
            return true;
        case kEscape:
            Leave();
            return true;
        default:
            return false;
    }
}

void TMenuKeys::Enter(int place) {
    if (bar_.PlaceCount() == 0 || !bar_.Shown())
        return;
    active_ = true;
    bar_.SetKeyboardHot(place);
}

void TMenuKeys::Leave() {
    active_ = false;
    bar_.SetKeyboardHot(-1);
}

bool TMenuKeys::OpenByAccessKey(int key) {
    const int place = bar_.PlaceWithAccessKey(static_cast<char>(key));
    if (place < 0 || !bar_.Shown())
        return false;
    OpenMenu(place);
    return true;
}

// Escape in the drop-down gives the keys back to the bar with that menu highlighted, as a second
// Escape then leaves the bar.
void TMenuKeys::OpenMenu(int place) {
    Leave();
    if (bar_.OpenMenu(place))
        Enter(place);
}
