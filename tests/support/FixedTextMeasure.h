#ifndef PLUX_TESTS_SUPPORT_FIXEDTEXTMEASURE_H
#define PLUX_TESTS_SUPPORT_FIXEDTEXTMEASURE_H

#include "toolkit/TextMeasure.h"

// Every character is `advance` wide (bold ones `boldAdvance`), every line `lineHeight` high.
class TFixedTextMeasure final : public TTextMeasure {
public:
    int TextWidth(const TFontSpec& font, std::string_view text) const override {
        return static_cast<int>(text.size()) * (font.Bold ? boldAdvance : advance);
    }
    TFontMetrics Metrics(const TFontSpec& font) const override {
        return TFontMetrics{lineHeight, ascent, font.Bold ? boldAdvance : advance};
    }

    int advance = 6;
    int boldAdvance = 7;
    int lineHeight = 14;
    int ascent = 11;
};

#endif
