// How TProfileText gives back its text: the file's own bytes where no write touched them, the written
// lines between.
#include "support/ProfileIni.h"

namespace ini {

// Pieces that follow each other in memory, as the lines of a file do, passed on as one: a file saved
// again with few changes goes out in a few runs of its own bytes. A line encoded anew is passed on at
// once, as its buffer is used again for the next.
class TProfileText::TJoinedPieces {
public:
    TJoinedPieces(TContentSink& out, TTextEncoding encoding) : out_(out), encoding_(encoding) {}

    void Append(std::string_view piece) {
        if (piece.data() == pending_.data() + pending_.size()) {
            pending_ = std::string_view(pending_.data(), pending_.size() + piece.size());
            return;
        }
        Flush();
        pending_ = piece;
    }
    void AppendEncoded(std::string_view text) {
        Flush();
        encoded_.clear();
        ini::AppendEncoded(encoded_, text, encoding_);
        out_.Append(encoded_);
    }
    void Flush() {
        if (!pending_.empty())
            out_.Append(pending_);
        pending_ = {};
    }

private:
    TContentSink& out_;
    TTextEncoding encoding_;
    std::string_view pending_;
    std::string encoded_;
};

// A line of the file keeps its bytes; a written one is encoded anew. A last line of the file that has no
// line end gets one only when a line follows it (`endOwed`).
void TProfileText::AppendLine(TJoinedPieces& out, const TLine& line, std::string_view lineEnd, bool& endOwed) const {
    if (endOwed)
        out.Append(lineEnd);
    if (!line.Written) {
        out.Append(std::string_view(bytes_).substr(line.BytesBegin, line.EndBegin - line.BytesBegin));
    } else if (encoding_ == TTextEncoding::SingleByte) {
        out.Append(TextOf(line));
    } else {
        out.AppendEncoded(TextOf(line));
    }
    if (line.EndSize > 0)
        out.Append(std::string_view(bytes_).substr(line.EndBegin, line.EndSize));
    else if (line.Written)
        out.Append(lineEnd);
    endOwed = line.EndSize == 0 && !line.Written;
}

void TProfileText::AppendBorrowed(TJoinedPieces& out,
                                  const TSection& section,
                                  std::size_t key,
                                  std::string_view lineEnd,
                                  bool& endOwed) const {
    if (endOwed)
        out.Append(lineEnd);
    if (encoding_ == TTextEncoding::SingleByte) {
        out.Append(BorrowedName(key));
        out.Append("=");
        out.Append((*borrowedValues_)[key]);
    } else {
        std::string text;
        out.AppendEncoded(TextAt(section, key, text));
    }
    out.Append(lineEnd);
    endOwed = false;
}

// Lines of the file that no write touched follow each other in it, and go out as one run of its bytes:
// only the last line of the file can lack a line end.
void TProfileText::AppendFileLines(TJoinedPieces& out,
                                   const TSection& section,
                                   std::string_view lineEnd,
                                   bool& endOwed) const {
    const std::size_t count = section.FileLines.size();
    for (std::size_t line = 0; line < count;) {
        if (section.RewriteOf(line) > 0) {
            AppendLine(out, FileLine(section, line, false), lineEnd, endOwed);
            ++line;
            continue;
        }
        std::size_t end = line + 1;
        while (end < count && section.RewriteOf(end) == 0)
            ++end;
        if (endOwed)
            out.Append(lineEnd);
        const std::uint32_t begin = section.FileLineStart(line);
        out.Append(std::string_view(bytes_).substr(begin, section.FileLineStart(end) - begin));
        endOwed = end == count && FileLine(section, count - 1, false).EndSize == 0;
        line = end;
    }
}

// Room for every line as read and every written one with its line end, so that the text is built
// without growing: a snapshot of many products is written whole.
std::size_t TProfileText::WrittenSizeBound() const {
    const std::size_t unitWidth = encoding_ == TTextEncoding::SingleByte ? 1 : encoding_ == TTextEncoding::Utf8 ? 3 : 2;
    std::size_t size = bytes_.size() + ByteOrderMark(encoding_).size();
    for (const TSection& section : sections_) {
        size += (section.Header.TextSize + 2) * unitWidth;
        for (std::size_t i = 0; i < section.Borrowed; ++i)
            size += (BorrowedName(i).size() + 1 + (*borrowedValues_)[i].size() + 2) * unitWidth;
        for (const auto* lines : {&section.Lines, &section.Rewritten}) {
            for (const TLine& line : *lines)
                size += line.Written ? (line.TextSize + 2) * unitWidth : 0;
        }
    }
    return size;
}

std::string TProfileText::Text() const {
    TTextSink text;
    text.Text.reserve(WrittenSizeBound());
    WriteTo(text);
    return std::move(text.Text);
}

void TProfileText::WriteTo(TContentSink& out) const {
    const std::string lineEnd = EncodeBytes("\r\n", encoding_);
    TJoinedPieces pieces(out, encoding_);
    pieces.Append(ByteOrderMark(encoding_));
    bool endOwed = false;
    for (const TSection& section : sections_) {
        if (section.Header.TextSize > 0)
            AppendLine(pieces, section.Header, lineEnd, endOwed);
        for (std::size_t i = 0; i < section.Borrowed; ++i)
            AppendBorrowed(pieces, section, i, lineEnd, endOwed);
        AppendFileLines(pieces, section, lineEnd, endOwed);
        for (const auto* lines : {&section.Lines, &section.BlankTail}) {
            for (const TLine& line : *lines)
                AppendLine(pieces, line, lineEnd, endOwed);
        }
    }
    pieces.Flush();
}

}  // namespace ini
