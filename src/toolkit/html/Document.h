#ifndef PLUX_TOOLKIT_HTML_DOCUMENT_H
#define PLUX_TOOLKIT_HTML_DOCUMENT_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace html {

// A 24-bit colour: red in bits 0-7, green in 8-15, blue in 16-23.
using TColour = std::uint32_t;
inline constexpr TColour kBlack = 0x000000;
inline constexpr TColour kWhite = 0xFFFFFF;

// "#rrggbb" (or without the "#"), digits of either case; anything else is no colour.
std::optional<TColour> ParseColour(std::string_view code);

// A stretch of text in one style; white space already collapsed, except in preformatted text, which
// keeps its blanks and line feeds.
struct TRun {
    std::string Text;
    bool Bold = false;
    std::optional<TColour> Colour;  // none: the view's default text colour
    bool Preformatted = false;
};

struct TCell {
    std::vector<TRun> Runs;
    int ColSpan = 1;
    bool Header = false;
    std::optional<TColour> Background;
};

struct TRow {
    std::vector<TCell> Cells;
    std::optional<TColour> Background;
};

struct TTable {
    std::vector<TRow> Rows;
    int Border = 0;
    int CellSpacing = 2;
    int CellPadding = 1;
    TColour BorderColour = 0x808080;
};

// Text outside any table, flowing at the document's width.
struct TParagraph {
    std::vector<TRun> Runs;
};

using TBlock = std::variant<TParagraph, TTable>;

// The parsed document: a value, so printing can lay out its own copy.
struct THtmlDocument {
    std::string Title;
    std::vector<TBlock> Blocks;
};

// Builds the document from any text. Understood: table, tr, td, th, b, strong, font color, pre, title
// and character references; other tags are dropped with their text kept.
THtmlDocument ParseDocument(std::string_view source);

}  // namespace html

#endif
