#include "toolkit/win/GdiTextMeasure_win.h"

#include <climits>

#include "toolkit/win/Handles_win.h"

int ScreenPixelsPerInch() {
    const TWindowDC screen(nullptr);
    return screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
}

TGdiTextMeasure::TGdiTextMeasure(HDC dc) : dc_(dc), originalFont_(GetCurrentObject(dc, OBJ_FONT)) {}

TGdiTextMeasure::~TGdiTextMeasure() {
    if (originalFont_)
        SelectObject(dc_, originalFont_);
}

void TGdiTextMeasure::Select(const TFontSpec& font) const {
    const HFONT handle = fonts_.Get(font);
    if (handle != selected_) {
        SelectObject(dc_, handle);
        selected_ = handle;
    }
}

int TGdiTextMeasure::TextWidth(const TFontSpec& font, std::string_view text) const {
    if (text.empty())
        return 0;
    Select(font);
    SIZE size{};
    const int length = text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
    // A failed measure counts as no width: the text still draws, only its cell may be too narrow.
    if (!GetTextExtentPoint32A(dc_, text.data(), length, &size))
        return 0;
    return size.cx;
}

TFontMetrics TGdiTextMeasure::Metrics(const TFontSpec& font) const {
    for (const auto& [spec, metrics] : metrics_) {
        if (spec == font)
            return metrics;
    }
    Select(font);
    TEXTMETRICA tm{};
    TFontMetrics metrics;
    if (GetTextMetricsA(dc_, &tm))
        metrics = TFontMetrics{tm.tmHeight, tm.tmAscent, tm.tmAveCharWidth};
    metrics_.emplace_back(font, metrics);
    return metrics;
}
