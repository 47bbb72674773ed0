#ifndef PLUX_APP_REPORTVIEW_WIN_H
#define PLUX_APP_REPORTVIEW_WIN_H

// The report view HTMLViewer as the main window uses it: a child window that shows the report lines
// it was last given and prints them. Until the HTML view is part of the program it stands in with a
// plain rendering: one text line per table row, in the row's band colour.

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/win/Window_win.h"

class TReportView final : public TWindow {
public:
    HWND Create(HWND parent, int controlId);
    void LoadLines(const std::vector<std::string>& lines, const std::string& reference);
    bool HasDocument() const { return hasDocument_; }
    // Prints pages firstPage to lastPage (from 1) on the default printer; nothing without a document.
    void PrintPages(int firstPage, int lastPage);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct TRow {
        std::string Text;
        COLORREF Background = CLR_INVALID;
    };

    void DrawRows(HDC dc, int left, int top, int width, int lineHeight) const;

    std::vector<TRow> rows_;
    bool hasDocument_ = false;
};

#endif
