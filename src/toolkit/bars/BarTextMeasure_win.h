#ifndef PLUX_TOOLKIT_BARS_BARTEXTMEASURE_WIN_H
#define PLUX_TOOLKIT_BARS_BARTEXTMEASURE_WIN_H

#include <windows.h>

#include "toolkit/TextMeasure.h"
#include "toolkit/win/Handles_win.h"

// Creates the GDI font of a font spec (default character set, the screen's quality).
TScopedFont CreateBarFont(const TFontSpec& font);

// Measures bar texts with the screen's metrics through a memory device context; keeps the last font.
class TBarTextMeasure final : public TTextMeasure {
public:
    TBarTextMeasure();
    ~TBarTextMeasure() override;
    TBarTextMeasure(const TBarTextMeasure&) = delete;
    TBarTextMeasure& operator=(const TBarTextMeasure&) = delete;
    int TextWidth(const TFontSpec& font, std::string_view text) const override;
    TFontMetrics Metrics(const TFontSpec& font) const override;

private:
    HDC Select(const TFontSpec& font) const;

    TScopedMemoryDC dc_;
    mutable TFontSpec selectedSpec_;
    mutable TScopedFont selectedFont_;
    mutable HGDIOBJ originalFont_ = nullptr;
};

#endif
