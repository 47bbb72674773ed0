#include "toolkit/bars/BarTextMeasure_win.h"

#include "toolkit/win/Win32Error_win.h"

TScopedFont CreateBarFont(const TFontSpec& font) {
    TScopedFont created(CreateFontA(font.Height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, font.Italic, font.Underline,
                                    FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, font.Name.c_str()));
    if (!created) ThrowLastError("CreateFont");
    return created;
}

TBarTextMeasure::TBarTextMeasure() : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) ThrowLastError("CreateCompatibleDC");
}

// Our font must leave the context before it is deleted.
TBarTextMeasure::~TBarTextMeasure() {
    if (originalFont_) SelectObject(dc_.Get(), originalFont_);
}

HDC TBarTextMeasure::Select(const TFontSpec& font) const {
    if (!selectedFont_ || !(selectedSpec_ == font)) {
        TScopedFont created = CreateBarFont(font);
        const HGDIOBJ previous = SelectObject(dc_.Get(), created.Get());
        if (!originalFont_) originalFont_ = previous;
        selectedFont_ = std::move(created);
        selectedSpec_ = font;
    }
    return dc_.Get();
}

int TBarTextMeasure::TextWidth(const TFontSpec& font, std::string_view text) const {
    SIZE size{};
    if (!GetTextExtentPoint32A(Select(font), text.data(), static_cast<int>(text.size()), &size)) return 0;
    return size.cx;
}

TFontMetrics TBarTextMeasure::Metrics(const TFontSpec& font) const {
    TEXTMETRICA metrics{};
    if (!GetTextMetricsA(Select(font), &metrics)) return {};
    return TFontMetrics{metrics.tmHeight, metrics.tmAscent, metrics.tmAveCharWidth};
}
