#include "support/ProfileIni.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace ini {

namespace {

// A name as a caller asks for it: a C string, then trimmed.
std::string_view RequestedName(std::string_view name) {
    return TrimProfile(CutAtNul(name));
}

// The platform drops trailing blanks of a default, but never its first character.
std::string DefaultValue(std::string_view defaultValue) {
    std::string_view value = CutAtNul(defaultValue);
    while (value.size() > 1 && value.back() == ' ')
        value.remove_suffix(1);
    return ProfileValue(value);
}

}  // namespace

std::string_view ProfileName(std::string_view name) {
    return RequestedName(name);
}

TProfileText::TProfileText() : sections_(1) {
    sectionIndex_.Add("", 0);
}

namespace {

// How many lines each section has, the lines before the first header first, so that a file of many keys
// is read without growing its lists line by line. Only for a file of the single-byte set, whose lines
// are their bytes; others grow as they are read.
std::vector<std::size_t> SectionSizes(std::string_view bytes, const std::vector<TLineSpan>& spans) {
    std::vector<std::size_t> sizes(1);
    for (const TLineSpan& span : spans) {
        const std::string_view trimmed = TrimProfile(bytes.substr(span.Begin, span.TextEnd - span.Begin));
        if (!trimmed.empty() && HeaderName(trimmed))
            sizes.push_back(0);
        else
            ++sizes.back();
    }
    return sizes;
}

}  // namespace

TProfileText::TProfileText(std::string_view fileBytes) : TProfileText() {
    bytes_ = WholeCodeUnits(fileBytes);
    encoding_ = EncodingOf(bytes_);
    texts_.reserve(bytes_.size());
    const std::string_view bytes = bytes_;
    const std::vector<TLineSpan> spans = SplitLineSpans(bytes, encoding_);
    std::vector<std::size_t> sizes;
    if (encoding_ == TTextEncoding::SingleByte) {
        sizes = SectionSizes(bytes, spans);
        sections_.reserve(sizes.size());
        sections_.back().Lines.reserve(sizes.front());
        sections_.back().Keys.Reserve(sizes.front());
    }
    std::vector<TLine> blanks;
    std::vector<std::size_t> replaced;
    for (const TLineSpan& span : spans) {
        replaced.clear();
        const std::string_view lineBytes = bytes.substr(span.Begin, span.TextEnd - span.Begin);
        TLine line{texts_.size(), 0, span, false};
        if (encoding_ == TTextEncoding::SingleByte)
            texts_.append(lineBytes);
        else
            texts_.append(DecodeBytes(lineBytes, encoding_, &replaced));
        line.TextSize = texts_.size() - line.TextBegin;
        const std::size_t sectionCount = sections_.size();
        AddLine(line, replaced, blanks);
        if (sections_.size() > sectionCount && sectionCount < sizes.size()) {
            sections_.back().Lines.reserve(sizes[sectionCount]);
            sections_.back().Keys.Reserve(sizes[sectionCount]);
        }
    }
    sections_.back().BlankTail = std::move(blanks);
}

TProfileText::TLine TProfileText::WrittenLine(std::initializer_list<std::string_view> pieces) {
    TLine line{texts_.size(), 0, {}, true};
    for (const std::string_view piece : pieces)
        texts_.append(piece);
    line.TextSize = texts_.size() - line.TextBegin;
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
    if (const auto header = HeaderName(trimmed)) {
        const std::string_view name = CutAtNul(*header);
        const bool reachable = Reachable(name, text, replaced);
        sections_.back().BlankTail = std::move(blanks);
        blanks.clear();
        if (reachable)
            sectionIndex_.Add(name, sections_.size());
        sections_.push_back({line, reachable, {}, {}, {}});
        return;
    }
    TSection& section = sections_.back();
    section.Lines.insert(section.Lines.end(), blanks.begin(), blanks.end());
    blanks.clear();
    const std::string_view name = CutAtNul(KeyText(text));
    if (Reachable(name, text, replaced))
        section.Keys.Add(name, section.Lines.size());
    section.Lines.push_back(line);
}

std::optional<std::size_t> TProfileText::FindSection(std::string_view section) const {
    return sectionIndex_.Find(RequestedName(section));
}

const TProfileText::TLine* TProfileText::FindKeyLine(std::string_view section, std::string_view key) const {
    const auto index = FindSection(section);
    if (!index)
        return nullptr;
    const TSection& found = sections_[*index];
    const auto line = found.Keys.Find(RequestedName(key));
    return line ? &found.Lines[*line] : nullptr;
}

std::optional<std::string> TProfileText::Read(std::string_view section, std::string_view key) const {
    const TLine* line = FindKeyLine(section, key);
    if (!line)
        return std::nullopt;
    return LineValue(TextOf(*line));
}

std::vector<std::string> TProfileText::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const auto index = FindSection(section);
    if (!index)
        return keys;
    const TSection& found = sections_[*index];
    for (std::size_t i = 0; i < found.Lines.size(); ++i) {
        const std::string_view line = TrimProfile(TextOf(found.Lines[i]));
        if (line.find('=') == std::string_view::npos)
            continue;
        const std::string_view name = CutAtNul(KeyText(line));
        if (found.Keys.Find(name) == i)
            keys.emplace_back(name);
    }
    return keys;
}

void TProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view sectionName = RequestedName(section);
    const std::string_view keyName = RequestedName(key);
    auto index = FindSection(sectionName);
    if (!index) {
        index = sections_.size();
        sections_.push_back({WrittenLine({"[", sectionName, "]"}), true, {}, {}, {}});
        sectionIndex_.Add(sectionName, *index);
    }
    TSection& target = sections_[*index];
    const std::size_t at = target.Keys.Add(keyName, target.Lines.size());
    if (at == target.Lines.size())
        target.Lines.push_back(WrittenLine({keyName, "=", value}));
    else
        RewriteValue(target.Lines[at], value);
}

void TProfileText::WriteKeys(std::string_view section,
                             const std::vector<std::string>& keys,
                             const std::vector<std::string>& values) {
    if (keys.empty())
        return;
    // A little more than the keys need, for the few single writes that commonly follow (a snapshot's
    // timestamp): growing lists of many keys is what this spares.
    constexpr std::size_t kSpareKeys = 8, kSpareText = 512;
    std::size_t textSize = section.size() + 2 + kSpareText;
    for (std::size_t i = 0; i < keys.size(); ++i)
        textSize += keys[i].size() + 1 + values[i].size();
    texts_.reserve(texts_.size() + textSize);
    Write(section, keys.front(), values.front());
    // Enough when the keys are all new to the section or all there already, as when a snapshot is saved
    // again; a mix grows as single writes do.
    TSection& target = sections_[*FindSection(section)];
    const std::size_t room = std::max(target.Lines.size(), keys.size()) + kSpareKeys;
    target.Lines.reserve(room);
    target.Keys.Reserve(room);
    for (std::size_t i = 1; i < keys.size(); ++i)
        Write(section, keys[i], values[i]);
}

// The key as written, its blanks trimmed, then the new value. The key is copied from the old text
// within the buffer, which is made large enough first so that the copy does not move it.
void TProfileText::RewriteValue(TLine& line, std::string_view value) {
    const std::string_view text = TextOf(line);
    const std::string_view key = KeyText(text);
    // A line of the file that would be written as it stands keeps its bytes: a snapshot saved again
    // over versions that have not changed copies its lines instead of writing each anew. A last line
    // without a line end would get one when written, and a line of another encoding is encoded anew.
    const bool ownEnd = line.Bytes.End > line.Bytes.TextEnd;
    if (!line.Written && ownEnd && encoding_ == TTextEncoding::SingleByte && key.data() == text.data() &&
        text.size() == key.size() + 1 + value.size() && text[key.size()] == '=' && text.ends_with(value)) {
        return;
    }
    const auto keyBegin = static_cast<std::size_t>(key.data() - texts_.data());
    const std::size_t keySize = key.size();
    texts_.reserve(texts_.size() + keySize + 1 + value.size());
    const std::size_t begin = texts_.size();
    texts_.append(texts_, keyBegin, keySize).append("=").append(value);
    line = {begin, texts_.size() - begin, line.Bytes, true};
}

// The platform's profile functions remove all sections of the name, not only the first.
bool TProfileText::EraseSection(std::string_view section) {
    const std::string_view name = RequestedName(section);
    const std::size_t erased = std::erase_if(sections_, [this, name](const TSection& candidate) {
        const auto header = HeaderName(TrimProfile(TextOf(candidate.Header)));
        return candidate.Reachable && header && SameTextUpper(CutAtNul(*header), name);
    });
    if (erased > 0)
        IndexSections();
    return erased > 0;
}

void TProfileText::IndexSections() {
    sectionIndex_.Clear();
    sectionIndex_.Add("", 0);
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        if (sections_[i].Reachable)
            sectionIndex_.Add(CutAtNul(*HeaderName(TrimProfile(TextOf(sections_[i].Header)))), i);
    }
}

// A line of the file keeps its bytes; a written one is encoded anew. A last line of the file that has no
// line end gets one only when a line follows it (`endOwed`).
void TProfileText::AppendLine(std::string& out, const TLine& line, std::string_view lineEnd, bool& endOwed) const {
    if (endOwed)
        out.append(lineEnd);
    if (line.Written)
        AppendEncoded(out, TextOf(line), encoding_);
    else
        out.append(bytes_, line.Bytes.Begin, line.Bytes.TextEnd - line.Bytes.Begin);
    const bool ownEnd = line.Bytes.End > line.Bytes.TextEnd;
    if (ownEnd)
        out.append(bytes_, line.Bytes.TextEnd, line.Bytes.End - line.Bytes.TextEnd);
    else if (line.Written)
        out.append(lineEnd);
    endOwed = !ownEnd && !line.Written;
}

// Room for every line as read and every written one with its line end, so that the text is built
// without growing: a snapshot of many products is written whole.
std::size_t TProfileText::WrittenSizeBound() const {
    const std::size_t unitWidth = encoding_ == TTextEncoding::SingleByte ? 1 : encoding_ == TTextEncoding::Utf8 ? 3 : 2;
    std::size_t size = bytes_.size() + ByteOrderMark(encoding_).size();
    for (const TSection& section : sections_) {
        size += (section.Header.TextSize + 2) * unitWidth;
        for (const TLine& line : section.Lines)
            size += line.Written ? (line.TextSize + 2) * unitWidth : 0;
    }
    return size;
}

std::string TProfileText::Text() const {
    const std::string lineEnd = EncodeBytes("\r\n", encoding_);
    std::string out(ByteOrderMark(encoding_));
    out.reserve(WrittenSizeBound());
    bool endOwed = false;
    for (const TSection& section : sections_) {
        if (section.Header.TextSize > 0)
            AppendLine(out, section.Header, lineEnd, endOwed);
        for (const auto* lines : {&section.Lines, &section.BlankTail}) {
            for (const TLine& line : *lines)
                AppendLine(out, line, lineEnd, endOwed);
        }
    }
    return out;
}

}  // namespace ini

TProfileIniFile::TProfileIniFile(std::string path, TFileSystem& fileSystem)
    : path_(std::move(path)), fileSystem_(fileSystem) {}

ini::TProfileText& TProfileIniFile::Content() {
    if (!content_) {
        const auto bytes = fileSystem_.ReadFile(path_);
        unreadable_ = !bytes && fileSystem_.FileExists(path_);
        content_.emplace(bytes ? *bytes : std::string());
    }
    return *content_;
}

std::string TProfileIniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) {
    const auto value = Content().Read(section, key);
    return value ? *value : ini::DefaultValue(defaultValue);
}

std::vector<std::string> TProfileIniFile::ReadSection(std::string_view section) {
    return Content().Keys(section);
}

void TProfileIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Content().Write(section, key, value);
    modified_ = true;
}

void TProfileIniFile::WriteStrings(std::string_view section,
                                   const std::vector<std::string>& keys,
                                   const std::vector<std::string>& values) {
    Content().WriteKeys(section, keys, values);
    modified_ = modified_ || !keys.empty();
}

void TProfileIniFile::Flush() {
    if (!modified_)
        return;
    if (unreadable_ || !fileSystem_.WriteFile(path_, Content().Text()))
        throw Exception("Unable to write to " + path_);
    modified_ = false;
}

void TProfileIniFile::EraseSection(std::string_view section) {
    if (Content().EraseSection(section))
        modified_ = true;
}
