#include "app/PrintJob_win.h"

#include <winspool.h>

#include "app/PrintUnits.h"
#include "toolkit/Exception.h"
#include "toolkit/html/ColumnPages.h"
#include "toolkit/html/GdiPainter_win.h"
#include "toolkit/html/HtmlView_win.h"
#include "toolkit/html/Paginate.h"
#include "toolkit/win/GdiTextMeasure_win.h"
#include "toolkit/win/MessagePump_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

TPrintJob* currentJob = nullptr;

BOOL CALLBACK AbortProc(HDC, int) {
    DispatchPendingExceptInput();
    const TPrintJob* job = TPrintJob::Current();
    return !(job && job->Aborted());
}

BOOL ClosePrinterHandle(HANDLE printer) {
    return ClosePrinter(printer);
}
using TScopedPrinter = TScopedHandle<HANDLE, ClosePrinterHandle>;

// The printer's current settings; empty when the driver will not tell, and CreateDC then uses its defaults.
std::vector<BYTE> PrinterDeviceMode(const std::string& printer) {
    HANDLE handle = nullptr;
    if (!OpenPrinterA(const_cast<char*>(printer.c_str()), &handle, nullptr))
        return {};
    const TScopedPrinter owner(handle);
    const LONG size = DocumentPropertiesA(nullptr, handle, const_cast<char*>(printer.c_str()), nullptr, nullptr, 0);
    if (size <= 0)
        return {};
    std::vector<BYTE> deviceMode(static_cast<std::size_t>(size));
    if (DocumentPropertiesA(nullptr, handle, const_cast<char*>(printer.c_str()),
                            reinterpret_cast<DEVMODEA*>(deviceMode.data()), nullptr, DM_OUT_BUFFER) != IDOK) {
        return {};
    }
    return deviceMode;
}

constexpr double kPrintScale = 1.0;

TDeviceCaps ReadDeviceCaps(HDC dc) {
    TDeviceCaps caps;
    caps.PixelsPerInchX = GetDeviceCaps(dc, LOGPIXELSX);
    caps.PixelsPerInchY = GetDeviceCaps(dc, LOGPIXELSY);
    caps.PhysicalWidth = GetDeviceCaps(dc, PHYSICALWIDTH);
    caps.PhysicalHeight = GetDeviceCaps(dc, PHYSICALHEIGHT);
    caps.PrintableWidth = GetDeviceCaps(dc, HORZRES);
    caps.PrintableHeight = GetDeviceCaps(dc, VERTRES);
    caps.OffsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    caps.OffsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    return caps;
}

// Logical units of 1/Scale inch and the clip; set again on every page, as StartPage may reset the DC.
void ApplyPrintUnits(HDC dc, const TPrintGeometry& geometry, const TDeviceCaps& caps) {
    const TRect& clip = geometry.Clip;
    const TScopedRegion region(CreateRectRgn(clip.Left, clip.Top, clip.Right, clip.Bottom));
    if (!SetMapMode(dc, MM_ANISOTROPIC) || !SetWindowExtEx(dc, geometry.Scale, geometry.Scale, nullptr) ||
        !SetViewportExtEx(dc, caps.PixelsPerInchX, caps.PixelsPerInchY, nullptr) || !region ||
        SelectClipRgn(dc, region.Get()) == ERROR) {
        throw Exception("Printer selected is not valid");
    }
}

// Draws one page's band of the layout into the printable rectangle, each strip at its place on the page
// and cut at its edges, then whitens what the clip lets through above the rectangle and below the page
// bottom, so no part of the neighbouring bands shows. A page without strips shows the band's whole width.
void PrintPage(HDC dc,
               const html::TLayout& layout,
               TFontCache& fonts,
               const TPrintGeometry& geometry,
               const html::TPrintedPage& page,
               bool monochrome) {
    const html::TPageSlice& slice = page.Slice;
    const int pageBottom = geometry.Logical.Top + (slice.Bottom - slice.Top);
    html::TPaintOptions options;
    options.OffsetX = geometry.Logical.Left;
    options.OffsetY = geometry.Logical.Top - slice.Top;
    options.BandTop = slice.Top;
    options.BandBottom = slice.Bottom;
    options.Backgrounds = true;
    options.MonochromeBlack = monochrome;
    if (page.Strips.empty())
        html::PaintDrawList(dc, layout.Draw, fonts, options);
    for (const html::TStrip& strip : page.Strips) {
        const int left = geometry.Logical.Left + strip.PageLeft;
        const int saved = SaveDC(dc);
        if (!saved ||
            IntersectClipRect(dc, left, geometry.Logical.Top, left + strip.Right - strip.Left, pageBottom) == ERROR) {
            throw Exception("Printer selected is not valid");
        }
        options.OffsetX = left - strip.Left;
        html::PaintDrawList(dc, layout.Draw, fonts, options);
        RestoreDC(dc, saved);
    }

    POINT clip[2] = {{geometry.Clip.Left, geometry.Clip.Top}, {geometry.Clip.Right, geometry.Clip.Bottom}};
    DPtoLP(dc, clip, 2);
    const auto white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const RECT above{clip[0].x - 1, clip[0].y - 1, clip[1].x + 1, geometry.Logical.Top};
    const RECT below{clip[0].x - 1, pageBottom, clip[1].x + 1, clip[1].y + 1};
    FillRect(dc, &above, white);
    FillRect(dc, &below, white);
}

void PrintPageNumber(HDC dc,
                     TFontCache& fonts,
                     const html::THtmlStyle& style,
                     const TPrintGeometry& geometry,
                     int number,
                     bool monochrome) {
    const TGdiTextMeasure measure(dc);
    const int pageHeight = geometry.Logical.Height();
    html::TPaintOptions options;
    options.OffsetX = geometry.Logical.Left;
    options.OffsetY = geometry.Logical.Top;
    options.BandBottom = pageHeight;
    options.MonochromeBlack = monochrome;
    html::PaintDrawList(dc, html::PageNumberDraw(number, measure, style, geometry.Logical.Width(), pageHeight), fonts,
                        options);
}

// The layout and its pages, at most lastPage of them. A document whose first column the view keeps is
// laid out at its natural width and printed in groups of columns that each repeat that column, every
// page numbered; any other is laid out at the page's width and sliced into pages of its whole width.
struct TPrintPlan {
    html::TLayout Layout;
    std::vector<html::TPrintedPage> Pages;
};

TPrintPlan PlanPages(HDC dc,
                     const html::THtmlDocument& document,
                     const html::THtmlStyle& style,
                     TTableFit fit,
                     const TPrintGeometry& geometry,
                     int lastPage) {
    const TGdiTextMeasure measure(dc);
    const int pageWidth = geometry.Logical.Width();
    const int pageHeight = geometry.Logical.Height();
    TPrintPlan plan;
    if (fit == TTableFit::KeepFirstColumn) {
        plan.Layout = html::LayoutDocument(document, measure, style, html::kNaturalWidth);
        plan.Pages =
            html::PaginateColumns(plan.Layout, pageWidth, pageHeight, html::PageNumberHeight(measure, style), lastPage);
        return plan;
    }
    plan.Layout = html::LayoutDocument(document, measure, style, pageWidth);
    for (const html::TPageSlice& slice : html::SlicePages(plan.Layout.Breaks, plan.Layout.Height, pageHeight, lastPage))
        plan.Pages.push_back({slice, {}, 0});
    return plan;
}

void PrintDocument(TPrintJob& job,
                   const html::THtmlDocument& document,
                   const html::THtmlStyle& style,
                   TTableFit fit,
                   int firstPage,
                   int lastPage) {
    const HDC dc = job.Canvas();
    const TDeviceCaps caps = ReadDeviceCaps(dc);
    const TPrintGeometry geometry = ComputePrintGeometry(caps, ScreenPixelsPerInch(), kPrintScale, TPrintMargins{});
    ApplyPrintUnits(dc, geometry, caps);

    const TPrintPlan plan = PlanPages(dc, document, style, fit, geometry, lastPage);
    const auto pages = html::SelectPages(plan.Pages, firstPage, lastPage);
    if (pages.empty()) {
        job.Abort();  // the document ends before the first page asked for
        return;
    }
    // A printer of two colours prints all text that is not white in black.
    const bool monochrome = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) <= 1;
    TFontCache fonts;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            job.NewPage();
            ApplyPrintUnits(dc, geometry, caps);
        }
        PrintPage(dc, plan.Layout, fonts, geometry, pages[i], monochrome);
        if (pages[i].Number > 0)
            PrintPageNumber(dc, fonts, style, geometry, pages[i].Number, monochrome);
        DispatchPendingExceptInput();
    }
    job.EndDoc();
}

}  // namespace

void PrintPages(THtmlView& view, int firstPage, int lastPage) {
    if (!view.HasDocument() || view.IsBusy())
        return;
    // Pages print from a copy: the view may load another report while the spooler lets messages through.
    const html::THtmlDocument document = view.Document();
    html::THtmlStyle style = view.Style();
    style.MarginWidth = style.MarginHeight = 0;  // the print margins take their place
    TPrintJob job;
    const TCurrentPrintJob current(job);
    if (!document.Title.empty())
        job.SetTitle(document.Title);
    job.BeginDoc();
    try {
        PrintDocument(job, document, style, view.Fit(), firstPage, lastPage);
    } catch (...) {
        if (job.Printing())
            job.Abort();
        throw;
    }
}

std::string DefaultPrinterName() {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    std::string name(size, '\0');
    if (size == 0 || !GetDefaultPrinterA(name.data(), &size)) {
        throw Exception("There is no default printer currently selected");
    }
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    return name;
}

TPrintJob::~TPrintJob() {
    if (printing_)
        AbortDoc(dc_.Get());
}

TPrintJob* TPrintJob::Current() {
    return currentJob;
}

TCurrentPrintJob::TCurrentPrintJob(TPrintJob& job) : previous_(currentJob) {
    currentJob = &job;
}
TCurrentPrintJob::~TCurrentPrintJob() {
    currentJob = previous_;
}

void TPrintJob::BeginDoc() {
    if (printing_)
        throw Exception("Printing in progress");
    const std::string printer = DefaultPrinterName();
    deviceMode_ = PrinterDeviceMode(printer);
    const auto* deviceMode = deviceMode_.empty() ? nullptr : reinterpret_cast<const DEVMODEA*>(deviceMode_.data());
    dc_.Reset(CreateDCA("WINSPOOL", printer.c_str(), nullptr, deviceMode));
    if (!dc_) {
        deviceMode_.clear();
        throw Exception("Printer selected is not valid");
    }
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    // Installed before StartDoc, as the spooler expects.
    if (SetAbortProc(dc_.Get(), AbortProc) == SP_ERROR)
        Fail("SetAbortProc", GetLastError(), false);
    const std::string documentName = title_.substr(0, 31);
    DOCINFOA info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = documentName.c_str();
    info.lpszOutput = nullptr;
    if (StartDocA(dc_.Get(), &info) <= 0)
        Fail("StartDoc", GetLastError(), false);
    if (StartPage(dc_.Get()) <= 0)
        Fail("StartPage", GetLastError(), true);
}

void TPrintJob::NewPage() {
    RequirePrinting();
    if (EndPage(dc_.Get()) <= 0)
        Fail("EndPage", GetLastError(), true);
    if (StartPage(dc_.Get()) <= 0)
        Fail("StartPage", GetLastError(), true);
    ++pageNumber_;
}

void TPrintJob::EndDoc() {
    RequirePrinting();
    if (EndPage(dc_.Get()) <= 0)
        Fail("EndPage", GetLastError(), true);
    if (!aborted_ && ::EndDoc(dc_.Get()) <= 0)
        Fail("EndDoc", GetLastError(), true);
    Finish();
}

void TPrintJob::Abort() {
    RequirePrinting();
    AbortDoc(dc_.Get());
    aborted_ = true;
    Finish();
}

int TPrintJob::PageWidth() const {
    return dc_ ? GetDeviceCaps(dc_.Get(), HORZRES) : 0;
}
int TPrintJob::PageHeight() const {
    return dc_ ? GetDeviceCaps(dc_.Get(), VERTRES) : 0;
}

void TPrintJob::RequirePrinting() const {
    if (!printing_)
        throw Exception("Printer is not currently printing");
}

// A failure after StartDoc drops the job at the spooler: EndDoc would print a partial document.
void TPrintJob::Fail(const char* call, DWORD error, bool jobStarted) {
    if (jobStarted)
        AbortDoc(dc_.Get());
    Finish();
    ThrowWin32Error(call, error);
}

void TPrintJob::Finish() {
    printing_ = false;
    aborted_ = false;
    pageNumber_ = 0;
    deviceMode_.clear();
    dc_.Reset();
}
