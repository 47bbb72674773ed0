#include "app/ErrorBox.h"

#include <windows.h>

#include <string>

// Owned by the active window of this thread, so the box is modal to it.
void ShowErrorBox(std::string_view message) {
    const std::string text = ErrorBoxText(message);
    const std::string title(kApplicationTitle);
    MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}
