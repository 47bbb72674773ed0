#include "toolkit/bars/MenuBarKeys_win.h"

#include "toolkit/bars/BarWindow_win.h"

namespace {

bool IsRepeat(LPARAM lParam) {
    return (lParam & (1 << 30)) != 0;
}

}  // namespace

bool TMenuBarKeys::PreTranslate(const MSG& message) {
    switch (message.message) {
        case WM_SYSKEYDOWN:
            if (message.wParam == VK_MENU) {
                if (!IsRepeat(message.lParam))
                    altPending_ = true;
                return true;
            }
            altPending_ = false;
            if (message.wParam == VK_F10 && GetKeyState(VK_SHIFT) >= 0) {
                active_ ? Leave() : Enter();
                return true;
            }
            return false;  // Alt+F4 and the like keep their meaning
        case WM_SYSKEYUP:
            if (message.wParam != VK_MENU)
                return false;
            if (altPending_) {
                altPending_ = false;
                active_ ? Leave() : Enter();
            }
            return true;
        case WM_SYSCHAR:
            return OpenByAccessKey(static_cast<char>(message.wParam));
        case WM_KEYDOWN:
            altPending_ = false;
            if (!active_)
                return false;
            // Any other key is translated here, so that a letter comes back as WM_CHAR: an access key.
            if (!HandleActiveKey(message))
                TranslateMessage(&message);
            return true;
        case WM_KEYUP:
            return active_;
        case WM_CHAR:
            if (!active_)
                return false;
            if (!OpenByAccessKey(static_cast<char>(message.wParam)))
                MessageBeep(0);
            return true;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            if (active_)
                Leave();
            return false;
        default:
            return false;
    }
}

bool TMenuBarKeys::HandleActiveKey(const MSG& message) {
    const int count = menuBar_.PlaceCount();
    const int hot = menuBar_.KeyboardHot();
    switch (message.wParam) {
        case VK_LEFT:
            menuBar_.SetKeyboardHot((hot + count - 1) % count);
            break;
        case VK_RIGHT:
            menuBar_.SetKeyboardHot((hot + 1) % count);
            break;
        case VK_RETURN:
        case VK_UP:
        case VK_DOWN:
            hot >= 0 ? OpenMenu(hot) : Leave();
            break;
        case VK_ESCAPE:
            Leave();
            break;
        default:
            return false;
    }
    return true;
}

void TMenuBarKeys::Enter(int place) {
    if (menuBar_.PlaceCount() == 0 || !IsWindowVisible(menuBar_.Handle()))
        return;
    active_ = true;
    menuBar_.SetKeyboardHot(place);
}

void TMenuBarKeys::Leave() {
    active_ = false;
    menuBar_.SetKeyboardHot(-1);
}

bool TMenuBarKeys::OpenByAccessKey(char key) {
    const int place = menuBar_.PlaceWithAccessKey(key);
    if (place < 0 || !IsWindowVisible(menuBar_.Handle()))
        return false;
    OpenMenu(place);
    return true;
}

// Escape in the drop-down gives the keys back to the bar with that menu highlighted, as a second
// Escape then leaves the bar.
void TMenuBarKeys::OpenMenu(int place) {
    Leave();
    if (menuBar_.OpenSubMenu(place, true))
        Enter(place);
}
