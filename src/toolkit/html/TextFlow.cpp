#include "toolkit/html/TextFlow.h"

#include <algorithm>
#include <utility>

namespace html {

// Runs come with white space collapsed: a blank separates two words, within a run or across runs.
TTextFlow::TTextFlow(const std::vector<TRun>& runs,
                     const TFontSpec& font,
                     const std::string& preFontName,
                     bool bold,
                     TColour textColour,
                     const TTextMeasure& measure) {
    bool blank = false;
    bool afterPreformatted = false;
    for (const TRun& run : runs) {
        TFontSpec runFont = font;
        runFont.Bold = bold || run.Bold;
        if (run.Preformatted)
            runFont.Name = preFontName;
        const TFontMetrics metrics = measure.Metrics(runFont);
        const TColour colour = run.Colour.value_or(textColour);
        if (run.Preformatted) {
            AddPreformatted(run, runFont, colour, metrics, measure, afterPreformatted);
            blank = false;
            continue;
        }
        int spaceWidth = -1;
        for (std::size_t pos = 0; pos < run.Text.size();) {
            if (run.Text[pos] == ' ') {
                blank = true;
                ++pos;
                continue;
            }
            const std::size_t end = std::min(run.Text.find(' ', pos), run.Text.size());
            TPiece piece;
            piece.Text = run.Text.substr(pos, end - pos);
            piece.Font = runFont;
            piece.Colour = colour;
            piece.Width = measure.TextWidth(runFont, piece.Text);
            piece.ForcedBreak = std::exchange(afterPreformatted, false);
            piece.BreakBefore = blank || pieces_.empty() || piece.ForcedBreak;
            if (blank && !pieces_.empty() && !piece.ForcedBreak) {
                if (spaceWidth < 0)
                    spaceWidth = measure.TextWidth(runFont, " ");
                piece.SpaceWidth = spaceWidth;
            }
            piece.Metrics = metrics;
            pieces_.push_back(std::move(piece));
            blank = false;
            pos = end;
        }
    }
    int word = 0;
    int line = 0;
    for (const TPiece& piece : pieces_) {
        if (piece.ForcedBreak)
            line = 0;
        if (piece.BreakBefore)
            word = 0;
        word += piece.Width;
        line += piece.SpaceWidth + piece.Width;
        minWidth_ = std::max(minWidth_, word);
        maxWidth_ = std::max(maxWidth_, line);
    }
}

// Each line of preformatted text is one piece; the first starts a new line unless it continues
// preformatted text in another style.
void TTextFlow::AddPreformatted(const TRun& run,
                                const TFontSpec& font,
                                TColour colour,
                                const TFontMetrics& metrics,
                                const TTextMeasure& measure,
                                bool& afterPreformatted) {
    for (std::size_t pos = 0, segment = 0; pos <= run.Text.size(); ++segment) {
        const std::size_t end = std::min(run.Text.find('\n', pos), run.Text.size());
        if (end == run.Text.size() && pos == end && segment > 0)
            break;  // a closing line feed adds no line
        TPiece piece;
        piece.Text = run.Text.substr(pos, end - pos);
        piece.Font = font;
        piece.Colour = colour;
        piece.Width = measure.TextWidth(font, piece.Text);
        piece.ForcedBreak = !pieces_.empty() && (segment > 0 || !afterPreformatted);
        piece.BreakBefore = piece.ForcedBreak || pieces_.empty();
        piece.Metrics = metrics;
        pieces_.push_back(std::move(piece));
        pos = end + 1;
    }
    afterPreformatted = true;
}

std::vector<TTextFlow::TLine> TTextFlow::BreakLines(int width) const {
    std::vector<TLine> lines;
    std::size_t pos = 0;
    while (pos < pieces_.size()) {
        TLine line{pos, pos, 0, 0, 0};
        while (line.Last < pieces_.size()) {
            // The word starting at line.Last, with the blank before it unless it opens the line.
            std::size_t end = line.Last + 1;
            int wordWidth = pieces_[line.Last].Width;
            while (end < pieces_.size() && !pieces_[end].BreakBefore)
                wordWidth += pieces_[end++].Width;
            const int blankWidth = line.Last == line.First ? 0 : pieces_[line.Last].SpaceWidth;
            if (line.Last != line.First &&
                (pieces_[line.Last].ForcedBreak || line.Width + blankWidth + wordWidth > width)) {
                break;
            }
            line.Width += blankWidth + wordWidth;
            line.Last = end;
        }
        for (std::size_t i = line.First; i < line.Last; ++i) {
            line.Height = std::max(line.Height, pieces_[i].Metrics.Height);
            line.Ascent = std::max(line.Ascent, pieces_[i].Metrics.Ascent);
        }
        lines.push_back(line);
        pos = line.Last;
    }
    return lines;
}

int TTextFlow::Height(const std::vector<TLine>& lines) {
    int height = 0;
    for (const TLine& line : lines)
        height += line.Height;
    return height;
}

// Neighbouring pieces of one style become one text op: fewer ops to paint, and the text reads whole.
void TTextFlow::Draw(const TLine& line, int x, int y, TDrawList& draw) const {
    std::size_t i = line.First;
    while (i < line.Last) {
        const TPiece& first = pieces_[i];
        TDrawOp op;
        op.Kind = EDrawKind::Text;
        op.Colour = first.Colour;
        op.Font = draw.AddFont(first.Font);
        op.Baseline = y + line.Ascent;
        op.Text = first.Text;
        int right = x + first.Width;
        for (++i; i < line.Last && pieces_[i].Font == first.Font && pieces_[i].Colour == first.Colour; ++i) {
            if (pieces_[i].SpaceWidth > 0)
                op.Text += ' ';
            op.Text += pieces_[i].Text;
            right += pieces_[i].SpaceWidth + pieces_[i].Width;
        }
        op.Rect = TRect{x, y, right, y + line.Height};
        x = right;
        if (i < line.Last)
            x += pieces_[i].SpaceWidth;
        draw.Add(std::move(op));
    }
}

}  // namespace html
