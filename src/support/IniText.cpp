#include "support/IniText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace ini {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr char kUnmapped = '?';

// Windows-1252 agrees with Unicode on 00-7F and A0-FF; these are the characters of 80-9F. The five
// bytes the code page leaves undefined stand for the control characters of the same number, as the
// platform's conversion has them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Decoded text, with the places where a character the single-byte set lacks became "?".
class TDecoded {
public:
    TDecoded(std::size_t capacity, std::vector<std::size_t>* replaced) : replaced_(replaced) {
        text_.reserve(capacity);
    }

    void Add(char c) { text_.push_back(c); }
    void AddUnmapped() {
        if (replaced_)
            replaced_->push_back(text_.size());
        text_.push_back(kUnmapped);
    }
    // One UTF-16 code unit; a surrogate or a character the set lacks becomes "?".
    void AddUnit(char16_t unit) {
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
            return Add(static_cast<char>(unit));
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == unit)
                return Add(static_cast<char>(0x80 + i));
        }
        AddUnmapped();
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    std::vector<std::size_t>* replaced_;
};

char16_t Widen(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

void AddCodePoint(TDecoded& out, std::uint32_t codePoint) {
    if (codePoint > 0xFFFF) {
        out.AddUnmapped();  // a surrogate pair, neither half of which the set holds
        out.AddUnmapped();
    } else {
        out.AddUnit(static_cast<char16_t>(codePoint));
    }
}

// The number of continuation bytes a lead byte announces; 0 for a byte that cannot start a sequence.
int ContinuationCount(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return 0;
}

// Decodes the sequence that starts at `at` (a byte of 80 or above) and moves `at` past what it used.
// A broken sequence gives "?" and uses the bytes up to the first one that breaks it, an overlong form,
// an encoded surrogate or a value beyond U+10FFFF included; a sequence cut off by the end of the text
// uses the rest. The platform's decoder counts the bytes the same way, so both give as many "?".
void AddUtf8Sequence(TDecoded& out, std::string_view bytes, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(bytes[at++]);
    const int count = ContinuationCount(lead);
    if (count == 0)
        return out.AddUnmapped();
    if (at + static_cast<std::size_t>(count) > bytes.size()) {
        at = bytes.size();
        return out.AddUnmapped();
    }
    constexpr unsigned char kLeadMasks[] = {0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t value = lead & kLeadMasks[count];
    for (int left = count; left >= 1; --left) {
        const unsigned char payload = static_cast<unsigned char>(bytes[at]) ^ 0x80;
        if (payload >= 0x40)
            break;
        value = (value << 6) | payload;
        if (left == 2 && value >= (0x110000 >> 6))
            break;
        ++at;
        const bool overlong = (left == 3 && value < 0x10) || (left == 2 && value < 0x20) || (left == 1 && value < 0x80);
        const bool surrogate = left == 2 && value >= (0xD800 >> 6) && value <= (0xDFFF >> 6);
        if (overlong || surrogate)
            break;
        if (left == 1)
            return AddCodePoint(out, value);
    }
    out.AddUnmapped();
}

void FromUtf8(TDecoded& out, std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80)
            out.Add(bytes[at++]);
        else
            AddUtf8Sequence(out, bytes, at);
    }
}

bool IsUtf16(TTextEncoding encoding) {
    return encoding == TTextEncoding::Utf16LittleEndian || encoding == TTextEncoding::Utf16BigEndian;
}

char16_t Utf16Unit(std::string_view bytes, std::size_t at, bool bigEndian) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
}

// A last odd byte is a code unit of its own value, as the platform reads it.
void FromUtf16(TDecoded& out, std::string_view bytes, bool bigEndian) {
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        if (at + 1 == bytes.size())
            return out.AddUnit(static_cast<unsigned char>(bytes[at]));
        out.AddUnit(Utf16Unit(bytes, at, bigEndian));
    }
}

void AppendUtf8(std::string& out, std::string_view text) {
    for (const char c : text) {
        const char16_t unit = Widen(c);
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
        } else if (unit < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
            out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        }
    }
}

void AppendUtf16(std::string& out, std::string_view text, bool bigEndian) {
    for (const char c : text) {
        const char16_t unit = Widen(c);
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    }
}

}  // namespace

TTextEncoding EncodingOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark))
        return TTextEncoding::Utf8;
    if (bytes.starts_with(kUtf16LittleEndianMark))
        return TTextEncoding::Utf16LittleEndian;
    if (bytes.starts_with(kUtf16BigEndianMark))
        return TTextEncoding::Utf16BigEndian;
    return TTextEncoding::SingleByte;
}

std::string_view ByteOrderMark(TTextEncoding encoding) {
    switch (encoding) {
        case TTextEncoding::Utf8:
            return kUtf8Mark;
        case TTextEncoding::Utf16LittleEndian:
            return kUtf16LittleEndianMark;
        case TTextEncoding::Utf16BigEndian:
            return kUtf16BigEndianMark;
        default:
            return {};
    }
}

std::string DecodeBytes(std::string_view bytes, TTextEncoding encoding, std::vector<std::size_t>* replaced) {
    TDecoded out(IsUtf16(encoding) ? bytes.size() / 2 + 1 : bytes.size(), replaced);
    switch (encoding) {
        case TTextEncoding::Utf8:
            FromUtf8(out, bytes);
            break;
        case TTextEncoding::Utf16LittleEndian:
        case TTextEncoding::Utf16BigEndian:
            FromUtf16(out, bytes, encoding == TTextEncoding::Utf16BigEndian);
            break;
        default:
            return std::string(bytes);
    }
    return out.Take();
}

void AppendEncoded(std::string& out, std::string_view text, TTextEncoding encoding) {
    switch (encoding) {
        case TTextEncoding::Utf8:
            return AppendUtf8(out, text);
        case TTextEncoding::Utf16LittleEndian:
        case TTextEncoding::Utf16BigEndian:
            return AppendUtf16(out, text, encoding == TTextEncoding::Utf16BigEndian);
        default:
            out.append(text);
    }
}

std::string EncodeBytes(std::string_view text, TTextEncoding encoding) {
    std::string out;
    out.reserve(IsUtf16(encoding) ? 2 * text.size() : text.size());
    AppendEncoded(out, text, encoding);
    return out;
}

std::string DecodeText(std::string_view bytes) {
    const TTextEncoding encoding = EncodingOf(bytes);
    return DecodeBytes(bytes.substr(ByteOrderMark(encoding).size()), encoding);
}

std::string WholeCodeUnits(std::string bytes) {
    std::string whole = std::move(bytes);
    const TTextEncoding encoding = EncodingOf(whole);
    if (IsUtf16(encoding) && whole.size() % 2 != 0) {
        const std::size_t at = encoding == TTextEncoding::Utf16BigEndian ? whole.size() - 1 : whole.size();
        whole.insert(at, 1, '\0');
    }
    return whole;
}

namespace {

// The first CR or LF of single-byte text from `at`, or its end. Eight bytes are tested at once for one
// below 0x0E, which CR and LF are and few others: most of a file passes in whole words.
std::size_t NextLineEnd(std::string_view bytes, std::size_t at) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    for (;;) {
        for (; at + sizeof kOnes <= bytes.size(); at += sizeof kOnes) {
            std::uint64_t chars = 0;
            std::memcpy(&chars, bytes.data() + at, sizeof chars);
            if (((chars - 0x0E * kOnes) & ~chars & kHigh) != 0)
                break;
        }
        const std::size_t stop = std::min(at + sizeof kOnes, bytes.size());
        for (; at < stop; ++at) {
            if (bytes[at] == '\r' || bytes[at] == '\n')
                return at;
        }
        if (at == bytes.size())
            return at;
    }
}

}  // namespace

TLineSpanReader::TLineSpanReader(std::string_view bytes, TTextEncoding encoding)
    : bytes_(bytes),
      utf16_(IsUtf16(encoding)),
      bigEndian_(encoding == TTextEncoding::Utf16BigEndian),
      at_(ByteOrderMark(encoding).size()) {}

std::optional<TLineSpan> TLineSpanReader::Next() {
    const std::size_t width = utf16_ ? 2 : 1;
    const auto unitAt = [&](std::size_t at) -> char16_t {
        return utf16_ ? Utf16Unit(bytes_, at, bigEndian_) : static_cast<unsigned char>(bytes_[at]);
    };
    const std::size_t start = at_;
    while (at_ + width <= bytes_.size()) {
        if (!utf16_)
            at_ = NextLineEnd(bytes_, at_);
        if (at_ + width > bytes_.size())
            break;
        const char16_t unit = unitAt(at_);
        if (unit != u'\r' && unit != u'\n') {
            at_ += width;
            continue;
        }
        std::size_t end = at_ + width;
        if (unit == u'\r' && end + width <= bytes_.size() && unitAt(end) == u'\n')
            end += width;
        const TLineSpan span{start, at_, end};
        at_ = end;
        return span;
    }
    at_ = bytes_.size();
    if (start < bytes_.size())
        return TLineSpan{start, bytes_.size(), bytes_.size()};
    return std::nullopt;
}

std::vector<TLineSpan> SplitLineSpans(std::string_view bytes, TTextEncoding encoding) {
    std::vector<TLineSpan> spans;
    TLineSpanReader reader(bytes, encoding);
    while (const auto span = reader.Next())
        spans.push_back(*span);
    return spans;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

}  // namespace ini
