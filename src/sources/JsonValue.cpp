#include "sources/JsonValue.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "support/IniText.h"
#include "support/InputError.h"

namespace {

void AppendUtf8(std::string& out, std::uint32_t codePoint) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Recursive descent over the text; the depth bound keeps hostile nesting off the stack.
class TJsonParser {
public:
    TJsonParser(std::string_view text, std::string_view fileName) : text_(text), fileName_(fileName) {}

    TJsonValue Document() {
        TJsonValue value = Value(0);
        SkipSpace();
        if (at_ < text_.size())
            Fail("text after the end");
        return value;
    }

private:
    [[noreturn]] void Fail(std::string_view fault) const {
        throw InputLineError("Invalid JSON: " + std::string(fault), fileName_, line_,
                             ini::DecodeText("\xEF\xBB\xBF" + std::string(CurrentLine())));
    }

    std::string_view CurrentLine() const {
        const std::size_t position = std::min(at_, text_.size());
        const std::size_t before = position == 0 ? std::string_view::npos : text_.find_last_of("\r\n", position - 1);
        const std::size_t start = before == std::string_view::npos ? 0 : before + 1;
        return text_.substr(start, text_.find_first_of("\r\n", start) - start);
    }

    bool At(char c) const { return at_ < text_.size() && text_[at_] == c; }

    void SkipSpace() {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '\r' || c == '\n') {
                ++line_;
                at_ += text_.compare(at_, 2, "\r\n") == 0 ? 2 : 1;
            } else if (c == ' ' || c == '\t') {
                ++at_;
            } else {
                return;
            }
        }
    }

    TJsonValue Value(std::size_t depth) {
        if (depth >= kMaxJsonDepth)
            Fail("nested too deeply");
        SkipSpace();
        TJsonValue value;
        value.Line = line_;
        if (At('{')) {
            Members(value, depth);
        } else if (At('[')) {
            Items(value, depth);
        } else if (At('"')) {
            value.Kind = TJsonValue::TKind::String;
            value.Text = String();
        } else if (TakeWord("true")) {
            value.Kind = TJsonValue::TKind::Boolean;
            value.Boolean = true;
        } else if (TakeWord("false")) {
            value.Kind = TJsonValue::TKind::Boolean;
        } else if (TakeWord("null")) {
            value.Kind = TJsonValue::TKind::Null;
        } else {
            value.Kind = TJsonValue::TKind::Number;
            value.Text = Number();
        }
        return value;
    }

    bool TakeWord(std::string_view word) {
        if (text_.compare(at_, word.size(), word) != 0)
            return false;
        at_ += word.size();
        return true;
    }

    void Members(TJsonValue& value, std::size_t depth) {
        value.Kind = TJsonValue::TKind::Object;
        ++at_;
        SkipSpace();
        if (At('}')) {
            ++at_;
            return;
        }
        for (;;) {
            SkipSpace();
            if (!At('"'))
                Fail("member name expected");
            value.Names.push_back(String());
            SkipSpace();
            if (!At(':'))
                Fail("\":\" expected");
            ++at_;
            value.Items.push_back(Value(depth + 1));
            SkipSpace();
            if (At('}')) {
                ++at_;
                return;
            }
            if (!At(','))
                Fail("\",\" or \"}\" expected");
            ++at_;
        }
    }

    void Items(TJsonValue& value, std::size_t depth) {
        value.Kind = TJsonValue::TKind::Array;
        ++at_;
        SkipSpace();
        if (At(']')) {
            ++at_;
            return;
        }
        for (;;) {
            value.Items.push_back(Value(depth + 1));
            SkipSpace();
            if (At(']')) {
                ++at_;
                return;
            }
            if (!At(','))
                Fail("\",\" or \"]\" expected");
            ++at_;
        }
    }

    std::string Number() {
        const std::size_t start = at_;
        if (At('-'))
            ++at_;
        if (At('0'))
            ++at_;
        else if (!TakeDigits())
            Fail("value expected");
        if (At('.')) {
            ++at_;
            if (!TakeDigits())
                Fail("digits expected after \".\"");
        }
        if (At('e') || At('E')) {
            ++at_;
            if (At('+') || At('-'))
                ++at_;
            if (!TakeDigits())
                Fail("digits expected in the exponent");
        }
        return std::string(text_.substr(start, at_ - start));
    }

    bool TakeDigits() {
        const std::size_t start = at_;
        while (at_ < text_.size() && IsDigit(text_[at_]))
            ++at_;
        return at_ > start;
    }

    std::string String() {
        ++at_;
        std::string out;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("control character in a string");
            ++at_;
            if (c == '\\')
                Escape(out);
            else
                out.push_back(c);
        }
        Fail("string without a closing quote");
    }

    void Escape(std::string& out) {
        if (at_ == text_.size())
            Fail("string without a closing quote");
        const char c = text_[at_++];
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out.push_back(c);
                return;
            case 'b':
                out.push_back('\b');
                return;
            case 'f':
                out.push_back('\f');
                return;
            case 'n':
                out.push_back('\n');
                return;
            case 'r':
                out.push_back('\r');
                return;
            case 't':
                out.push_back('\t');
                return;
            case 'u':
                CodeUnit(out);
                return;
            default:
                Fail("unknown escape");
        }
    }

    std::uint32_t HexUnit() {
        std::uint32_t unit = 0;
        const char* first = text_.data() + at_;
        const char* last = first + std::min<std::size_t>(4, text_.size() - at_);
        const auto [end, error] = std::from_chars(first, last, unit, 16);
        if (error != std::errc() || end != first + 4)
            Fail("four hex digits expected after \"\\u\"");
        at_ += 4;
        return unit;
    }

    // A surrogate pair is one character; half of one has none to stand for.
    void CodeUnit(std::string& out) {
        const std::uint32_t unit = HexUnit();
        if (unit >= 0xD800 && unit <= 0xDBFF && text_.compare(at_, 2, "\\u") == 0) {
            const std::size_t resume = at_;
            at_ += 2;
            const std::uint32_t low = HexUnit();
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                return;
            }
            at_ = resume;
        }
        if (unit >= 0xD800 && unit <= 0xDFFF)
            out.push_back('?');
        else
            AppendUtf8(out, unit);
    }

    std::string_view text_;
    std::string_view fileName_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

}  // namespace

const TJsonValue* TJsonValue::Member(std::string_view name) const {
    for (std::size_t i = 0; i < Names.size() && i < Items.size(); ++i) {
        if (Names[i] == name)
            return &Items[i];
    }
    return nullptr;
}

TJsonValue ParseJson(std::string_view utf8, std::string_view fileName) {
    return TJsonParser(utf8, fileName).Document();
}
