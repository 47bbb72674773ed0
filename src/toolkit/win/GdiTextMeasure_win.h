#ifndef PLUX_TOOLKIT_WIN_GDITEXTMEASURE_WIN_H
#define PLUX_TOOLKIT_WIN_GDITEXTMEASURE_WIN_H

#include <windows.h>

#include <utility>
#include <vector>

#include "toolkit/TextMeasure.h"
#include "toolkit/win/FontCache_win.h"

// Measures with the fonts a device context would draw: screen pixels on a screen DC, logical units
// under a printer DC's mapping. The DC stays the caller's; its font is put back on destruction.
class TGdiTextMeasure final : public TTextMeasure {
public:
    explicit TGdiTextMeasure(HDC dc);
    ~TGdiTextMeasure() override;
    TGdiTextMeasure(const TGdiTextMeasure&) = delete;
    TGdiTextMeasure& operator=(const TGdiTextMeasure&) = delete;

    int TextWidth(const TFontSpec& font, std::string_view text) const override;
    TFontMetrics Metrics(const TFontSpec& font) const override;

private:
    void Select(const TFontSpec& font) const;

    HDC dc_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    // Measuring is logically const; selecting fonts and caching them is not.
    mutable TFontCache fonts_;
    mutable HFONT selected_ = nullptr;
    mutable std::vector<std::pair<TFontSpec, TFontMetrics>> metrics_;
};

// Logical pixels per inch of the screen (96 when it cannot be asked).
int ScreenPixelsPerInch();

#endif
