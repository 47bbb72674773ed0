#include "support/ProfileIni.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "support/TextRoutines.h"
#include "support/WordScan.h"

namespace ini {

namespace {

// Whether a line's text is the key, "=" and the value.
bool ReadsAs(std::string_view text, std::string_view key, std::string_view value) {
    return text.size() == key.size() + 1 + value.size() && SameBytes(text.substr(0, key.size()), key) &&
           text[key.size()] == '=' && SameBytes(text.substr(key.size() + 1), value);
}

// Room made for the single writes that commonly follow a write of many keys (a snapshot's timestamp).
constexpr std::size_t kSpareKeys = 8;

// A name as a caller asks for it: a C string, then trimmed.
std::string_view RequestedName(std::string_view name) {
    return TrimProfile(CutAtNul(name));
}

}  // namespace

std::string_view ProfileName(std::string_view name) {
    return RequestedName(name);
}

TProfileText::TProfileText() : sections_(1) {
    sectionIndex_.Add("", 0, SectionNames());
}

namespace {

// How many lines each section has, the lines before the first header first, so that a file of many keys
// is read without growing its lists line by line. Only for a file of the single-byte set, whose lines
// are their bytes; others grow as they are read.
std::vector<std::size_t> SectionSizes(std::string_view bytes) {
    std::vector<std::size_t> sizes(1);
    TLineSpanReader lines(bytes, TTextEncoding::SingleByte);
    while (const auto span = lines.Next()) {
        const std::string_view trimmed = TrimProfile(bytes.substr(span->Begin, span->TextEnd - span->Begin));
        if (!trimmed.empty() && HeaderName(trimmed))
            sizes.push_back(0);
        else
            ++sizes.back();
    }
    return sizes;
}

// The name of a key line whose first character but for blanks is not "[", as AddLine finds it, without
// the tests that tell blank lines and headers; nothing for any other line. Most lines of a file of many
// keys are such lines.
std::optional<std::string_view> PlainKeyName(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsProfileSpace(text[first]))
        ++first;
    if (first == text.size() || text[first] == '[')
        return std::nullopt;
    const std::string_view key = text.substr(first);
    return CutAtNul(TrimProfile(key.substr(0, FindByte(key, '='))));
}

}  // namespace

// The lines of a single-byte file are its bytes, read where they lie; those of another encoding are
// decoded into `texts_`, which is never longer than the bytes.
TProfileText::TProfileText(std::string fileBytes) : TProfileText() {
    if (fileBytes.size() > kMaxFileSize)
        fileBytes.clear();
    bytes_ = WholeCodeUnits(std::move(fileBytes));
    encoding_ = EncodingOf(bytes_);
    const bool singleByte = encoding_ == TTextEncoding::SingleByte;
    const std::string_view bytes = bytes_;
    std::vector<std::size_t> sizes;
    if (singleByte) {
        sizes = SectionSizes(bytes);
        sections_.reserve(sizes.size());
        sections_.back().FileLines.reserve(sizes.front());
        sections_.back().Keys.Reserve(sizes.front(), KeyNames(sections_.back()));
    } else {
        texts_.reserve(bytes.size());
    }
    std::vector<TLine> blanks;
    std::vector<std::size_t> replaced;
    TLineSpanReader spans(bytes, encoding_);
    while (const auto span = spans.Next()) {
        if (singleByte) {
            if (const auto name = PlainKeyName(bytes.substr(span->Begin, span->TextEnd - span->Begin))) {
                AddFileKey(*name, span->Begin, span->End, blanks);
                continue;
            }
        }
        TLine line;
        line.BytesBegin = static_cast<std::uint32_t>(span->Begin);
        line.EndBegin = static_cast<std::uint32_t>(span->TextEnd);
        line.EndSize = static_cast<std::uint8_t>(span->End - span->TextEnd);
        line.Written = false;
        line.TextInFile = singleByte;
        replaced.clear();
        if (singleByte) {
            line.TextBegin = line.BytesBegin;
            line.TextSize = line.EndBegin - line.BytesBegin;
        } else {
            line.TextBegin = static_cast<std::uint32_t>(texts_.size());
            texts_.append(DecodeBytes(bytes.substr(span->Begin, span->TextEnd - span->Begin), encoding_, &replaced));
            line.TextSize = static_cast<std::uint32_t>(texts_.size() - line.TextBegin);
        }
        const std::size_t sectionCount = sections_.size();
        AddLine(line, replaced, blanks);
        if (sections_.size() > sectionCount && sectionCount < sizes.size()) {
            sections_.back().FileLines.reserve(sizes[sectionCount]);
            sections_.back().Keys.Reserve(sizes[sectionCount], KeyNames(sections_.back()));
        }
    }
    sections_.back().BlankTail = std::move(blanks);
}

TProfileText::TLine TProfileText::WrittenLine(std::initializer_list<std::string_view> pieces,
                                              std::size_t nameBegin,
                                              std::size_t nameSize) {
    TLine line;
    line.TextBegin = static_cast<std::uint32_t>(texts_.size());
    for (const std::string_view piece : pieces)
        texts_.append(piece);
    line.TextSize = static_cast<std::uint32_t>(texts_.size() - line.TextBegin);
    line.NameBegin = static_cast<std::uint32_t>(nameBegin);
    line.NameSize = static_cast<std::uint32_t>(nameSize);
    return line;
}

namespace {

// Whether a name (a view into `text`) came out of the file as it stands there: a character the
// single-byte set lacks became "?", which no requested name can match, as on the platform, which
// compares names in Unicode.
bool Reachable(std::string_view name, std::string_view text, const std::vector<std::size_t>& replaced) {
    const auto begin = static_cast<std::size_t>(name.data() - text.data());
    return std::none_of(replaced.begin(), replaced.end(),
                        [&](std::size_t at) { return at >= begin && at < begin + name.size(); });
}

}  // namespace

// Blank lines wait in `blanks` until the next line tells whether they end a section or stand inside one.
void TProfileText::AddLine(TLine line, const std::vector<std::size_t>& replaced, std::vector<TLine>& blanks) {
    const std::string_view text = TextOf(line);
    const std::string_view trimmed = TrimProfile(text);
    if (trimmed.empty()) {
        blanks.push_back(line);
        return;
    }
    const auto header = HeaderName(trimmed);
    const std::string_view name = CutAtNul(header ? *header : KeyText(text));
    line.NameBegin = static_cast<std::uint32_t>(name.data() - text.data());
    line.NameSize = static_cast<std::uint32_t>(name.size());
    const bool reachable = Reachable(name, text, replaced);
    if (header) {
        sections_.back().BlankTail = std::move(blanks);
        blanks.clear();
        if (reachable)
            sectionIndex_.Add(name, sections_.size(), SectionNames());
        TSection& added = sections_.emplace_back();
        added.Header = line;
        added.Reachable = reachable;
        return;
    }
    TSection& section = sections_.back();
    if (line.TextInFile) {
        AddFileKey(name, line.BytesBegin, line.EndBegin + line.EndSize, blanks);
        return;
    }
    section.Lines.insert(section.Lines.end(), blanks.begin(), blanks.end());
    blanks.clear();
    line.Indexed = reachable && section.Keys.Add(name, section.Lines.size(), KeyNames(section)) == section.Lines.size();
    section.Lines.push_back(line);
}

// The blank lines before a key line stand inside its section. The index may read the names of the
// lines before it, the last of which ends where it begins.
void TProfileText::AddFileKey(std::string_view name, std::size_t begin, std::size_t end, std::vector<TLine>& blanks) {
    TSection& section = sections_.back();
    for (const TLine& blank : blanks)
        section.FileLines.push_back(blank.BytesBegin);
    blanks.clear();
    section.FileEnd = static_cast<std::uint32_t>(begin);
    const std::size_t at = section.FileLines.size();
    const bool first = section.Keys.Add(name, at, KeyNames(section)) == at;
    section.FileLines.push_back(static_cast<std::uint32_t>(begin) | (first ? kFirstOfName : 0));
    section.FileEnd = static_cast<std::uint32_t>(end);
}

std::optional<std::size_t> TProfileText::FindSection(std::string_view section) const {
    return sectionIndex_.Find(RequestedName(section), SectionNames());
}

std::string_view TProfileText::BorrowedName(std::size_t key) const {
    return RequestedName((*borrowedKeys_)[key]);
}

TProfileText::TLine TProfileText::FileLine(const TSection& section, std::size_t line, bool named) const {
    if (const std::uint32_t rewrite = section.RewriteOf(line))
        return section.Rewritten[rewrite - 1];
    TLine record;
    record.BytesBegin = record.TextBegin = section.FileLineStart(line);
    const std::uint32_t end = section.FileLineStart(line + 1);
    // A line's own end, CR LF, LF or a lone CR, is all it holds of either.
    std::uint32_t textEnd = end;
    while (textEnd > record.BytesBegin && end - textEnd < 2 &&
           (bytes_[textEnd - 1] == '\r' || bytes_[textEnd - 1] == '\n'))
        --textEnd;
    record.TextSize = textEnd - record.BytesBegin;
    record.EndBegin = textEnd;
    record.EndSize = static_cast<std::uint8_t>(end - textEnd);
    record.Written = false;
    record.TextInFile = true;
    record.Indexed = section.FileLineIndexed(line);
    if (named) {
        const std::string_view text = TextOf(record);
        const std::string_view name = CutAtNul(KeyText(text));
        record.NameBegin = static_cast<std::uint32_t>(name.data() - text.data());
        record.NameSize = static_cast<std::uint32_t>(name.size());
    }
    return record;
}

std::string_view TProfileText::NameAt(const TSection& section, std::size_t line) const {
    if (line < section.Borrowed)
        return BorrowedName(line);
    line -= section.Borrowed;
    if (line < section.FileLines.size())
        return NameOf(FileLine(section, line));
    return NameOf(section.Lines[line - section.FileLines.size()]);
}

bool TProfileText::FirstOfName(const TSection& section, std::size_t line) const {
    if (line < section.Borrowed)
        return true;
    line -= section.Borrowed;
    if (line < section.FileLines.size())
        return section.FileLineIndexed(line);
    return section.Lines[line - section.FileLines.size()].Indexed;
}

std::string_view TProfileText::TextAt(const TSection& section, std::size_t line, std::string& scratch) const {
    if (line < section.Borrowed) {
        scratch.assign(BorrowedName(line)).append("=").append((*borrowedValues_)[line]);
        return scratch;
    }
    line -= section.Borrowed;
    if (line < section.FileLines.size())
        return TextOf(FileLine(section, line, false));
    return TextOf(section.Lines[line - section.FileLines.size()]);
}

std::optional<std::string> TProfileText::Read(std::string_view section, std::string_view key) const {
    const auto index = FindSection(section);
    if (!index)
        return std::nullopt;
    const TSection& found = sections_[*index];
    const auto line = found.Keys.Find(RequestedName(key), KeyNames(found));
    if (!line)
        return std::nullopt;
    std::string scratch;
    return LineValue(TextAt(found, *line, scratch));
}

std::vector<std::string> TProfileText::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const auto index = FindSection(section);
    if (!index)
        return keys;
    const TSection& found = sections_[*index];
    std::string scratch;
    for (std::size_t i = 0; i < found.LineCount(); ++i) {
        const std::string_view line = TrimProfile(TextAt(found, i, scratch));
        if (line.find('=') == std::string_view::npos)
            continue;
        const std::string_view name = CutAtNul(KeyText(line));
        if (found.Keys.Find(name, KeyNames(found)) == i)
            keys.emplace_back(name);
    }
    return keys;
}

// A key new to a section of borrowed keys follows them, as it would follow their written lines.
void TProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
    TSection& target = sections_[SectionToWrite(section)];
    const std::string_view name = RequestedName(key);
    if (target.Borrowed > 0) {
        const auto line = target.Keys.Find(name, KeyNames(target));
        if (line && *line < target.Borrowed)
            SettleBorrowed();
    }
    WriteKey(target, name, value, std::string_view::npos);
}

void TProfileText::WriteKeys(std::string_view section,
                             const std::vector<std::string>& keys,
                             const std::vector<std::string>& values) {
    if (keys.empty())
        return;
    SettleBorrowed();
    TSection& target = sections_[SectionToWrite(section)];
    if (target.LineCount() == 0 && BorrowKeys(target, keys, values))
        return;
    // More keys than the section has lines are mostly new to it: room for all of them and the few
    // single writes that commonly follow spares growing lists of many keys.
    // Fewer are commonly there already, as when a snapshot is saved again, and take no room; a mix grows
    // as single writes do. Keys already there take text only for the values that change, commonly few.
    constexpr std::size_t kSpareText = 512;
    if (keys.size() > target.LineCount()) {
        target.Lines.reserve(keys.size() + kSpareKeys);
        target.Keys.Reserve(keys.size() + kSpareKeys, KeyNames(target));
    }
    if (target.LineCount() == 0) {
        std::size_t textSize = kSpareText;
        for (std::size_t i = 0; i < keys.size(); ++i)
            textSize += keys[i].size() + 1 + values[i].size();
        texts_.reserve(texts_.size() + textSize);
    }
    // Keys in the order of the section's lines, as when a snapshot is saved again, each find theirs next
    // to the last.
    std::size_t line = 0;
    for (std::size_t i = 0; i < keys.size(); ++i)
        line = WriteKey(target, RequestedName(keys[i]), values[i], line) + 1;
}

// A snapshot saved for the first time is a section of distinct keys: its text is made from the lists when
// the file is written, without a copy of each line first, as fresh memory costs more than the writing.
// The index finds the keys by their position in the lists.
bool TProfileText::BorrowKeys(TSection& target,
                              const std::vector<std::string>& keys,
                              const std::vector<std::string>& values) {
    borrowedKeys_ = &keys;
    borrowedValues_ = &values;
    target.Borrowed = keys.size();
    target.Keys.Reserve(keys.size() + kSpareKeys, KeyNames(target));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (target.Keys.Add(BorrowedName(i), i, KeyNames(target)) != i) {
            target.Keys.Clear();
            target.Borrowed = 0;
            borrowedKeys_ = borrowedValues_ = nullptr;
            return false;
        }
    }
    return true;
}

// The written lines take the positions the borrowed keys had, under the same names, so the index holds.
void TProfileText::SettleBorrowed() {
    if (!borrowedKeys_)
        return;
    TSection& section = *std::find_if(sections_.begin(), sections_.end(),
                                      [](const TSection& candidate) { return candidate.Borrowed > 0; });
    std::vector<TLine> lines;
    lines.reserve(section.Borrowed + section.Lines.size());
    for (std::size_t i = 0; i < section.Borrowed; ++i) {
        const std::string_view key = BorrowedName(i);
        TLine& written = lines.emplace_back(WrittenLine({key, "=", (*borrowedValues_)[i]}, 0, key.size()));
        written.Indexed = true;
    }
    lines.insert(lines.end(), section.Lines.begin(), section.Lines.end());
    section.Lines = std::move(lines);
    section.Borrowed = 0;
    borrowedKeys_ = borrowedValues_ = nullptr;
}

std::size_t TProfileText::SectionToWrite(std::string_view section) {
    const std::string_view name = RequestedName(section);
    if (const auto index = FindSection(name))
        return *index;
    sections_.emplace_back().Header = WrittenLine({"[", name, "]"}, 1, name.size());
    sectionIndex_.Add(name, sections_.size() - 1, SectionNames());
    return sections_.size() - 1;
}

// The hinted line is taken without asking the index when the index would name it. A line of the file
// that already reads "key=value", as most do when a snapshot is saved again, is settled from its bytes.
std::size_t TProfileText::WriteKey(TSection& section, std::string_view key, std::string_view value, std::size_t hint) {
    if (StandsInFile(section, hint, key, value))
        return hint;
    const std::size_t count = section.LineCount();
    const bool hit = hint < count && FirstOfName(section, hint) && TNameIndex::SameName(NameAt(section, hint), key);
    const std::size_t at = hit ? hint : section.Keys.Add(key, count, KeyNames(section));
    if (at < count) {
        RewriteValueAt(section, at, value);
        return at;
    }
    TLine& written = section.Lines.emplace_back(WrittenLine({key, "=", value}, 0, key.size()));
    written.Indexed = true;
    return at;
}

// The key as written, its blanks trimmed, then the new value. The line keeps the name it is indexed
// under, which the new text holds at its start unless the name itself held a "=" (a key written earlier
// in this session); such a name is kept after the text. What is copied from `texts_` is copied into
// it, which is made large enough first so that the copy does not move it.
void TProfileText::RewriteValue(TLine& line, std::string_view value) {
    const std::string_view text = TextOf(line);
    const std::string_view key = KeyText(text);
    if (key.data() == text.data() && StandsAsWritten(line, key, value))
        return;
    const std::string_view name = NameOf(line);
    const bool nameLeads = name.data() == key.data() && name.size() <= key.size();
    const std::string_view buffer = line.TextInFile ? std::string_view(bytes_) : std::string_view(texts_);
    const auto keyAt = static_cast<std::size_t>(key.data() - buffer.data());
    const auto nameAt = static_cast<std::size_t>(name.data() - buffer.data());
    const std::size_t keySize = key.size();
    const std::size_t nameSize = name.size();
    texts_.reserve(texts_.size() + keySize + 1 + value.size() + (nameLeads ? 0 : nameSize));
    const std::string_view from = line.TextInFile ? std::string_view(bytes_) : std::string_view(texts_);
    const std::size_t begin = texts_.size();
    texts_.append(from.substr(keyAt, keySize)).append("=").append(value);
    line.TextBegin = static_cast<std::uint32_t>(begin);
    line.TextSize = static_cast<std::uint32_t>(texts_.size() - begin);
    line.NameBegin = nameLeads ? 0 : line.TextSize;
    if (!nameLeads)
        texts_.append(from.substr(nameAt, nameSize));
    line.Written = true;
    line.TextInFile = false;
}

// A line of the file that would be written as it stands keeps its bytes: a snapshot saved again over
// versions that have not changed copies its lines instead of writing each anew. A last line without a
// line end would get one when written, and a line of another encoding is encoded anew.
bool TProfileText::StandsAsWritten(const TLine& line, std::string_view key, std::string_view value) const {
    return !line.Written && line.EndSize > 0 && encoding_ == TTextEncoding::SingleByte &&
           ReadsAs(TextOf(line), key, value);
}

// A key without "=" is the name of a line that reads "key=value": the index finds the first of the name.
bool TProfileText::StandsInFile(const TSection& section,
                                std::size_t line,
                                std::string_view key,
                                std::string_view value) const {
    line -= section.Borrowed;
    if (line >= section.FileLines.size() || !section.FileLineIndexed(line) || section.RewriteOf(line) > 0)
        return false;
    const TLine record = FileLine(section, line, false);
    return StandsAsWritten(record, key, value) && FindByte(key, '=') == std::string_view::npos;
}

// A line of the file takes a record of its own only when its text changes. Borrowed keys are settled
// before any of them is rewritten.
void TProfileText::RewriteValueAt(TSection& section, std::size_t line, std::string_view value) {
    line -= section.Borrowed;
    if (line >= section.FileLines.size()) {
        RewriteValue(section.Lines[line - section.FileLines.size()], value);
        return;
    }
    if (const std::uint32_t rewrite = section.RewriteOf(line)) {
        RewriteValue(section.Rewritten[rewrite - 1], value);
        return;
    }
    TLine record = FileLine(section, line);
    RewriteValue(record, value);
    if (!record.Written)
        return;
    if (section.Rewrites.empty())
        section.Rewrites.resize(section.FileLines.size());
    section.Rewritten.push_back(record);
    section.Rewrites[line] = static_cast<std::uint32_t>(section.Rewritten.size());
}

// The platform's profile functions remove all sections of the name, not only the first.
bool TProfileText::EraseSection(std::string_view section) {
    SettleBorrowed();
    const std::string_view name = RequestedName(section);
    const std::size_t erased = std::erase_if(sections_, [this, name](const TSection& candidate) {
        const bool isHeader = candidate.Header.TextSize > 0;
        return isHeader && candidate.Reachable && SameTextUpper(NameOf(candidate.Header), name);
    });
    if (erased > 0)
        IndexSections();
    return erased > 0;
}

void TProfileText::IndexSections() {
    sectionIndex_.Clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sections_[i].Reachable)
            sectionIndex_.Add(NameOf(sections_[i].Header), i, SectionNames());
    }
}

}  // namespace ini
