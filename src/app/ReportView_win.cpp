#include "app/ReportView_win.h"

#include <winspool.h>

#include "check/BandColours.h"
#include "check/ReportBuilder.h"
#include "toolkit/Exception.h"
#include "toolkit/bars/BarTextMeasure_win.h"
#include "toolkit/win/Handles_win.h"

namespace {

constexpr const char* kReportViewClass = "TReportView";
constexpr std::string_view kRowStart = "<tr bgcolor=\"";
constexpr int kMargin = 10;

std::string WithoutTags(std::string_view line) {
    std::string text;
    bool inTag = false;
    for (char c : line) {
        if (c == '<') inTag = true;
        else if (c == '>') {
            inTag = false;
            text += ' ';
        } else if (!inTag) text += c;
    }
    return text;
}

}  // namespace

HWND TReportView::Create(HWND parent, int controlId) {
    RegisterWindowClass(kReportViewClass, CS_HREDRAW | CS_VREDRAW, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return CreateHandle(0, kReportViewClass, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP, RECT{}, parent, controlId);
}

// A product row shows in its band colour, a differing comparison cell turns the row red.
void TReportView::LoadLines(const std::vector<std::string>& lines, const std::string&) {
    rows_.clear();
    COLORREF band = CLR_INVALID;
    for (const std::string& line : lines) {
        if (line.starts_with(kRowStart)) {
            band = CodeToColor(line.substr(kRowStart.size()));
            rows_.push_back(TRow{{}, band});
        } else if (line == "</tr>") {
            band = CLR_INVALID;
        } else if (line.starts_with("<td") || line.starts_with("<TH")) {
            if (rows_.empty() || band == CLR_INVALID) rows_.push_back(TRow{{}, CLR_INVALID});
            if (line.starts_with(kDifferenceCellStart)) rows_.back().Background = RGB(0xFF, 0, 0);
            rows_.back().Text += WithoutTags(line);
        }
    }
    hasDocument_ = true;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TReportView::PrintPages(int firstPage, int lastPage) {
    if (!hasDocument_ || firstPage > 1 || lastPage < 1) return;
    char printer[256];
    DWORD size = sizeof printer;
    if (!GetDefaultPrinterA(printer, &size)) throw Exception("Printer selected is not valid");
    TScopedMemoryDC dc(CreateDCA("WINSPOOL", printer, nullptr, nullptr));
    if (!dc) throw Exception("Printer selected is not valid");
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = "Plux";
    if (StartDocA(dc.Get(), &document) <= 0) throw Exception("Printing failed");
    const int dpi = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    TScopedFont font = CreateBarFont(TFontSpec{"Arial", -MulDiv(8, dpi, 72)});
    bool printed = StartPage(dc.Get()) > 0;
    if (printed) {
        TSelection selection(dc.Get(), font.Get());
        DrawRows(dc.Get(), dpi, dpi, GetDeviceCaps(dc.Get(), HORZRES) - 2 * dpi, dpi / 5);
        printed = EndPage(dc.Get()) > 0;
    }
    if (!printed) {
        AbortDoc(dc.Get());
        throw Exception("Printing failed");
    }
    EndDoc(dc.Get());
}

void TReportView::DrawRows(HDC dc, int left, int top, int width, int lineHeight) const {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const RECT line{left, top + static_cast<int>(i) * lineHeight, left + width,
                        top + static_cast<int>(i + 1) * lineHeight};
        if (rows_[i].Background != CLR_INVALID) {
            TScopedBrush brush(CreateSolidBrush(rows_[i].Background));
            FillRect(dc, &line, brush.Get());
        }
        TextOutA(dc, line.left + 2, line.top, rows_[i].Text.c_str(), static_cast<int>(rows_[i].Text.size()));
    }
}

LRESULT TReportView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            TPaintScope paint(Handle());
            RECT client;
            GetClientRect(Handle(), &client);
            TSelection font(paint.DC(), GetStockObject(DEFAULT_GUI_FONT));
            DrawRows(paint.DC(), kMargin, kMargin / 2, client.right - 2 * kMargin, 20);
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetFocus(Handle());
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}
