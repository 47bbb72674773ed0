#include "toolkit/html/HtmlParser.h"

#include <array>
#include <utility>

namespace html {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

char ToLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = ToLower(c);
    return result;
}

struct TNamedEntity {
    std::string_view Name;
    char Value;
};

constexpr std::array<TNamedEntity, 6> kNamedEntities = {{
    {"nbsp", kNonBreakingSpace},
    {"amp", '&'},
    {"lt", '<'},
    {"gt", '>'},
    {"quot", '"'},
    {"apos", '\''},
}};

// Decodes one reference at text[pos] == '&'; returns the characters consumed, 0 when it is no reference.
std::size_t DecodeReference(std::string_view text, std::size_t pos, std::string& out) {
    // References are short: looking further for the ';' would make "&&&…" quadratic.
    const std::size_t semicolon = text.substr(0, pos + 12).find(';', pos + 1);
    if (semicolon == std::string_view::npos)
        return 0;
    const std::string_view body = text.substr(pos + 1, semicolon - pos - 1);
    if (body.size() >= 2 && body[0] == '#') {
        const bool hex = body[1] == 'x' || body[1] == 'X';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty())
            return 0;
        unsigned value = 0;
        for (char c : digits) {
            const char lower = ToLower(c);
            unsigned digit = 0;
            if (IsDigit(c))
                digit = static_cast<unsigned>(c - '0');
            else if (hex && lower >= 'a' && lower <= 'f')
                digit = static_cast<unsigned>(lower - 'a' + 10);
            else
                return 0;
            value = value * (hex ? 16 : 10) + digit;
        }
        // Our texts are single-byte: what does not fit, and NUL, shows as a question mark.
        out += (value == 0 || value > 255) ? '?' : static_cast<char>(value);
        return semicolon - pos + 1;
    }
    const std::string name = LowerCase(body);
    for (const TNamedEntity& entity : kNamedEntities) {
        if (entity.Name == name) {
            out += entity.Value;
            return semicolon - pos + 1;
        }
    }
    return 0;
}

}  // namespace

const std::string* TToken::Attribute(std::string_view name) const {
    for (const TAttribute& attribute : Attributes) {
        if (attribute.Name == name)
            return &attribute.Value;
    }
    return nullptr;
}

std::string DecodeEntities(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if (text[pos] == '&') {
            if (const std::size_t used = DecodeReference(text, pos, out)) {
                pos += used;
                continue;
            }
        }
        out += text[pos++];
    }
    return out;
}

bool TTokenizer::Next(TToken& token) {
    token = TToken{};
    while (pos_ < source_.size()) {
        if (source_[pos_] == '<' && ReadMarkup(token)) {
            if (token.Kind != ETokenKind::Text || !token.Text.empty())
                return true;
            continue;  // a comment or declaration: nothing to report
        }
        ReadText(token);
        return true;
    }
    return false;
}

// At a "<": reads a tag, or skips a comment or declaration (leaving an empty text token). Returns false
// when the "<" starts no markup, so the caller reads it as text.
bool TTokenizer::ReadMarkup(TToken& token) {
    const std::string_view rest = source_.substr(pos_);
    if (rest.starts_with("<!--")) {
        pos_ += 4;
        if (!SkipPast("-->"))
            pos_ = source_.size();
        return true;
    }
    if (rest.size() >= 2 && (rest[1] == '!' || rest[1] == '?')) {
        const std::size_t start = pos_;
        if (SkipPast(">"))
            return true;
        pos_ = start;
        return false;
    }
    if (rest.size() >= 3 && rest[1] == '/' && IsAsciiLetter(rest[2]))
        return ReadTag(token, true);
    if (rest.size() >= 2 && IsAsciiLetter(rest[1]))
        return ReadTag(token, false);
    return false;
}

bool TTokenizer::ReadTag(TToken& token, bool closing) {
    // With no '>' left every later "<x" is text too; remembering that keeps "<a<a<a…" linear.
    if (nextClose_ != std::string_view::npos && nextClose_ < pos_)
        nextClose_ = source_.find('>', pos_);
    if (nextClose_ == std::string_view::npos)
        return false;
    const std::size_t start = pos_;
    pos_ += closing ? 2 : 1;
    std::size_t nameEnd = pos_;
    while (nameEnd < source_.size() && !IsSpace(source_[nameEnd]) && source_[nameEnd] != '>' &&
           source_[nameEnd] != '/') {
        ++nameEnd;
    }
    token.Kind = closing ? ETokenKind::EndTag : ETokenKind::StartTag;
    token.Name = LowerCase(source_.substr(pos_, nameEnd - pos_));
    pos_ = nameEnd;
    ReadAttributes(token);
    if (pos_ >= source_.size()) {
        // Never closed: show what was written instead of swallowing the rest of the document.
        pos_ = start;
        token = TToken{};
        return false;
    }
    ++pos_;  // the '>'
    if (closing)
        token.Attributes.clear();
    return true;
}

// Reads attributes up to the closing '>' (left unread); names without case, values quoted or bare.
void TTokenizer::ReadAttributes(TToken& token) {
    const auto at = [this](std::size_t p) { return p < source_.size() ? source_[p] : '\0'; };
    while (pos_ < source_.size()) {
        while (pos_ < source_.size() && (IsSpace(source_[pos_]) || source_[pos_] == '/'))
            ++pos_;
        if (pos_ >= source_.size() || source_[pos_] == '>')
            return;
        const std::size_t nameStart = pos_;
        while (pos_ < source_.size() && !IsSpace(source_[pos_]) && source_[pos_] != '=' && source_[pos_] != '>')
            ++pos_;
        TAttribute attribute{LowerCase(source_.substr(nameStart, pos_ - nameStart)), {}};
        while (IsSpace(at(pos_)))
            ++pos_;
        if (at(pos_) == '=') {
            ++pos_;
            while (IsSpace(at(pos_)))
                ++pos_;
            const char quote = at(pos_);
            if (quote == '"' || quote == '\'') {
                const std::size_t close = source_.find(quote, pos_ + 1);
                if (close == std::string_view::npos) {
                    pos_ = source_.size();
                    return;
                }
                attribute.Value = DecodeEntities(source_.substr(pos_ + 1, close - pos_ - 1));
                pos_ = close + 1;
            } else {
                const std::size_t valueStart = pos_;
                while (pos_ < source_.size() && !IsSpace(source_[pos_]) && source_[pos_] != '>')
                    ++pos_;
                attribute.Value = DecodeEntities(source_.substr(valueStart, pos_ - valueStart));
            }
        }
        token.Attributes.push_back(std::move(attribute));
    }
}

// Text runs to the next "<" that starts markup; a "<" that starts none belongs to the text.
void TTokenizer::ReadText(TToken& token) {
    const std::size_t start = pos_;
    ++pos_;
    while (pos_ < source_.size()) {
        if (source_[pos_] == '<') {
            const std::string_view rest = source_.substr(pos_);
            const bool markup =
                rest.size() >= 2 && (IsAsciiLetter(rest[1]) || rest[1] == '/' || rest[1] == '!' || rest[1] == '?');
            if (markup)
                break;
        }
        ++pos_;
    }
    token.Kind = ETokenKind::Text;
    token.Text = DecodeEntities(source_.substr(start, pos_ - start));
}

bool TTokenizer::SkipPast(std::string_view terminator) {
    const std::size_t found = source_.find(terminator, pos_);
    if (found == std::string_view::npos)
        return false;
    pos_ = found + terminator.size();
    return true;
}

}  // namespace html
