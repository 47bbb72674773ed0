#include "support/ProfileIni.h"

#include <algorithm>
#include <cstdint>

#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace ini {

namespace {

// A name as a caller asks for it: a C string, then trimmed.
std::string_view RequestedName(std::string_view name) {
    return TrimProfile(CutAtNul(name));
}

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    return line.append(key).append("=").append(value);
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

std::size_t TProfileText::TFoldedHash::operator()(std::string_view name) const {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(UpperChar(c))) * 1099511628211ull;
    return static_cast<std::size_t>(hash);
}

bool TProfileText::TFoldedEqual::operator()(std::string_view a, std::string_view b) const {
    return SameTextUpper(a, b);
}

TProfileText::TProfileText() : sections_(1) {
    sectionIndex_.emplace("", 0);
}

TProfileText::TProfileText(std::string_view fileBytes) : TProfileText() {
    bytes_ = WholeCodeUnits(fileBytes);
    encoding_ = EncodingOf(bytes_);
    const std::string_view bytes = bytes_;
    std::vector<TLine> blanks;
    std::vector<std::size_t> replaced;
    for (const TLineSpan& span : SplitLineSpans(bytes, encoding_)) {
        replaced.clear();
        TLine line{DecodeBytes(bytes.substr(span.Begin, span.TextEnd - span.Begin), encoding_, &replaced), span, false};
        AddLine(std::move(line), replaced, blanks);
    }
    sections_.back().BlankTail = std::move(blanks);
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
    const std::string_view trimmed = TrimProfile(line.Text);
    if (trimmed.empty()) {
        blanks.push_back(std::move(line));
        return;
    }
    if (const auto header = HeaderName(trimmed)) {
        const std::string_view name = CutAtNul(*header);
        const bool reachable = Reachable(name, line.Text, replaced);
        std::string indexName(name);
        sections_.back().BlankTail = std::move(blanks);
        blanks.clear();
        sections_.push_back({std::move(line), reachable, {}, {}, {}});
        if (reachable)
            sectionIndex_.try_emplace(std::move(indexName), sections_.size() - 1);
        return;
    }
    TSection& section = sections_.back();
    for (TLine& blank : blanks)
        section.Lines.push_back(std::move(blank));
    blanks.clear();
    const std::string_view name = CutAtNul(KeyText(line.Text));
    if (Reachable(name, line.Text, replaced)) {
        AddKeyLine(section, name, std::move(line));
    } else {
        section.Lines.push_back(std::move(line));
    }
}

// `name` is the key text of the line (KeyText), which need not be found again; it may point into the line.
void TProfileText::AddKeyLine(TSection& section, std::string_view name, TLine&& line) {
    section.Keys.try_emplace(std::string(CutAtNul(name)), section.Lines.size());
    section.Lines.push_back(std::move(line));
}

std::optional<std::size_t> TProfileText::FindSection(std::string_view section) const {
    const auto found = sectionIndex_.find(RequestedName(section));
    if (found == sectionIndex_.end())
        return std::nullopt;
    return found->second;
}

const std::string* TProfileText::FindKeyLine(std::string_view section, std::string_view key) const {
    const auto index = FindSection(section);
    if (!index)
        return nullptr;
    const TSection& found = sections_[*index];
    const auto line = found.Keys.find(RequestedName(key));
    return line == found.Keys.end() ? nullptr : &found.Lines[line->second].Text;
}

std::optional<std::string> TProfileText::Read(std::string_view section, std::string_view key) const {
    const std::string* line = FindKeyLine(section, key);
    if (!line)
        return std::nullopt;
    return LineValue(*line);
}

std::vector<std::string> TProfileText::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const auto index = FindSection(section);
    if (!index)
        return keys;
    const TSection& found = sections_[*index];
    for (std::size_t i = 0; i < found.Lines.size(); ++i) {
        const std::string_view line = TrimProfile(found.Lines[i].Text);
        if (line.find('=') == std::string_view::npos)
            continue;
        const std::string_view name = CutAtNul(KeyText(line));
        const auto first = found.Keys.find(name);
        if (first != found.Keys.end() && first->second == i)
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
        sections_.push_back({{"[" + std::string(sectionName) + "]", {}, true}, true, {}, {}, {}});
        sectionIndex_.emplace(std::string(sectionName), *index);
    }
    TSection& target = sections_[*index];
    const auto found = target.Keys.find(keyName);
    if (found == target.Keys.end()) {
        AddKeyLine(target, keyName, {KeyLine(keyName, value), {}, true});
        return;
    }
    TLine& line = target.Lines[found->second];
    line.Text = KeyLine(KeyText(line.Text), value);
    line.Written = true;
}

// The platform's profile functions remove all sections of the name, not only the first.
bool TProfileText::EraseSection(std::string_view section) {
    const std::string_view name = RequestedName(section);
    const std::size_t erased = std::erase_if(sections_, [name](const TSection& candidate) {
        const auto header = HeaderName(TrimProfile(candidate.Header.Text));
        return candidate.Reachable && header && TFoldedEqual()(CutAtNul(*header), name);
    });
    if (erased > 0)
        IndexSections();
    return erased > 0;
}

void TProfileText::IndexSections() {
    sectionIndex_.clear();
    sectionIndex_.emplace("", 0);
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        if (sections_[i].Reachable)
            sectionIndex_.try_emplace(std::string(CutAtNul(*HeaderName(TrimProfile(sections_[i].Header.Text)))), i);
    }
}

// A line of the file keeps its bytes; a written one is encoded anew. A last line of the file that has no
// line end gets one only when a line follows it (`endOwed`).
void TProfileText::AppendLine(std::string& out, const TLine& line, std::string_view lineEnd, bool& endOwed) const {
    if (endOwed)
        out.append(lineEnd);
    if (line.Written)
        out.append(EncodeBytes(line.Text, encoding_));
    else
        out.append(bytes_, line.Bytes.Begin, line.Bytes.TextEnd - line.Bytes.Begin);
    const bool ownEnd = line.Bytes.End > line.Bytes.TextEnd;
    if (ownEnd)
        out.append(bytes_, line.Bytes.TextEnd, line.Bytes.End - line.Bytes.TextEnd);
    else if (line.Written)
        out.append(lineEnd);
    endOwed = !ownEnd && !line.Written;
}

std::string TProfileText::Text() const {
    const std::string lineEnd = EncodeBytes("\r\n", encoding_);
    std::string out(ByteOrderMark(encoding_));
    out.reserve(bytes_.size() + 64);
    bool endOwed = false;
    for (const TSection& section : sections_) {
        if (!section.Header.Text.empty())
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
