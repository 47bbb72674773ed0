#ifndef PLUX_TOOLKIT_HTML_HTMLVIEW_WIN_H
#define PLUX_TOOLKIT_HTML_HTMLVIEW_WIN_H

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/Accessible.h"
#include "toolkit/html/ColumnPages.h"
#include "toolkit/html/Document.h"
#include "toolkit/html/TableLayout.h"
#include "toolkit/win/AccessibleObject_win.h"
#include "toolkit/win/FontCache_win.h"
#include "toolkit/win/Window_win.h"

// A child window that shows one HTML document. The view owns the parsed document and its layout at
// the window's width; LoadLines replaces both and scrolls to the top left. A resize lays the document
// out again and keeps the scroll position. Scroll bars show only when the document does not fit.
// Keys scroll (arrows, Page Up/Down, Home, End) and the wheel too; everything else, Ctrl shortcuts
// included, goes on to the default handling so the owner's accelerators keep working. A mouse drag
// selects text; the selection is only shown. A one-pixel frame marks the focus. An error inside a
// message goes to the window error handler, like that of every TWindow.
//
// A document is loaded with how its tables meet a narrow view. Wrapped, it is laid out at the view's
// width, a table's cells wrapping their text to fit. With its first column kept, it is laid out at its
// natural width and scrolled sideways, while its widest table's first column (FirstColumnStrip) stays
// at the left edge, painted over the columns that scroll beneath it; the owner prints such a document
// in groups of columns that each repeat that column.
//
// Assistive programs read the document as its tables, rows and cells (DocumentAccess.h), the root named
// by the window's text, and learn of each new document. Under high contrast the view paints in the
// system's colours; the cells the owner marks stand out in its highlight colours.
enum class TTableFit { Wrap, KeepFirstColumn };

class THtmlView final : public TWindow, private TAccessibleTree {
public:
    THtmlView();

    // Creates the window (WS_CHILD | WS_VISIBLE) named `name`; the owner positions it with MoveWindow.
    // Raises an exception when the window cannot be made.
    HWND Create(HWND parent, int controlId, const std::string& name = "");
    // The cells `marks` picks out of every document from now on: what assistive programs hear of them
    // (`note`), and what stands out under high contrast.
    void SetCellNote(std::function<bool(const html::TCell&)> marks, std::string note);

    // Joins the lines with CR LF and shows them as HTML. `reference` is the base for relative links;
    // the documents shown here have none. Does nothing while a load is running.
    void LoadLines(const std::vector<std::string>& lines,
                   const std::string& reference,
                   TTableFit fit = TTableFit::Wrap);
    bool HasDocument() const { return document_.has_value(); }
    TTableFit Fit() const { return fit_; }
    bool IsBusy() const { return busy_; }

    // For printing: the parsed document (valid while HasDocument) and the view's text defaults.
    const html::THtmlDocument& Document() const { return *document_; }
    const html::THtmlStyle& Style() const { return style_; }

    POINT ScrollPosition() const { return POINT{scrollX_, scrollY_}; }
    const html::TLayout& Layout() const { return layout_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyDefaults();
    void Relayout();
    void UpdateScrollBars();
    void ScrollTo(int x, int y);
    void Paint();
    void PaintArea(HDC dc, const RECT& area) const;
    SIZE ClientSize() const;
    // Where a point of the client area lies in the document, across.
    int DocumentX(int clientX) const;
    // The width of the client area that scrolls sideways, right of the kept column.
    int ScrollingWidth() const;

    // What assistive programs see (HtmlViewAccess_win.cpp).
    std::optional<TAccessibleNode> Node(const TAccessiblePath& path) const override;
    std::optional<TAccessiblePath> Focus() const override;
    void MarkCells();

    // Input, in HtmlViewInput_win.cpp.
    bool OnKeyDown(WPARAM key);
    void OnScrollBar(int bar, WORD request);
    void OnWheel(short delta);
    void OnMouseDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnMouseUp();

    std::optional<html::THtmlDocument> document_;
    html::TLayout layout_;
    html::THtmlStyle style_;
    TTableFit fit_ = TTableFit::Wrap;
    std::optional<html::TStrip> keptColumn_;  // with its first column kept, while the document has one
    mutable TFontCache fonts_;                // painting creates fonts on first use
    int scrollX_ = 0;
    int scrollY_ = 0;
    int layoutWidth_ = -1;
    bool busy_ = false;
    bool updatingScrollBars_ = false;
    bool focused_ = false;
    bool selecting_ = false;
    POINT press_{};             // where the drag started, in document coordinates
    int selectionAnchor_ = -1;  // text orders of the drag's start and end; -1: nothing selected
    int selectionFocus_ = -1;
    std::function<bool(const html::TCell&)> cellMarks_;
    std::string cellNote_;
    std::vector<bool> marked_;  // per cell of the layout
    TAccessibleServer access_{*this};
};

#endif
