#pragma once

#include <windows.h>

// A plain top-level window for the tests that need a parent: the default window procedure and
// nothing of its own, at the origin of the screen.
HWND CreateTestWindow(DWORD style, int width, int height);
