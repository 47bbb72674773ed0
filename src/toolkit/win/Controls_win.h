#ifndef PLUX_TOOLKIT_WIN_CONTROLS_WIN_H
#define PLUX_TOOLKIT_WIN_CONTROLS_WIN_H

// Helpers for the native controls of dialogs and pages built at run time.

#include <windows.h>

#include <string>

#include "toolkit/TextMeasure.h"

// Makes visible child controls of one parent in one font. Each control gets its id as the command
// id it sends; a control that cannot be made raises an exception.
class TControlFactory {
public:
    TControlFactory(HWND parent, HFONT font) : parent_(parent), font_(font) {}

    HWND Add(const char* windowClass,
             const std::string& text,
             DWORD style,
             const RECT& bounds,
             int id = 0,
             DWORD exStyle = 0) const;

private:
    HWND parent_;
    HFONT font_;
};

RECT BoundsOf(int left, int top, int width, int height);

// Dialog units of a font: a quarter of its average character width across, an eighth of its line height
// down, so that a layout in them grows with the font.
class TDialogUnits {
public:
    explicit TDialogUnits(const TFontMetrics& metrics) : metrics_(metrics) {}
    int X(int units) const { return units * metrics_.AverageCharWidth / 4; }
    int Y(int units) const { return units * metrics_.Height / 8; }
    RECT Bounds(int left, int top, int width, int height) const {
        return BoundsOf(X(left), Y(top), X(width), Y(height));
    }

private:
    TFontMetrics metrics_;
};
std::string WindowText(HWND window);
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);

#endif
