#include "toolkit/win/FontCache_win.h"

HFONT TFontCache::Get(const TFontSpec& spec) {
    for (const auto& [cached, font] : fonts_) {
        if (cached == spec)
            return font.Get();
    }
    TScopedFont font(CreateFontA(spec.Height, 0, 0, 0, spec.Bold ? FW_BOLD : FW_NORMAL, spec.Italic, spec.Underline,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, spec.Name.c_str()));
    // CreateFont fails only when GDI is out of resources; text then still shows in the stock font.
    if (!font)
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const HFONT handle = font.Get();
    fonts_.emplace_back(spec, std::move(font));
    return handle;
}
