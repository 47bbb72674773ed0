#ifndef PLUX_APP_DESIGNSCALE_H
#define PLUX_APP_DESIGNSCALE_H

// The window is designed at 96 pixels per inch with a text height of 13 pixels. On a screen of another
// logical resolution its font is scaled to that resolution, and every design size by the ratio of the
// scaled font's text height to 13.
inline constexpr int kDesignPixelsPerInch = 96;
inline constexpr int kDesignTextHeight = 13;

// The font height (negative: character height) for a design height on a screen.
int ScaledFontHeight(int designHeight, int pixelsPerInch);

struct TDesignScale {
    int Numerator = kDesignTextHeight;
    int Denominator = kDesignTextHeight;

    int Apply(int designSize) const;
};

// `scaledTextHeight` is the text height of the window's font at ScaledFontHeight; unused at 96.
TDesignScale DesignScaleFor(int pixelsPerInch, int scaledTextHeight);

#endif
