#include "toolkit/bars/view/MenuBarKeys_win.h"

#include <optional>

#include "toolkit/bars/view/BarWindow_win.h"

namespace {

bool IsRepeat(LPARAM lParam) {
    return (lParam & (1 << 30)) != 0;
}

// The key messages the menu keys answer; nothing for the others.
std::optional<TKeyInput> KeyInputOf(const MSG& message) {
    const int key = static_cast<int>(message.wParam);
    switch (message.message) {
        case WM_SYSKEYDOWN:
            return TKeyInput{TKeyMessage::SysKeyDown, key, IsRepeat(message.lParam), GetKeyState(VK_SHIFT) < 0};
        case WM_SYSKEYUP:
            return TKeyInput{TKeyMessage::SysKeyUp, key};
        case WM_SYSCHAR:
            return TKeyInput{TKeyMessage::SysChar, key};
        case WM_KEYDOWN:
            return TKeyInput{TKeyMessage::KeyDown, key};
        case WM_KEYUP:
            return TKeyInput{TKeyMessage::KeyUp, key};
        case WM_CHAR:
            return TKeyInput{TKeyMessage::Char, key};
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            return TKeyInput{TKeyMessage::ButtonDown};
        default:
            return std::nullopt;
    }
}

}  // namespace

bool TMenuBarKeys::PreTranslate(const MSG& message) {
    const std::optional<TKeyInput> input = KeyInputOf(message);
    if (!input)
        return false;
    switch (keys_.Handle(*input)) {
        case TKeyAnswer::PassOn:
            return false;
        case TKeyAnswer::Taken:
            return true;
        case TKeyAnswer::TakenTranslated:
            TranslateMessage(&message);
            return true;
        case TKeyAnswer::TakenWithBeep:
            MessageBeep(0);
            return true;
    }
    return false;
}

bool TMenuBarKeys::Shown() const {
    return IsWindowVisible(menuBar_.Handle()) != FALSE;
}

int TMenuBarKeys::PlaceCount() const {
    return menuBar_.PlaceCount();
}

int TMenuBarKeys::PlaceWithAccessKey(char key) const {
    return menuBar_.PlaceWithAccessKey(key);
}

int TMenuBarKeys::KeyboardHot() const {
    return menuBar_.KeyboardHot();
}

void TMenuBarKeys::SetKeyboardHot(int place) {
    menuBar_.SetKeyboardHot(place);
}

bool TMenuBarKeys::OpenMenu(int place) {
    return menuBar_.OpenSubMenu(place, true);
}
