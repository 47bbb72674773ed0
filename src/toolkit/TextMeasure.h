#ifndef PLUX_TOOLKIT_TEXTMEASURE_H
#define PLUX_TOOLKIT_TEXTMEASURE_H

#include <string>
#include <string_view>

// A font as layouts ask for it. Height follows the platform's font convention: negative for the
// character height in pixels (or logical units), positive for the cell height.
struct TFontSpec {
    std::string Name = "MS Sans Serif";
    int Height = -11;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    bool operator==(const TFontSpec&) const = default;
};

struct TFontMetrics {
    int Height = 0;  // line height: ascent plus descent
    int Ascent = 0;  // from the top of a line to its baseline
    int AverageCharWidth = 0;
};

// The one text-measuring interface of every layout (HTML tables, bars, message dialog, status bar):
// the platform measures with a real device, tests with fixed metrics.
class TTextMeasure {
public:
    virtual ~TTextMeasure() = default;
    virtual int TextWidth(const TFontSpec& font, std::string_view text) const = 0;
    virtual TFontMetrics Metrics(const TFontSpec& font) const = 0;
};

#endif
