#ifndef PLUX_TOOLKIT_HTML_TEXTFLOW_H
#define PLUX_TOOLKIT_HTML_TEXTFLOW_H

#include <cstddef>
#include <string>
#include <vector>

#include "toolkit/TextMeasure.h"
#include "toolkit/html/Document.h"
#include "toolkit/html/DrawList.h"

namespace html {

// The runs of one cell or paragraph cut into measured words, broken into lines at a given width.
// Lines break only at white space; a word wider than the line overflows it. Preformatted text keeps
// its lines: each starts a new line and none is broken.
class TTextFlow {
public:
    struct TLine {
        std::size_t First = 0;  // pieces [First, Last)
        std::size_t Last = 0;
        int Width = 0;
        int Height = 0;
        int Ascent = 0;
    };

    TTextFlow(const std::vector<TRun>& runs,
              const TFontSpec& font,
              const std::string& preFontName,
              bool bold,
              TColour textColour,
              const TTextMeasure& measure);

    int MinWidth() const { return minWidth_; }  // the widest word
    int MaxWidth() const { return maxWidth_; }  // everything on one line
    std::vector<TLine> BreakLines(int width) const;
    static int Height(const std::vector<TLine>& lines);

    // Adds the text ops of one line, its left edge at x and its top at y.
    void Draw(const TLine& line, int x, int y, TDrawList& draw) const;

private:
    struct TPiece {
        std::string Text;
        TFontSpec Font;
        TColour Colour = kBlack;
        int Width = 0;
        int SpaceWidth = 0;        // of the blank before it, 0 when glued to the piece before
        bool BreakBefore = false;  // a line may start here
        bool ForcedBreak = false;  // a line must start here
        TFontMetrics Metrics;
    };

    void AddPreformatted(const TRun& run,
                         const TFontSpec& font,
                         TColour colour,
                         const TFontMetrics& metrics,
                         const TTextMeasure& measure,
                         bool& afterPreformatted);

    std::vector<TPiece> pieces_;
    int minWidth_ = 0;
    int maxWidth_ = 0;
};

}  // namespace html

#endif
