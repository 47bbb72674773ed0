#include "toolkit/html/Document.h"

#include <algorithm>
#include <utility>

#include "toolkit/html/HtmlParser.h"

namespace html {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Leading digits of an attribute value, kept within [low, high]; `fallback` when there are none.
int NumberAttribute(const TToken& tag, std::string_view name, int fallback, int low, int high) {
    const std::string* value = tag.Attribute(name);
    if (!value)
        return fallback;
    std::size_t pos = 0;
    while (pos < value->size() && IsSpace((*value)[pos]))
        ++pos;
    if (pos == value->size() || (*value)[pos] < '0' || (*value)[pos] > '9')
        return fallback;
    long long number = 0;
    for (; pos < value->size() && (*value)[pos] >= '0' && (*value)[pos] <= '9'; ++pos) {
        number = std::min<long long>(number * 10 + ((*value)[pos] - '0'), high);
    }
    return static_cast<int>(std::clamp<long long>(number, low, high));
}

std::optional<TColour> ColourAttribute(const TToken& tag, std::string_view name) {
    const std::string* value = tag.Attribute(name);
    return value ? ParseColour(*value) : std::nullopt;
}

// Hostile input must not make the layout allocate without bound: spans stop growing a row once it
// has this many columns (plain cells still add one each).
constexpr int kMaxSpannedColumns = 1000;
constexpr int kMaxBorder = 100;
constexpr int kMaxSpacing = 1000;

class TDocumentBuilder {
public:
    THtmlDocument Build(std::string_view source) {
        TTokenizer tokenizer(source);
        TToken token;
        while (tokenizer.Next(token)) {
            switch (token.Kind) {
                case ETokenKind::Text:
                    AddText(token.Text);
                    break;
                case ETokenKind::StartTag:
                    StartTag(token);
                    break;
                case ETokenKind::EndTag:
                    EndTag(token.Name);
                    break;
            }
        }
        return std::move(document_);
    }

private:
    void StartTag(const TToken& tag) {
        const std::string& name = tag.Name;
        if (name == "b" || name == "strong") {
            ++boldDepth_;
        } else if (name == "font") {
            fontColours_.push_back(ColourAttribute(tag, "color"));
        } else if (name == "title") {
            inTitle_ = true;
        } else if (name == "pre") {
            ++preDepth_;
            StartBlock();
            skipNewline_ = true;  // a line feed right after <pre> is not part of the text
        } else if (name == "table") {
            OpenTable(tag);
        } else if (name == "tr" && table_ && !nestedTables_) {
            OpenRow(tag);
        } else if ((name == "td" || name == "th") && table_ && !nestedTables_) {
            OpenCell(tag, name == "th");
        }
    }

    void EndTag(const std::string& name) {
        if (name == "b" || name == "strong") {
            boldDepth_ = std::max(0, boldDepth_ - 1);
        } else if (name == "font") {
            if (!fontColours_.empty())
                fontColours_.pop_back();
        } else if (name == "title") {
            inTitle_ = false;
        } else if (name == "pre" && preDepth_ > 0) {
            --preDepth_;
            StartBlock();
        } else if (name == "table") {
            if (nestedTables_ > 0)
                --nestedTables_;
            else
                CloseTable();
        } else if (name == "tr" && !nestedTables_) {
            inCell_ = false;
            inRow_ = false;
        } else if ((name == "td" || name == "th") && !nestedTables_) {
            inCell_ = false;
        }
    }

    // A table inside a cell is not supported: its tags are dropped and its text joins the cell.
    void OpenTable(const TToken& tag) {
        if (table_) {
            ++nestedTables_;
            return;
        }
        TTable table;
        table.Border = NumberAttribute(tag, "border", tag.Attribute("border") ? 1 : 0, 0, kMaxBorder);
        table.CellSpacing = NumberAttribute(tag, "cellspacing", table.CellSpacing, 0, kMaxSpacing);
        table.CellPadding = NumberAttribute(tag, "cellpadding", table.CellPadding, 0, kMaxSpacing);
        table.BorderColour = ColourAttribute(tag, "bordercolor").value_or(table.BorderColour);
        document_.Blocks.emplace_back(std::move(table));
        table_ = &std::get<TTable>(document_.Blocks.back());
        inRow_ = inCell_ = false;
    }

    void CloseTable() {
        table_ = nullptr;
        inRow_ = inCell_ = false;
        ResetInlineStyle();
    }

    void OpenRow(const TToken& tag) {
        table_->Rows.push_back(TRow{{}, ColourAttribute(tag, "bgcolor")});
        rowColumns_ = 0;
        inRow_ = true;
        inCell_ = false;
    }

    void OpenCell(const TToken& tag, bool header) {
        if (!inRow_) {
            table_->Rows.emplace_back();
            rowColumns_ = 0;
            inRow_ = true;
        }
        TCell cell;
        cell.Header = header;
        cell.ColSpan = NumberAttribute(tag, "colspan", 1, 1, std::max(1, kMaxSpannedColumns - rowColumns_));
        rowColumns_ += cell.ColSpan;
        cell.Background = ColourAttribute(tag, "bgcolor");
        table_->Rows.back().Cells.push_back(std::move(cell));
        inCell_ = true;
        ResetInlineStyle();
    }

    // An unclosed <b> or <font> in one cell must not restyle the rest of the report.
    void ResetInlineStyle() {
        boldDepth_ = 0;
        preDepth_ = 0;
        fontColours_.clear();
        pendingSpace_ = false;
    }

    // Preformatted text is a block of its own: the text around it starts on new lines.
    void StartBlock() {
        pendingSpace_ = false;
        if (!table_)
            newParagraph_ = true;
    }

    void AddText(const std::string& text) {
        if (inTitle_) {
            document_.Title += text;
            return;
        }
        if (preDepth_ > 0) {
            AddPreformatted(text);
            return;
        }
        for (char c : text) {
            if (IsSpace(c)) {
                pendingSpace_ = true;
                continue;
            }
            std::vector<TRun>& runs = RunsForText();
            const bool startOfBlock = runs.empty();
            if (pendingSpace_ && !startOfBlock)
                AppendChar(runs, ' ');
            pendingSpace_ = false;
            AppendChar(runs, c);
        }
    }

    void AddPreformatted(const std::string& text) {
        for (char c : text) {
            if (c == '\r')
                continue;
            if (std::exchange(skipNewline_, false) && c == '\n')
                continue;
            AppendChar(RunsForText(), c == '\t' || c == '\f' ? ' ' : c);
        }
    }

    // Where visible text goes: the open cell, an implicit cell for text loose in a table, or a paragraph.
    std::vector<TRun>& RunsForText() {
        if (table_) {
            if (!inCell_) {
                if (!inRow_) {
                    table_->Rows.emplace_back();
                    rowColumns_ = 0;
                    inRow_ = true;
                }
                table_->Rows.back().Cells.emplace_back();
                ++rowColumns_;
                inCell_ = true;
            }
            return table_->Rows.back().Cells.back().Runs;
        }
        if (newParagraph_ || document_.Blocks.empty() || !std::holds_alternative<TParagraph>(document_.Blocks.back())) {
            document_.Blocks.emplace_back(TParagraph{});
            newParagraph_ = false;
        }
        return std::get<TParagraph>(document_.Blocks.back()).Runs;
    }

    void AppendChar(std::vector<TRun>& runs, char c) {
        const bool bold = boldDepth_ > 0;
        std::optional<TColour> colour;
        for (const auto& fontColour : fontColours_) {
            if (fontColour)
                colour = fontColour;
        }
        const bool preformatted = preDepth_ > 0;
        if (runs.empty() || runs.back().Bold != bold || runs.back().Colour != colour ||
            runs.back().Preformatted != preformatted) {
            runs.push_back(TRun{{}, bold, colour, preformatted});
        }
        runs.back().Text += c;
    }

    THtmlDocument document_;
    TTable* table_ = nullptr;  // the open table, inside document_.Blocks.back()
    int nestedTables_ = 0;
    int rowColumns_ = 0;  // columns the open row's cells span so far
    bool inRow_ = false;
    bool inCell_ = false;
    bool inTitle_ = false;
    int preDepth_ = 0;
    bool skipNewline_ = false;
    bool newParagraph_ = false;  // the next text outside tables starts a paragraph of its own
    bool pendingSpace_ = false;
    int boldDepth_ = 0;
    std::vector<std::optional<TColour>> fontColours_;
};

}  // namespace

std::optional<TColour> ParseColour(std::string_view code) {
    while (!code.empty() && IsSpace(code.front()))
        code.remove_prefix(1);
    while (!code.empty() && IsSpace(code.back()))
        code.remove_suffix(1);
    if (code.starts_with('#'))
        code.remove_prefix(1);
    if (code.size() != 6)
        return std::nullopt;
    TColour rgb = 0;
    for (char c : code) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        rgb = (rgb << 4) | static_cast<TColour>(digit);
    }
    // Written as red, green, blue; stored with red in the low byte.
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

THtmlDocument ParseDocument(std::string_view source) {
    THtmlDocument document = TDocumentBuilder().Build(source);
    std::string& title = document.Title;
    std::string collapsed;
    for (char c : title) {
        if (IsSpace(c)) {
            if (!collapsed.empty() && collapsed.back() != ' ')
                collapsed += ' ';
        } else {
            collapsed += c;
        }
    }
    if (!collapsed.empty() && collapsed.back() == ' ')
        collapsed.pop_back();
    title = std::move(collapsed);
    return document;
}

}  // namespace html
